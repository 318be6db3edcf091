#pragma once

#include <QString>

class PrinterDialog;
class ReportBox;

// "print" on the results page: asks for a printer, with "Selection" preset when text is selected
// and "All" otherwise, and prints what the user chose, below the header where one is given. A
// cancelled dialog ends the action silently; a file that could not be printed whole, or a job
// the printer failed, is told in a message, and an existing file is left as it was.
void printReport(ReportBox& box, PrinterDialog& dialog, const QString& header = {});
