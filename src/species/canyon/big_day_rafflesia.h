#pragma once
// Species 15.
#include <cstdint>

#include "enemy/enemy_base.h"

class BigDayRafflesia : public virtual EnemyBase {
};
