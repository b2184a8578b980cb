#include "core/equipment.h"

EquippedSlotSet EquippedSlots;

ShotStyleTableInitializer::ShotStyleTableInitializer() = default;
