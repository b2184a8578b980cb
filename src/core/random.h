#pragma once
// Every random number of play comes through here: the standard generator's
// sequence, seeded once at start-up, with one place where tests seed or script it.
#include <cstdint>

// The next number, as std::rand() gives it (0..RAND_MAX), unless a script is set.
int32_t GameRandom();
void SeedGameRandom(uint32_t seed);

// A test's own source of numbers in place of the generator; null restores it.
using RandomScript = int32_t (*)();
void SetRandomScript(RandomScript script);
