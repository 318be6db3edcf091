#include "pages/OriginalWiresPage.h"

#include <QLocale>
#include <cmath>

#include "forms/App.h"
#include "forms/MessageBox.h"
#include "forms/Numbers.h"
#include "pages/OtherSizesDialog.h"
#include "pages/Slots.h"

using namespace forms;

namespace {

constexpr const char* kFieldWords[] = {" width.", " thickness.", " no of parallel wires."};
const char* const kRectangularBoxNames[] = {"widthBox", "thicknessBox", "parallelWiresBox"};

// The gauge rows stand in three columns, top to bottom in gauge order.
struct GaugeColumn {
    GaugeIndex first;
    int checkLeft;
    int textLeft;
    int labelLeft;
};
constexpr GaugeColumn kColumns[] = {
    {0, 240, 1440, 2040}, {10, 2640, 3840, 4440}, {19, 5040, 6240, 6840}};
constexpr int kFirstRowTop = 2535;
constexpr int kRowPitch = 360;

const GaugeColumn& columnOf(GaugeIndex index) {
    return index >= kColumns[2].first   ? kColumns[2]
           : index >= kColumns[1].first ? kColumns[1]
                                        : kColumns[0];
}

// "8 SWG      X", "10 SWG    X", "13.5 SWG X": the X's of a column stand roughly in line.
QString gaugeCaption(GaugeIndex index) {
    const std::string number = gaugeNumber(index);
    const int blanks = number.find('.') != std::string::npos ? 1 : number.size() == 1 ? 6 : 4;
    return QString::fromStdString(gaugeLabel(index)) + QString(blanks, u' ') + u'X';
}

QString notEnteredMessage(OriginalWiresPage::RectangularField field) {
    return QStringLiteral("you have not entered value of ") + QLatin1String(kFieldWords[field]);
}

// The reason, as the command line gives it too, and what to do about it.
QString cornerRadiusMessage(CornerRadiusFault fault) {
    const std::string_view reason = cornerRadiusReason(fault);
    const QString said = QStringLiteral("The corner radius ") +
                         QString::fromUtf8(reason.data(), qsizetype(reason.size()));
    switch (fault) {
        case CornerRadiusFault::OverHalfTheThickness:
            return said +
                   QStringLiteral(" of the wire. Please check the radius and the thickness.");
        case CornerRadiusFault::OverHalfTheWidth:
            return said + QStringLiteral(" of the wire. Please check the radius and the width.");
        default:
            return said +
                   QStringLiteral(". Enter it in mm, or leave the box empty for sharp corners.");
    }
}

std::vector<WireSize> otherSizesOf(const std::vector<OriginalOther>& others) {
    std::vector<WireSize> sizes;
    for (const OriginalOther& other : others) sizes.push_back(other.size);
    return sizes;
}

// What a screen reader says for each box: the captions on the page name a box only by where they
// stand, and a gauge row's box has no caption of its own.
void nameForScreenReaders(OriginalWiresPage& page) {
    using Page = OriginalWiresPage;
    page.rectangularBox(Page::kWidth)->setAccessibleName(QStringLiteral("Width of wire in mm"));
    page.widthLabel->setBuddy(page.rectangularBox(Page::kWidth));
    page.rectangularBox(Page::kThickness)
        ->setAccessibleName(QStringLiteral("Thickness of wire in mm"));
    page.thicknessLabel->setBuddy(page.rectangularBox(Page::kThickness));
    page.rectangularBox(Page::kParallelWires)
        ->setAccessibleName(QStringLiteral("Number of parallel wires"));
    page.parallelWiresLabel->setBuddy(page.rectangularBox(Page::kParallelWires));
    page.cornerRadiusBox->setAccessibleName(QStringLiteral("Corner radius in mm"));
    page.cornerRadiusLabel->setBuddy(page.cornerRadiusBox);
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        const QString gauge = QString::fromStdString(gaugeLabel(i));
        page.gaugeCheck(i)->setAccessibleName(gauge);
        page.countBox(i)->setAccessibleName(gauge + QStringLiteral(", number of wires"));
        page.countUnit(i)->setBuddy(page.countBox(i));
    }
    page.weightBox->setAccessibleName(QStringLiteral("Total weight of wires in kg"));
    page.weightLabel->setBuddy(page.weightBox);
}

}  // namespace

