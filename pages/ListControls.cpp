#include "pages/ListControls.h"

#include <QDir>
#include <QFileInfo>
#include <QHelpEvent>
#include <QMenu>
#include <QShortcut>
#include <QToolTip>

#include "pages/ResultsPage.h"
#include "platform/MessageBox.h"
#include "platform/WholeFile.h"
#include "search/ListFormats.h"

using namespace forms;

namespace {

const QString kTextFilter = QStringLiteral("Text files (*.txt)");
const QString kCsvFilter = QStringLiteral("CSV files (*.csv)");

// The wire limit box's lowest value, which it shows as "no limit", and the most a count may be.
constexpr int kNoWireLimit = 0;
constexpr int kMostWiresAllowed = 32767;

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

// Where the last list went and as what, offered again for the next one while the program runs.
SaveFileDialog::Choice& lastSaved() {
    static SaveFileDialog::Choice saved{
        QDir::home().filePath(QStringLiteral("wire-combinations.txt")), kTextFilter};
    return saved;
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
    jobLabel = place<Label>(&page, QStringLiteral("jobLabel"), 120, 2700, 7185, 540);

    // At the foot of the band: the order and the limits, each under its caption, and what the
    // ranked list holds.
    orderLabel = place<Label>(&page, QStringLiteral("orderLabel"), 120, 3300, 2400, 255);
    orderLabel->setText(QStringLiteral("&Order:"));
    orderChoice = place<QComboBox>(&page, QStringLiteral("orderChoice"), 120, 3555, 2400, 330);
    orderChoice->addItems({QStringLiteral("as found"), QStringLiteral("fewest wires"),
                           QStringLiteral("closest to original")});
    orderChoice->setAccessibleName(QStringLiteral("Order of the list"));
    orderLabel->setBuddy(orderChoice);
    mostSizesLabel = place<Label>(&page, QStringLiteral("mostSizesLabel"), 2700, 3300, 2100, 255);
    mostSizesLabel->setText(QStringLiteral("Most &different sizes:"));
    mostSizesBox = place<QSpinBox>(&page, QStringLiteral("mostSizesBox"), 2700, 3555, 900, 330);
    mostSizesBox->setRange(1, 4);
    mostSizesBox->setAccessibleName(QStringLiteral("Most different sizes"));
    mostSizesLabel->setBuddy(mostSizesBox);
    mostWiresLabel = place<Label>(&page, QStringLiteral("mostWiresLabel"), 4980, 3300, 2325, 255);
    mostWiresLabel->setText(QStringLiteral("Most &wires in parallel:"));
    mostWiresBox = place<WireLimitBox>(&page, QStringLiteral("mostWiresBox"), 4980, 3555, 1200, 330);
    mostWiresBox->setAccessibleName(QStringLiteral("Most wires in parallel"));
    mostWiresLabel->setBuddy(mostWiresBox);
    for (QSpinBox* box : {mostSizesBox, mostWiresBox}) {
        // A number typed counts once it is whole: when the focus leaves or Return is pressed.
        box->setKeyboardTracking(false);
    }
    rankedLabel = place<Label>(&page, QStringLiteral("rankedLabel"), 120, 3930, 7185, 255);
    setNote(rankedLabel, {});

    saveDialog = std::make_unique<QtSaveFileDialog>(&page);
    setTabOrder({page.finishButton, coveredOnlyCheck, page.printButton, saveButton, orderChoice,
                 mostSizesBox, mostWiresBox, page.reportBox});

    connect(coveredOnlyCheck, &QCheckBox::toggled, this, &ListControls::showChosenList);
    connect(orderChoice, &QComboBox::currentIndexChanged, this, &ListControls::showChosenList);
    connect(saveButton, &QPushButton::clicked, this, &ListControls::saveList);
    auto* save = new QShortcut(QKeySequence::Save, &page);
    connect(save, &QShortcut::activated, this, &ListControls::saveList);
    page.installEventFilter(this);
    page.reportBox->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(page.reportBox, &QWidget::customContextMenuRequested, this,
            &ListControls::showContextMenu);
}

void ListControls::takeResults(const JobState& job, SearchEnd end,
                               std::string_view decimalSeparator) {
    found_ = foundResults(job, decimalSeparator);
    shown_ = found_;
    jobLine_ = jobLine(job, decimalSeparator);
    // Two lines: what was matched, then what "*" means.
    jobLabel->setText(jobText().replace(QStringLiteral(" · "), QStringLiteral("\n")));
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
    menu->exec(page_.reportBox->viewport()->mapToGlobal(position));
}

void ListControls::saveList() {
    const SaveFileDialog::Choice& last = lastSaved();
    const auto choice = saveDialog->chooseFile(QStringLiteral("Save the list"), last.path,
                                               {kTextFilter, kCsvFilter},
                                               savesAsCsv(last) ? kCsvFilter : kTextFilter);
    if (!choice)
        return;
    const std::string content = savesAsCsv(*choice) ? listCsv(shown_) : listText(shown_);
    const QString error = writeWholeFile(choice->path, QByteArray::fromStdString(content));
    if (!error.isEmpty()) {
        showMessage(QStringLiteral("The list could not be saved as\n%1\n\n%2")
                        .arg(QDir::toNativeSeparators(choice->path), error),
                    kWarningOk);
        return;
    }
    lastSaved() = *choice;
}
