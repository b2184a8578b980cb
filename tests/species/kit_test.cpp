// The behaviour every species takes from the kit: removal at the margin, the
// one-frame death with its ring, bullets written into the pool, volley timing,
// the boss phase clock, the bob and the boss death chain.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/bullet.h"
#include "core/game_codes.h"
#include "core/random.h"
#include "enemy/enemy_fixture.h"
#include "enemy/enemy_ids.h"
#include "enemy/species_kit.h"

namespace {

// A species with nothing of its own.
class KitHost : public SpeciesKit {};

class SpeciesKitTest : public EnemyFixture {
protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        ClearBullets();
        MagnetTimer = 0;
        host.ResetSlot();
        host.status = StatusBlock{};
        host.active = 1;
        host.species = kSpeciesMoth;
        host.grade = 1;
        host.x = 500.0f;
        host.y = 300.0f;
        host.status.hp = 10;
        host.status.maxHp = 10;
        host.status.attack = 17;
        host.status.attack2 = 23;
        host.reward = 100;
    }
    void TearDown() override {
        SetRandomScript(nullptr);
        MagnetTimer = 0;
        ClearBullets();
        EnemyFixture::TearDown();
    }

    static std::vector<int32_t> ActiveEffectTypes() {
        std::vector<int32_t> types;
        for (int i = 0; i < kEffectCount; ++i)
            if (EffectPool.active[i] != 0) types.push_back(EffectPool.type[i]);
        return types;
    }

    KitHost host;
};

TEST_F(SpeciesKitTest, RemovalAtTheMarginIsSilentAndHappensOnceAFrame) {
    struct Case {
        float x, y;
        bool removed;
    };
    const Case cases[] = {{40.0f, 300.0f, true},    {40.5f, 300.0f, false},  {1240.0f, 300.0f, true},
                          {1239.5f, 300.0f, false}, {500.0f, -200.0f, true}, {500.0f, -199.5f, false},
                          {500.0f, 920.0f, true},   {500.0f, 919.5f, false}};
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << c.x << ", " << c.y);
        host.x = c.x;
        host.y = c.y;
        EXPECT_EQ(host.RemoveWhenOutside(200.0f), c.removed);
        EXPECT_EQ(host.active, c.removed ? 0 : 1);
    }
    // Removed without score, items or effect, everything reset but HP.
    SetUp();
    host.x = 40.0f;
    host.phaseTimer = 77;
    ASSERT_TRUE(host.RemoveWhenOutside(200.0f));
    EXPECT_EQ(BaseScore, 0);
    EXPECT_TRUE(ActiveEffectTypes().empty());
    EXPECT_TRUE(ActiveItems(kItemExperience).empty());
    EXPECT_EQ(host.x, 0.0f);
    EXPECT_EQ(host.phaseTimer, 0);
    EXPECT_EQ(host.status.attack, 0);
    EXPECT_EQ(host.status.hp, 10);

    // Outside on both axes: one removal, so a commander's clean-up runs once.
    SetUp();
    host.x = -500.0f;
    host.y = 2000.0f;
    int cleanUps = 0;
    EXPECT_TRUE(host.RemoveWhenOutside(200.0f, [&] { ++cleanUps; }));
    EXPECT_EQ(cleanUps, 1);
    // The butterfly's margin of 100: 140 goes, 141 stays.
    SetUp();
    host.x = 141.0f;
    EXPECT_FALSE(host.RemoveWhenOutside(100.0f));
    host.x = 140.0f;
    EXPECT_TRUE(host.RemoveWhenOutside(100.0f));
}

TEST_F(SpeciesKitTest, DeathRingBySizeWithTheSevenItemStep) {
    const OrdinaryDeath death{DeathBurst::kSmall, DeathCancel::kNone, false,
                              ItemRing{{{3, 4, 5}, {4, 5, 6}, {5, 7, 8}}}};
    struct Case {
        int32_t grade, difficulty, count;
        float step;
    };
    const Case cases[] = {{1, 1, 3, 120.0f}, {1, 3, 5, 72.0f}, {2, 2, 5, 72.0f}, {3, 2, 7, 51.4f}, {3, 3, 8, 45.0f},
                          {0, 2, 0, 0.0f},   {4, 1, 0, 0.0f},  {2, 0, 0, 0.0f},  {2, 4, 0, 0.0f}};
    for (const Case& c : cases) {
        SetUp();
        SCOPED_TRACE(testing::Message() << "grade " << c.grade << " difficulty " << c.difficulty);
        host.grade = c.grade;
        host.status.hp = 0;
        Difficulty = c.difficulty;
        host.DieOrdinary(death);
        const std::vector<const Item*> ring = ActiveItems(kItemExperience);
        ASSERT_EQ(static_cast<int>(ring.size()), c.count);
        for (int k = 0; k < c.count; ++k) EXPECT_FLOAT_EQ(ring[k]->angle, static_cast<float>(k) * c.step);
        EXPECT_TRUE(ActiveItems(kItemBigExperience).empty());
        // The effect and the reward come whatever the ring.
        EXPECT_EQ(ActiveEffectTypes(), std::vector<int32_t>{kEffectEnemyDeath});
        EXPECT_EQ(host.active, 0);
        EXPECT_EQ(BaseScore, 100);
    }
    // The seventh item of a ring of seven sits at 308.4 degrees.
    EXPECT_FLOAT_EQ(SpeciesKit::RingStep(7) * 6.0f, 308.4f);
}

