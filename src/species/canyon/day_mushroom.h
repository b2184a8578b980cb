#pragma once
// Species 11.
#include <cstdint>

#include "enemy/enemy_base.h"

class DayMushroom : public virtual EnemyBase {
};
