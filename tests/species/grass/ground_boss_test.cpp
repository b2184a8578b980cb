// What the two grass bosses share: the untouched cycle and the escape, the
// entry and the zig-zag by their own numbers, the rage with its threshold and
// its passes, and the 181-frame death.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/game_codes.h"
#include "core/machinery_probe.h"
#include "core/popups.h"
#include "core/score.h"
#include "species/grass/ground_boss_fixture.h"

namespace {

struct BossCase {
    int32_t species;
    int32_t ragePasses[3];   // by the cycle count at which the rage began; -1: it never escapes
    int32_t rageDuration;
    // The zig-zag's first leg (driftX cos h, driftY sin h), its first climb (swingX cos h, -2).
    float driftHeading, driftX, driftY;
    float swingHeading, swingX;
};

const BossCase kScorpionCase{kSpeciesScorpion, {2, 1, -1}, 600, -45.0f, 1.5f, 1.5f, -135.0f, 3.0f};
const BossCase kSpiderCase{kSpeciesSpider, {4, 3, 2}, 240, -135.0f, 3.0f, 1.5f, -45.0f, 6.0f};

double Rad(float degrees) { return static_cast<double>(degrees * kDegToRad); }

class GroundBossTest : public GroundBossFixture, public ::testing::WithParamInterface<BossCase> {};

struct PhaseChange {
    int frame;
    int32_t phase;
};

TEST_P(GroundBossTest, UntouchedItCyclesThreeTimesThenEscapesWithoutReward) {
    Enemy& e = SpawnBoss(GetParam().species);
    std::vector<PhaseChange> changes;
    int frame = 0;
    float escapeY = 0.0f;
    for (; frame < 5000 && e.active != 0; ++frame) {
        const int32_t before = e.bossPhase;
        const float y = e.y;
        UpdateEnemies();
        if (e.active == 0) break;
        if (e.bossPhase != before) changes.push_back({frame, e.bossPhase});
        if (e.bossPhase == 7 && before != 7) escapeY = e.y;
        if (before == 7) {
            EXPECT_FLOAT_EQ(e.y, y - 3.0f);
        }
        ClearBullets();
    }
    // Entry 152 frames; then phases of 360 + 62, 60 + 62, 360 + 62, 120 + 62.
    const std::vector<int32_t> phases{1, 2, 3, 4, 1, 2, 3, 4, 1, 2, 3, 4, 7};
    const std::vector<int> frames{151, 573, 695, 1117, 1299, 1721, 1843, 2265, 2447, 2869, 2991, 3413, 3595};
    ASSERT_EQ(changes.size(), phases.size());
    for (size_t i = 0; i < changes.size(); ++i) {
        EXPECT_EQ(changes[i].phase, phases[i]) << i;
        EXPECT_EQ(changes[i].frame, frames[i]) << i;
    }
    // It escapes from home and is removed once 400 pixels above the playfield.
    EXPECT_NEAR(escapeY, 150.0f, 10.0f);
    const int climb = static_cast<int>(std::ceil((escapeY + 400.0f) / 3.0f));
    EXPECT_EQ(frame, 3595 + climb);
    EXPECT_EQ(e.active, 0);
    EXPECT_EQ(BaseScore, 0);
    EXPECT_EQ(ItemCount(kItemBigExperience), 0);
    EXPECT_EQ(ActiveEffects(kEffectMidBossDeath), 0);
}

TEST_P(GroundBossTest, EntryStopsAfterNinetyFramesThenTheZigZagBegins) {
    const BossCase& c = GetParam();
    Enemy& e = SpawnBoss(c.species);
    for (int f = 0; f < 90; ++f) UpdateEnemies();
    // 6 x 90 less 0.0666 x (0 + 1 + ... + 89).
    EXPECT_NEAR(e.y, -50.0f + 540.0f - 0.0666f * 4005.0f, 1e-2f);
    const float landed = e.y;
    for (int f = 90; f < 152; ++f) UpdateEnemies();
    EXPECT_EQ(e.y, landed);
    EXPECT_EQ(e.bossPhase, 1);
    // Legs of 60 frames: the drift, then 2 down, then the climb.
    for (int f = 0; f < 60; ++f) UpdateEnemies();
    EXPECT_NEAR(e.x, 640.0f + 60.0f * c.driftX * std::cos(Rad(c.driftHeading)), 1e-2f);
    EXPECT_NEAR(e.y, landed + 60.0f * c.driftY * std::sin(Rad(c.driftHeading)), 1e-2f);
    const float x1 = e.x;
    const float y1 = e.y;
    for (int f = 0; f < 60; ++f) UpdateEnemies();
    EXPECT_FLOAT_EQ(e.x, x1);
    EXPECT_NEAR(e.y, y1 + 120.0f, 1e-3f);
    for (int f = 0; f < 60; ++f) UpdateEnemies();
    EXPECT_NEAR(e.x, x1 + 60.0f * c.swingX * std::cos(Rad(c.swingHeading)), 1e-2f);
    EXPECT_NEAR(e.y, y1, 1e-2f);
}

TEST_P(GroundBossTest, RagesAtTenThousandHpNotAboveAndNotWhileEscaping) {
    Enemy& e = BossInPhase(GetParam().species, 2, 60);
    e.phaseTimer = 70;   // resting: no volley of its own this frame
    PlaceEnemyBullet(false, BulletShot{.x = 300.0f, .y = 500.0f, .angle = 90.0f, .size = 1});
    e.status.hp = 10001;
    UpdateEnemies();
    EXPECT_EQ(e.bossPhase, 2);
    EXPECT_EQ(ActiveBullets(), 1);

    e.status.hp = 10000;
    UpdateEnemies();
    EXPECT_EQ(e.bossPhase, 5);
    EXPECT_EQ(e.phaseDuration, 60);
    EXPECT_EQ(e.phaseTimer, 1);   // the clock runs on in the frame of the rage
    EXPECT_EQ(ActiveBullets(), 0);
    // The warning: explosions round the boss every frame, then the rage
    // 121 frames after the frame it began.
    const int explosions = ActiveEffects(kEffectRisingExplosion);
    int frames = 0;
    while (e.bossPhase == 5 && frames < 500) {
        UpdateEnemies();
        ++frames;
    }
    EXPECT_EQ(frames, 121);
    EXPECT_EQ(ActiveEffects(kEffectRisingExplosion) - explosions, 121);
    EXPECT_EQ(e.bossPhase, 6);
    EXPECT_EQ(e.phaseDuration, GetParam().rageDuration);

    // Already in the entry it rages; escaping, it does not.
    Enemy& entering = BossInPhase(GetParam().species, 0, 90, 640.0f, -50.0f);
    entering.status.hp = 10000;
    UpdateEnemies();
    EXPECT_EQ(entering.bossPhase, 5);
    Enemy& escaping = BossInPhase(GetParam().species, 7, 999);
    escaping.status.hp = 10000;
    UpdateEnemies();
    EXPECT_EQ(escaping.bossPhase, 7);
}

TEST_P(GroundBossTest, RagePassesCountOnFromTheCycleTheRageBeganIn) {
    for (int32_t cycle = 0; cycle < 3; ++cycle) {
        SCOPED_TRACE(cycle);
        SetUp();
        Enemy& e = BossInPhase(GetParam().species, 2, 60);
        e.cycleCounter = cycle;
        e.status.hp = 10000;
        UpdateEnemies();
        ASSERT_EQ(e.bossPhase, 5);
        const int expected = GetParam().ragePasses[cycle];
        const int cap = 121 + 12 * (GetParam().rageDuration + 62);
        int passes = 0;
        int passStart = -1;
        for (int f = 0; f < cap && e.bossPhase != 7; ++f) {
            UpdateEnemies();
            ClearBullets();
            // A pass begins on the frame of the change, its timer still 0.
            if (e.bossPhase != 6 || e.phaseTimer != 0) continue;
            if (passStart >= 0) {
                EXPECT_EQ(f - passStart, GetParam().rageDuration + 62);
            }
            passStart = f;
            ++passes;
        }
        if (expected < 0) {
            EXPECT_EQ(e.bossPhase, 6);   // still raging when the test stops waiting
            EXPECT_GE(passes, 12);
        } else {
            EXPECT_EQ(e.bossPhase, 7);
            EXPECT_EQ(passes, expected);
        }
    }
}

// 0, 1, 2, ...
int RandomDraws = 0;
int32_t Counting() { return RandomDraws++; }

TEST_P(GroundBossTest, DeathExplodesFor150FramesRestsAndPaysOnThe181st) {
    for (int32_t difficulty = 1; difficulty <= 3; ++difficulty) {
        for (const bool effectsFull : {false, true}) {
            SCOPED_TRACE(testing::Message() << "Difficulty " << difficulty << (effectsFull ? " full" : ""));
            SetUp();
            machinery_test::SoundProbe sound;
            Difficulty = difficulty;
            ScrollSpeed = 1.5f;   // the dying boss sinks half a pixel a frame
            RandomDraws = 0;
            SetRandomScript(Counting);
            // Killed while escaping, it still dies in full.
            Enemy& e = BossInPhase(GetParam().species, 7, 999, 600.0f, 180.0f);
            PlaceEnemyBullet(false, BulletShot{.x = 300.0f, .y = 500.0f, .angle = 90.0f, .size = 1});
            e.status.hp = 0;
            int explosions = 0;
            int frame = 0;
            for (; frame < 180; ++frame) {
                MagnetTimer = 0;
                const int before = ActiveEffects(kEffectRisingExplosion);
                const int32_t draw = RandomDraws;
                UpdateEnemies();
                ASSERT_EQ(e.active, 1);
                EXPECT_EQ(e.bossPhase, 8);
                // Up 3 in the frame of the kill, then down half a pixel a frame.
                EXPECT_FLOAT_EQ(e.y, 177.0f + 0.5f * static_cast<float>(frame));
                EXPECT_EQ(MagnetTimer, frame < 150 ? 1 : 0) << frame;
                const int added = ActiveEffects(kEffectRisingExplosion) - before;
                EXPECT_EQ(added, frame < 150 && frame % 3 == 0 ? 1 : 0) << frame;
                if (added == 1) {
                    // x drawn first, then y, then the orb's angle.
                    bool found = false;
                    for (int k = 0; k < kEffectCount && !found; ++k)
                        found = EffectPool.active[k] != 0 && EffectPool.type[k] == kEffectRisingExplosion &&
                                EffectPool.x[k] == e.x - 150.0f + static_cast<float>(draw % 300) &&
                                EffectPool.y[k] == e.y - 150.0f + static_cast<float>((draw + 1) % 300);
                    EXPECT_TRUE(found) << frame;
                    ++explosions;
                }
                if (frame == 0) {
                    EXPECT_EQ(ActiveBullets(), 0);
                }
            }
            EXPECT_EQ(explosions, 50);
            EXPECT_EQ(ItemCount(kItemExperience), 50);
            EXPECT_EQ(ItemCount(kItemBigExperience), 0);

            if (effectsFull)
                while (PlaceEffect(kEffectSlash, 0.0f, 0.0f, 0.0f) >= 0) {
                }
            sound.StopAll();
            const float x = e.x;
            const float y = e.y + 0.5f;
            const int32_t score = BaseScore;   // the cancelled bullet has paid already
            UpdateEnemies();                   // the 181st frame
            EXPECT_EQ(e.active, 0);
            EXPECT_EQ(BaseScore - score, 30000);
            EXPECT_EQ(ActiveEffects(kEffectMidBossDeath), effectsFull ? 0 : 1);
            EXPECT_EQ(machinery_test::SoundProbe::Playing(MidBossDestroySound), !effectsFull);
            const int n = difficulty == 1 ? 5 : difficulty == 2 ? 6 : 8;
            std::vector<const Item*> big;
            for (const Item& it : ItemPool)
                if (it.active != 0 && it.kind == kItemBigExperience) big.push_back(&it);
            ASSERT_EQ(static_cast<int>(big.size()), n);
            for (int i = 0; i < n; ++i) {
                const double a =
                    static_cast<double>(static_cast<float>(i) * (360.0f / static_cast<float>(n)) * kDegToRad);
                EXPECT_NEAR(big[i]->x, x + 100.0f * std::cos(a), 1e-3) << i;
                EXPECT_NEAR(big[i]->y, y - 100.0f * std::sin(a), 1e-3) << i;
            }
            if (!effectsFull) {
                for (int k = 0; k < kEffectCount; ++k) {
                    if (EffectPool.active[k] == 0 || EffectPool.type[k] != kEffectMidBossDeath) continue;
                    EXPECT_EQ(EffectPool.x[k], x);
                    EXPECT_EQ(EffectPool.y[k], y);
                }
            }
            SetRandomScript(nullptr);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(GrassBosses, GroundBossTest, ::testing::Values(kScorpionCase, kSpiderCase),
                         [](const ::testing::TestParamInfo<BossCase>& info) {
                             return info.param.species == kSpeciesScorpion ? std::string("Scorpion")
                                                                           : std::string("Spider");
                         });

}   // namespace
