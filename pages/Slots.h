#pragma once

#include "platform/PageSlot.h"

class frmSplash;
class Form1;
class Form2;
class Form3;

// The program-wide slot of each page: empty until the page is first used, emptied when it
// unloads. Code that names a page goes through its slot, e.g. form1Slot().get().Show().
forms::PageSlot<frmSplash>& frmSplashSlot();
forms::PageSlot<Form3>& form3Slot();
forms::PageSlot<Form1>& form1Slot();
forms::PageSlot<Form2>& form2Slot();
