#include "pages/AvailableWiresPage.h"

#include <QContextMenuEvent>
#include <QLocale>
#include <QSignalBlocker>
#include <QTextEdit>
#include <vector>

#include "desktop/Settings.h"
#include "forms/App.h"
#include "forms/MessageBox.h"
#include "forms/Numbers.h"
#include "gauge/JobState.h"
#include "gauge/Numeric.h"
#include "pages/OtherSizesDialog.h"
#include "pages/Slots.h"

using namespace forms;

namespace {

// Shown as it stands, misspellings and trailing blanks included.
const char* const kNote =
    "Enter available wires in this form.\r\n"
    "  \r\n"
    "Caution: Don't enter inventory of available wires, enter wires wich \r\n"
    "are near to wires for wich you want to find equivalent SWG. \r\n"
    "Example: for 8swg wire enter 9,10,11,.....swg\r\n"
    "if you enter 25,26,....swg you will get too many unuseable \r\n"
    "combinations and overflow error will occur.\r\n";

// The gauge rows stand in three columns: 8 to 15 SWG, 15.5 to 19.5 SWG, 20 to 26 SWG.
struct Column {
    GaugeIndex first;
    int checkLeft, textLeft, labelLeft, labelWidth;
};
constexpr Column kColumns[] = {
    {0, 255, 1440, 2040, 495},
    {10, 2640, 3840, 4440, 495},
    {19, 5040, 6240, 6840, 255},
};

const Column& columnOf(GaugeIndex index) {
    return index >= kColumns[2].first   ? kColumns[2]
           : index >= kColumns[1].first ? kColumns[1]
                                        : kColumns[0];
}

// A check box just wide enough for its caption, short of the weight box beside it.
int checkWidth(GaugeIndex index) {
    const int length = static_cast<int>(gaugeLabel(index).size());
    const int fitting = length <= 5 ? 855 : length <= 6 ? 975 : 1215;
    const Column& column = columnOf(index);
    return std::min(fitting, column.textLeft - column.checkLeft - 15);
}

std::vector<WireSize> otherSizesOf(const std::vector<AvailableOther>& others) {
    std::vector<WireSize> sizes;
    for (const AvailableOther& other : others) sizes.push_back(other.size);
    return sizes;
}

// What a screen reader says for each box: a weight box has no caption of its own.
void nameForScreenReaders(AvailableWiresPage& page) {
    page.note->setAccessibleName(QStringLiteral("Note"));
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        const QString gauge = QString::fromStdString(gaugeLabel(i));
        page.gaugeCheck(i)->setAccessibleName(gauge);
        page.stockBox(i)->setAccessibleName(gauge + QStringLiteral(", stock in kg"));
        page.stockUnit(i)->setBuddy(page.stockBox(i));
    }
}

}  // namespace

