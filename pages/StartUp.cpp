#include "pages/StartUp.h"

#include "pages/Slots.h"
#include "pages/frmSplash.h"

void startUp() {
    frmSplash& splash = frmSplashSlot().get();
    splash.Show();
    splash.Refresh();
}
