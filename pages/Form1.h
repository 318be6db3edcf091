#pragma once

#include "platform/Controls.h"
#include "platform/Page.h"

// "Available wires": stands in the slot until the page itself is built; it only lets the user
// go back to the original wires.
class Form1 : public forms::Page {
    Q_OBJECT

public:
    Form1();

    forms::Label* Label1;
    forms::CommandButton* Command3;

private:
    void Command3_Click();
};
