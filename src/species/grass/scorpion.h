#pragma once
// Species 5.
#include <cstdint>

#include "enemy/enemy_base.h"

class Scorpion : public virtual EnemyBase {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame of a live enemy of this species.
    void Update();
    // The ground-boss draw of Scorpion and Spider (species 5 and 10).
    void DrawScorpionSpider();
};
