#pragma once

#include <random>

// The program's random draws; a seam, so tests can choose the number.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // A number r with 0 <= r < 1.
    virtual double draw() = 0;
};

// Seeded from the system clock when it is made.
class ClockSeededRandom final : public RandomSource {
public:
    ClockSeededRandom();
    double draw() override;

private:
    std::mt19937_64 engine_;
};
