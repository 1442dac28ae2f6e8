#pragma once

#include <random>

// The program's random draws; a seam, so tests can choose the number.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Starts a new sequence from the system clock.
    virtual void seedFromClock() = 0;
    // A number r with 0 <= r < 1.
    virtual double draw() = 0;
};

class ClockSeededRandom final : public RandomSource {
public:
    void seedFromClock() override;
    double draw() override;

private:
    std::mt19937_64 engine_;
};
