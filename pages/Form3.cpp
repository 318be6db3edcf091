#include "pages/Form3.h"

#include <cmath>

#include "pages/Form1.h"
#include "pages/Slots.h"
#include "platform/App.h"
#include "platform/MsgBox.h"
#include "platform/Numbers.h"

using namespace forms;

namespace {

constexpr const char* kFieldWords[] = {" width.", " thickness.", " no of parallel wires."};

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
    return QString::fromStdString(swgr(index)) + QString(blanks, u' ') + u'X';
}

QString notEnteredMessage(short field) {
    return QStringLiteral("you have not entered value of ") + QLatin1String(kFieldWords[field]);
}

}  // namespace

Form3::Form3() : Page(QStringLiteral("Original Wires"), 7245, 7605) {
    placeSectionChoice();
    placeRectangularEntries();
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        placeGaugeRow(i);
    }
    placeWeightAndButtons();
    connectEvents();
    setTabOrder();
}

void Form3::placeSectionChoice() {
    Frame1 = place<Frame>(this, QStringLiteral("Frame1"), 240, 120, 6855, 615);
    Frame1->setTitle(QStringLiteral("Section Selection"));
    Option2 = place<OptionButton>(Frame1, QStringLiteral("Option2"), 360, 240, 2415, 255);
    Option2->setText(QStringLiteral("Circular section Wire"));
    Option3 = place<OptionButton>(Frame1, QStringLiteral("Option3"), 4080, 240, 2175, 255);
    Option3->setText(QStringLiteral("Rectangular section wire"));
}

void Form3::placeRectangularEntries() {
    Label6 = place<Label>(this, QStringLiteral("Label6"), 240, 1080, 1815, 255);
    Label6->setText(QStringLiteral("Enter width of wire in mm"));
    Text1.set(0, place<TextBox>(this, arrayElementName("Text1", 0), 2160, 1080, 1215, 315));
    Label5 = place<Label>(this, QStringLiteral("Label5"), 3600, 1080, 2055, 255);
    Label5->setText(QStringLiteral("Enter thickness of wire in mm"));
    Text1.set(1, place<TextBox>(this, arrayElementName("Text1", 1), 5760, 1080, 1215, 315));
    Label2 = place<Label>(this, QStringLiteral("Label2"), 240, 1680, 1815, 255);
    Label2->setText(QStringLiteral("How many parallel wires?"));
    Text1.set(2, place<TextBox>(this, arrayElementName("Text1", 2), 2160, 1680, 1215, 315));
}

void Form3::placeGaugeRow(GaugeIndex index) {
    const GaugeColumn& column = columnOf(index);
    const int top = kFirstRowTop + (index - column.first) * kRowPitch;

    Check1.set(index, place<CheckBox>(this, arrayElementName("Check1", index), column.checkLeft,
                                      top, 1215, 255));
    Check1(index)->setText(gaugeCaption(index));
    Check1(index)->hide();

    Text4.set(index, place<TextBox>(this, arrayElementName("Text4", index), column.textLeft,
                                    top - 15, 495, 285));
    Text4(index)->hide();

    Label4.set(index, place<Label>(this, arrayElementName("Label4", index), column.labelLeft,
                                   top + 15, 495, 225));
    Label4(index)->setText(QStringLiteral("nos"));
    Label4(index)->hide();
}

void Form3::placeWeightAndButtons() {
    Label3 = place<Label>(this, QStringLiteral("Label3"), 1800, 6240, 2175, 255);
    Label3->setText(QStringLiteral("Total Weight of wires in KG"));
    Text3 = place<TextBox>(this, QStringLiteral("Text3"), 4080, 6240, 1215, 285);

    Command3 = place<CommandButton>(this, QStringLiteral("Command3"), 1755, 6840, 1095, 375);
    Command3->setText(QStringLiteral("< &Back"));
    Command3->setEnabled(false);  // the first page: there is nothing to go back to
    Command1 = place<CommandButton>(this, QStringLiteral("Command1"), 3075, 6840, 1095, 375);
    Command1->setText(QStringLiteral("&Next >"));
    Command1->setEnabled(false);
    Command2 = place<CommandButton>(this, QStringLiteral("Command2"), 4395, 6840, 1095, 375);
    Command2->setText(QStringLiteral("&Cancel"));
}

void Form3::connectEvents() {
    connect(Option2, &OptionButton::Click, this, &Form3::Option2_Click);
    connect(Option3, &OptionButton::Click, this, &Form3::Option3_Click);
    for (short k = 0; k < Text1.size(); ++k) {
        connect(Text1(k), &TextBox::LostFocus, this, [this, k] { Text1_lostfocus(k); });
    }
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        connect(Check1(i), &CheckBox::Click, this, [this, i] { Check1_Click(i); });
        connect(Text4(i), &TextBox::LostFocus, this, [this, i] { Text4_LostFocus(i); });
    }
    connect(Command1, &CommandButton::Click, this, &Form3::Command1_Click);
    connect(Command2, &CommandButton::Click, this, &Form3::Command2_Click);
}

