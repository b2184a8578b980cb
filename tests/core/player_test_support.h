#pragma once
#include <array>

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

// Max HP, max SP, attack, attack2, defense, defense2 of a block, for one-line checks.
inline std::array<int32_t, 6> Stats(const StatusBlock& b) {
    return {b.maxHp, b.maxSp, b.attack, b.attack2, b.defense, b.defense2};
}
using StatRow = std::array<int32_t, 6>;

}  // namespace player_test
