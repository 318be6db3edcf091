#pragma once

#include "search/JobSheet.h"

class QPagedPaintDevice;

// Draws the job sheet on the device's pages: title, date, job, shelf and notes on the first page;
// the list in columns (a value or combination wider than its room wrapped after " + " or ", "), its
// headings again at the top of every further page; the short title and "Page N of M" at the foot of
// each. The body in 10 pt. Returns false when nothing could be drawn on the device.
bool paintJobSheet(const JobSheet& sheet, QPagedPaintDevice& device);

// The pages the sheet takes on the device, as paintJobSheet would draw them.
int jobSheetPageCount(const JobSheet& sheet, QPagedPaintDevice& device);