OriginalWiresPage::OriginalWiresPage() : Page(QStringLiteral("Original Wires"), 7245, 7605) {
    placeSectionChoice();
    placeRectangularEntries();
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        placeGaugeRow(i);
    }
    placeWeightAndButtons();
    placeOtherSizes();
    connectEvents();
    setTabOrder();
    nameForScreenReaders(*this);
}

void OriginalWiresPage::placeSectionChoice() {
    sectionFrame = place<Frame>(this, QStringLiteral("sectionFrame"), 240, 120, 6855, 615);
    sectionFrame->setTitle(QStringLiteral("Section Selection"));
    circularOption =
        place<OptionButton>(sectionFrame, QStringLiteral("circularOption"), 360, 240, 2415, 255);
    circularOption->setText(QStringLiteral("Circular section Wire"));
    rectangularOption = place<OptionButton>(sectionFrame, QStringLiteral("rectangularOption"), 4080,
                                            240, 2175, 255);
    rectangularOption->setText(QStringLiteral("Rectangular section wire"));
}

void OriginalWiresPage::placeRectangularEntries() {
    widthLabel = place<Label>(this, QStringLiteral("widthLabel"), 240, 1080, 1815, 255);
    widthLabel->setText(QStringLiteral("Enter width of wire in mm"));
    rectangularBox.set(kWidth,
                       place<TextBox>(this, kRectangularBoxNames[kWidth], 2160, 1080, 1215, 315));
    thicknessLabel = place<Label>(this, QStringLiteral("thicknessLabel"), 3600, 1080, 2055, 255);
    thicknessLabel->setText(QStringLiteral("Enter thickness of wire in mm"));
    rectangularBox.set(
        kThickness, place<TextBox>(this, kRectangularBoxNames[kThickness], 5760, 1080, 1215, 315));
    parallelWiresLabel =
        place<Label>(this, QStringLiteral("parallelWiresLabel"), 240, 1680, 1815, 255);
    parallelWiresLabel->setText(QStringLiteral("How many parallel wires?"));
    rectangularBox.set(kParallelWires, place<TextBox>(this, kRectangularBoxNames[kParallelWires],
                                                      2160, 1680, 1215, 315));
    // Beside the number of wires, in line with the thickness above it.
    cornerRadiusLabel =
        place<Label>(this, QStringLiteral("cornerRadiusLabel"), 3600, 1680, 2055, 255);
    cornerRadiusLabel->setText(QStringLiteral("Corner radius in mm"));
    cornerRadiusBox =
        place<TextBox>(this, QStringLiteral("cornerRadiusBox"), 5760, 1680, 1215, 315);
    cornerRadiusBox->setToolTip(
        QStringLiteral("Drawn rectangular wire has rounded corners, which carry no copper: the "
                       "four together take (4 − π) × r² off the cross-section. Leave empty for "
                       "sharp corners."));
    // Choosing round wires takes the box away, whatever it holds.
    cornerRadiusBox->letGoUncheckedTo(circularOption);
}

void OriginalWiresPage::placeGaugeRow(GaugeIndex index) {
    const GaugeColumn& column = columnOf(index);
    const int top = kFirstRowTop + (index - column.first) * kRowPitch;

    gaugeCheck.set(index, place<CheckBox>(this, arrayElementName("gaugeCheck", index),
                                          column.checkLeft, top, 1215, 255));
    gaugeCheck(index)->setText(gaugeCaption(index));
    gaugeCheck(index)->hide();

    countBox.set(index, place<TextBox>(this, arrayElementName("countBox", index), column.textLeft,
                                       top - 15, 495, 285));
    countBox(index)->hide();
    // Clearing the gauge takes its box away: an empty box does not stand in the way.
    countBox(index)->letGoUncheckedTo(gaugeCheck(index));

    countUnit.set(index, place<Label>(this, arrayElementName("countUnit", index), column.labelLeft,
                                      top + 15, 495, 225));
    countUnit(index)->setText(QStringLiteral("nos"));
    countUnit(index)->hide();
}

