#pragma once
// Species 10.
#include <cstdint>

#include "enemy/enemy_base.h"

class Spider : public virtual EnemyBase {
};
