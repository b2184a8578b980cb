#pragma once
#include "core/player.h"

namespace player_test {

// The level-1 contribution block, as asset creation leaves it.
inline void SetLevelOneBase(Player& p) {
    StatusBlock& base = p.statusParts[0];
    base = StatusBlock{};
    base.maxHp = 100;
    base.maxSp = 60;
    base.attack = 9;
    base.attack2 = 7;
    base.defense = 11;
    base.defense2 = 5;
    base.speed = 4.0f;
}

}  // namespace player_test
