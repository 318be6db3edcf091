#pragma once

#include <QLabel>

#include "platform/Controls.h"
#include "platform/Page.h"

// The splash screen: the product's name, picture and version, and the way on to the wizard.
class frmSplash : public forms::Page {
    Q_OBJECT

public:
    frmSplash();

    forms::Frame* fraMainFrame;
    QLabel* Image1;
    forms::Label* lblProductName;
    forms::Label* lblPlatform;
    forms::Label* lblVersion;
    forms::Label* lblWarning;
    forms::CommandButton* Command1;

protected:
    void Form_Load() override;

private:
    void Command1_Click();
};
