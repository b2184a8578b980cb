#pragma once
// Species 3.
#include <cstdint>

#include "enemy/enemy_base.h"

class DayCocoon : public virtual EnemyBase {
public:
    // Writes the species' stat row for `level` into the enemy of pool slot `slot`.
    static void InitStatus(int32_t slot, int32_t level);
    // One frame of a live enemy of this species.
    void Update();
    // The cocoon draw of DayCocoon and NightCocoon (species 3 and 8).
    void DrawDayNightCocoon();
};
