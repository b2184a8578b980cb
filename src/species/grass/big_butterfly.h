#pragma once
// Species 4.
#include <cstdint>

#include "enemy/enemy_base.h"

class BigButterFly : public virtual EnemyBase {
};
