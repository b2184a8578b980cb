#pragma once
// Species 14.
#include <cstdint>

#include "enemy/enemy_base.h"

class Eagle : public virtual EnemyBase {
};
