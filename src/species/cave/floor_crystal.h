#pragma once
// Species 25.
#include <cstdint>

#include "enemy/enemy_base.h"

class FloorCrystal : public virtual EnemyBase {
};
