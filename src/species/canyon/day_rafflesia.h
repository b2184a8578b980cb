#pragma once
// Species 13.
#include <cstdint>

#include "enemy/enemy_base.h"

class DayRafflesia : public virtual EnemyBase {
};
