#include "random_source.h"

#include <chrono>

void ClockSeededRandom::seedFromClock() {
    engine_.seed(static_cast<std::mt19937_64::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));
}

double ClockSeededRandom::draw() {
    return std::uniform_real_distribution<double>(0.0, 1.0)(engine_);
}
