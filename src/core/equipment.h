#pragma once
// The equipment catalogue and what is equipped.
#include <cstdint>

// The equipped indices: weapons and armour 0..6, accessories 0..5 or -1 (empty),
// shot style 0..2 (also the player's option type).
struct EquippedSlotSet {
    int32_t weaponA = 0;
    int32_t weaponB = 0;
    int32_t armour = 0;
    int32_t accessory1 = -1;
    int32_t accessory2 = -1;
    int32_t shotStyle = 0;
};
extern EquippedSlotSet EquippedSlots;

// A member of Game whose construction resets the shot-style table.
struct ShotStyleTableInitializer {
    ShotStyleTableInitializer();
};
