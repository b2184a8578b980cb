#pragma once
// Species 20.
#include <cstdint>

#include "enemy/enemy_base.h"

class BigNightRafflesia : public virtual EnemyBase {
};
