#pragma once
// Species 18.
#include <cstdint>

#include "enemy/enemy_base.h"

class NightRafflesia : public virtual EnemyBase {
};
