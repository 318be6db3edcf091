#include "pages/Slots.h"

forms::PageSlot<frmSplash>& frmSplashSlot() {
    static forms::PageSlot<frmSplash> slot;
    return slot;
}

forms::PageSlot<Form3>& form3Slot() {
    static forms::PageSlot<Form3> slot;
    return slot;
}

forms::PageSlot<Form1>& form1Slot() {
    static forms::PageSlot<Form1> slot;
    return slot;
}

forms::PageSlot<Form2>& form2Slot() {
    static forms::PageSlot<Form2> slot;
    return slot;
}
