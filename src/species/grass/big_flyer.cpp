#include "species/grass/big_flyer.h"

namespace {

// The mid-boss's attack phases and their lengths: the first round opens with
// a short phase 1.
constexpr int32_t kFirstPhaseOneLength = 240;
constexpr int32_t kPhaseLength = 360;
constexpr int32_t kLastAttackPhase = 3;
constexpr int32_t kRounds = 2;

constexpr int32_t kDescentFrames = 90;
constexpr float kDescentSpeed = 10.0f;
constexpr float kDescentBrake = 0.111f;
constexpr float kClimbRate = 0.111f;

constexpr BossDeath kMidBossDeath{.dyingPhase = kBigFlyerDying, .explosionFrames = 90, .finalFrame = 120};
constexpr BossDeath kSmallerDeath{.dyingPhase = kBigFlyerDying, .explosionFrames = 60, .finalFrame = 90};

}   // namespace

void BigFlyer::DrawBigButterFlyMoth() {
    const int32_t left = 256 * (animFrame / 4);
    DrawSheetCell(Rect{left, 0, left + 256, 256}, 128.0f, 128.0f, 2.0f, 1.5f);
}

void BigFlyer::Die() { RunBossDeath(grade == 1 ? kMidBossDeath : kSmallerDeath); }

void BigFlyer::EnterNextMidBossPhase() {
    switch (bossPhase) {
        case kBigFlyerEntering:   // the first round
            EnterPhase(1, kFirstPhaseOneLength);
            break;
        case 1:
        case 2:   // on to the next attack
            EnterPhase(bossPhase + 1, kPhaseLength);
            break;
        case kLastAttackPhase:   // the second round, or away
            if (cycleCounter == kRounds - 1) {
                EnterPhase(kBigFlyerLeaving, kBigFlyerLeavingLength);
            } else {
                ++cycleCounter;
                EnterPhase(1, kPhaseLength);
            }
            break;
        default: break;   // leaving: no next phase
    }
}

void BigFlyer::DescendIntoView() {
    if (phaseTimer < kDescentFrames) y += kDescentSpeed - kDescentBrake * static_cast<float>(phaseTimer);
}

void BigFlyer::ClimbAway() { y -= kClimbRate * static_cast<float>(phaseTimer); }

bool BigFlyer::AdvanceCycle(int32_t restartAt) {
    if (shotCounter >= restartAt) {
        shotCounter = 0;
        return true;
    }
    ++shotCounter;
    return false;
}
