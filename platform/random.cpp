#include "platform/random.h"

namespace {
uint32_t state = 1;
}

void SeedRandom(uint32_t seed) {
    state = seed;
}

int32_t NextRandom() {
    // A 32-bit linear congruential step; the high 31 bits are the better-mixed ones.
    state = state * 1103515245u + 12345u;
    return static_cast<int32_t>(state >> 1);
}
