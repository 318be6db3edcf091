#include "pages/Wizard.h"

#include "desktop/Settings.h"
#include "pages/AvailableWiresPage.h"
#include "pages/OriginalWiresPage.h"
#include "pages/ResultsPage.h"
#include "pages/Slots.h"
#include "pages/SplashWindow.h"

void startWizard() {
    SplashWindow& splash = splashSlot().get();
    splash.showPage();
    splash.paintNow();
}

forms::PageSlot<SplashWindow>& splashSlot() {
    static forms::PageSlot<SplashWindow> slot;
    return slot;
}

forms::PageSlot<OriginalWiresPage>& originalWiresSlot() {
    static forms::PageSlot<OriginalWiresPage> slot;
    return slot;
}

forms::PageSlot<AvailableWiresPage>& availableWiresSlot() {
    static forms::PageSlot<AvailableWiresPage> slot;
    return slot;
}

forms::PageSlot<ResultsPage>& resultsSlot() {
    // The results window opens as the last run left it.
    static forms::PageSlot<ResultsPage> slot(
        forms::GeometryStore{settings::resultsGeometry, settings::keepResultsGeometry});
    return slot;
}
