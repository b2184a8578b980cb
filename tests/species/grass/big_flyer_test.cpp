// The grass mid-bosses: their phase order when no one touches them, the bob,
// the long death with its item shower, and the leaving without reward.
#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "core/machinery_probe.h"
#include "core/score.h"
#include "species/grass/grass_fixture.h"

namespace {

using machinery_test::SoundProbe;

class BigFlyerTest : public GrassSpeciesTest {};

using PhaseStart = std::pair<int, int32_t>;   // first frame of the phase, the phase

// Counts the draws of the random generator; every draw gives 100.
int RandomDraws = 0;
int32_t CountedDraw() {
    ++RandomDraws;
    return 100;
}

struct UntouchedRun {
    std::vector<PhaseStart> starts;
    std::vector<int32_t> durations;
    std::vector<float> spinAtStart;
    std::vector<int> bulletsPerFrame;
    std::vector<int> drawFrames;   // frames that drew random numbers
    int removedAt = -1;
};

// Updates the enemy of slot 0 until it is gone, noting each phase as it
// begins; the bullets are counted and cleared every frame.
UntouchedRun RunUntouched(Enemy& e) {
    UntouchedRun r;
    RandomDraws = 0;
    SetRandomScript(CountedDraw);
    int32_t phase = e.bossPhase;
    for (int frame = 0; frame < 3000 && e.active != 0; ++frame) {
        const int draws = RandomDraws;
        UpdateEnemies();
        if (RandomDraws != draws) r.drawFrames.push_back(frame);
        int bullets = 0;
        for (const Bullet& b : EnemyBulletPool) bullets += b.active != 0 ? 1 : 0;
        r.bulletsPerFrame.push_back(bullets);
        ClearBullets();
        if (e.active == 0) {
            r.removedAt = frame;
        } else if (e.bossPhase != phase) {
            phase = e.bossPhase;
            r.starts.push_back({frame + 1, phase});
            r.durations.push_back(e.phaseDuration);
            r.spinAtStart.push_back(e.spinAngle);
        }
    }
    return r;
}

TEST_F(BigFlyerTest, MothAtGrade1PlaysItsPhasesTwiceThenLeavesWithoutReward) {
    // Each phase draws its volleys for duration + 1 frames and rests 61.
    Enemy& e = Spawn(kSpeciesBigMoth, 0, 640.0f, -200.0f, 1, 1);
    const UntouchedRun r = RunUntouched(e);
    const std::vector<PhaseStart> starts = {{152, 1}, {454, 2}, {876, 3}, {1298, 1}, {1720, 2}, {2142, 3}, {2564, 4}};
    EXPECT_EQ(r.starts, starts);
    EXPECT_EQ(r.durations, (std::vector<int32_t>{240, 360, 360, 360, 360, 360, 999}));
    // The random turn is drawn on the last frame of phase 0 and of each phase 1.
    EXPECT_EQ(r.drawFrames, (std::vector<int>{151, 453, 1719}));
    ASSERT_EQ(r.spinAtStart.size(), 7u);
    EXPECT_EQ(r.spinAtStart[0], 100.0f);
    EXPECT_EQ(r.spinAtStart[3], 0.0f);   // the second round's phase 1 starts straight
    // Silent on the way in; the first volley on the first frame of phase 1:
    // a cross of 2 x 2 arms of 2 bullets and the seven-bullet aimed fan.
    EXPECT_TRUE(std::all_of(r.bulletsPerFrame.begin(), r.bulletsPerFrame.begin() + 152, [](int n) { return n == 0; }));
    EXPECT_EQ(r.bulletsPerFrame[152], 15);
    // Phase 4 climbs out of the top and is removed without reward.
    EXPECT_GT(r.removedAt, 2564);
    EXPECT_LT(r.removedAt, 2700);
    EXPECT_EQ(BaseScore, 0);
    EXPECT_TRUE(ActiveItems(kItemBigExperience).empty());
}

TEST_F(BigFlyerTest, ButterFlyPhaseOrderByGradeAndItsExitWithoutReward) {
    struct Case {
        int32_t grade;
        std::vector<PhaseStart> starts;
    };
    const Case cases[] = {
        {1, {{152, 1}, {454, 2}, {876, 3}, {1298, 1}, {1720, 2}, {2142, 3}, {2564, 4}}},
        {2, {{152, 1}, {574, 4}}},
        {3, {{152, 1}, {574, 4}}},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "grade " << c.grade);
        Enemy& e = Spawn(kSpeciesBigButterFly, 0, 640.0f, -200.0f, 1, c.grade);
        const UntouchedRun r = RunUntouched(e);
        EXPECT_EQ(r.starts, c.starts);
        EXPECT_EQ(r.durations[0], c.grade == 1 ? 240 : 360);
        EXPECT_GT(r.removedAt, c.starts.back().first);
        EXPECT_EQ(BaseScore, 0);
        EXPECT_TRUE(ActiveItems(kItemExperience).empty());
    }
}

