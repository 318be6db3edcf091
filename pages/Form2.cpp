#include "pages/Form2.h"

#include <QLocale>

#include "gauge/JobState.h"
#include "pages/Form1.h"
#include "pages/Slots.h"
#include "platform/App.h"
#include "platform/MsgBox.h"
#include "platform/PrintReport.h"
#include "platform/Twips.h"

using namespace forms;

namespace {

// The buttons, the progress bar and the count stand in a fixed band at the top; the report box
// fills the window below it.
constexpr int kBandHeight = 3255;

}  // namespace

Form2::Form2() : Page(QStringLiteral("Equivalent wire combinations"), 7425, 4080) {
    Command3 = place<CommandButton>(this, QStringLiteral("Command3"), 1958, 720, 1095, 375);
    Command3->setText(QStringLiteral("< &Back"));
    Command1 = place<CommandButton>(this, QStringLiteral("Command1"), 3158, 720, 1095, 375);
    Command1->setText(QStringLiteral("&Next >"));
    Command1->setEnabled(false);
    Command4 = place<CommandButton>(this, QStringLiteral("Command4"), 4358, 720, 1095, 375);
    Command4->setText(QStringLiteral("&Finish"));
    Command2 = place<CommandButton>(this, QStringLiteral("Command2"), 3158, 1320, 1095, 375);
    Command2->setText(QStringLiteral("print"));

    ProgressBar1 = place<ProgressBar>(this, QStringLiteral("ProgressBar1"), 1358, 1800, 4695, 255);
    Label1 = place<Label>(this, QStringLiteral("Label1"), 2018, 2400, 1095, 255);
    Label1->setAlignment(Qt::AlignRight | Qt::AlignTop);
    Label2 = place<Label>(this, QStringLiteral("Label2"), 3293, 2400, 2055, 255);
    Label2->setText(QStringLiteral("Wire combinations found"));
    Label2->setVisible(false);

    RichTextBox1 = place<RichTextBox>(this, QStringLiteral("RichTextBox1"), 0, kBandHeight, 7425,
                                      4080 - kBandHeight);
    dlgPrint = std::make_unique<QtPrinterDialog>(this);
    setSizable();

    forms::setTabOrder({Command3, Command1, Command4, Command2, RichTextBox1});
    connect(Command2, &CommandButton::Click, this, &Form2::Command2_Click);
    connect(Command3, &CommandButton::Click, this, &Form2::Command3_Click);
    connect(Command4, &CommandButton::Click, this, &Form2::Command4_Click);
}

void Form2::Form_Load() {
    ProgressBar1->setMinimum(0);
    ProgressBar1->setMaximum(29);
    // On the screen before the search keeps the event loop busy.
    Show();
    Refresh();
    tellWhySearchStopped(searchAndReport(jobState(), *this));
}

void Form2::tellWhySearchStopped(SearchEnd end) {
    switch (end) {
        case SearchEnd::Complete:
            return;
        case SearchEnd::TableFull:
            MsgBox(QStringLiteral("More than 10001 combinations exist. The list shows the first "
                                  "10001 of them.\nTick fewer or thicker sizes to see them all."),
                   vbOKOnly + vbExclamation);
            return;
        case SearchEnd::CountLimit:
            MsgBox(QStringLiteral("The search stopped early: one size would need more than 32767 "
                                  "wires.\nThe list shows the combinations found until then."),
                   vbOKOnly + vbExclamation);
            return;
    }
}

void Form2::setCountCaption(const std::string& caption) {
    Label1->setText(QString::fromStdString(caption));
}

std::string Form2::decimalSeparator() const {
    return locale().decimalPoint().toStdString();
}

void Form2::ResizeNote() {
    const int height = scaleHeight();
    if (height < kBandHeight) {
        return;  // minimized or squeezed: keep the layout as it was
    }
    RichTextBox1->setGeometry(twipsRect(0, kBandHeight, scaleWidth(), height - kBandHeight));
}

void Form2::Command2_Click() {
    printReport(*RichTextBox1, *dlgPrint);
}

void Form2::Command3_Click() {
    clearSearchTables(jobState());
    RichTextBox1->setText(QString());
    Unload();
    form1Slot().get().Show();
}

void Form2::Command4_Click() {
    Unload();
    endProgram();
}
