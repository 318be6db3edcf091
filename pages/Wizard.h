#pragma once

// The program's entry hands control to startWizard once: it puts up the splash and returns; from
// then on everything happens in the pages' event handlers.
void startWizard();
