#pragma once

#include <functional>

class Prompter;

// Builds the program's real services, runs start-up and then the event
// loop; returns the exit code. The prompter is passed in so that a test
// host can answer the boxes itself. `settled` is called once start-up's
// work is all done: the main window's first frame is up and the settings
// are written.
int runApplication(Prompter& prompter, std::function<void()> settled = {});
