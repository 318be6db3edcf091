#include "desktop/Application.h"

#include <QApplication>
#include <QFont>

#include "desktop/Accessibility.h"
#include "desktop/HelpWindow.h"
#include "forms/App.h"
#include "forms/Page.h"

namespace desktop {

void setUpApplication(QApplication& application) {
    using forms::App;
    QApplication::setApplicationName(App::title());
    // Without it Qt keeps settings under "Unknown Organization".
    QApplication::setOrganizationName(App::organisation());
    QApplication::setApplicationVersion(App::version());
    // The pages are laid out in fixed twips for an 8 pt dialog font; a larger font would clip
    // the captions.
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(8.25);
    application.setFont(font);
    // Pages come and go (hidden, unloaded, replaced); only endProgram ends the run.
    application.setQuitOnLastWindowClosed(false);
    installAccessibleWindows();
    forms::setHelpAction(showHelpWindow);
}

}  // namespace desktop
