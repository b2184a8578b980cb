#include "species/grass/scorpion.h"

#include "core/random.h"
#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

namespace {

// After a diagonal start up and to the right, 60 frames down, then up and to
// the left, down, up and to the right, ...
constexpr GroundBossRules kScorpionRules{
    .legs = {{1, -45.0f}, {3, 0.0f}, {3, 0.0f}, {4, -135.0f}, {5, 0.0f}, {2, -45.0f}},
    .driftX = 1.5f,
    .driftY = 1.5f,
    .swingX = 3.0f,
    .rageDuration = 600,
    .lastRageCycle = 1,   // a rage begun in the third cycle never reaches it
};

constexpr int32_t kRageLegFrames = 20;
constexpr float kRageBottom = 300.0f;   // the rage leash reaches further down

}   // namespace

void Scorpion::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesScorpion, level); }

void Scorpion::Update() {
    if (bossPhase != 0) AdvanceBobCounter();
    RunGroundBossFrame(
        kScorpionRules, [this] { Move(); }, [this] { Fire(); });
}

void Scorpion::Move() {
    if (bossPhase == 6) {
        WanderInRage();
        return;
    }
    WalkGroundBoss(kScorpionRules);
}

void Scorpion::WanderInRage() {
    LeashTo(kRageBottom, kRageY - 10.0f, kRageY + 10.0f);
    if (moveFlag == 1) {
        HeadFor(kHomeX, kRageY, 1.0f);
        return;
    }
    if (phaseTimer % kRageLegFrames == 0) headingAngle = static_cast<float>(GameRandom() % 360);
    StepAlongDegrees(2.0f);
}
