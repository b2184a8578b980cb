#pragma once
// Species 5.
#include <cstdint>

#include "enemy/enemy_base.h"

class Scorpion : public virtual EnemyBase {
};
