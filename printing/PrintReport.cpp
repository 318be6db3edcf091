#include "printing/PrintReport.h"

#include <QPrinter>
#include <QTextBlock>
#include <QTextCursor>

#include "forms/MessageBox.h"
#include "forms/ReportBox.h"
#include "printing/JobSheetPages.h"
#include "printing/PrinterDialog.h"
#include "printing/SafePdfOutput.h"

namespace {

constexpr int kPagesWithoutAsking = 20;

// Shows the dialog, opening on "Selection" when text is selected. The printer chosen and whether
// only the selection is to be printed; no printer when the user cancelled or it cannot print.
struct ChosenPrinter {
    QPrinter* printer = nullptr;
    bool selectionOnly = false;
};

ChosenPrinter askForPrinter(const ReportBox& box, PrinterDialog& dialog) {
    const bool selected = box.selectionLength() != 0;
    int flags = PrinterDialog::ReturnPrinter + PrinterDialog::NoPageRange;
    if (selected)
        flags += PrinterDialog::OpenOnSelection;
    dialog.setFlags(flags);

    QPrinter* printer = dialog.showPrinter();
    if (printer == nullptr || !printer->isValid())
        return {};
    // The dialog opens on "Selection" when there is one; a user who switches it to "All" wants
    // all, which the selection must not narrow.
    return {printer, selected && printer->printRange() == QPrinter::Selection};
}

// The lines (blocks) the selection touches. A selection that ends at the very start of a line
// does not take that line.
LineRange selectedLines(const ReportBox& box) {
    const QTextCursor cursor = box.textCursor();
    const QTextDocument& document = *box.document();
    const QTextBlock first = document.findBlock(cursor.selectionStart());
    QTextBlock last = document.findBlock(cursor.selectionEnd());
    if (last != first && cursor.selectionEnd() == last.position())
        last = last.previous();
    return {static_cast<std::size_t>(first.blockNumber()),
            static_cast<std::size_t>(last.blockNumber())};
}

// Paints into the printer chosen, a file whole or not at all; what went wrong is told. paint
// says whether it could draw on the printer.
void printWhole(QPrinter& printer, const std::function<bool(QPrinter&)>& paint) {
    SafePdfOutput output(printer);
    if (!output.notReady().isEmpty()) {
        forms::showMessage(output.notReady(), forms::kWarningOk);
        return;
    }
    const bool painted = paint(printer);
    if (const QString failure = output.finish(painted); !failure.isEmpty())
        forms::showMessage(failure, forms::kWarningOk);
}

// A long sheet is a stack of paper: the user says so before it prints. No, the default, prints
// nothing.
bool manyPagesWanted(const JobSheet& sheet, QPrinter& printer) {
    const int pages = jobSheetPageCount(sheet, printer);
    if (pages <= kPagesWithoutAsking)
        return true;
    return forms::showMessage(
               QStringLiteral("The job sheet has %1 pages. Print all %1?").arg(pages),
               forms::kQuestionYesNo) == forms::MessageAnswer::Yes;
}

}  // namespace

void printReport(ReportBox& box, PrinterDialog& dialog) {
    const ChosenPrinter chosen = askForPrinter(box, dialog);
    if (chosen.printer == nullptr)
        return;
    printWhole(*chosen.printer, [&](QPrinter& printer) {
        if (chosen.selectionOnly)
            box.printSelectionOrAll(printer);
        else
            box.print(&printer);
        return true;  // the box's printing does not say
    });
}

void printJobSheet(ReportBox& box, PrinterDialog& dialog, const SheetForLines& sheetFor) {
    const ChosenPrinter chosen = askForPrinter(box, dialog);
    if (chosen.printer == nullptr)
        return;
    const std::optional<LineRange> lines =
        chosen.selectionOnly ? std::optional(selectedLines(box)) : std::nullopt;
    const JobSheet sheet = sheetFor(lines);
    if (!manyPagesWanted(sheet, *chosen.printer))
        return;
    printWhole(*chosen.printer,
               [&sheet](QPrinter& printer) { return paintJobSheet(sheet, printer); });
}

QString saveJobSheetAsPdf(const JobSheet& sheet, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QStringLiteral("Wirnak"));
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    SafePdfOutput output(printer, QStringLiteral("The list could not be saved as"));
    if (!output.notReady().isEmpty())
        return output.notReady();
    paintJobSheet(sheet, printer);
    return output.finish();
}
