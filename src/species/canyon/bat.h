#pragma once
// Species 19.
#include <cstdint>

#include "enemy/enemy_base.h"

class Bat : public virtual EnemyBase {
};
