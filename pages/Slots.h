#pragma once

#include "forms/PageSlot.h"

class SplashWindow;
class AvailableWiresPage;
class ResultsPage;
class OriginalWiresPage;

// The program-wide slot of each page: empty until the page is first used, emptied when it
// unloads. A page shows another through its slot, e.g. availableWiresSlot().page().showPage(),
// without knowing its class: the slots are made in Wizard.cpp, which alone includes every page,
// so that no page includes another.
forms::PageSlot<SplashWindow>& splashSlot();
forms::PageSlot<OriginalWiresPage>& originalWiresSlot();
forms::PageSlot<AvailableWiresPage>& availableWiresSlot();
forms::PageSlot<ResultsPage>& resultsSlot();
