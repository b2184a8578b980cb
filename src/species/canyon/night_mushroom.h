#pragma once
// Species 16.
#include <cstdint>

#include "enemy/enemy_base.h"

class NightMushroom : public virtual EnemyBase {
};
