#include "pages/Form1.h"

#include "pages/Form3.h"
#include "pages/Slots.h"

using namespace forms;

Form1::Form1() : Page(QStringLiteral("Available wires"), 7245, 2400) {
    Label1 = place<Label>(this, QStringLiteral("Label1"), 240, 240, 6765, 855);
    Label1->setText(QStringLiteral("The choice of available wires comes in the next release."));
    Command3 = place<CommandButton>(this, QStringLiteral("Command3"), 3075, 1560, 1095, 375);
    Command3->setText(QStringLiteral("< &Back"));
    connect(Command3, &CommandButton::Click, this, &Form1::Command3_Click);
}

void Form1::Command3_Click() {
    form3Slot().get().Show();
    Hide();
}
