#pragma once

#include <random>

// The program's one source of random numbers, for the tools that scatter things; it is seeded
// from the clock at start-up.
std::mt19937& RandomGenerator();
void RandomizeFromClock();
