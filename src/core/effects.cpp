#include "core/effects.h"

EffectPoolInitializer::EffectPoolInitializer() = default;
