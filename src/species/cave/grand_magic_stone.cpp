#include "species/cave/grand_magic_stone.h"

GrandMagicStone::GrandMagicStone() { ResetGrandMagicStoneBlock(); }

void GrandMagicStone::ResetGrandMagicStoneBlock() {
    for (int i = 0; i < kSatelliteCount; ++i) {
        satellites[i] = -1;
        satelliteAngles[i] = 0.0f;
        satelliteTimers[i] = 0;
    }
    for (Vec3& v : vectors) v = Vec3{};
    guardTimer = 0;
    guardLength = 0;
    restoreDefense = 150;
    restoreDefense2 = 150;
}
