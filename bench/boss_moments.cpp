#include "boss_moments.h"

#include "app/game.h"
#include "core/bullet.h"
#include "core/emotion.h"
#include "core/field_globals.h"
#include "core/player.h"
#include "enemy/enemy.h"
#include "enemy/enemy_ids.h"
#include "field/field_dispatch.h"
#include "field/field_state.h"
#include "support/busy_field.h"
#include "world_snapshot.h"

namespace benchsupport {

namespace {

constexpr int kProbeFrames = 4000;
constexpr float kHpShares[] = {1.0f, 0.5f, 0.3f, 0.1f};

int32_t EmotionAreaOf(int32_t field) { return field <= 2 ? 1 : field <= 4 ? 2 : 3; }

// The boss's slot, or -1 once it has gone.
int FindBoss(int32_t species) {
    for (int i = 0; i < kEnemyCount; ++i)
        if (EnemyPool[i].active != 0 && EnemyPool[i].species == species) return i;
    return -1;
}

// Enemy bullets that came out in the frame just run.
int FiredThisFrame() {
    int n = 0;
    for (const Bullet& b : EnemyBulletPool) n += b.active != 0 && b.age <= 1 ? 1 : 0;
    return n;
}

// The field at the boss's hold with the boss just spawned at `share` of its HP.
// Returns its slot (-1 when it could not be spawned).
int StartBoss(const BossMoment& boss, float share) {
    testsupport::ResetPlayState();
    StartScriptedRandom();
    CurrentField = boss.field;
    EmotionArea = EmotionAreaOf(boss.field);
    Difficulty = 3;
    FieldStateFor(boss.field)->frame = boss.holdFrame;
    SpawnEnemy(boss.species, boss.variant, boss.x, boss.y, 1, boss.level);
    const int slot = FindBoss(boss.species);
    if (slot < 0) return -1;
    StatusBlock& s = EnemyPool[slot].status;
    s.hp = static_cast<int32_t>(static_cast<float>(s.maxHp) * share);
    if (s.hp < 1) s.hp = 1;
    return slot;
}

// One frame of the probe: the knight neither fires nor falls.
int ProbeFrame(Game& game) {
    ThePlayer.status.hp = ThePlayer.status.maxHp;
    game.UpdatePlay();
    return FiredThisFrame();
}

}  // namespace

const std::vector<BossMoment>& BossMoments() {
    static const std::vector<BossMoment> kMoments = {
        {"BigButterFly", kSpeciesBigButterFly, 0, 1, 1801, 1, 640.0f, -200.0f},
        {"Scorpion", kSpeciesScorpion, 0, 1, 3601, 1, 640.0f, -50.0f},
        {"BigMoth", kSpeciesBigMoth, 0, 2, 1801, 1, 640.0f, -200.0f},
        {"Spider", kSpeciesSpider, 0, 2, 3601, 1, 640.0f, -50.0f},
        {"Eagle", kSpeciesEagle, 0, 3, 2701, 2, 640.0f, -200.0f},
        {"BigDayRafflesia", kSpeciesBigDayRafflesia, 0, 3, 5401, 2, 640.0f, -50.0f},
        {"Bat", kSpeciesBat, 0, 4, 2701, 2, 640.0f, -200.0f},
        {"BigNightRafflesia", kSpeciesBigNightRafflesia, 0, 4, 5401, 2, 640.0f, -50.0f},
        {"BigElement", kSpeciesBigElement, 0, 5, 3601, 3, 640.0f, -200.0f},
        {"MagicStone", kSpeciesMagicStone, 0, 5, 7201, 3, 640.0f, -200.0f},
        {"GrandMagicStone 1", kSpeciesGrandMagicStone, 0, 5, 7212, 3, 640.0f, 200.0f},
        {"GrandMagicStone 2", kSpeciesGrandMagicStone, 1, 5, 7221, 3, 640.0f, 200.0f},
    };
    return kMoments;
}

BusiestFrame PrepareBusiestFrame(Game& game, const BossMoment& boss, WorldSnapshot& moment) {
    BusiestFrame best;
    for (float share : kHpShares) {
        if (StartBoss(boss, share) < 0) break;
        for (int t = 0; t < kProbeFrames && FindBoss(boss.species) >= 0; ++t) {
            const int fired = ProbeFrame(game);
            if (fired > best.fired) best = BusiestFrame{t, share, fired};
        }
    }
    // The same run again up to the frame before the busiest one.
    StartBoss(boss, best.hpShare);
    for (int t = 0; t < best.frame; ++t) ProbeFrame(game);
    ThePlayer.status.hp = ThePlayer.status.maxHp;
    testsupport::FillEveryPool(best.fired);
    moment.Take();
    return best;
}

}  // namespace benchsupport