TEST_F(SpeciesKitTest, MiddleDeathBurstsWithTheCancelInItsPlace) {
    // Two bullets on screen: cancelled in mode 1 they leave coin effects.
    const Shot shot{.from = {400.0f, 400.0f}, .angle = 90.0f, .speed = 1.0f, .look = kLookS1};
    OrdinaryDeath death{DeathBurst::kMiddle, DeathCancel::kAfterBurst, true, ItemRing{{{2, 2, 2}, {}, {}}}};
    host.FireShot(shot);
    host.FireShot(shot);
    host.status.hp = 0;
    host.DieOrdinary(death);
    EXPECT_EQ(ActiveEffectTypes(), (std::vector<int32_t>{kEffectMidBossDeath, kEffectCancelCoin, kEffectCancelCoin}));
    EXPECT_EQ(ActiveBullets(), 0);
    EXPECT_EQ(ActiveItems(kItemBigExperience).size(), 1u);
    EXPECT_EQ(ActiveItems(kItemExperience).size(), 2u);
    // The big orb is dropped before the ring.
    EXPECT_EQ(ItemPool[0].kind, kItemBigExperience);

    SetUp();
    death.cancel = DeathCancel::kBeforeBurst;
    host.FireShot(shot);
    host.status.hp = 0;
    host.DieOrdinary(death);
    EXPECT_EQ(ActiveEffectTypes(), (std::vector<int32_t>{kEffectCancelCoin, kEffectMidBossDeath}));
}

TEST_F(SpeciesKitTest, BulletsCarryTheEnemysPowersAimAndLook) {
    BulletTargetPos = Vec3{600.0f, 500.0f, 0.0f};
    BulletSpeedScale = 1.25f;
    host.FireShot(Shot{.from = host.Offset(-2.0f, 5.0f),
                       .angle = 30.0f,
                       .speed = 6.5f,
                       .look = kLookL2,
                       .aimed = true,
                       .behaviour = 21});
    host.FireShot(
        Shot{.from = host.Offset(0.0f, 0.0f), .angle = 90.0f, .speed = 4.0f, .look = kLookM1, .pattern = true});
    const Bullet& a = EnemyBulletPool[0];
    EXPECT_EQ(a.active, 1);
    EXPECT_EQ(a.side, kSideEnemy);
    EXPECT_EQ(a.patternFlag, 0);
    EXPECT_EQ(a.x, 498.0f);
    EXPECT_EQ(a.y, 305.0f);
    EXPECT_EQ(a.angle, 30.0f);
    EXPECT_EQ(a.speed, 6.5f);
    EXPECT_EQ(a.spriteType, 9);
    EXPECT_EQ(a.colour, 2);
    EXPECT_EQ(a.aimed, 1);
    EXPECT_EQ(a.behaviourId, 21);
    EXPECT_EQ(a.power, 17);
    EXPECT_EQ(a.power2, 23);
    EXPECT_EQ(a.speedScale, 1.25f);
    EXPECT_NEAR(a.aimAngle, std::atan2(195.0, 102.0), 1e-6);
    EXPECT_EQ(a.texture, EnemyBulletTexture);
    const Bullet& b = EnemyBulletPool[1];
    EXPECT_EQ(b.patternFlag, 1);
    EXPECT_EQ(b.spriteType, 5);
    EXPECT_EQ(b.colour, 1);
    EXPECT_EQ(b.aimed, 0);
    BulletSpeedScale = 1.0f;
    BulletTargetPos = Vec3{};
}

