#include "pages/ResultsPage.h"

#include <QLocale>
#include <QProgressBar>
#include <QShortcut>

#include "desktop/Accessibility.h"
#include "forms/App.h"
#include "forms/MessageBox.h"
#include "forms/Twips.h"
#include "gauge/JobState.h"
#include "pages/Slots.h"
#include "printing/PrintReport.h"

using namespace forms;

namespace {

// The buttons, the progress bar, the count and the job stand in a fixed band at the top, the
// choice of order and limits at its foot; the report box fills the window below it.
constexpr int kBandHeight = 4470;
// The window as drawn: the band, and below it the report box 825 twips high.
constexpr int kDesignHeight = kBandHeight + 825;
// The window opens as tall as the data pages, so that the report shows a good many lines.
constexpr int kOpeningHeight = 7605;

// What a screen reader says for the controls that show no caption of their own.
void nameForScreenReaders(ResultsPage& page) {
    page.progressBar->findChild<QProgressBar*>()->setAccessibleName(
        QStringLiteral("Search progress"));
    page.countLabel->setAccessibleName(QStringLiteral("Number of wire combinations found"));
    page.reportBox->setAccessibleName(QStringLiteral("Equivalent wire combinations"));
    // The count's name says the whole sentence, "2 wire combinations found".
    desktop::hideFromScreenReaders(page.foundLabel);
}

}  // namespace

ResultsPage::ResultsPage()
    : Page(QStringLiteral("Equivalent wire combinations"), 7425, kDesignHeight) {
    backButton = place<CommandButton>(this, QStringLiteral("backButton"), 1958, 720, 1095, 375);
    backButton->setText(QStringLiteral("< &Back"));
    nextButton = place<CommandButton>(this, QStringLiteral("nextButton"), 3158, 720, 1095, 375);
    nextButton->setText(QStringLiteral("&Next >"));
    nextButton->setEnabled(false);
    finishButton = place<CommandButton>(this, QStringLiteral("finishButton"), 4358, 720, 1095, 375);
    finishButton->setText(QStringLiteral("&Finish"));
    printButton = place<CommandButton>(this, QStringLiteral("printButton"), 3158, 1320, 1095, 375);
    printButton->setText(QStringLiteral("print"));

    progressBar = place<ProgressBar>(this, QStringLiteral("progressBar"), 1358, 1800, 4695, 255);
    countLabel = place<Label>(this, QStringLiteral("countLabel"), 2018, 2400, 1095, 255);
    countLabel->setAlignment(Qt::AlignRight | Qt::AlignTop);
    foundLabel = place<Label>(this, QStringLiteral("foundLabel"), 3293, 2400, 2055, 255);
    foundLabel->setText(QStringLiteral("Wire combinations found"));
    foundLabel->setVisible(false);

    reportBox = place<ReportBox>(this, QStringLiteral("reportBox"), 0, kBandHeight, 7425,
                                 kDesignHeight - kBandHeight);
    printerDialog = std::make_unique<QtPrinterDialog>(this);
    setSizable(7425, kOpeningHeight);

    forms::setTabOrder({backButton, nextButton, finishButton, printButton, reportBox});
    // Return pressed at once must not go back and lose the search.
    setFirstFocus(reportBox);
    connect(printButton, &QPushButton::clicked, this, &ResultsPage::print);
    // "print" has no access key: Ctrl+P prints, as in other programs.
    connect(new QShortcut(QKeySequence::Print, this), &QShortcut::activated, printButton,
            &QPushButton::click);
    connect(backButton, &QPushButton::clicked, this, &ResultsPage::back);
    connect(finishButton, &QPushButton::clicked, this, &ResultsPage::finish);
    nameForScreenReaders(*this);
    listControls = new ListControls({*this, finishButton, backButton, printButton, reportBox});
}

void ResultsPage::loadEvent() {
    progressBar->setMinimum(0);
    progressBar->setMaximum(static_cast<float>(progressTop(jobState())));
    // On the screen before the search keeps the event loop busy.
    showPage();
    paintNow();
    const SearchOutcome outcome = searchAndReport(jobState(), *this);
    listControls->takeResults(jobState(), outcome.end, decimalSeparator());
    layoutReportBox();  // below the job line as it now stands
    tellWhySearchStopped(outcome);
}

void ResultsPage::tellWhySearchStopped(const SearchOutcome& outcome) {
    switch (outcome.end) {
        case SearchEnd::Complete:
            return;
        case SearchEnd::TableFull:
            showMessage(QStringLiteral("More than 10001 combinations exist. \"as found\" shows the "
                                       "first 10001; the ranked orders (Order) rank them all."),
                        kWarningOk);
            return;
        case SearchEnd::CountLimit:
            showMessage(QStringLiteral("The search stopped early: ") +
                            QString::fromStdString(countLimitReason(outcome.limitingSize)) +
                            QStringLiteral(".\nThe list shows the combinations found until then."),
                        kWarningOk);
            return;
    }
}

void ResultsPage::setCountCaption(const std::string& caption) {
    countLabel->setText(QString::fromStdString(caption));
    // The count alone would be read as a bare number.
    countLabel->setAccessibleName(QString::fromStdString(caption) +
                                  QStringLiteral(" wire combinations found"));
}

std::string ResultsPage::decimalSeparator() const {
    return locale().decimalPoint().toStdString();
}

void ResultsPage::resizeEvent(QResizeEvent* event) {
    Page::resizeEvent(event);
    layoutReportBox();
}

void ResultsPage::layoutReportBox() {
    // In pixels of the window as it is: twips rounded to pixels and back would let the box run
    // past the window's edge.
    // A long conductor makes the job line, and so the band, taller.
    const int band =
        twipsToPixels(kBandHeight) + (listControls ? listControls->jobLineGrowth() : 0);
    if (height() < band) {
        return;  // minimized or squeezed: keep the layout as it was
    }
    reportBox->setGeometry(0, band, width(), height() - band);
}

void ResultsPage::print() {
    printJobSheet(*reportBox, *printerDialog, [this](std::optional<LineRange> selected) {
        return listControls->sheet(selected, QStringLiteral("Printed"));
    });
}

void ResultsPage::back() {
    listControls->stopRanking();
    clearSearchTables(jobState());
    reportBox->setText(QString());
    unload();
    availableWiresSlot().page().showPage();
}

void ResultsPage::closeEvent(QCloseEvent* event) {
    listControls->stopRanking();
    Page::closeEvent(event);
}

void ResultsPage::finish() {
    listControls->stopRanking();
    unload();
    endProgram();
}