void OriginalWiresPage::placeWeightAndButtons() {
    weightLabel = place<Label>(this, QStringLiteral("weightLabel"), 1800, 6240, 2175, 255);
    weightLabel->setText(QStringLiteral("Total Weight of wires in KG"));
    weightBox = place<TextBox>(this, QStringLiteral("weightBox"), 4080, 6240, 1215, 285);

    backButton = place<CommandButton>(this, QStringLiteral("backButton"), 1755, 6840, 1095, 375);
    backButton->setText(QStringLiteral("< &Back"));
    backButton->setEnabled(false);  // the first page: there is nothing to go back to
    nextButton = place<CommandButton>(this, QStringLiteral("nextButton"), 3075, 6840, 1095, 375);
    nextButton->setText(QStringLiteral("&Next >"));
    nextButton->setEnabled(false);
    cancelButton =
        place<CommandButton>(this, QStringLiteral("cancelButton"), 4395, 6840, 1095, 375);
    cancelButton->setText(QStringLiteral("&Cancel"));
    // Cancel ends the program even from an entry box that holds no number yet.
    letEntriesGoUnchecked(cancelButton);
}

// Where the rectangular entries stand, which circular mode hides: above the rows it adds to.
void OriginalWiresPage::placeOtherSizes() {
    otherSizesButton =
        place<CommandButton>(this, QStringLiteral("otherSizesButton"), 240, 1080, 1335, 375);
    otherSizesButton->setText(QStringLiteral("&Other sizes…"));
    otherSizesButton->setToolTip(
        QStringLiteral("Round wires of metric or AWG sizes in the conductor, beside the SWG ones"));
    otherSizesLine = place<Label>(this, QStringLiteral("otherSizesLine"), 1695, 1140, 5400, 1215);
    showOtherSizesControls(false);  // until round wires are chosen
}

void OriginalWiresPage::connectEvents() {
    connect(circularOption, &OptionButton::chosen, this, &OriginalWiresPage::onCircularChosen);
    connect(rectangularOption, &OptionButton::chosen, this,
            &OriginalWiresPage::onRectangularChosen);
    for (const RectangularField field : {kWidth, kThickness, kParallelWires}) {
        connect(rectangularBox(field), &TextBox::focusLeft, this,
                [this, field] { onRectangularBoxLeft(field); });
    }
    connect(cornerRadiusBox, &TextBox::focusLeft, this, &OriginalWiresPage::onCornerRadiusBoxLeft);
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        connect(gaugeCheck(i), &QCheckBox::stateChanged, this, [this, i] { onGaugeToggled(i); });
        connect(countBox(i), &TextBox::focusLeft, this, [this, i] { onCountBoxLeft(i); });
    }
    connect(nextButton, &QPushButton::clicked, this, &OriginalWiresPage::next);
    connect(cancelButton, &QPushButton::clicked, this, &OriginalWiresPage::cancel);
    connect(otherSizesButton, &QPushButton::clicked, this, &OriginalWiresPage::openOtherSizes);
}

void OriginalWiresPage::setTabOrder() {
    QWidget* previous = circularOption;
    const auto follow = [&previous](QWidget* next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    follow(rectangularOption);
    for (const RectangularField field : {kWidth, kThickness, kParallelWires}) {
        follow(rectangularBox(field));
    }
    follow(cornerRadiusBox);
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        follow(gaugeCheck(i));
        follow(countBox(i));
    }
    follow(weightBox);
    follow(nextButton);
    follow(cancelButton);
    follow(backButton);
    follow(otherSizesButton);
}

void OriginalWiresPage::showRectangularEntries(bool visible) {
    for (QWidget* control :
         {static_cast<QWidget*>(widthLabel), static_cast<QWidget*>(thicknessLabel),
          static_cast<QWidget*>(rectangularBox(kWidth)),
          static_cast<QWidget*>(rectangularBox(kThickness)),
          static_cast<QWidget*>(rectangularBox(kParallelWires)),
          static_cast<QWidget*>(parallelWiresLabel), static_cast<QWidget*>(cornerRadiusLabel),
          static_cast<QWidget*>(cornerRadiusBox)}) {
        control->setVisible(visible);
    }
}

void OriginalWiresPage::onCircularChosen() {
    showRectangularEntries(false);
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        gaugeCheck(i)->show();
    }
    showOtherSizesControls(true);
    gaugeCheck(0)->setFocus();
}

void OriginalWiresPage::onRectangularChosen() {
    showOtherSizesControls(false);
    showRectangularEntries(true);
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        gaugeCheck(i)->hide();
        countBox(i)->hide();
        countUnit(i)->hide();
    }
    rectangularBox(kWidth)->setFocus();
}

