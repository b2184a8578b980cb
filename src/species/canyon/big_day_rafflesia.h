#pragma once
// Species 15.
#include <cstdint>

#include "enemy/enemy_base.h"

class BigDayRafflesia : public virtual EnemyBase {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame of a live enemy of this species.
    void Update();
    // The boss draw of BigDayRafflesia and BigNightRafflesia (species 15 and 20).
    void DrawBigDayNightRafflesia();
};
