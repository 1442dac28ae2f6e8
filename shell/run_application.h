#pragma once

#include <functional>

class Prompter;

// Builds the program's real services, runs start-up and then the event
// loop; returns the exit code. The prompter is passed in so that a test
// host can answer the boxes itself. `settled` is called once start-up's
// work is all done: the main window's first frame is up (or the wait for a
// window that is never exposed is over), the settings are written and the
// icon is set.
int runApplication(Prompter& prompter, std::function<void()> settled = {});