bool OriginalWiresPage::anyGaugeTicked() const {
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        if (gaugeCheck(i)->checkState() == Qt::Checked) {
            return true;
        }
    }
    return false;
}

void OriginalWiresPage::onGaugeToggled(GaugeIndex index) {
    JobState& job = jobState();
    switch (gaugeCheck(index)->checkState()) {
        case Qt::Checked:
            if (const auto there =
                    repeatedSize(otherSizesOf(job.origOther), WireSize::swg(index))) {
                showMessage(repeatedSizeMessage(WireSize::swg(index), *there), kWarningOk);
                gaugeCheck(index)->setChecked(false);  // clears the row as a click would
                return;
            }
            nextButton->setEnabled(true);
            countBox(index)->show();
            countBox(index)->setFocus();
            countUnit(index)->show();
            job.origGaugeArea[index] = static_cast<float>(gaugeArea(index));
            break;
        case Qt::Unchecked:
            // The gauge's stored count stays: its zero area already takes it out of the target.
            nextButton->setEnabled(anyGaugeTicked() || !job.origOther.empty());
            countBox(index)->setText(QString());
            job.origGaugeArea[index] = 0;
            countBox(index)->hide();
            countUnit(index)->hide();
            break;
        default:
            break;
    }
}

void OriginalWiresPage::onCountBoxLeft(GaugeIndex index) {
    const QString label = QString::fromStdString(gaugeLabel(index));
    // A count beyond the 16-bit range cannot be stored: it is refused like a text that is not
    // a number.
    if (const auto count = toInteger16(countBox(index)->text())) {
        jobState().origWireCount[index] = *count;
        return;
    }
    if (countBox(index)->deferRefusal()) {
        return;  // Cancel, or clearing the gauge, which takes the box away
    }
    showMessage(missingCountPrompt(label), kWarningOk, QStringLiteral("Error!"));
    countBox(index)->setFocus();
}

void OriginalWiresPage::onRectangularBoxLeft(RectangularField field) {
    if (isNumeric(rectangularBox(field)->text())) {
        nextButton->setEnabled(true);
        return;
    }
    if (rectangularBox(field)->deferRefusal()) {
        return;  // on the way to Cancel
    }
    showMessage(notEnteredMessage(field), kWarningOk);
    disableNextFor(rectangularBox(field));
}

CornerRadius OriginalWiresPage::cornerRadius(WireBounds bounds) const {
    const bool bounded = bounds == WireBounds::Checked;
    return readCornerRadius(cornerRadiusBox->text().toStdString(),
                            bounded ? toDouble(rectangularBox(kWidth)->text()) : std::nullopt,
                            bounded ? toDouble(rectangularBox(kThickness)->text()) : std::nullopt,
                            QLocale().decimalPoint().toStdString());
}

void OriginalWiresPage::refuseCornerRadius(CornerRadiusFault fault) {
    showMessage(cornerRadiusMessage(fault), kWarningOk);
    cornerRadiusBox->setFocus();
}

// Only what the radius decides alone keeps the focus, as a count does: a radius too large for
// the wire may be the thickness's fault, and the user must be free to go and mend that. Next
// weighs the radius against the wire.
void OriginalWiresPage::onCornerRadiusBoxLeft() {
    const CornerRadius radius = cornerRadius(WireBounds::Unchecked);
    if (radius.fault == CornerRadiusFault::None || cornerRadiusBox->deferRefusal()) {
        return;  // a radius a wire may have, or on the way to Cancel or to round wires
    }
    refuseCornerRadius(radius.fault);
}

void OriginalWiresPage::disableNextFor(TextBox* refusedEntry) {
    // A disabled button passes the focus on, which here is to "Cancel": a second Return would
    // end the program. The entry that needs a value takes it instead.
    if (focusWidget() == nextButton) {
        refusedEntry->setFocus();
    }
    nextButton->setEnabled(false);
}

void OriginalWiresPage::next() {
    JobState& job = jobState();
    job.origArea = 0;
    if (circularOption->isChecked()) {
        job.origArea = circularArea(job);
        job.origSection = OriginalSection::Round;
    }
    if (rectangularOption->isChecked() && !takeRectangularTarget(job)) {
        return;
    }
    if (!takeWeight(job)) {
        return;
    }
    availableWiresSlot().page().showPage();
    hide();
}

