#include <QApplication>
#include <QCoreApplication>
#include <QEvent>

#include "pages/Wizard.h"
#include "platform/App.h"
#include "platform/PageSlot.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    forms::setUpApplication(application);
    startWizard();
    const int status = QApplication::exec();
    // Pages still loaded when the run ends go before the application object does.
    forms::discardAllPages();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return status;
}
