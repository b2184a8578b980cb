#include "species/canyon/bat.h"

#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

namespace {

// Phase 3 runs 180 frames, the second round's phase 1 240.
constexpr MidBossDurations kBatDurations{.phase3 = 180, .secondPhase1 = 240};

}   // namespace

void Bat::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesBat, level); }

void Bat::Update() {
    RunMidBossFrame(kBatDurations, [this] { Fire(); });
}
