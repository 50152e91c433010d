#pragma once

// Random numbers for the tools that scatter things; seeded from the clock at start-up.
void RandomizeFromClock();

// A number in [0, 1).
double Rnd();
