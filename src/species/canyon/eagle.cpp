#include "species/canyon/eagle.h"

#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

namespace {

// Phase 3 runs 360 frames, and so does the second round's phase 1.
constexpr MidBossDurations kEagleDurations{.phase3 = 360, .secondPhase1 = 360};

}   // namespace

void Eagle::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesEagle, level); }

void Eagle::Update() {
    RunMidBossFrame(kEagleDurations, [this] { Fire(); });
}
