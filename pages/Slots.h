#pragma once

#include "platform/PageSlot.h"

class SplashWindow;
class AvailableWiresPage;
class ResultsPage;
class OriginalWiresPage;

// The program-wide slot of each page: empty until the page is first used, emptied when it
// unloads. Code that names a page goes through its slot, e.g.
// availableWiresSlot().get().showPage().
forms::PageSlot<SplashWindow>& splashSlot();
forms::PageSlot<OriginalWiresPage>& originalWiresSlot();
forms::PageSlot<AvailableWiresPage>& availableWiresSlot();
forms::PageSlot<ResultsPage>& resultsSlot();
