#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

#include "app/CommandLine.h"
#include "app/DesktopIntegration.h"
#include "app/Display.h"
#include "desktop/Application.h"
#include "desktop/HelpWindow.h"
#include "forms/PageSlot.h"
#include "pages/Wizard.h"

int main(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    if (const auto status = answerCommandLine(arguments)) {
        return *status;
    }
    if (const auto status = refuseWithoutDisplay()) {
        return *status;
    }

    QApplication application(argc, argv);
    desktop::setUpApplication(application);
    integrateWithDesktop();
    startWizard();
    const int status = QApplication::exec();
    // Pages and the help still open when the run ends go before the application object does.
    forms::discardAllPages();
    delete openHelpWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
