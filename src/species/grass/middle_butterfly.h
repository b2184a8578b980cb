#pragma once
// Species 2.
#include <cstdint>

#include "enemy/enemy_base.h"

class MiddleButterFly : public virtual EnemyBase {
};
