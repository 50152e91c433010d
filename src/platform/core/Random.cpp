#include "platform/core/Random.h"

#include <chrono>

std::mt19937& RandomGenerator() {
    static std::mt19937 generator;
    return generator;
}

void RandomizeFromClock() {
    RandomGenerator().seed(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}
