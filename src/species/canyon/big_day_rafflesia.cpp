#include "species/canyon/big_day_rafflesia.h"

#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

namespace {

constexpr int32_t kThirdPhaseFrames = 240;

}   // namespace

void BigDayRafflesia::InitStatus(int32_t slot, int32_t level) {
    ApplySpeciesStats(slot, kSpeciesBigDayRafflesia, level);
}

void BigDayRafflesia::Update() {
    RunBigRafflesiaFrame(kThirdPhaseFrames, [this] { Fire(); });
}

void BigDayRafflesia::Fire() {
    const int32_t column = DifficultyColumn();
    if (column < 0) return;
    switch (bossPhase) {
        case 1: CounterRotatingRings(column); break;
        case 2: FanWheelWithTriples(column); break;
        case 3: FanAndSheddingStar(column); break;
        case 4: BreathingFanWheel(column); break;
        case kBigRafflesiaRage:   // the spiral turning against the clock
            FireBigRafflesiaRage(column, -1.0f, true);
            break;
        default: return;   // entry and rage transition
    }
    ++shotCounter;
}
