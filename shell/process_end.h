#pragma once

// How the process ends; a seam, so tests can see the end without dying.
class ProcessEnd {
public:
    virtual ~ProcessEnd() = default;
    virtual void end(int exitCode) = 0;
};

// Ends the process at once: no pending event is handled and no more of the
// program's code runs. Leaving the event loop would not do: ExitProgram runs
// before the loop has started when a second copy is refused, and inside the
// about box's or a message box's own loop when the user ends the program from
// there.
class ImmediateProcessEnd final : public ProcessEnd {
public:
    [[noreturn]] void end(int exitCode) override;
};
