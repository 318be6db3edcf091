#include "pages/ListControls.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QMenu>
#include <QShortcut>
#include <QToolTip>

#include "pages/ResultsPage.h"
#include "platform/AboutBox.h"
#include "platform/MessageBox.h"
#include "platform/Twips.h"
#include "platform/WholeFile.h"
#include "search/ListFormats.h"

using namespace forms;

namespace {

constexpr int kJobLabelHeight = 540;  // two lines; more for a long conductor

const QString kTextFilter = QStringLiteral("Text files (*.txt)");
const QString kCsvFilter = QStringLiteral("CSV files (*.csv)");

// The orders in the sequence the choice offers them.
constexpr ResultOrder kOrders[] = {ResultOrder::AsFound, ResultOrder::FewestWires,
                                   ResultOrder::ClosestToOriginal};

bool savesAsCsv(const SaveFileDialog::Choice& choice) {
    const QString suffix = QFileInfo(choice.path).suffix().toLower();
    if (suffix == QLatin1String("csv"))
        return true;
    if (suffix == QLatin1String("txt"))
        return false;
    return choice.filter == kCsvFilter;
}

// Where the last list went and as what: its folder and type are offered again for the next one
// while the program runs.
SaveFileDialog::Choice& lastSaved() {
    static SaveFileDialog::Choice saved{
        QDir::home().filePath(QStringLiteral("wire-combinations.txt")), kTextFilter};
    return saved;
}

// When the sheet was made, unambiguous in any country: "Printed 2025-05-03 14:05".
std::string datedNow(const QString& madeAs) {
    return (madeAs + QDateTime::currentDateTime().toString(QStringLiteral(" yyyy-MM-dd HH:mm")))
        .toStdString();
}

QString stoppedEarlyText(SearchEnd end) {
    switch (end) {
        case SearchEnd::Complete:
            break;
        case SearchEnd::TableFull:
            return QStringLiteral(
                       "The search stopped early: the list and its order cover the first %1 found.")
                .arg(kResultSlots);
        case SearchEnd::CountLimit:
            return QStringLiteral(
                "The search stopped early: the list and its order cover what was found until "
                "then.");
    }
    return {};
}

// A note that is there only while it has something to say, so a screen reader meets no empty
// label.
void setNote(Label* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
    label->setVisible(!text.isEmpty());
}

}  // namespace

ListControls::ListControls(ResultsPage& page) : QObject(&page), page_(page) {
    // Above the buttons, in the free top of the band.
    stoppedEarlyLabel =
        place<Label>(&page, QStringLiteral("stoppedEarlyLabel"), 120, 120, 7185, 480);

    // Left and right of "print".
    coveredOnlyCheck =
        place<CheckBox>(&page, QStringLiteral("coveredOnlyCheck"), 120, 1357, 2978, 300);
    coveredOnlyCheck->setText(QStringLiteral("Only what the &stock covers"));
    coveredOnlyCheck->setAccessibleName(QStringLiteral("Only what the stock covers"));
    orderLabel = place<Label>(&page, QStringLiteral("orderLabel"), 4313, 1342, 720, 330);
    orderLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    orderLabel->setText(QStringLiteral("&Order:"));
    orderChoice = place<QComboBox>(&page, QStringLiteral("orderChoice"), 5063, 1342, 2242, 330);
    orderChoice->addItems({QStringLiteral("as found"), QStringLiteral("fewest wires"),
                           QStringLiteral("closest to original")});
    orderChoice->setAccessibleName(QStringLiteral("Order of the list"));
    orderLabel->setBuddy(orderChoice);

    // Beside the count line, and below it down to the report box.
    shownLabel = place<Label>(&page, QStringLiteral("shownLabel"), 5600, 2400, 1765, 255);
    setNote(stoppedEarlyLabel, {});
    setNote(shownLabel, {});
    jobLabel = place<Label>(&page, QStringLiteral("jobLabel"), 120, 2700, 7185, kJobLabelHeight);

    saveDialog = std::make_unique<QtSaveFileDialog>(&page);
    setTabOrder(
        {page.finishButton, coveredOnlyCheck, page.printButton, orderChoice, page.reportBox});

    connect(coveredOnlyCheck, &QCheckBox::toggled, this, &ListControls::showChosenList);
    connect(orderChoice, &QComboBox::currentIndexChanged, this, &ListControls::showChosenList);
    auto* save = new QShortcut(QKeySequence::Save, &page);
    connect(save, &QShortcut::activated, this, &ListControls::saveList);
    page.installEventFilter(this);
    page.reportBox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(page.reportBox, &QWidget::customContextMenuRequested, this,
            &ListControls::showContextMenu);
}