TEST_F(BigFlyerTest, ButterFlySpinnersArePatternBulletsThatFlyStraight) {
    Enemy& e = Spawn(kSpeciesBigButterFly, 0, 640.0f, 200.0f, 1, 1);
    e.bossPhase = 3;
    e.phaseDuration = 360;
    UpdateEnemies();
    ASSERT_EQ(ActiveBullets(), 8);   // four from each of the twin muzzles
    const Bullet first = EnemyBulletPool[0];
    EXPECT_EQ(first.patternFlag, 1);
    EXPECT_EQ(first.behaviourId, 1);
    EXPECT_EQ(first.aimed, 1);
    for (int i = 0; i < 10; ++i) UpdateBullets();
    EXPECT_EQ(EnemyBulletPool[0].speed, first.speed);
    EXPECT_EQ(EnemyBulletPool[0].angle, first.angle);
    EXPECT_EQ(EnemyBulletPool[0].active, 1);
}

TEST_F(BigFlyerTest, MothTurnsItsStreaksBackToZeroBeforeTheirFirstVolley) {
    Enemy& e = Spawn(kSpeciesBigMoth, 0, 640.0f, 300.0f, 1, 1);
    e.bossPhase = 3;
    e.shotCounter = 240;
    e.spinAngle = 77.0f;
    e.BigMoth::FireGrade1();
    // At Difficulty 1 one speed step: three angles and their mirrors, from 0.
    const float angles[6] = {0.0f, 180.0f, 2.0f, 178.0f, 4.0f, 176.0f};
    ASSERT_EQ(ActiveBullets(), 6);
    for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(EnemyBulletPool[i].angle, angles[i]);
        EXPECT_EQ(EnemyBulletPool[i].speed, 7.0f);
        EXPECT_EQ(EnemyBulletPool[i].y, 270.0f);   // the upper muzzle
        EXPECT_EQ(EnemyBulletPool[i].patternFlag, 1);
    }
    EXPECT_EQ(e.spinAngle, 12.0f);
    EXPECT_EQ(e.shotCounter, 241);
}

TEST_F(BigFlyerTest, BobSumsToZeroOverItsHundredAndTwentyFrames) {
    Enemy& e = Spawn(kSpeciesBigMoth, 0, 640.0f, 300.0f, 1, 1);
    e.bossPhase = 2;
    e.phaseDuration = 360;
    float lowest = 300.0f;
    float highest = 300.0f;
    for (int frame = 0; frame < 120; ++frame) {
        UpdateEnemies();
        ClearBullets();
        lowest = std::max(lowest, e.y);
        highest = std::min(highest, e.y);
    }
    EXPECT_NEAR(e.y, 300.0f, 1e-3f);
    // The first frame steps with counter 1: 21.75 pixels down, then 23.25 up.
    EXPECT_NEAR(lowest - 300.0f, 21.75f, 1e-3f);
    EXPECT_NEAR(300.0f - highest, 23.25f, 1e-3f);
}

