#include "platform/Random.h"

#include <chrono>
#include <random>

namespace {
std::mt19937& Generator() {
    static std::mt19937 generator;
    return generator;
}
} // namespace

void RandomizeFromClock() {
    Generator().seed(static_cast<std::mt19937::result_type>(
        std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

double Rnd() { return std::uniform_real_distribution<double>(0.0, 1.0)(Generator()); }
