#include "core/player.h"

PlayerBase::PlayerBase() {
    status.level = 1;
    status.hp = 100;
    status.maxHp = 100;
    status.hpRegen = 10;
    status.sp = 60;
    status.maxSp = 60;
    status.spRegen = 20;
    status.attack = 9;
    status.attack2 = 7;
    status.defense = 11;
    status.defense2 = 5;
    status.speed = 4.0f;
}

// Every other field starts as its member initialiser says: timers, counters and
// the contribution blocks 0, selected skill 1, 3000 experience to level 2.
Player::Player() = default;
