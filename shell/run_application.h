#pragma once

#include "languages.h"

class Prompter;

// What the application is given before its first window: the user's
// language, Wayland's frame setting, the fonts' stand-ins, a small pixmap
// cache and the desktop entry's name. Lives as long as the windows do; the
// program and the benchmarks set up the application through this one class.
class ApplicationSetup {
public:
    ApplicationSetup();

private:
    languages::Translations translations_;
};

// Builds the program's real services, runs start-up and then the event
// loop; returns the exit code. The prompter is passed in so that a test
// host can answer the boxes itself.
int runApplication(Prompter& prompter);