TEST_F(SpeciesKitTest, VolleyShapes) {
    const Shot s{.from = host.Offset(-2.0f, 0.0f), .angle = 0.0f, .speed = 6.0f, .look = kLookS2};
    host.FireFan(s, 5, 90.0f, 3.0f);                                // 84, 87, 90, 93, 96
    host.FireRing(s, 4, 10.0f);                                     // 10, 100, 190, 280
    host.FireColumn(Shot{s.from, 90.0f, 6.0f, kLookS2}, 3, 0.5f);   // speeds 6, 6.5, 7
    host.FirePair(Shot{{}, 90.0f, 6.0f, kLookS1}, host.Offset(48.0f, 0.0f), host.Offset(-52.0f, 0.0f));
    const float angles[] = {84, 87, 90, 93, 96, 10, 100, 190, 280, 90, 90, 90, 90, 90};
    const float speeds[] = {6, 6, 6, 6, 6, 6, 6, 6, 6, 6, 6.5f, 7, 6, 6};
    ASSERT_EQ(ActiveBullets(), 14);
    for (int i = 0; i < 14; ++i) {
        EXPECT_FLOAT_EQ(EnemyBulletPool[i].angle, angles[i]) << i;
        EXPECT_FLOAT_EQ(EnemyBulletPool[i].speed, speeds[i]) << i;
    }
    EXPECT_EQ(EnemyBulletPool[12].x, 548.0f);
    EXPECT_EQ(EnemyBulletPool[13].x, 448.0f);
}

TEST_F(SpeciesKitTest, FullPoolGivesAPartialVolleyAndTheCounterStillAdvances) {
    for (int i = 0; i < kEnemyBulletCount - 2; ++i) EnemyBulletPool[i].active = 1;
    Difficulty = 3;
    int volleys = 0;
    bool complete = true;
    host.RunVolley(0, {30, 20, 20}, [&](int32_t column) {
        ++volleys;
        EXPECT_EQ(column, 2);
        complete = host.FireFan(Shot{.from = host.Offset(-2.0f, 0.0f), .speed = 6.0f, .look = kLookS2}, 5, 90.0f, 3.0f);
    });
    EXPECT_EQ(volleys, 1);
    EXPECT_FALSE(complete);
    EXPECT_EQ(ActiveBullets(), kEnemyBulletCount);
    EXPECT_EQ(EnemyBulletPool[kEnemyBulletCount - 1].angle, 87.0f);
    EXPECT_EQ(host.shotCounter, 1);
}

TEST_F(SpeciesKitTest, VolleyTimingByStartPeriodAndDifficulty) {
    std::vector<int32_t> fired;
    Difficulty = 1;
    for (int frame = 0; frame < 130; ++frame)
        host.RunVolley(60, {30, 20, 20}, [&](int32_t) { fired.push_back(host.shotCounter); });
    EXPECT_EQ(fired, (std::vector<int32_t>{60, 90, 120}));
    EXPECT_EQ(host.shotCounter, 130);
    // A Difficulty outside 1..3 neither fires nor counts; a block for every
    // Difficulty does both.
    Difficulty = 0;
    host.RunVolley(0, {1, 1, 1}, [&](int32_t) { fired.push_back(-1); });
    EXPECT_EQ(host.shotCounter, 130);
    host.RunVolleyEvery(0, 10, [&] { fired.push_back(host.shotCounter); });
    EXPECT_EQ(fired.back(), 130);
    EXPECT_EQ(host.shotCounter, 131);
}

TEST_F(SpeciesKitTest, PhaseClockChangesAtDurationPlus61AndZeroesThePhaseState) {
    host.phaseDuration = 90;
    host.bossPhase = 1;
    int attackFrames = 0;
    int frame = 0;
    for (; frame < 1000; ++frame) {
        attackFrames += host.PhaseAttacking(AttackWindow::kThroughDuration) ? 1 : 0;
        if (host.PhaseClockExpired()) break;
    }
    EXPECT_EQ(frame, 151);
    EXPECT_EQ(host.phaseTimer, 151);
    EXPECT_EQ(attackFrames, 91);
    host.phaseTimer = 90;
    EXPECT_FALSE(host.PhaseAttacking(AttackWindow::kBeforeDuration));
    host.phaseTimer = 89;
    EXPECT_TRUE(host.PhaseAttacking(AttackWindow::kBeforeDuration));

    host.shotCounter = 5;
    host.toggle = 1;
    host.subMode = 2;
    host.spinAngle = 33.0f;
    host.headingAngle = 1.5f;
    host.cycleCounter = 1;
    host.deathCounter = 4;
    host.EnterPhase(2, 360);
    EXPECT_EQ(host.bossPhase, 2);
    EXPECT_EQ(host.phaseDuration, 360);
    EXPECT_EQ(host.phaseTimer, 0);
    EXPECT_EQ(host.shotCounter, 0);
    EXPECT_EQ(host.toggle, 0);
    EXPECT_EQ(host.subMode, 0);
    EXPECT_EQ(host.spinAngle, 0.0f);
    EXPECT_EQ(host.headingAngle, 0.0f);
    EXPECT_EQ(host.cycleCounter, 1);
    EXPECT_EQ(host.deathCounter, 4);
}

