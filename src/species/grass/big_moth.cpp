#include "species/grass/big_moth.h"

#include "core/random.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

namespace {

// Grades 2 and 3: from the right, slowing, then a drift to the left.
constexpr int32_t kEntryFrames = 90;
constexpr float kEntryPush = -6.4f;
constexpr float kEntryBrake = 0.0666f;
constexpr float kEntryRise = -0.5f;
constexpr float kDrift = -0.4f;

}   // namespace

void BigMoth::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesBigMoth, level); }

void BigMoth::Update() {
    RunBigFlyerFrame([this] { Move(); }, [this] { FireGrade1(); }, [this] { FireGrade2(); }, [this] { ChangePhase(); });
}

void BigMoth::Move() {
    switch (bossPhase) {
        case kBigFlyerEntering:   // down into view, or in from the right
            if (grade == 1) {
                DescendIntoView();
            } else if (SmallerForm() && phaseTimer < kEntryFrames) {
                x += kEntryBrake * static_cast<float>(phaseTimer) + kEntryPush;
                y += kEntryRise;
            } else if (SmallerForm()) {
                x += kDrift;
            }
            break;
        case kBigFlyerLeaving:   // away up the screen
            ClimbAway();
            break;
        default: break;   // attacking and dying: only the bob
    }
}

// Phase 1 of the first round and phase 2 of each round start at a random
// turn of the rotating angle; every other phase starts at 0.
void BigMoth::ChangePhase() {
    const int32_t from = bossPhase;
    if (grade == 1) {
        EnterNextMidBossPhase();
        if (from == kBigFlyerEntering || from == 1) spinAngle = static_cast<float>(GameRandom() % 360);
    } else if (SmallerForm() && from == kBigFlyerEntering) {
        EnterPhase(kBigFlyerLeaving, kBigFlyerLeavingLength);
    }
}
