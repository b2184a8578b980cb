#include "species/grass/spider.h"

#include "enemy/enemy_ids.h"
#include "enemy/enemy_stats.h"

namespace {

// After a slow drift up and to the left, 60 frames down, then up and to the
// right, down, up and to the left, ...
constexpr GroundBossRules kSpiderRules{
    .legs = {{1, -135.0f}, {3, 0.0f}, {3, 0.0f}, {4, -45.0f}, {5, 0.0f}, {2, -135.0f}},
    .driftX = 3.0f,
    .driftY = 1.5f,
    .swingX = 6.0f,
    .rageDuration = 240,
    .lastRageCycle = 3,
};

}   // namespace

void Spider::InitStatus(int32_t slot, int32_t level) { ApplySpeciesStats(slot, kSpeciesSpider, level); }

void Spider::Update() {
    RunGroundBossFrame(
        kSpiderRules, [this] { Move(); }, [this] { Fire(); });
}

void Spider::Move() { WalkGroundBoss(kSpiderRules); }