TEST_F(SpeciesKitTest, BobSwingsOverA120FrameCycle) {
    EXPECT_FLOAT_EQ(SpeciesKit::BobStep(0), 1.5f);
    EXPECT_FLOAT_EQ(SpeciesKit::BobStep(45), -0.75f);
    EXPECT_FLOAT_EQ(SpeciesKit::BobStep(60), -1.5f);
    EXPECT_FLOAT_EQ(SpeciesKit::BobStep(119), 1.45f);
    host.bobCounter = 119;
    host.AdvanceBobCounter();
    EXPECT_EQ(host.bobCounter, 0);
    float lowest = host.y;
    for (int i = 0; i < 120; ++i) {
        host.ApplyBob();
        host.AdvanceBobCounter();
        lowest = std::fmax(lowest, host.y);
    }
    EXPECT_NEAR(host.y, 300.0f, 1e-3f);
    EXPECT_NEAR(lowest, 323.25f, 1e-3f);
}

// 10, 20, 35, 10, 20, 35, ...
int ScriptedDraws = 0;
int32_t ScriptedRandom() {
    static const int32_t kValues[] = {10, 20, 35};
    return kValues[ScriptedDraws++ % 3];
}

TEST_F(SpeciesKitTest, BossDeathChainExplodesPausesThenScattersAndPays) {
    Difficulty = 3;
    host.species = kSpeciesBigMoth;
    host.status.hp = 0;
    const BossDeath death{.dyingPhase = 5};
    int frames = 0;
    bool magnetHeld = true;
    while (!host.RunBossDeath(death)) {
        ++frames;
        if (host.deathCounter <= 90) magnetHeld = magnetHeld && MagnetTimer >= 1;
        MagnetTimer = 0;
        ASSERT_LT(frames, 500);
    }
    EXPECT_EQ(frames, 120);   // retired on the 121st frame
    EXPECT_TRUE(magnetHeld);
    EXPECT_EQ(MagnetTimer, 0);   // the quiet frames do not hold it
    int explosions = 0;
    int destruction = 0;
    for (int32_t t : ActiveEffectTypes()) {
        explosions += t == kEffectRisingExplosion ? 1 : 0;
        destruction += t == kEffectMidBossDeath ? 1 : 0;
    }
    EXPECT_EQ(explosions, 45);
    EXPECT_EQ(destruction, 1);
    // Difficulty 3: five groups zig-zagging 50 pixels, rings of ten.
    const std::vector<const Item*> big = ActiveItems(kItemBigExperience);
    ASSERT_EQ(big.size(), 5u);
    EXPECT_EQ(ActiveItems(kItemExperience).size(), 50u);
    EXPECT_EQ(big[0]->x, 400.0f);
    EXPECT_EQ(big[1]->y, 350.0f);
    EXPECT_EQ(big[4]->x, 600.0f);
    EXPECT_EQ(host.active, 0);
    EXPECT_EQ(BaseScore, 100);
}

TEST_F(SpeciesKitTest, GroundBossChainDropsOrbsWithItsExplosionsAndACircleOfBigOrbs) {
    ScriptedDraws = 0;
    SetRandomScript(ScriptedRandom);
    Difficulty = 2;
    host.status.hp = 0;
    const BossDeath death{.dyingPhase = 8,
                          .cancel = CancelTiming::kFirstFrame,
                          .explosionFrames = 150,
                          .explosionPeriod = 3,
                          .itemWithExplosion = true,
                          .finalFrame = 180,
                          .scatter = ItemScatter::kBigItemCircle};
    host.RunBossDeath(death);
    EXPECT_EQ(host.bossPhase, 8);
    // x drawn first, then y, then the orb's angle.
    const std::vector<const Item*> orbs = ActiveItems(kItemExperience);
    ASSERT_EQ(orbs.size(), 1u);
    EXPECT_NEAR(orbs[0]->x, 360.0f + 2.0f * std::cos(35.0f * kDegToRad), 1e-3f);
    EXPECT_NEAR(orbs[0]->y, 170.0f + 2.0f * std::sin(35.0f * kDegToRad), 1e-3f);
    EXPECT_EQ(EffectPool.x[0], 360.0f);
    EXPECT_EQ(EffectPool.y[0], 170.0f);
    while (!host.RunBossDeath(death)) {
    }
    EXPECT_EQ(ActiveItems(kItemExperience).size(), 50u);
    const std::vector<const Item*> big = ActiveItems(kItemBigExperience);
    ASSERT_EQ(big.size(), 6u);
    EXPECT_NEAR(big[0]->x, 600.0f, 1e-3f);
    EXPECT_NEAR(big[0]->y, 300.0f, 1e-3f);
    EXPECT_NEAR(big[1]->x, 550.0f, 1e-3f);   // 60 degrees: up and to the right
    EXPECT_NEAR(big[1]->y, 300.0f - 86.6025f, 1e-3f);
}

}   // namespace
