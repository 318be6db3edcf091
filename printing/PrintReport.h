#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "search/JobSheet.h"

class PrinterDialog;
class ReportBox;

// "print" on the results page: asks for a printer, with "Selection" preset when text is selected
// and "All" otherwise, and prints what the user chose. A user who switches the dialog to "All"
// gets all, whatever is selected. A cancelled dialog ends the action silently; a file that could
// not be printed whole, or a job the printer failed, is told in a message, and an existing file
// is left as it was.

// Prints the box's text as it stands, or the text selected in it.
void printReport(ReportBox& box, PrinterDialog& dialog);

// The job sheet for the lines of the box to print: all of them, or the lines the selection
// touches.
using SheetForLines = std::function<JobSheet(std::optional<LineRange> selected)>;

// Prints the job sheet of the lines chosen; one of more than 20 pages only when the user says
// so.
void printJobSheet(ReportBox& box, PrinterDialog& dialog, const SheetForLines& sheetFor);

// Writes the job sheet, as it is printed, into a PDF file, whole or not at all. Returns what
// went wrong, worded for the user under "The list could not be saved as", "" when it was saved.
QString saveJobSheetAsPdf(const JobSheet& sheet, const QString& path);
