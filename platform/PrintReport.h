#pragma once

#include <QString>

class PrinterDialog;
class ReportBox;

// "print" on the results page: asks for a printer, with "Selection" preset when text is selected
// and "All" otherwise, and prints what the user chose, below the header where one is given. A
// cancelled dialog or a failure ends the action silently.
void printReport(ReportBox& box, PrinterDialog& dialog, const QString& header = {});
