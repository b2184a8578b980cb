#pragma once
// Species 7.
#include <cstdint>

#include "enemy/enemy_base.h"

class MiddleMoth : public virtual EnemyBase {
};
