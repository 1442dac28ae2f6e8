#pragma once

class Prompter;

// Builds the program's real services, runs start-up and then the event
// loop; returns the exit code. The prompter is passed in so that a test
// host can answer the boxes itself.
int runApplication(Prompter& prompter);