AvailableWiresPage::AvailableWiresPage() : Page(QStringLiteral("Available wires"), 7245, 7605) {
    note = place<QTextEdit>(this, QStringLiteral("note"), 240, 240, 6855, 1935);
    // Each line ends in a line break; the last one would only add an empty line to scroll to.
    QString text = QString::fromLatin1(kNote).replace(QStringLiteral("\r\n"), "\n");
    text.chop(1);
    note->setPlainText(text);
    note->setReadOnly(true);
    note->setFocusPolicy(Qt::NoFocus);  // a note to read, not a stop for Tab
    QFont noteFont(QStringLiteral("Times New Roman"));
    noteFont.setPointSizeF(11.25);
    noteFont.setBold(true);
    note->setFont(noteFont);
    note->setBackgroundRole(QPalette::Button);
    note->viewport()->setBackgroundRole(QPalette::Button);
    note->setLineWrapMode(QTextEdit::WidgetWidth);
    // Thin margins, so that all seven lines fit; a scroll bar would only cover the text.
    note->document()->setDocumentMargin(1);
    note->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    for (GaugeIndex i = 0; i < kGaugeCount; ++i) placeGaugeRow(i);

    backButton = place<CommandButton>(this, QStringLiteral("backButton"), 1755, 6840, 1095, 375);
    backButton->setText(QStringLiteral("< &Back"));
    nextButton = place<CommandButton>(this, QStringLiteral("nextButton"), 3075, 6840, 1095, 375);
    nextButton->setText(QStringLiteral("&Next >"));
    nextButton->setEnabled(false);
    cancelButton =
        place<CommandButton>(this, QStringLiteral("cancelButton"), 4395, 6840, 1095, 375);
    cancelButton->setText(QStringLiteral("&Cancle"));
    // Cancle ends the program even from a weight box that holds no number.
    letEntriesGoUnchecked(cancelButton);
    lastShelfButton =
        place<CommandButton>(this, QStringLiteral("lastShelfButton"), 240, 6840, 1095, 375);
    lastShelfButton->setText(QStringLiteral("&Last shelf"));
    lastShelfButton->setToolTip(
        QStringLiteral("Tick the sizes ticked at the last Next, and type their stock"));
    lastShelfButton->setEnabled(settings::lastShelf().has_value());
    shelfFiles = new ShelfFiles(*this, *this);
    // Below the rows, where nothing stood.
    otherSizesButton =
        place<CommandButton>(this, QStringLiteral("otherSizesButton"), 240, 6180, 1335, 375);
    otherSizesButton->setText(QStringLiteral("&Other sizes…"));
    otherSizesButton->setToolTip(
        QStringLiteral("Metric or AWG wire at hand, beside the SWG sizes, with its stock"));
    otherSizesLine = place<Label>(this, QStringLiteral("otherSizesLine"), 1695, 6120, 5400, 660);

    QList<QWidget*> tabOrder;
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) tabOrder << gaugeCheck(i) << stockBox(i);
    tabOrder << nextButton << cancelButton << backButton << lastShelfButton << otherSizesButton;
    for (int k = 1; k < tabOrder.size(); ++k) QWidget::setTabOrder(tabOrder[k - 1], tabOrder[k]);

    connect(backButton, &QPushButton::clicked, this, &AvailableWiresPage::back);
    connect(nextButton, &QPushButton::clicked, this, &AvailableWiresPage::next);
    connect(cancelButton, &QPushButton::clicked, this, &AvailableWiresPage::cancel);
    connect(lastShelfButton, &QPushButton::clicked, this, &AvailableWiresPage::takeLastShelf);
    connect(otherSizesButton, &QPushButton::clicked, this, [this] { openOtherSizes(); });
    nameForScreenReaders(*this);
}

void AvailableWiresPage::placeGaugeRow(GaugeIndex i) {
    const Column& column = columnOf(i);
    const int top = 360 * (i - column.first);

    auto* check = place<CheckBox>(this, arrayElementName("gaugeCheck", i), column.checkLeft,
                                  2535 + top, checkWidth(i), 255);
    check->setText(QString::fromStdString(gaugeLabel(i)));
    auto* weight = place<TextBox>(this, arrayElementName("stockBox", i), column.textLeft,
                                  2520 + top, 495, 285);
    weight->hide();
    weight->letGoUncheckedTo(check);  // unticking the size takes its box away unasked
    auto* kg = place<Label>(this, arrayElementName("stockUnit", i), column.labelLeft, 2550 + top,
                            column.labelWidth, 225);
    kg->setText(QStringLiteral("KG"));
    kg->hide();

    gaugeCheck.set(i, check);
    stockBox.set(i, weight);
    stockUnit.set(i, kg);
    connect(check, &QCheckBox::stateChanged, this, [this, i] { onGaugeToggled(i); });
    connect(weight, &TextBox::focusLeft, this, [this, i] { onStockBoxLeft(i); });
}

void AvailableWiresPage::onGaugeToggled(GaugeIndex index) {
    JobState& job = jobState();
    if (gaugeCheck(index)->checkState() == Qt::Checked) {
        if (const auto there = repeatedSize(otherSizesOf(job.availOther), WireSize::swg(index))) {
            showMessage(repeatedSizeMessage(WireSize::swg(index), *there), kWarningOk);
            gaugeCheck(index)->setChecked(false);  // clears the row as a click would
            return;
        }
        nextButton->setEnabled(true);
        if (job.noWeightCheck != 1) {
            stockBox(index)->show();
            stockBox(index)->setFocus(Qt::OtherFocusReason);
            stockUnit(index)->show();
        }
        job.availArea[index] = static_cast<float>(gaugeArea(index));
    } else if (gaugeCheck(index)->checkState() == Qt::Unchecked) {
        nextButton->setEnabled(anyGaugeTicked() || !job.availOther.empty());
        stockBox(index)->setText(QString());
        job.availArea[index] = 0;
        stockBox(index)->hide();
        stockUnit(index)->hide();
    }
}

