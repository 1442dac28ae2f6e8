#pragma once

#include <functional>
#include <system_error>
#include <thread>
#include <utility>
#include <vector>

// Takes work that nobody waits for, such as a first start's write of the
// settings file, and runs it now or on another thread.
using LaterWork = std::function<void(std::function<void()>)>;

// Runs each piece of work on a thread of its own, so that a write that waits
// for the disk overlaps with building the main window. finish() waits for all
// of it; start-up calls it before the event loop, so that the work has landed
// before the user can do anything, as if it had run at once.
class BackgroundWork {
public:
    BackgroundWork() = default;
    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;
    ~BackgroundWork() { finish(); }

    void post(std::function<void()> work) {
        try {
            threads_.emplace_back(&BackgroundWork::run, work);
        } catch (const std::system_error&) {
            run(work); // no thread to be had: the work is done all the same
        }
    }
    void finish() {
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
};
