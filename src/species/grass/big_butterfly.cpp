#include "species/grass/big_butterfly.h"

#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

namespace {

constexpr int32_t kAttackLength = 360;

// Entering on the diagonal (every variant but 0): right and down, slowing.
constexpr float kDiagonalX = 9.0f;
constexpr float kDiagonalXBrake = 0.06f;
constexpr float kDiagonalY = 3.0f;
constexpr float kDiagonalYBrake = 0.02f;
constexpr float kDyingSink = 0.1f;

// The drift of the cave's second form in phase 1.
constexpr int32_t kDriftTurn = 90;
constexpr int32_t kDriftBack = 180;
constexpr float kDriftBrake = 0.0333f;
constexpr float kDriftReturn = 0.00833f;

}   // namespace

void BigButterFly::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesBigButterFly, level); }

void BigButterFly::Update() {
    RunBigFlyerFrame([this] { Move(); }, [this] { FireGrade1(); }, [this] { FireGrade2(); }, [this] { ChangePhase(); });
}

void BigButterFly::Move() {
    const float t = static_cast<float>(phaseTimer);
    switch (bossPhase) {
        case kBigFlyerEntering:   // straight down, or on the diagonal
            if (variant == 0) {
                DescendIntoView();
            } else {
                x += kDiagonalX - kDiagonalXBrake * t;
                y += kDiagonalY - kDiagonalYBrake * t;
            }
            break;
        case 1:   // only the cave's second form drifts
            if (grade == 3 && variant == 1) DriftAcross();
            break;
        case kBigFlyerLeaving:   // away up the screen
            ClimbAway();
            break;
        case kBigFlyerDying:   // a slow sink
            y += kDyingSink;
            break;
        default: break;
    }
}

void BigButterFly::DriftAcross() {
    const int32_t t = phaseTimer;
    if (t == kDriftBack) subMode = 1;
    if (subMode == 0) {
        if (t < kDriftTurn) {
            x -= kDriftBrake * static_cast<float>(t);
            y -= 0.05f;
        } else if (t < kDriftBack) {
            x -= 3.0f - kDriftBrake * static_cast<float>(t - kDriftTurn);
            y -= 0.2f;
        }
    } else {
        x += kDriftReturn * static_cast<float>(t - kDriftBack);
        y -= 0.2f;
    }
}

void BigButterFly::ChangePhase() {
    if (grade == 1) {
        EnterNextMidBossPhase();
        return;
    }
    if (!SmallerForm()) return;
    if (bossPhase == kBigFlyerEntering)
        EnterPhase(1, kAttackLength);
    else if (bossPhase == 1)
        EnterPhase(kBigFlyerLeaving, kBigFlyerLeavingLength);
}
