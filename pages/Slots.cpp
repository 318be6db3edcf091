#include "pages/Slots.h"

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
    static forms::PageSlot<ResultsPage> slot;
    return slot;
}
