#include "pages/Wizard.h"

#include "pages/Slots.h"
#include "pages/SplashWindow.h"

void startWizard() {
    SplashWindow& splash = splashSlot().get();
    splash.showPage();
    splash.paintNow();
}
