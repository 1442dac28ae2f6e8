// The main window's design table, apart from the window's code: the window
// builds itself from it, and the benchmarks' design floor draws the same
// window from it by hand, so that the two cannot drift apart.
#pragma once

#include "form.h"

// The main window as designed, with its texts in the user's language.
form::Design frmMainDesign();