void Form3::setTabOrder() {
    QWidget* previous = Option2;
    const auto follow = [&previous](QWidget* next) {
        QWidget::setTabOrder(previous, next);
        previous = next;
    };
    follow(Option3);
    for (short k = 0; k < Text1.size(); ++k) {
        follow(Text1(k));
    }
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        follow(Check1(i));
        follow(Text4(i));
    }
    follow(Text3);
    follow(Command1);
    follow(Command2);
    follow(Command3);
}

void Form3::showRectangularEntries(bool visible) {
    for (QWidget* control : {static_cast<QWidget*>(Label6), static_cast<QWidget*>(Label5),
                             static_cast<QWidget*>(Text1(0)), static_cast<QWidget*>(Text1(1)),
                             static_cast<QWidget*>(Text1(2)), static_cast<QWidget*>(Label2)}) {
        control->setVisible(visible);
    }
}

void Form3::Option2_Click() {
    showRectangularEntries(false);
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        Check1(i)->show();
    }
    Check1(0)->setFocus();
}

void Form3::Option3_Click() {
    showRectangularEntries(true);
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        Check1(i)->hide();
        Text4(i)->hide();
        Label4(i)->hide();
    }
    Text1(0)->setFocus();
}

bool Form3::anyGaugeTicked() const {
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        if (Check1(i)->value() == 1) {
            return true;
        }
    }
    return false;
}

void Form3::Check1_Click(GaugeIndex Index) {
    JobState& job = jobState();
    switch (Check1(Index)->value()) {
        case 1:
            Command1->setEnabled(true);
            Text4(Index)->show();
            Text4(Index)->setFocus();
            Label4(Index)->show();
            job.origGaugeArea[Index] = static_cast<float>(gaugeArea(Index));
            break;
        case 0:
            // The gauge's stored count stays: its zero area already takes it out of the target.
            Command1->setEnabled(anyGaugeTicked());
            Text4(Index)->setText(QString());
            job.origGaugeArea[Index] = 0;
            Text4(Index)->hide();
            Label4(Index)->hide();
            break;
        default:
            break;
    }
}

void Form3::Text4_LostFocus(GaugeIndex Index) {
    const QString label = QString::fromStdString(swgr(Index));
    // A count beyond the 16-bit range cannot be stored: it is refused like a text that is not
    // a number.
    if (const auto count = toInteger16(Text4(Index)->text())) {
        jobState().origWireCount[Index] = *count;
        return;
    }
    MsgBox(QStringLiteral("Enter no of parallel wires of ") + label + QStringLiteral(" wire"),
           vbExclamation, QStringLiteral("Error!"));
    Text4(Index)->setFocus();
}

void Form3::Text1_lostfocus(short Index) {
    if (isNumeric(Text1(Index)->text())) {
        Command1->setEnabled(true);
        return;
    }
    MsgBox(notEnteredMessage(Index), vbExclamation);
    Command1->setEnabled(false);
}

void Form3::Command1_Click() {
    JobState& job = jobState();
    job.origArea = 0;
    if (Option2->isChecked()) {
        job.origArea = circularArea(job);
    }
    if (Option3->isChecked() && !takeRectangularTarget(job)) {
        return;
    }
    if (!takeWeight(job)) {
        return;
    }
    form1Slot().get().Show();
    Hide();
}

bool Form3::takeRectangularTarget(JobState& job) {
    for (short k = 0; k < Text1.size(); ++k) {
        if (!isNumeric(Text1(k)->text())) {
            MsgBox(notEnteredMessage(k), vbExclamation);
            Command1->setEnabled(false);
            return false;
        }
    }
    const auto width = toDouble(Text1(0)->text());
    const auto thickness = toDouble(Text1(1)->text());
    const auto count = toDouble(Text1(2)->text());
    const double area =
        width && thickness && count ? rectangularArea(*width, *thickness, *count) : HUGE_VAL;
    if (!std::isfinite(area)) {
        MsgBox(QStringLiteral("The width, thickness and number of wires give a cross-section too "
                              "large to work with. Please check them."),
               vbExclamation);
        return false;
    }
    job.origArea = area;
    return true;
}

bool Form3::takeWeight(JobState& job) {
    if (!isNumeric(Text3->text())) {
        if (MsgBox(QStringLiteral("Without total weight Program will not check weight!"),
                   vbRetryCancel + vbExclamation, QStringLiteral("Error!")) == vbRetry) {
            Text3->setFocus();
            return false;
        }
        job.noWeightCheck = 1;
        return true;
    }
    const auto weight = toSingle(Text3->text());
    if (!weight) {
        MsgBox(QStringLiteral("The total weight is too large to work with. Please enter it in kg."),
               vbExclamation);
        return false;
    }
    job.origWeight = *weight;
    return true;
}

void Form3::Command2_Click() {
    Unload();
    endProgram();
}
