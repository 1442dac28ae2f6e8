#pragma once

// How the process ends; a seam, so tests can see the end without dying.
class ProcessEnd {
public:
    virtual ~ProcessEnd() = default;
    virtual void end(int exitCode) = 0;
};

// Ends the process at once: no pending event is handled and no more of the
// program's code runs.
class ImmediateProcessEnd final : public ProcessEnd {
public:
    [[noreturn]] void end(int exitCode) override;
};
