#pragma once
// The pool of 1000 visual effects.
#include <cstdint>

// A member of Game whose construction resets the effect pool.
struct EffectPoolInitializer {
    EffectPoolInitializer();
};
