#pragma once
// Species 6.
#include <cstdint>

#include "enemy/enemy_base.h"

class Moth : public virtual EnemyBase {
};
