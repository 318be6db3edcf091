#include "pages/Form1.h"

#include <QTextEdit>

#include "gauge/JobState.h"
#include "pages/Form2.h"
#include "pages/Form3.h"
#include "pages/Slots.h"
#include "platform/App.h"
#include "platform/MsgBox.h"
#include "platform/Numbers.h"

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
    const int length = static_cast<int>(swgr(index).size());
    const int fitting = length <= 5 ? 855 : length <= 6 ? 975 : 1215;
    const Column& column = columnOf(index);
    return std::min(fitting, column.textLeft - column.checkLeft - 15);
}

}  // namespace

Form1::Form1() : Page(QStringLiteral("Available wires"), 7245, 7605) {
    Text1 = place<QTextEdit>(this, QStringLiteral("Text1"), 240, 240, 6855, 1935);
    // Each line ends in a line break; the last one would only add an empty line to scroll to.
    QString note = QString::fromLatin1(kNote).replace(QStringLiteral("\r\n"), "\n");
    note.chop(1);
    Text1->setPlainText(note);
    Text1->setReadOnly(true);
    Text1->setFocusPolicy(Qt::NoFocus);  // a note to read, not a stop for Tab
    Text1->setFont(QFont(QStringLiteral("Times New Roman"), 11.25, QFont::Bold));
    Text1->setBackgroundRole(QPalette::Button);
    Text1->viewport()->setBackgroundRole(QPalette::Button);
    Text1->setLineWrapMode(QTextEdit::WidgetWidth);
    // Thin margins, so that all seven lines fit; a scroll bar would only cover the text.
    Text1->document()->setDocumentMargin(1);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    for (GaugeIndex i = 0; i < kGaugeCount; ++i) placeGaugeRow(i);

    Command1 = place<CommandButton>(this, QStringLiteral("Command1"), 1755, 6840, 1095, 375);
    Command1->setText(QStringLiteral("< &Back"));
    Command2 = place<CommandButton>(this, QStringLiteral("Command2"), 3075, 6840, 1095, 375);
    Command2->setText(QStringLiteral("&Next >"));
    Command2->setEnabled(false);
    Command3 = place<CommandButton>(this, QStringLiteral("Command3"), 4395, 6840, 1095, 375);
    Command3->setText(QStringLiteral("&Cancle"));

    QList<QWidget*> tabOrder;
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) tabOrder << Check1(i) << Text4(i);
    tabOrder << Command2 << Command3 << Command1;
    for (int k = 1; k < tabOrder.size(); ++k) QWidget::setTabOrder(tabOrder[k - 1], tabOrder[k]);

    connect(Command1, &CommandButton::Click, this, &Form1::Command1_Click);
    connect(Command2, &CommandButton::Click, this, &Form1::Command2_Click);
    connect(Command3, &CommandButton::Click, this, &Form1::Command3_Click);
}

void Form1::placeGaugeRow(GaugeIndex i) {
    const Column& column = columnOf(i);
    const int top = 360 * (i - column.first);

    auto* check = place<CheckBox>(this, arrayElementName("Check1", i), column.checkLeft, 2535 + top,
                                  checkWidth(i), 255);
    check->setText(QString::fromStdString(swgr(i)));
    auto* weight =
        place<TextBox>(this, arrayElementName("Text4", i), column.textLeft, 2520 + top, 495, 285);
    weight->hide();
    auto* kg = place<Label>(this, arrayElementName("Label4", i), column.labelLeft, 2550 + top,
                            column.labelWidth, 225);
    kg->setText(QStringLiteral("KG"));
    kg->hide();

    Check1.set(i, check);
    Text4.set(i, weight);
    Label4.set(i, kg);
    connect(check, &CheckBox::Click, this, [this, i] { Check1_Click(i); });
    connect(weight, &TextBox::LostFocus, this, [this, i] { Text4_LostFocus(i); });
}

void Form1::Check1_Click(GaugeIndex Index) {
    JobState& job = jobState();
    if (Check1(Index)->value() == 1) {
        Command2->setEnabled(true);
        if (job.noWeightCheck != 1) {
            Text4(Index)->show();
            Text4(Index)->setFocus(Qt::OtherFocusReason);
            Label4(Index)->show();
        }
        job.availArea[Index] = static_cast<float>(gaugeArea(Index));
    } else if (Check1(Index)->value() == 0) {
        bool anyTicked = false;
        for (GaugeIndex i = 0; i < kGaugeCount && !anyTicked; ++i) {
            anyTicked = Check1(i)->value() == 1;
        }
        Command2->setEnabled(anyTicked);
        Text4(Index)->setText(QString());
        job.availArea[Index] = 0;
        Text4(Index)->hide();
        Label4(Index)->hide();
    }
}

void Form1::Text4_LostFocus(GaugeIndex Index) {
    const QString label = QString::fromStdString(swgr(Index));
    const QString text = Text4(Index)->text();
    if (!isNumeric(text)) {
        const int answer =
            MsgBox("Enter weight of " + label + "  wire, else weight check will be disabled",
                   vbRetryCancel + vbExclamation, QStringLiteral("Error!"));
        if (answer == vbRetry) {
            Text4(Index)->setFocus(Qt::OtherFocusReason);
        } else {
            hideWeightBoxes();
            jobState().noWeightCheck = 1;
        }
        return;
    }
    const auto weight = toSingle(text);
    if (!weight) {
        // Past the largest single-precision number: refuse it rather than store infinity.
        MsgBox("The weight of " + label + " wire is too large.", vbOKOnly + vbExclamation);
        Text4(Index)->setFocus(Qt::OtherFocusReason);
        return;
    }
    jobState().availWeight[Index] = *weight;
}

void Form1::hideWeightBoxes() {
    for (GaugeIndex i = 0; i < kGaugeCount; ++i) {
        Text4(i)->hide();
        Label4(i)->hide();
    }
}

void Form1::Command2_Click() {
    setAreaWindow(jobState());
    Hide();
    form2Slot().get().Show();
}

void Form1::Command1_Click() {
    form3Slot().get().Show();
    Hide();
}

void Form1::Command3_Click() {
    Unload();
    endProgram();
}
