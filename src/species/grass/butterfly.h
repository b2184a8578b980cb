#pragma once
// Species 1.
#include <cstdint>

#include "enemy/enemy_base.h"

class ButterFly : public virtual EnemyBase {
};
