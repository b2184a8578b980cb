// The GrandMagicStone: form 0's phase lengths and the list positions of its
// arms, the guard (at spawn, by a skill, after the break) with its barrier,
// the break and the last phases, form 1's thickening cross, and both deaths.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "core/fade.h"
#include "core/game_codes.h"
#include "species/cave/cave_fixture.h"

namespace {

class GrandMagicStoneTest : public CaveFixture {
protected:
    void TearDown() override {
        WhiteoutActive = 0;
        CaveFixture::TearDown();
    }
    // Spawned on its spot, so its entry does not move it.
    static Enemy& SpawnForm(int32_t variant) {
        SpawnEnemy(kSpeciesGrandMagicStone, variant, 640.0f, 250.0f, 1, 3);
        return EnemyPool[0];
    }
    static void Frame() {
        UpdateEnemies();
        UpdateEnemyChildren();
        ClearBullets();
    }
    static const EnemyChild& Satellite(const Enemy& e, int place) {
        return EnemyChildPool[e.GrandMagicStone::satellites[place]];
    }
};

void ExpectSameAngle(float a, float b) { EXPECT_NEAR(std::remainder(a - b, 360.0f), 0.0f, 0.05f); }

TEST_F(GrandMagicStoneTest, FormZeroCyclesItsFourFormationsOnTheirFrames) {
    Enemy& e = SpawnForm(0);
    const std::pair<int, int32_t> expected[] = {{152, 1}, {1054, 2}, {1716, 3}, {2258, 4}, {2800, 1}};
    const int formation[5] = {0, 35, 8, 6, 8};
    std::vector<std::pair<int, int32_t>> starts;
    int32_t phase = e.bossPhase;
    for (int frame = 0; frame < 2820; ++frame) {
        Frame();
        ClearEffects();
        if (e.bossPhase != phase) {
            phase = e.bossPhase;
            starts.emplace_back(frame + 1, phase);
            EXPECT_EQ(LiveSatellites(), 0) << frame;
            for (int i = 0; i < 40; ++i) EXPECT_EQ(e.satelliteTimers[i], 0);
        }
        if (e.phaseTimer == 1) {
            EXPECT_EQ(LiveSatellites(), formation[phase]) << frame;
        }
    }
    ASSERT_EQ(starts.size(), std::size(expected));
    for (size_t i = 0; i < starts.size(); ++i) EXPECT_EQ(starts[i], expected[i]) << i;
}

TEST_F(GrandMagicStoneTest, PhaseOneArmsHoldTheirListPositions) {
    Enemy& e = SpawnForm(0);
    e.EnterPhase(1, 840);
    for (int f = 0; f < 71; ++f) UpdateEnemies();   // t = 0..70
    // List position 0 and 36..39 stay empty; arm g, member j sits at 7(g - 1) + j.
    EXPECT_EQ(e.GrandMagicStone::satellites[0], -1);
    for (int p = 36; p < 40; ++p) EXPECT_EQ(e.GrandMagicStone::satellites[p], -1);
    const float cy = e.y - SpeciesKit::BobStep(e.bobCounter);
    const float radius[8] = {0, 60, 120, 180, 240, 180, 120, 60};
    for (int g = 1; g <= 5; ++g) {
        for (int j = 1; j <= 7; ++j) {
            SCOPED_TRACE(testing::Message() << "arm " << g << " member " << j);
            const int place = 7 * (g - 1) + j;
            ASSERT_NE(e.GrandMagicStone::satellites[place], -1);
            const EnemyChild& c = Satellite(e, place);
            EXPECT_EQ(c.species, j % 2 == 0 ? kSpeciesSatellite : kSpeciesSatellite2);
            EXPECT_EQ(c.variant, 30 + j);
            const float a = 72.0f * g + 10.0f * j + 140.0f;
            EXPECT_NEAR(std::hypot(c.x - e.x, c.y - cy), radius[j], 1e-2f);
            ExpectSameAngle(std::atan2(c.y - cy, c.x - e.x) * kRadToDeg, a);
            EXPECT_FLOAT_EQ(c.spinAngle, a);
        }
    }
}

TEST_F(GrandMagicStoneTest, GuardCountsDownRestoresItsDefencesAndFadesTheBarrier) {
    struct Case {
        int32_t variant, guard;
    };
    for (const Case c : {Case{0, 240}, Case{1, 120}}) {
        SetUp();
        SCOPED_TRACE(c.variant);
        Enemy& e = SpawnForm(c.variant);
        EXPECT_EQ(e.guardTimer, c.guard);
        EXPECT_EQ(e.guardLength, c.guard);
        EXPECT_EQ(e.status.defense, 999);
        EXPECT_EQ(e.status.defense2, 999);
        e.Enemy::Draw();
        EXPECT_EQ(Draws().back().color, 0xB4FFFFFFu);   // alpha 180 at the start
        for (int f = 0; f < c.guard / 2; ++f) Frame();
        SpriteBatch->ClearRecords();
        e.Enemy::Draw();
        EXPECT_EQ(Draws().back().color, 0x5AFFFFFFu);   // 90 halfway
        for (int f = c.guard / 2; f < c.guard - 1; ++f) Frame();
        EXPECT_EQ(e.guardTimer, 1);
        EXPECT_EQ(e.status.defense, 999);
        Frame();
        EXPECT_EQ(e.guardTimer, 0);
        EXPECT_EQ(e.status.defense, 150);
        EXPECT_EQ(e.status.defense2, 150);
        SpriteBatch->ClearRecords();
        e.Enemy::Draw();
        EXPECT_EQ(Draws().size(), 1u);   // no barrier
        // A skill raises it again; it runs out the same way.
        SetGrandMagicStoneGuard(180);
        EXPECT_EQ(e.guardLength, 180);
        EXPECT_EQ(e.status.defense, 999);
        for (int f = 0; f < 180; ++f) Frame();
        EXPECT_EQ(e.guardTimer, 0);
        EXPECT_EQ(e.status.defense2, 150);
    }
}

TEST_F(GrandMagicStoneTest, SecondFormStartsGuardedWhereTheFirstDiedUnderASkillGuard) {
    Enemy& first = SpawnForm(0);
    for (int f = 0; f < 300; ++f) Frame();
    SetGrandMagicStoneGuard(180);
    first.status.hp = 0;
    for (int f = 0; f < 91; ++f) Frame();
    ASSERT_EQ(first.active, 0);
    SpawnForm(1);   // the same slot
    EXPECT_EQ(first.guardTimer, 120);
    EXPECT_EQ(first.guardLength, 120);
    EXPECT_EQ(first.status.defense, 999);
    for (int32_t s : first.GrandMagicStone::satellites) EXPECT_EQ(s, -1);
}

TEST_F(GrandMagicStoneTest, BreakGuardsItThenRingsCloseAndTheLastPhaseBurstsForGood) {
    Enemy& e = SpawnForm(0);
    for (int f = 0; f < 162; ++f) Frame();   // in phase 1, its spawn guard nearly over
    ASSERT_EQ(e.bossPhase, 1);
    ASSERT_EQ(LiveSatellites(), 35);
    e.status.hp = 20001;
    Frame();
    ASSERT_EQ(e.bossPhase, 1);
    e.status.hp = 20000;
    const int32_t scoreBefore = BaseScore;
    Frame();
    EXPECT_EQ(e.bossPhase, 5);
    EXPECT_EQ(e.guardTimer, 480);
    EXPECT_EQ(e.guardLength, 480);
    EXPECT_EQ(e.status.defense, 999);
    EXPECT_EQ(LiveSatellites(), 0);
    EXPECT_EQ(BaseScore - scoreBefore, 35 * 2000);
    EXPECT_EQ(ActiveItems(kItemExperience).size(), 35u * 5u);

    // Phase 5 for 122 frames with the break's own, then the closing rings.
    for (int f = 1; f < 122; ++f) Frame();
    EXPECT_EQ(e.bossPhase, 6);
    std::vector<size_t> bursts;
    std::vector<int32_t> burstLooks;
    for (int f = 0; f < 332; ++f) {
        const int32_t t = e.phaseTimer;
        UpdateEnemies();
        if (t % 60 == 0 && t < 240) {
            // Ring g of ten comes out at t = 60 g, 510 pixels round the boss.
            const int g = t / 60;
            const EnemyChild& c = Satellite(e, 10 * g + 3);
            EXPECT_EQ(c.species, g == 0 || g == 3 ? kSpeciesSatellite2 : kSpeciesSatellite);
            EXPECT_EQ(c.variant, 45);
            EXPECT_NEAR(std::hypot(c.x - e.x, c.y - (e.y - SpeciesKit::BobStep(e.bobCounter))), 510.0f, 1e-2f);
        }
        const std::vector<Bullet> fired = TakeBullets();
        if (!fired.empty()) {
            bursts.push_back(fired.size());
            burstLooks.push_back(fired[0].spriteType);
        }
        UpdateEnemyChildren();
        ClearBullets();
        ClearEffects();
    }
    EXPECT_EQ(e.guardTimer, 480 - 121 - 332);
    // Every 30 frames 120 bullets, colour 2 on every 60th.
    ASSERT_EQ(bursts.size(), 12u);
    for (size_t i = 0; i < bursts.size(); ++i) {
        EXPECT_EQ(bursts[i], 120u);
        EXPECT_EQ(burstLooks[i], i % 2 == 0 ? 7 : 4);
    }
    EXPECT_EQ(e.bossPhase, 7);
    EXPECT_EQ(e.phaseDuration, 99999);
    for (int f = 0; f < 26; ++f) Frame();
    EXPECT_EQ(e.guardTimer, 1);
    Frame();   // the 480th frame after the break
    EXPECT_EQ(e.guardTimer, 0);
    EXPECT_EQ(e.status.defense, 150);
    // The last phase: 60 pairs every 45 frames, colour 1 on every 90th.
    std::vector<Bullet> fired;
    for (int f = 27; f <= 45; ++f) {
        UpdateEnemies();
        fired = TakeBullets();
        if (!fired.empty()) break;
    }
    ASSERT_EQ(fired.size(), 120u);
    EXPECT_EQ(fired[0].spriteType, 7);
    EXPECT_FLOAT_EQ(fired[0].speed, 8.0f);
    EXPECT_FLOAT_EQ(fired[1].speed, 10.0f);
    EXPECT_NEAR(fired[1].angle - fired[0].angle, 3.0f, 1e-4f);
    EXPECT_EQ(e.bossPhase, 7);
}

TEST_F(GrandMagicStoneTest, SecondFormCrossThickensAsItsHpFalls) {
    Enemy& e = SpawnForm(1);
    e.EnterPhase(1, 99999);
    struct Case {
        int32_t hp;
        size_t cross;
        size_t ring;
    };
    for (const Case c :
         {Case{50000, 8, 0}, Case{39999, 16, 0}, Case{29999, 16, 60}, Case{19999, 24, 60}, Case{9999, 32, 60}}) {
        SCOPED_TRACE(c.hp);
        e.status.hp = c.hp;
        e.shotCounter = 0;
        const std::vector<Bullet> ringFrame = EnemyFrame();
        EXPECT_EQ(ringFrame.size(), c.cross + c.ring);
        for (int f = 1; f < 5; ++f) EXPECT_TRUE(EnemyFrame().empty());
        EXPECT_EQ(EnemyFrame().size(), c.cross);   // c = 5: no ring
    }
    // The cross turns six degrees a volley for its first thirty volleys.
    e.status.hp = 50000;
    e.shotCounter = 0;
    e.toggle = 0;
    e.spinAngle = 0.0f;
    const std::vector<Bullet> first = EnemyFrame();
    ASSERT_EQ(first.size(), 8u);
    EXPECT_FLOAT_EQ(first[1].angle, 90.0f);
    EXPECT_EQ(first[1].spriteType, 6);
    EXPECT_FLOAT_EQ(first[4].angle, 45.0f);
    EXPECT_EQ(first[4].spriteType, 9);
    EXPECT_NEAR(first[1].y, e.y + 50.0f, 1e-3f);
    EXPECT_FLOAT_EQ(e.spinAngle, 6.0f);
    for (int f = 1; f < 5 * 181; ++f) EnemyFrame();
    EXPECT_EQ(e.toggle, 0);   // one swing is 181 volleys
}

TEST_F(GrandMagicStoneTest, BothFormsDieSinkingAndPayWithoutItems) {
    struct Case {
        int32_t variant;
        int frames;
        int32_t reward;
        int explosions;
        bool whiteout;
    };
    for (const Case c : {Case{0, 91, 200000, 15, false}, Case{1, 271, 300000, 60, true}}) {
        SetUp();
        SCOPED_TRACE(c.variant);
        Enemy& e = SpawnForm(c.variant);
        for (int f = 0; f < 160; ++f) Frame();   // form 0 has its arms out
        ClearEffects();
        const int live = LiveSatellites();
        EXPECT_EQ(live, c.variant == 0 ? 35 : 0);
        e.status.hp = 0;   // from full HP: no break first
        int frame = 0;
        bool whiteout = false;
        for (; frame < 400 && e.active != 0; ++frame) {
            Frame();
            if (frame == 0) {
                EXPECT_EQ(e.bossPhase, 99);
            }
            whiteout = whiteout || WhiteoutActive == 1;
            EXPECT_EQ(WhiteoutActive, c.whiteout && frame >= 90 ? 1 : 0) << frame;
        }
        EXPECT_EQ(frame, c.frames);
        EXPECT_EQ(whiteout, c.whiteout);
        EXPECT_EQ(BaseScore, live * 2000 + c.reward);
        EXPECT_EQ(ActiveEffects(kEffectFlyingExplosion), c.explosions);
        EXPECT_EQ(ActiveEffects(kEffectRingExplosion), c.explosions + 10);
        EXPECT_EQ(ActiveEffects(kEffectBossDeath), 1);
        EXPECT_EQ(ActiveItems(kItemExperience).size(), static_cast<size_t>(live * 5));
        EXPECT_TRUE(ActiveItems(kItemBigExperience).empty());
    }
}

}   // namespace