void AvailableWiresPage::onStockBoxLeft(GaugeIndex index) {
    const QString label = QString::fromStdString(gaugeLabel(index));
    const QString text = stockBox(index)->text();
    const auto weight = toSingle(text);
    if (!weight && stockBox(index)->deferRefusal()) {
        return;  // Cancle, or unticking the size, which takes the box away
    }
    if (!isNumeric(text)) {
        const MessageAnswer answer =
            showMessage(missingWeightPrompt(label), kWarningRetryCancel, QStringLiteral("Error!"));
        if (answer == MessageAnswer::Retry) {
            stockBox(index)->setFocus(Qt::OtherFocusReason);
        } else {
            declineWeightCheck();
        }
        return;
    }
    if (!weight) {
        // Past the largest single-precision number: refuse it rather than store infinity.
        showMessage(tooLargeWeightPrompt(label), kWarningOk);
        stockBox(index)->setFocus(Qt::OtherFocusReason);
        return;
    }
    jobState().availWeight[index] = *weight;
}

void AvailableWiresPage::hideStockBoxes() {
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        stockBox(i)->hide();
        stockUnit(i)->hide();
    }
}

void AvailableWiresPage::declineWeightCheck() {
    hideStockBoxes();
    jobState().noWeightCheck = 1;
    showOtherSizes();  // without their stock
}

bool AvailableWiresPage::anyGaugeTicked() const {
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        if (gaugeCheck(i)->checkState() == Qt::Checked)
            return true;
    }
    return false;
}

void AvailableWiresPage::openOtherSizes(std::optional<WireSize> toWeigh) {
    const JobState& job = jobState();
    std::vector<OtherSize> sizes;
    for (const AvailableOther& other : job.availOther)
        sizes.push_back({other.size, 0, other.stock});
    otherSizesDialog = new OtherSizesDialog(
        this, SizeList::Available, std::move(sizes),
        job.noWeightCheck != 1 ? OtherSizeAmount::StockInKg : OtherSizeAmount::Nothing);
    otherSizesDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(otherSizesDialog, &QDialog::accepted, this, &AvailableWiresPage::takeOtherSizes);
    if (toWeigh)
        otherSizesDialog->takeBackToBoxes(*toWeigh);
    otherSizesDialog->open();
    otherSizesDialog->activateWindow();  // where the typing goes, with or without a window manager
}

// As a tick does: the job holds the sizes at once, and Next follows whether any size is listed.
void AvailableWiresPage::takeOtherSizes() {
    JobState& job = jobState();
    job.availOther.clear();
    for (const OtherSize& other : otherSizesDialog->sizes())
        job.availOther.push_back({other.size, other.stock});
    if (otherSizesDialog->weightCheckDeclined())
        declineWeightCheck();
    nextButton->setEnabled(anyGaugeTicked() || !job.availOther.empty());
    showOtherSizes();
}

void AvailableWiresPage::showOtherSizes() {
    const JobState& job = jobState();
    const OtherSizeAmount amount =
        job.noWeightCheck != 1 ? OtherSizeAmount::StockInKg : OtherSizeAmount::Nothing;
    QStringList entries;
    for (const AvailableOther& other : job.availOther)
        entries << otherSizeText({other.size, 0, other.stock}, amount, QLocale().decimalPoint());
    showSizesLine(*otherSizesLine, QStringLiteral("Also on the shelf: "), entries);
    otherSizesLine->setVisible(!entries.isEmpty());  // not read out as a nameless label
}

// An other size from a shelf may come without its stock: the question a weight box asks, and
// Retry takes the size back into the dialog's boxes for its weight.
bool AvailableWiresPage::weighOtherSizes() {
    const JobState& job = jobState();
    if (job.noWeightCheck == 1)
        return true;
    for (const AvailableOther& other : job.availOther) {
        if (other.stock)
            continue;
        const QString label = QString::fromStdString(sizeLabel(other.size));
        if (showMessage(missingWeightPrompt(label), kWarningRetryCancel,
                        QStringLiteral("Error!")) == MessageAnswer::Retry) {
            openOtherSizes(other.size);
        } else {
            declineWeightCheck();
        }
        return false;
    }
    return true;
}

