#pragma once

#include "update_notice.h"

class AppController;
class Clock;
class InstanceGuard;
class Prompter;
class RandomSource;
class SettingsStore;
class WebLinks;

// What start-up reaches outside the program through.
struct StartUpServices {
    InstanceGuard& guard;
    Prompter& prompter;
    RandomSource& random;
    SettingsStore& settings;
    Clock& clock;
    WebLinks& links;
};

// Runs the program's start in order: refuse a second copy, seed the random
// generator, remind of updates, show the main window, choose its banner.
// Work nobody waits for goes to `later` when one is given (see
// RemindOfUpdate). False when this copy was refused (and ExitProgram has run).
bool StartUp(StartUpServices& services, AppController& controller, const LaterWork& later = {});
