#pragma once

#include <cstdint>

// The program's pseudo-random generator: one process-wide sequence, reseeded on demand, giving
// non-negative 31-bit numbers. The same seed gives the same numbers on every build.
void SeedRandom(uint32_t seed);
int32_t NextRandom();
