#pragma once
// Species 9.
#include <cstdint>

#include "enemy/enemy_base.h"

class BigMoth : public virtual EnemyBase {
};
