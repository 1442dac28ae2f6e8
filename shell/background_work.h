#pragma once

#include "process_end.h"

#include <functional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

// Takes work that nobody waits for, such as a first start's write of the
// settings file, and runs it now or on another thread.
using LaterWork = std::function<void(std::function<void()>)>;

// Runs each piece of work on a thread of its own, so that a write that waits
// for the disk holds up nothing else. While held, work waits until release();
// the program holds it until the main window's first frame is up, so that it
// takes no processor or disk time from that frame. finish() releases and
// waits for all of it; the program calls it before it ends.
class BackgroundWork {
public:
    BackgroundWork() = default;
    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;
    ~BackgroundWork() { finish(); }

    void hold() { held_ = true; }
    void release() {
        held_ = false;
        for (std::function<void()>& work : waiting_) {
            post(std::move(work));
        }
        waiting_.clear();
    }
    void post(std::function<void()> work) {
        if (held_) {
            waiting_.push_back(std::move(work));
            return;
        }
        try {
            threads_.emplace_back(&BackgroundWork::run, work);
        } catch (const std::system_error&) {
            run(work); // no thread to be had: the work is done all the same
        }
    }
    void finish() {
        release();
        for (std::thread& thread : threads_) {
            thread.join();
        }
        threads_.clear();
    }
    LaterWork taker() {
        return [this](std::function<void()> work) { post(std::move(work)); };
    }

private:
    // Nothing that goes wrong in such work may end the program.
    static void run(const std::function<void()>& work) {
        try {
            work();
        } catch (...) {
        }
    }

    std::vector<std::thread> threads_;
    std::vector<std::function<void()>> waiting_;
    bool held_ = false;
};

// Lets the work land before the process ends: ending is immediate (no
// destructor runs), and ending the program must never lose a settings write.
class FinishingProcessEnd final : public ProcessEnd {
public:
    FinishingProcessEnd(ProcessEnd& end, BackgroundWork& work) : end_(end), work_(work) {}
    void end(int exitCode) override {
        work_.finish();
        end_.end(exitCode);
    }

private:
    ProcessEnd& end_;
    BackgroundWork& work_;
};