void AvailableWiresPage::showEvent(QShowEvent* event) {
    Page::showEvent(event);
    showOtherSizes();  // Original Wires may have turned the weight check off
}

Shelf AvailableWiresPage::shelf() const {
    const std::string separator = QLocale().decimalPoint().toStdString();
    Shelf ticked;
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        if (gaugeCheck(i)->checkState() == Qt::Checked)
            ticked.push_back(
                {WireSize::swg(i), shelfStock(stockBox(i)->text().toStdString(), separator)});
    }
    // A weight a shelf cannot hold (a negative one) is left out, as it is for a box.
    for (const AvailableOther& other : jobState().availOther)
        ticked.push_back(
            {other.size, other.stock ? shelfStock(stockText(*other.stock), ".") : std::nullopt});
    return ticked;
}

void AvailableWiresPage::takeShelf(const Shelf& shelf) {
    const bool typing = jobState().noWeightCheck != 1;
    // The focus passes through the boxes as they are ticked: no box is checked on the way, but
    // each weight is stored as leaving its box stores it.
    std::vector<QSignalBlocker> checksWait;
    checksWait.reserve(kGaugeCount);
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) checksWait.emplace_back(stockBox(i));
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) gaugeCheck(i)->setChecked(false);
    // The other sizes first: a tick is checked against the list it joins, not the one replaced.
    std::vector<AvailableOther> others;
    for (const ShelfSize& size : shelf) {
        // A shelf's weight is a number a shelf can hold.
        if (!size.size.isSwg())
            others.push_back(
                {size.size, typing && size.stock ? numeric::toSingle(*size.stock) : std::nullopt});
    }
    jobState().availOther = std::move(others);
    for (const ShelfSize& size : shelf) {
        if (!size.size.isSwg())
            continue;
        const GaugeIndex gauge = size.size.gauge();
        gaugeCheck(gauge)->setChecked(true);
        if (typing) {
            stockBox(gauge)->setText(QString::fromStdString(size.stock.value_or("")));
            if (size.stock)
                onStockBoxLeft(gauge);  // a shelf's weight is a number: nothing is shown
        }
    }
    nextButton->setEnabled(anyGaugeTicked() || !jobState().availOther.empty());
    showOtherSizes();
    if (const auto box = unweighedBox())
        stockBox(*box)->setFocus(Qt::OtherFocusReason);
}

void AvailableWiresPage::takeLastShelf() {
    const auto last = settings::lastShelf();
    lastShelfButton->setEnabled(last.has_value());
    if (last)
        takeShelf(*last);
}

bool AvailableWiresPage::holdsShelf() const {
    return nextButton->isEnabled();
}

bool AvailableWiresPage::leaveStockBox() {
    QWidget* box = focusWidget();
    if (!qobject_cast<TextBox*>(box))
        return true;
    setFocus(Qt::OtherFocusReason);
    return focusWidget() != box;
}

std::optional<GaugeIndex> AvailableWiresPage::unweighedBox() const {
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        if (stockBox(i)->isVisibleTo(this) && !toSingle(stockBox(i)->text()))
            return i;
    }
    return std::nullopt;
}

void AvailableWiresPage::contextMenuEvent(QContextMenuEvent* event) {
    shelfFiles->showMenu(event->globalPos());
}

void AvailableWiresPage::next() {
    // Only a shelf shows a box without a weight that the user has not left: it is checked
    // now, as leaving it would check it.
    if (const auto box = unweighedBox()) {
        stockBox(*box)->setFocus(Qt::OtherFocusReason);
        onStockBoxLeft(*box);
        return;
    }
    if (!weighOtherSizes())
        return;
    settings::keepLastShelf(shelf());
    lastShelfButton->setEnabled(settings::lastShelf().has_value());
    setAreaWindow(jobState());
    hide();
    resultsSlot().page().showPage();
}

void AvailableWiresPage::back() {
    originalWiresSlot().page().showPage();
    hide();
}

void AvailableWiresPage::cancel() {
    unload();
    endProgram();
}
