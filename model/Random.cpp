#include "Card.h"

#include <chrono>
#include <unistd.h>

namespace {
thread_local std::uint32_t state = 0;
thread_local bool seeded = false;

// Seeds once per thread from the high-resolution clock mixed with the process
// id, so two deals made within the same second still differ.
void SeedOnce() {
    if (seeded) return;
    const auto ticks = static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count());
    std::uint64_t mix = ticks ^ (static_cast<std::uint64_t>(::getpid()) << 32);
    // splitmix64 finaliser spreads the clock bits over the whole seed
    mix ^= mix >> 30;
    mix *= 0xbf58476d1ce4e5b9ULL;
    mix ^= mix >> 27;
    mix *= 0x94d049bb133111ebULL;
    mix ^= mix >> 31;
    state = static_cast<std::uint32_t>(mix ^ (mix >> 32));
    seeded = true;
}
} // namespace

void SeedRandom(std::uint32_t seed) {
    state = seed;
    seeded = true;
}

int NextRandom() {
    SeedOnce();
    state = state * 22695477u + 1u;
    return static_cast<int>((state >> 16) & 32767u);
}

std::uint32_t RandomSeed() {
    SeedOnce();
    return state;
}
