#include "species/canyon/canyon_mid_boss.h"

#include "core/bullet.h"
#include "core/game_codes.h"
#include "core/random.h"

namespace {

constexpr int32_t kCanyonGrade = 2;
// The boss phases: 0 the entry, 1..3 the attacks, 4 leaving, 5 dying.
constexpr int32_t kEntryPhase = 0;
constexpr int32_t kLeavingPhase = 4;
constexpr int32_t kDyingPhase = 5;
constexpr int32_t kEntryGlideFrames = 90;
constexpr float kGlideSpeed = 10.0f;
constexpr float kGlideBrake = 0.111f;   // the glide slows, the climb speeds up, by this per frame
constexpr float kSinkSpeed = 0.1f;
constexpr int32_t kFirstPhase1Duration = 240;
constexpr int32_t kPhase2Duration = 300;
constexpr int32_t kLeavingDuration = 999;

constexpr BossDeath kMidBossDeath{
    .dyingPhase = kDyingPhase,
    .cancel = CancelTiming::kFirstFrame,
    .explosionFrames = 90,
    .explosionPeriod = 2,
    .finalFrame = 120,
    .destructionEffect = kEffectMidBossDeath,
    .scatter = ItemScatter::kGroupShower,
};

}   // namespace

bool CanyonMidBoss::InCanyon() const { return grade == kCanyonGrade; }

void CanyonMidBoss::MoveEagleBat() {
    const float t = static_cast<float>(phaseTimer);
    switch (bossPhase) {
        case kEntryPhase:   // the glide down, slowing
            if (phaseTimer < kEntryGlideFrames) y += kGlideSpeed - kGlideBrake * t;
            break;
        case kLeavingPhase: y += -kGlideBrake * t; break;   // the climb away, speeding up
        case kDyingPhase: y += kSinkSpeed; break;           // the sinking wreck
        default: break;
    }
    ApplyBob();
}

void CanyonMidBoss::NextMidBossPhase(const MidBossDurations& durations) {
    switch (bossPhase) {
        case kEntryPhase: EnterPhase(1, kFirstPhase1Duration); break;
        case 1: EnterPhase(2, kPhase2Duration); break;
        case 2: EnterPhase(3, durations.phase3); break;
        case 3:
            if (cycleCounter == 0) {
                EnterPhase(1, durations.secondPhase1);
                cycleCounter = 1;
            } else {
                EnterPhase(kLeavingPhase, kLeavingDuration);
            }
            break;
        default: break;   // leaving: the clock stops
    }
}

void CanyonMidBoss::DieMidBoss() {
    if (InCanyon()) {
        RunBossDeath(kMidBossDeath);
        return;
    }
    // Outside the canyon the chain never starts: the phase and the cancel only.
    bossPhase = kDyingPhase;
    if (deathCounter == 0) CancelEnemyBullets(1);
}

void CanyonMidBoss::FireEntrySpray(int32_t column, Muzzle from) {
    if (!VolleyDue(0, kSprayPeriods[column])) return;
    for (int32_t i = 0; i < 4; ++i) {
        const int32_t turn = GameRandom();
        const int32_t pace = GameRandom();
        FireShot(Shot{.from = from,
                      .angle = static_cast<float>(turn % 90 - 45),
                      .speed = 3.0f + static_cast<float>(pace % 60) / 10.0f,
                      .look = i % 2 == 0 ? kLookL1 : kLookL2,
                      .aimed = true,
                      .pattern = true});
    }
}