TEST_F(BigFlyerTest, DeathChainExplodesThenShowersItemsAndPaysTheReward) {
    struct Case {
        int32_t grade, difficulty;
        bool effectPoolFull;   // filled just before the last frame
        int frames, explosions;
        int clusters, ring;
        float firstX, spacing, oddDrop;
    };
    const Case cases[] = {
        {1, 3, false, 121, 45, 5, 10, -100.0f, 50.0f, 50.0f},
        {2, 1, true, 91, 30, 3, 6, -75.0f, 75.0f, 0.0f},
        {3, 2, false, 91, 30, 4, 8, -112.5f, 75.0f, 0.0f},
    };
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "grade " << c.grade << ", Difficulty " << c.difficulty);
        SoundProbe probe;
        Difficulty = c.difficulty;
        Enemy& e = Spawn(kSpeciesBigMoth, 0, 640.0f, 300.0f, 1, c.grade);
        e.bossPhase = 1;
        e.phaseDuration = 360;
        const int32_t reward = e.reward;
        e.status.hp = 0;
        int frames = 0;
        float lastX = 0.0f;
        float lastY = 0.0f;
        while (e.active != 0 && frames < 200) {
            if (e.deathCounter == c.frames - 1) {   // the last frame is next
                probe.StopAll();
                if (c.effectPoolFull)
                    for (int i = 0; i < kEffectCount; ++i)
                        if (EffectPool.active[i] == 0) PlaceEffect(kEffectBulletSlash, 0.0f, 0.0f, 0.0f);
                lastX = e.x;
                lastY = e.y + SpeciesKit::BobStep((e.bobCounter + 1) % 120);
            }
            UpdateEnemies();
            ++frames;
            if (e.active != 0) {
                EXPECT_EQ(e.bossPhase, 5);
                EXPECT_GE(MagnetTimer, 1);
            }
        }
        EXPECT_EQ(frames, c.frames);
        EXPECT_EQ(ActiveEffects(kEffectRisingExplosion), c.explosions);
        EXPECT_EQ(ActiveEffects(kEffectMidBossDeath), c.effectPoolFull ? 0 : 1);
        EXPECT_EQ(SoundProbe::Playing(MidBossDestroySound), !c.effectPoolFull);

        const std::vector<const Item*> big = ActiveItems(kItemBigExperience);
        ASSERT_EQ(static_cast<int>(big.size()), c.clusters);
        EXPECT_EQ(static_cast<int>(ActiveItems(kItemExperience).size()), c.clusters * c.ring);
        for (int i = 0; i < c.clusters; ++i) {
            EXPECT_FLOAT_EQ(big[i]->x, lastX + c.firstX + c.spacing * static_cast<float>(i));
            EXPECT_FLOAT_EQ(big[i]->y, lastY + c.oddDrop * static_cast<float>(i % 2));
        }
        EXPECT_EQ(BaseScore, reward);   // a boss's reward is never doubled
    }
}

TEST_F(BigFlyerTest, DyingButterFlyCancelsEveryEnemyBulletOnEveryFrame) {
    Enemy& e = Spawn(kSpeciesBigButterFly, 0, 640.0f, 300.0f, 1, 1);
    e.bossPhase = 2;
    e.status.hp = 0;
    const float startY = e.y;
    int frames = 0;
    while (e.active != 0 && frames < 200) {
        PlaceEnemyBullet(false, BulletShot{.x = 400.0f, .y = 100.0f, .angle = 90.0f, .speed = 1.0f});
        UpdateEnemies();
        ++frames;
        EXPECT_EQ(ActiveBullets(), 0) << "frame " << frames;
        if (frames == 120) {
            EXPECT_NEAR(e.y - startY, 11.9f, 1e-3f) << "the slow sink while dying";
        }
    }
    EXPECT_EQ(frames, 121);
}

}   // namespace