void ListControls::takeResults(const JobState& job, SearchEnd end,
                               std::string_view decimalSeparator) {
    job_ = &job;
    end_ = end;
    decimalSeparator_ = decimalSeparator;
    found_ = foundResults(job, decimalSeparator);
    shown_ = found_;
    jobLine_ = jobLine(job, decimalSeparator);
    showJobLine();
    jobLabel->setAccessibleName(jobText());
    setNote(stoppedEarlyLabel, stoppedEarlyText(end));

    if (!stockCheckOn(job)) {
        coveredOnlyCheck->setEnabled(false);
        const QString why =
            QStringLiteral("The stock check is off: without the weights no line is marked with *.");
        coveredOnlyCheck->setToolTip(why);
        coveredOnlyCheck->setAccessibleDescription(why);
    }
}

void ListControls::showJobLine() {
    // Two lines: what was matched, then what "*" means.
    QStringList lines = jobText().split(QStringLiteral(" · "));
    // What was matched too wide for a line: the conductor takes its own lines, so that the
    // figures stay together.
    const qsizetype figures = lines.front().lastIndexOf(QStringLiteral(": "));
    if (figures >= 0 && jobLabel->fontMetrics().horizontalAdvance(lines.front()) >
                            jobLabel->contentsRect().width()) {
        lines.front().replace(figures, 2, QStringLiteral(":\n"));
    }
    jobLabel->setText(lines.join(u'\n'));
    // The label takes the lines it needs, and the list moves down.
    jobLabel->resize(jobLabel->width(), std::max(twipsToPixels(kJobLabelHeight),
                                                 jobLabel->heightForWidth(jobLabel->width())));
}

bool ListControls::eventFilter(QObject* watched, QEvent* event) {
    // A disabled control passes the mouse on to the page, and with it the request for a tip;
    // the disabled filter must still say why it is disabled.
    if (watched == &page_ && event->type() == QEvent::ToolTip && !coveredOnlyCheck->isEnabled()) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (coveredOnlyCheck->geometry().contains(help->pos())) {
            QToolTip::showText(help->globalPos(), coveredOnlyCheck->toolTip(), coveredOnlyCheck);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

ListChoice ListControls::choice() const {
    const int index = orderChoice->currentIndex();
    return {index >= 0 ? kOrders[index] : ResultOrder::AsFound, coveredOnlyCheck->isChecked()};
}

void ListControls::showChosenList() {
    shown_ = shownResults(found_, choice());
    const bool hidden = shown_.size() < found_.size();
    setNote(shownLabel, hidden ? QStringLiteral("(%1 shown)").arg(shown_.size()) : QString());
    if (found_.empty())
        return;  // the box keeps saying that nothing was found
    page_.reportBox->setRtf(shown_.empty() ? std::string("{}") : listRtf(shown_));
}

void ListControls::showContextMenu(const QPoint& position) {
    std::unique_ptr<QMenu> menu(page_.reportBox->createStandardContextMenu());
    menu->addSeparator();
    QAction* save = menu->addAction(QStringLiteral("&Save list as..."));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &ListControls::saveList);
    menu->addAction(QStringLiteral("&About Wirnak"), &page_, [this] { showAboutBox(&page_); });
    menu->exec(page_.reportBox->viewport()->mapToGlobal(position));
}

const JobState& ListControls::job() const {
    // Before the search has answered, a job with nothing in it.
    static const auto noJob = std::make_unique<JobState>();
    return job_ ? *job_ : *noJob;
}

JobSheet ListControls::sheet(std::optional<LineRange> selected, const QString& madeAs) const {
    const ListChoice chosen = choice();
    // A ranked list does not come from the search's table, so its end does not cut it.
    const SearchEnd end = isRanked(chosen.order) ? SearchEnd::Complete : end_;
    ShownList list{
        shown_, chosen, found_.size(), end, foundCountLine(found_.size(), shown_.size()), selected};
    return jobSheet(job(), list, datedNow(madeAs), decimalSeparator_);
}

void ListControls::saveList() {
    const SaveFileDialog::Choice& last = lastSaved();
    const QString type = savesAsCsv(last) ? kCsvFilter : kTextFilter;
    const QString name = QString::fromStdString(suggestedFileName(job()));
    const QString suggested = QFileInfo(last.path).dir().filePath(name + u'.' + filterSuffix(type));
    const auto choice = saveDialog->chooseFile(QStringLiteral("Save the list"), suggested,
                                               {kTextFilter, kCsvFilter}, type);
    if (!choice)
        return;
    const std::string content = savesAsCsv(*choice)
                                    ? listCsv(shown_)
                                    : sheetText(sheet(std::nullopt, QStringLiteral("Saved")));
    const QString error = writeWholeFile(choice->path, QByteArray::fromStdString(content));
    if (!error.isEmpty()) {
        showMessage(QStringLiteral("The list could not be saved as\n%1\n\n%2")
                        .arg(QDir::toNativeSeparators(choice->path), error),
                    kWarningOk);
        return;
    }
    lastSaved() = *choice;
}
