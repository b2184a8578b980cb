#pragma once
// Species 8.
#include <cstdint>

#include "enemy/enemy_base.h"

class NightCocoon : public virtual EnemyBase {
};
