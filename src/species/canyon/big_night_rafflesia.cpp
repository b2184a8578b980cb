#include "species/canyon/big_night_rafflesia.h"

#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

namespace {

constexpr int32_t kThirdPhaseFrames = 270;

}   // namespace

void BigNightRafflesia::InitStatus(int32_t slot, int32_t level) {
    ApplySpeciesStats(slot, kSpeciesBigNightRafflesia, level);
}

void BigNightRafflesia::Update() {
    RunBigRafflesiaFrame(kThirdPhaseFrames, [this] { Fire(); });
}

void BigNightRafflesia::Fire() {
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    switch (bossPhase) {
        case 1: SweepingHalfFans(column); break;
        case 2: TwinRotatingStreams(column); break;
        case 3: ClosingSpirals(column); break;
        case 4: RandomDoubleRings(column); break;
        case kBigRafflesiaRage:   // the day's spiral mirrored, its colours exchanged
            FireBigRafflesiaRage(column, 1.0f, false);
            break;
        default: return;   // entry and rage transition
    }
    ++shotCounter;
}
