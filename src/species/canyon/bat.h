#pragma once
// Species 19.
#include <cstdint>

#include "enemy/enemy_base.h"

class Bat : public virtual EnemyBase {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame of a live enemy of this species.
    void Update();
};
