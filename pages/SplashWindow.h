#pragma once

#include <QLabel>

#include "forms/Controls.h"
#include "forms/Page.h"

// The splash screen: the product's name, picture and version, and the way on to the wizard.
class SplashWindow : public forms::Page {
    Q_OBJECT

public:
    SplashWindow();

    forms::Frame* frame;
    QLabel* picture;
    forms::Label* productName;
    forms::Label* platformLine;
    forms::Label* versionLine;
    forms::Label* warningLine;
    forms::CommandButton* continueButton;

protected:
    void loadEvent() override;

private:
    void continueToWizard();
};
