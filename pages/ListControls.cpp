#include "pages/ListControls.h"

#include <QAbstractButton>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QMenu>
#include <QShortcut>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QToolTip>
#include <initializer_list>

#include "desktop/AboutBox.h"
#include "desktop/Settings.h"
#include "files/WholeFile.h"
#include "forms/App.h"
#include "forms/MessageBox.h"
#include "forms/Page.h"
#include "forms/ReportBox.h"
#include "forms/Twips.h"
#include "forms/WindowPlace.h"
#include "gauge/Numeric.h"
#include "pages/RankingRun.h"
#include "printing/PrintReport.h"
#include "search/ListFormats.h"

using namespace forms;

namespace {

constexpr int kJobLabelHeight = 540;  // two lines; more for a long conductor

const QString kTextFilter = QStringLiteral("Text files (*.txt)");
const QString kCsvFilter = QStringLiteral("CSV files (*.csv)");
const QString kPdfFilter = QStringLiteral("PDF files (*.pdf)");

// The wire limit box's lowest value, which it shows as "no limit", and the most a count may be.
constexpr int kNoWireLimit = 0;
constexpr int kMostWiresAllowed = 32767;

// The orders in the sequence the choice offers them.
constexpr ResultOrder kOrders[] = {ResultOrder::AsFound, ResultOrder::FewestWires,
                                   ResultOrder::FewestSizes, ResultOrder::ClosestToOriginal};

// A ranking shows its progress once it has taken this long; most take a few milliseconds.
constexpr int kProgressDelayMs = 500;
constexpr int kProgressPollMs = 100;
constexpr int kProgressSteps = 1000;

enum class SavedAs { Text, Csv, Pdf };

// The suffix typed decides; without a known one, the filter chosen.
SavedAs savedAs(const SaveFileDialog::Choice& choice) {
    const QString suffix = QFileInfo(choice.path).suffix().toLower();
    if (suffix == QLatin1String("csv"))
        return SavedAs::Csv;
    if (suffix == QLatin1String("pdf"))
        return SavedAs::Pdf;
    if (suffix == QLatin1String("txt"))
        return SavedAs::Text;
    if (choice.filter == kCsvFilter)
        return SavedAs::Csv;
    return choice.filter == kPdfFilter ? SavedAs::Pdf : SavedAs::Text;
}

QString filterFor(SavedAs type) {
    switch (type) {
        case SavedAs::Csv:
            return kCsvFilter;
        case SavedAs::Pdf:
            return kPdfFilter;
        case SavedAs::Text:
            break;
    }
    return kTextFilter;
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

// What "as found" covers; the ranked orders rank every combination and do without this note.
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

// A ranked line in the box's columns: the total, the wires, the sizes and the deviation it is
// ranked by, then the combination with its stars. The figures come first so that they stay in
// sight, however long the combination: four sizes run past the window's opening width.
QStringList rankedRow(const FoundResult& result, std::string_view decimalSeparator) {
    const QString deviation =
        result.deviationPercent
            ? QString::fromStdString(deviationText(*result.deviationPercent, decimalSeparator))
            : QString();
    return {QString::fromStdString(numeric::formatGeneral(result.totalArea, decimalSeparator)),
            QString::fromStdString(wiresText(result.wires)),
            QString::fromStdString(sizesText(result.sizes)), deviation,
            QString::fromStdString(result.combination)};
}
// The totals lie within half a per cent of each other, so from the left they stand in line.
const QList<Qt::Alignment> kRankedAlignments = {Qt::AlignLeft, Qt::AlignRight, Qt::AlignRight,
                                                Qt::AlignRight, Qt::AlignLeft};

// Most wires in parallel: a whole number from 1 to 32767, or none at all. Below 1 it says "no
// limit"; emptied, it means the same. A leading 0 or anything but digits is not taken.
class WireLimitBox : public QSpinBox {
public:
    explicit WireLimitBox(QWidget* parent) : QSpinBox(parent) {
        setRange(kNoWireLimit, kMostWiresAllowed);
        setSpecialValueText(QStringLiteral("no limit"));
    }

protected:
    QValidator::State validate(QString& text, int& position) const override {
        if (text.trimmed().isEmpty())
            return QValidator::Acceptable;
        if (text.trimmed().startsWith(u'0'))
            return QValidator::Invalid;
        return QSpinBox::validate(text, position);
    }
    int valueFromText(const QString& text) const override {
        return text.trimmed().isEmpty() ? kNoWireLimit : QSpinBox::valueFromText(text);
    }
};

// The progress of a long ranking, its frame centred on the page's frame as a message box's is:
// Qt centres it only roughly, before it knows the frame.
class RankingProgress : public QProgressDialog {
public:
    using QProgressDialog::QProgressDialog;

protected:
    void showEvent(QShowEvent* event) override {
        QProgressDialog::showEvent(event);
        const QWidget* page = parentWidget();
        if (page && !event->spontaneous())
            setGeometry(innerCentredOn(page->frameGeometry(), page->geometry(), size()));
    }
};

// The page's buttons answer their access keys also while the progress, in front, has the
// keyboard.
void passAccessKeysOn(QWidget* window, std::initializer_list<QAbstractButton*> buttons) {
    for (QAbstractButton* button : buttons) {
        auto* key = new QShortcut(QKeySequence::mnemonic(button->text()), window);
        QObject::connect(key, &QShortcut::activated, button, &QAbstractButton::click);
    }
}

// A note that is there only while it has something to say, so a screen reader meets no empty
// label.
void setNote(Label* label, const QString& text) {
    label->setText(text);
    label->setAccessibleName(text);
    label->setVisible(!text.isEmpty());
}

}  // namespace

namespace {

std::optional<RankLimits>& rankLimitsOfThisRun() {
    static std::optional<RankLimits> limits;
    return limits;
}

// Once the user changes them, the next run starts from them too.
void keepRankLimits(const RankLimits& limits) {
    RankLimits& kept = keptRankLimits();
    if (kept == limits)
        return;
    kept = limits;
    settings::keepRankingLimits(limits);
}

}  // namespace

RankLimits& keptRankLimits() {
    std::optional<RankLimits>& limits = rankLimitsOfThisRun();
    if (!limits) {
        limits = settings::rankingLimits().value_or(RankLimits{});
    }
    return *limits;
}

void startRankLimitsAfresh() {
    rankLimitsOfThisRun().reset();
}

ListControls::ListControls(const ListControlsHost& host) : QObject(&host.page), host_(host) {
    forms::Page& page = host.page;
    // Above the buttons, in the free top of the band.
    stoppedEarlyLabel =
        place<Label>(&page, QStringLiteral("stoppedEarlyLabel"), 120, 120, 7185, 480);

    // Left of "print", and "Save…" right of it, below Finish.
    coveredOnlyCheck =
        place<CheckBox>(&page, QStringLiteral("coveredOnlyCheck"), 120, 1357, 2978, 300);
    coveredOnlyCheck->setText(QStringLiteral("Only what the &stock covers"));
    coveredOnlyCheck->setAccessibleName(QStringLiteral("Only what the stock covers"));
    saveButton = place<CommandButton>(&page, QStringLiteral("saveButton"), 4358, 1320, 1095, 375);
    saveButton->setText(QStringLiteral("Sa&ve…"));
    saveButton->setAccessibleName(QStringLiteral("Save the list"));

    // Beside the count line, and below it the job.
    shownLabel = place<Label>(&page, QStringLiteral("shownLabel"), 5600, 2400, 1765, 255);
    setNote(stoppedEarlyLabel, {});
    setNote(shownLabel, {});
    jobLabel = place<Label>(&page, QStringLiteral("jobLabel"), 120, 2700, 7185, kJobLabelHeight);

    // At the foot of the band: the order and the limits, each under its caption, and what the
    // ranked list holds.
    orderLabel = place<Label>(&page, QStringLiteral("orderLabel"), 120, 3285, 2400, 255);
    orderLabel->setText(QStringLiteral("&Order:"));
    orderChoice = place<ChoiceBox>(&page, QStringLiteral("orderChoice"), 120, 3540, 2400, 330);
    orderChoice->addItems({QStringLiteral("as found"), QStringLiteral("fewest wires"),
                           QStringLiteral("fewest sizes"), QStringLiteral("closest to original")});
    orderChoice->setAccessibleName(QStringLiteral("Order"));
    orderLabel->setBuddy(orderChoice);
    mostSizesLabel = place<Label>(&page, QStringLiteral("mostSizesLabel"), 2700, 3285, 2100, 255);
    mostSizesLabel->setText(QStringLiteral("Most &different sizes:"));
    mostSizesBox = place<QSpinBox>(&page, QStringLiteral("mostSizesBox"), 2700, 3540, 900, 330);
    mostSizesBox->setRange(1, 4);
    mostSizesBox->setAccessibleName(QStringLiteral("Most different sizes"));
    mostSizesLabel->setBuddy(mostSizesBox);
    mostWiresLabel = place<Label>(&page, QStringLiteral("mostWiresLabel"), 4980, 3285, 2325, 255);
    mostWiresLabel->setText(QStringLiteral("Most &wires in parallel:"));
    mostWiresBox =
        place<WireLimitBox>(&page, QStringLiteral("mostWiresBox"), 4980, 3540, 1200, 330);
    mostWiresBox->setAccessibleName(QStringLiteral("Most wires in parallel"));
    mostWiresLabel->setBuddy(mostWiresBox);
    for (QSpinBox* box : {mostSizesBox, mostWiresBox}) {
        // A number typed counts once it is whole: when the focus leaves or Return is pressed.
        box->setKeyboardTracking(false);
    }
    rankedLabel = place<Label>(&page, QStringLiteral("rankedLabel"), 120, 3915, 7185, 510);
    setNote(rankedLabel, {});
    showInControls(ListChoice(ResultOrder::AsFound, false, keptRankLimits()));

    rankingProgress = new RankingProgress(&page);
    rankingProgress->setObjectName(QStringLiteral("rankingProgress"));
    rankingProgress->reset();  // it would otherwise show itself a few seconds after it is made
    rankingProgress->setWindowTitle(App::title());
    // Not modal: Finish, Back and the close button must answer while it is up.
    rankingProgress->setWindowModality(Qt::NonModal);
    passAccessKeysOn(rankingProgress, {host.finishButton, host.backButton});
    rankingProgress->setLabelText(QStringLiteral("Ranking every combination…"));
    rankingProgress->setMinimumDuration(kProgressDelayMs);
    // Its own bar is moved from here: the dialog's setValue would run the event loop inside the
    // timer that moves it.
    progressBar_ = new QProgressBar;
    rankingProgress->setBar(progressBar_);
    rankingProgress->setRange(0, kProgressSteps);
    progressPoll_ = new QTimer(this);
    progressPoll_->setInterval(kProgressPollMs);
    connect(progressPoll_, &QTimer::timeout, this, [this] {
        progressBar_->setValue(
            std::min(static_cast<int>(rankingRun_->done() * kProgressSteps), kProgressSteps - 1));
    });
    connect(rankingProgress, &QProgressDialog::canceled, this, &ListControls::cancelRanking);
    rankingRun_ = new RankingRun(this, [this](const RankedList& list, const ListChoice& choice) {
        rankingEnded(list, choice);
    });

    saveDialog = std::make_unique<QtSaveFileDialog>(&page);
    setTabOrder({host.finishButton, coveredOnlyCheck, host.printButton, saveButton, orderChoice,
                 mostSizesBox, mostWiresBox, host.reportBox});

    connect(coveredOnlyCheck, &QCheckBox::toggled, this, &ListControls::showChosenList);
    connect(orderChoice, &QComboBox::currentIndexChanged, this, &ListControls::showChosenList);
    connect(mostSizesBox, &QSpinBox::valueChanged, this, &ListControls::showChosenList);
    connect(mostWiresBox, &QSpinBox::valueChanged, this, &ListControls::showChosenList);
    connect(saveButton, &QPushButton::clicked, this, &ListControls::saveList);
    auto* save = new QShortcut(QKeySequence::Save, &page);
    connect(save, &QShortcut::activated, this, &ListControls::saveList);
    page.installEventFilter(this);
    host.reportBox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(host.reportBox, &QWidget::customContextMenuRequested, this,
            &ListControls::showContextMenu);
}

void ListControls::takeResults(const JobState& job, SearchEnd end,
                               std::string_view decimalSeparator) {
    job_ = &job;
    end_ = end;
    found_ = foundResults(job, decimalSeparator);
    shown_ = found_;
    shownChoice_ = chosenInControls();
    shownCountLine_ = foundCountLine(found_.size(), shown_.size());
    reportRtf_ = host_.reportBox->rtf();
    rankingInput_ = rankingInput(job);
    decimalSeparator_ = decimalSeparator;
    jobLine_ = jobLine(job, decimalSeparator);
    showJobLine();
    jobLabel->setAccessibleName(jobText());
    stoppedEarly_ = stoppedEarlyText(end);
    setNote(stoppedEarlyLabel, stoppedEarly_);

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
    // The label takes the lines it needs; the rows below it, and the list, move down as much.
    const int designed = twipsToPixels(kJobLabelHeight);
    const int needed = std::max(designed, jobLabel->heightForWidth(jobLabel->width()));
    const int moved = (needed - designed) - jobLineGrowth_;
    jobLabel->resize(jobLabel->width(), needed);
    for (QWidget* below :
         {static_cast<QWidget*>(orderLabel), static_cast<QWidget*>(orderChoice),
          static_cast<QWidget*>(mostSizesLabel), static_cast<QWidget*>(mostSizesBox),
          static_cast<QWidget*>(mostWiresLabel), static_cast<QWidget*>(mostWiresBox),
          static_cast<QWidget*>(rankedLabel)}) {
        below->move(below->x(), below->y() + moved);
    }
    jobLineGrowth_ = needed - designed;
}

bool ListControls::eventFilter(QObject* watched, QEvent* event) {
    // A disabled control passes the mouse on to the page, and with it the request for a tip;
    // the disabled filter must still say why it is disabled.
    if (watched == &host_.page && event->type() == QEvent::ToolTip &&
        !coveredOnlyCheck->isEnabled()) {
        const auto* help = static_cast<QHelpEvent*>(event);
        if (coveredOnlyCheck->geometry().contains(help->pos())) {
            QToolTip::showText(help->globalPos(), coveredOnlyCheck->toolTip(), coveredOnlyCheck);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

ListChoice ListControls::chosenInControls() const {
    const int index = orderChoice->currentIndex();
    RankLimits limits;
    limits.mostSizes = mostSizesBox->value();
    if (mostWiresBox->value() != kNoWireLimit)
        limits.mostWires = mostWiresBox->value();
    return {index >= 0 ? kOrders[index] : ResultOrder::AsFound, coveredOnlyCheck->isChecked(),
            limits};
}

// Without asking for the list again: for the choice of the list already shown.
void ListControls::showInControls(const ListChoice& choice) {
    const QSignalBlocker order(orderChoice), covered(coveredOnlyCheck), sizes(mostSizesBox),
        wires(mostWiresBox);
    orderChoice->setCurrentIndex(static_cast<int>(
        std::find(std::begin(kOrders), std::end(kOrders), choice.order) - std::begin(kOrders)));
    coveredOnlyCheck->setChecked(choice.coveredOnly);
    mostSizesBox->setValue(choice.limits.mostSizes);
    mostWiresBox->setValue(choice.limits.mostWires.value_or(kNoWireLimit));
    keepRankLimits(choice.limits);
    // The limits are the ranking's; the search's own order has none.
    for (QWidget* limit :
         {static_cast<QWidget*>(mostSizesLabel), static_cast<QWidget*>(mostSizesBox),
          static_cast<QWidget*>(mostWiresLabel), static_cast<QWidget*>(mostWiresBox)}) {
        limit->setEnabled(isRanked(choice.order));
    }
}

void ListControls::showChosenList() {
    const ListChoice chosen = chosenInControls();
    showInControls(chosen);
    if (!isRanked(chosen.order)) {
        giveUpRanking();
        showFoundList(chosen);
        return;
    }
    const bool idle = !rankingRun_->running();
    wanted_ = chosen;
    if (!idle) {
        rankingRun_->cancel();  // its end starts the one wanted now
        return;
    }
    rankingRun_->start(rankingInput_, chosen, decimalSeparator_);
    rankingProgress->setValue(0);  // it shows itself when the ranking takes a while
    progressPoll_->start();
}

void ListControls::showFoundList(const ListChoice& choice) {
    shown_ = shownResults(found_, choice);
    shownChoice_ = choice;
    shownCountLine_ = foundCountLine(found_.size(), shown_.size());
    const bool hidden = shown_.size() < found_.size();
    setNote(shownLabel, hidden ? QStringLiteral("(%1 shown)").arg(shown_.size()) : QString());
    setNote(stoppedEarlyLabel, stoppedEarly_);
    setNote(rankedLabel, {});
    // The report itself, as the search wrote it, whenever it is the whole list: also when
    // nothing was found.
    if (!choice.coveredOnly || found_.empty()) {
        host_.reportBox->setRtf(reportRtf_);
        return;
    }
    host_.reportBox->setRtf(shown_.empty() ? std::string("{}") : listRtf(shown_));
}

void ListControls::rankingEnded(const RankedList& list, const ListChoice& choice) {
    if (wanted_ && (list.cancelled || *wanted_ != choice)) {
        rankingRun_->start(rankingInput_, *wanted_, decimalSeparator_);  // asked for since
        return;
    }
    progressPoll_->stop();
    rankingProgress->reset();
    if (!wanted_)
        return;  // given up: the page already shows the list it showed before
    wanted_.reset();
    if (list.cancelled) {
        showInControls(shownChoice_);
        return;
    }
    if (list.end == SearchEnd::CountLimit) {
        showInControls(shownChoice_);
        showMessage(QStringLiteral("The ranking stopped early: ") +
                        QString::fromStdString(countLimitReason(list.limitingSize)) +
                        QStringLiteral(".\nThe list stays as it was. With the most wires in "
                                       "parallel given, every count stays within it."),
                    kWarningOk);
        return;
    }
    showRankedList(list, choice);
}

void ListControls::showRankedList(const RankedList& list, const ListChoice& choice) {
    shown_ = list.best;
    shownChoice_ = choice;
    shownCountLine_ = rankedCountLine(list, choice);
    QList<QStringList> rows;
    rows.reserve(static_cast<qsizetype>(shown_.size()));
    for (const FoundResult& result : shown_) rows << rankedRow(result, decimalSeparator_);
    if (rows.isEmpty()) {
        // Not a blank box: the same reason the sheet gives.
        const std::string_view why = emptyRankedListReason(choice);
        host_.reportBox->setText(QString::fromUtf8(why.data(), static_cast<qsizetype>(why.size())));
    } else {
        host_.reportBox->setTable(rows, kRankedAlignments);
    }
    setNote(shownLabel, {});
    setNote(stoppedEarlyLabel, {});
    setNote(rankedLabel, QString::fromStdString(shownCountLine_));
}

// The user's Cancel on the progress: the list shown stays, and the controls go back to it.
void ListControls::cancelRanking() {
    giveUpRanking();
    showInControls(shownChoice_);
}

// Its thread ends in its own time; the end it hands over finds nothing wanted.
void ListControls::giveUpRanking() {
    wanted_.reset();
    rankingRun_->cancel();
    progressPoll_->stop();
    rankingProgress->reset();
}

void ListControls::stopRanking() {
    giveUpRanking();
    rankingRun_->stop();
}

void ListControls::showContextMenu(const QPoint& position) {
    std::unique_ptr<QMenu> menu(host_.reportBox->createStandardContextMenu());
    menu->addSeparator();
    QAction* save = menu->addAction(QStringLiteral("&Save list as..."));
    save->setShortcut(QKeySequence::Save);
    connect(save, &QAction::triggered, this, &ListControls::saveList);
    menu->addAction(QStringLiteral("&About Wirnak"), &host_.page,
                    [this] { showAboutBox(&host_.page); });
    menu->exec(host_.reportBox->viewport()->mapToGlobal(position));
}

const JobState& ListControls::job() const {
    // Before the search has answered, a job with nothing in it.
    static const auto noJob = std::make_unique<JobState>();
    return job_ ? *job_ : *noJob;
}

JobSheet ListControls::sheet(std::optional<LineRange> selected, const QString& madeAs) const {
    // A ranked list does not come from the search's table, so its end does not cut it.
    const SearchEnd end = isRanked(shownChoice_.order) ? SearchEnd::Complete : end_;
    ShownList list{shown_, shownChoice_, found_.size(), end, shownCountLine_, selected};
    return jobSheet(job(), list, datedNow(madeAs), decimalSeparator_);
}

void ListControls::saveList() {
    const SaveFileDialog::Choice& last = lastSaved();
    const QString type = filterFor(savedAs(last));
    const QString name = QString::fromStdString(suggestedFileName(job()));
    const QString suggested = QFileInfo(last.path).dir().filePath(name + u'.' + filterSuffix(type));
    const auto choice = saveDialog->chooseFile(QStringLiteral("Save the list"), suggested,
                                               {kTextFilter, kCsvFilter, kPdfFilter}, type);
    if (!choice)
        return;
    const QString failure = writeList(*choice);
    if (!failure.isEmpty()) {
        showMessage(failure, kWarningOk);
        return;
    }
    lastSaved() = *choice;
}

QString ListControls::writeList(const SaveFileDialog::Choice& choice) const {
    const SavedAs type = savedAs(choice);
    if (type == SavedAs::Pdf)
        return saveJobSheetAsPdf(sheet(std::nullopt, QStringLiteral("Saved")), choice.path);
    const std::string content = type == SavedAs::Csv
                                    ? listCsv(shown_)
                                    : sheetText(sheet(std::nullopt, QStringLiteral("Saved")));
    const QString error = writeWholeFile(choice.path, QByteArray::fromStdString(content));
    if (error.isEmpty())
        return {};
    return QStringLiteral("The list could not be saved as\n%1\n\n%2")
        .arg(QDir::toNativeSeparators(choice.path), error);
}
