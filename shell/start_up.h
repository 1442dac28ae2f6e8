#pragma once

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
// generator, remind of updates (a first start's day is written here, before
// any window), show the main window, choose its banner. False when this copy
// was refused (and ExitProgram has run).
bool StartUp(StartUpServices& services, AppController& controller);
