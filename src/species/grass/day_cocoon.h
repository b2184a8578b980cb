#pragma once
// Species 3.
#include <cstdint>

#include "enemy/enemy_base.h"

class DayCocoon : public virtual EnemyBase {
};