bool OriginalWiresPage::takeRectangularTarget(JobState& job) {
    for (const RectangularField field : {kWidth, kThickness, kParallelWires}) {
        if (!isNumeric(rectangularBox(field)->text())) {
            showMessage(notEnteredMessage(field), kWarningOk);
            disableNextFor(rectangularBox(field));
            return false;
        }
    }
    const CornerRadius radius = cornerRadius(WireBounds::Checked);
    if (radius.fault != CornerRadiusFault::None) {
        refuseCornerRadius(radius.fault);
        return false;
    }
    const auto width = toDouble(rectangularBox(kWidth)->text());
    const auto thickness = toDouble(rectangularBox(kThickness)->text());
    const auto count = toDouble(rectangularBox(kParallelWires)->text());
    const double area = width && thickness && count
                            ? rectangularArea(*width, *thickness, *count, radius.mm)
                            : HUGE_VAL;
    if (!areaWindowFits(area)) {
        showMessage(QString::fromUtf8(kTargetTooLarge), kWarningOk);
        return false;
    }
    job.origArea = area;
    job.origSection = OriginalSection::Rectangular;
    job.origRectangular = {*width, *thickness, *count, radius.mm};
    return true;
}

bool OriginalWiresPage::takeWeight(JobState& job) {
    if (!isNumeric(weightBox->text())) {
        if (showMessage(QStringLiteral("Without total weight Program will not check weight!"),
                        kWarningRetryCancel, QStringLiteral("Error!")) == MessageAnswer::Retry) {
            weightBox->setFocus();
            return false;
        }
        job.noWeightCheck = 1;
        return true;
    }
    const auto weight = toSingle(weightBox->text());
    if (!weight) {
        showMessage(
            QStringLiteral("The total weight is too large to work with. Please enter it in kg."),
            kWarningOk);
        return false;
    }
    // A negative weight would give every size a negative share, and so no line its star.
    if (*weight < 0) {
        showMessage(QStringLiteral("The total weight cannot be negative. Please enter it in kg."),
                    kWarningOk, QStringLiteral("Error!"));
        weightBox->setFocus();
        return false;
    }
    job.origWeight = *weight;
    return true;
}

void OriginalWiresPage::showOtherSizesControls(bool visible) {
    otherSizesButton->setVisible(visible);
    // An empty line would be read out as a nameless label.
    otherSizesLine->setVisible(visible && !jobState().origOther.empty());
}

void OriginalWiresPage::openOtherSizes() {
    std::vector<OtherSize> sizes;
    for (const OriginalOther& other : jobState().origOther)
        sizes.push_back({other.size, other.count, std::nullopt});
    otherSizesDialog = new OtherSizesDialog(this, SizeList::Original, std::move(sizes),
                                            OtherSizeAmount::WiresInParallel);
    otherSizesDialog->setAttribute(Qt::WA_DeleteOnClose);
    connect(otherSizesDialog, &QDialog::accepted, this, &OriginalWiresPage::takeOtherSizes);
    otherSizesDialog->open();
    otherSizesDialog->activateWindow();  // where the typing goes, with or without a window manager
}

// As a tick does: the job holds the sizes at once, and Next follows whether any size is listed.
void OriginalWiresPage::takeOtherSizes() {
    JobState& job = jobState();
    const bool hadOthers = !job.origOther.empty();
    job.origOther.clear();
    for (const OtherSize& other : otherSizesDialog->sizes())
        job.origOther.push_back({other.size, other.count});
    if (!job.origOther.empty())
        nextButton->setEnabled(true);
    else if (hadOthers)
        nextButton->setEnabled(anyGaugeTicked());
    showOtherSizes();
}

void OriginalWiresPage::showOtherSizes() {
    QStringList entries;
    for (const OriginalOther& other : jobState().origOther) {
        entries << otherSizeText({other.size, other.count, std::nullopt},
                                 OtherSizeAmount::WiresInParallel, QLocale().decimalPoint());
    }
    showSizesLine(*otherSizesLine, QStringLiteral("Also in the conductor: "), entries);
    showOtherSizesControls(circularOption->isChecked());
}

void OriginalWiresPage::cancel() {
    unload();
    endProgram();
}
