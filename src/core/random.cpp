#include "core/random.h"

#include <cstdlib>

namespace {
RandomScript Script = nullptr;
}  // namespace

int32_t GameRandom() { return Script != nullptr ? Script() : std::rand(); }

void SeedGameRandom(uint32_t seed) { std::srand(seed); }

void SetRandomScript(RandomScript script) { Script = script; }
