// The MagicStone: its phase lengths and formations, the break at 30000 HP with
// its satellites paying, the spiralling sets of phase 5, its own fire by
// Difficulty, the long death without items, and the unarmed second form.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>
#include <vector>

#include "core/fade.h"
#include "core/game_codes.h"
#include "species/cave/cave_fixture.h"

namespace {

class MagicStoneTest : public CaveFixture {
protected:
    void TearDown() override {
        WhiteoutActive = 0;
        CaveFixture::TearDown();
    }
    static Enemy& SpawnStone(float x, float y, int32_t variant = 0) {
        SpawnEnemy(kSpeciesMagicStone, variant, x, y, 1, 3);
        return EnemyPool[0];
    }
    // One frame of the pools, the satellites' bullets thrown away.
    static void Frame() {
        UpdateEnemies();
        UpdateEnemyChildren();
        ClearBullets();
    }
    // Distance and direction (degrees) of satellite `place` from (cx, cy).
    static std::pair<float, float> Polar(const Enemy& e, int place, float cx, float cy) {
        const EnemyChild& c = EnemyChildPool[e.MagicStone::satellites[place]];
        const float dx = c.x - cx;
        const float dy = c.y - cy;
        return {std::sqrt(dx * dx + dy * dy), std::atan2(dy, dx) * kRadToDeg};
    }
    // The stone's y before this frame's bob: where its formation was placed.
    static float PlacedY(const Enemy& e) { return e.y - SpeciesKit::BobStep(e.bobCounter); }
};

// Degrees a and b name the same direction.
void ExpectSameAngle(float a, float b) { EXPECT_NEAR(std::remainder(a - b, 360.0f), 0.0f, 0.05f); }

TEST_F(MagicStoneTest, PhasesKeepTheirLengthsAndEachBringsItsFormation) {
    Enemy& e = SpawnStone(640.0f, -200.0f);
    const std::pair<int, int32_t> expected[] = {{152, 1}, {934, 2}, {1636, 3}, {2598, 1}, {3380, 2}};
    const int formation[4] = {0, 20, 20, 10};
    std::vector<std::pair<int, int32_t>> starts;
    int32_t phase = e.bossPhase;
    for (int frame = 0; frame < 3400; ++frame) {
        Frame();
        ASSERT_EQ(e.active, 1) << frame;   // never taken above the screen in its entry
        ClearEffects();
        if (e.bossPhase != phase) {
            phase = e.bossPhase;
            starts.emplace_back(frame + 1, phase);
            EXPECT_EQ(LiveSatellites(), 0) << frame;
        }
        if (e.phaseTimer == 1) {
            EXPECT_EQ(LiveSatellites(), formation[phase]) << frame;
        }
        if (e.phaseTimer != 71 || starts.size() > 3) continue;
        // t = 70: the rings have settled.
        const float y = PlacedY(e);
        if (phase == 1) {
            const auto [r0, a0] = Polar(e, 0, e.x, y);
            const auto [r1, a1] = Polar(e, 1, e.x, y);
            EXPECT_NEAR(r0, 100.0f, 1e-2f);
            ExpectSameAngle(a0, 70.0f);
            EXPECT_NEAR(r1, 150.0f, 1e-2f);
            ExpectSameAngle(a1, 18.0f - 70.0f);
            EXPECT_FLOAT_EQ(EnemyChildPool[e.MagicStone::satellites[1]].spinAngle, 18.0f - 140.0f);
        } else if (phase == 2) {
            const auto [r0, a0] = Polar(e, 0, e.x - 200.0f, y - 150.0f);
            const auto [r3, a3] = Polar(e, 3, e.x + 200.0f, y - 150.0f);
            EXPECT_NEAR(r0, 100.0f, 1e-2f);
            ExpectSameAngle(a0, 70.0f);
            EXPECT_NEAR(r3, 100.0f, 1e-2f);
            ExpectSameAngle(a3, 54.0f - 70.0f);
            EXPECT_FLOAT_EQ(EnemyChildPool[e.MagicStone::satellites[3]].spinAngle, 75.0f);
        } else if (phase == 3) {
            const auto [r1, a1] = Polar(e, 1, e.x, y);
            EXPECT_NEAR(r1, 150.0f, 1e-2f);
            ExpectSameAngle(a1, 36.0f - 140.0f);
            EXPECT_FLOAT_EQ(EnemyChildPool[e.MagicStone::satellites[1]].spinAngle, 36.0f - 70.0f);
        }
    }
    ASSERT_EQ(starts.size(), std::size(expected));
    for (size_t i = 0; i < starts.size(); ++i) EXPECT_EQ(starts[i], expected[i]) << i;
    EXPECT_EQ(BaseScore, 0);   // the formations went silently
}

TEST_F(MagicStoneTest, BreaksAtThirtyThousandHpAndItsSatellitesPay) {
    // Once in the middle of phase 1, once still in its entry.
    for (const int32_t entryFrames : {162, 5}) {
        SetUp();
        SCOPED_TRACE(entryFrames);
        Enemy& e = SpawnStone(640.0f, -200.0f);
        for (int f = 0; f < entryFrames; ++f) Frame();
        const int live = LiveSatellites();
        PlaceEnemyBullet(false, BulletShot{.x = 400.0f, .y = 500.0f, .size = 2});
        e.status.hp = 30001;
        Frame();
        ASSERT_EQ(e.bossPhase, entryFrames > 152 ? 1 : 0);
        e.status.hp = 30000;
        PlaceEnemyBullet(false, BulletShot{.x = 400.0f, .y = 500.0f, .size = 2});
        const int32_t scoreBefore = BaseScore;
        UpdateEnemies();
        EXPECT_EQ(e.bossPhase, 4);
        EXPECT_EQ(e.phaseDuration, 60);
        EXPECT_EQ(e.phaseTimer, 1);
        for (int32_t s : e.MagicStone::satellites) EXPECT_EQ(s, -1);
        EXPECT_TRUE(ActiveBullets().empty());   // cancelled
        UpdateEnemyChildren();
        // Killed, not removed: each pays its doubled reward and drops its ring.
        EXPECT_EQ(LiveSatellites(), 0);
        EXPECT_EQ(BaseScore - scoreBefore, 50 + live * 2000);
        EXPECT_EQ(ActiveItems(kItemExperience).size(), static_cast<size_t>(live * 5));
        // With the break's own frame the phase lasts 122 frames.
        for (int f = 1; f < 121; ++f) Frame();
        EXPECT_EQ(e.bossPhase, 4);
        EXPECT_EQ(ActiveEffects(kEffectRisingExplosion), 60);
        Frame();
        EXPECT_EQ(e.bossPhase, 5);
        EXPECT_EQ(e.phaseDuration, 658);
    }
}

TEST_F(MagicStoneTest, PhaseFiveSpiralsSetsOfTwentyEveryNinetyFramesSwitchingSpecies) {
    Enemy& e = SpawnStone(640.0f, 160.0f);
    e.EnterPhase(5, 658);
    std::vector<std::pair<int, int32_t>> sets;
    for (int frame = 0; frame < 820; ++frame) {
        const int32_t t = e.phaseTimer;
        UpdateEnemies();
        if (t % 90 == 0) {
            ASSERT_EQ(LiveSatellites(), 20) << frame;
            const int32_t species = EnemyChildPool[e.MagicStone::satellites[0]].species;
            for (int32_t s : e.MagicStone::satellites) EXPECT_EQ(EnemyChildPool[s].species, species);
            sets.emplace_back(frame, species);
        }
        if (t == 30) {
            // A set of species 102 spirals out: place i at s + 18i, radius 2.666 s.
            const auto [r, a] = Polar(e, 2, e.x, PlacedY(e));
            EXPECT_NEAR(r, 2.666f * 30.0f, 1e-2f);
            ExpectSameAngle(a, 30.0f + 36.0f);
            EXPECT_FLOAT_EQ(EnemyChildPool[e.MagicStone::satellites[2]].spinAngle, 36.0f + 15.0f - 180.0f);
        }
        UpdateEnemyChildren();
        ClearBullets();
        ClearEffects();
    }
    // Eight sets a 720-frame round, the species alternating on into the next.
    ASSERT_EQ(sets.size(), 10u);
    for (size_t i = 0; i < sets.size(); ++i) {
        EXPECT_EQ(sets[i].first, 90 * static_cast<int>(i)) << i;
        EXPECT_EQ(sets[i].second, i % 2 == 0 ? kSpeciesSatellite2 : kSpeciesSatellite) << i;
    }
    EXPECT_EQ(e.bossPhase, 5);
    EXPECT_EQ(BaseScore, 0);   // the old sets went silently
}

TEST_F(MagicStoneTest, OwnFireByDifficultyInPhasesThreeAndFive) {
    const size_t fans[3] = {4, 7, 10};
    const size_t rings[3] = {3, 4, 6};
    const size_t ringSize[3] = {20, 30, 40};
    for (int32_t d = 1; d <= 3; ++d) {
        SetUp();
        SCOPED_TRACE(d);
        Difficulty = d;
        Enemy& e = SpawnStone(640.0f, 250.0f);
        e.EnterPhase(3, 900);
        // The second burst falls in the quiet frames after the phase's
        // duration: the volleys go on.
        e.phaseTimer = 839;
        std::vector<std::vector<Bullet>> volleys;
        for (int f = 0; f < 122; ++f) {
            std::vector<Bullet> fired = EnemyFrame();
            if (!fired.empty()) volleys.push_back(fired);
        }
        // Two 61-frame bursts, the second in the other colour.
        ASSERT_EQ(volleys.size(), 2 * fans[d - 1]);
        for (const auto& v : volleys) EXPECT_EQ(v.size(), 18u);
        const Bullet& first = volleys.front()[0];
        EXPECT_FLOAT_EQ(first.angle, -30.0f);
        EXPECT_FLOAT_EQ(first.speed, 6.0f);
        EXPECT_EQ(first.aimed, 1);
        EXPECT_EQ(first.patternFlag, 1);
        EXPECT_EQ(first.spriteType, 6);
        EXPECT_FLOAT_EQ(volleys[fans[d - 1] - 1][0].speed, 6.0f + 0.2f * 3.0f * static_cast<float>(fans[d - 1] - 1));
        EXPECT_EQ(volleys.back()[0].spriteType, 9);

        ClearEnemyChildren();
        e.EnterPhase(5, 658);
        volleys.clear();
        for (int f = 0; f < 60; ++f) {
            std::vector<Bullet> fired = EnemyFrame();
            if (!fired.empty()) volleys.push_back(fired);
        }
        ASSERT_EQ(volleys.size(), rings[d - 1]);
        for (const auto& v : volleys) ASSERT_EQ(v.size(), ringSize[d - 1]);
        const float step = 360.0f / static_cast<float>(ringSize[d - 1]);
        const Bullet& b = volleys[0][0];
        EXPECT_FLOAT_EQ(b.angle, -step / 2.0f);
        EXPECT_NEAR(b.x, e.x + 50.0f * std::cos(-step / 2.0f * kDegToRad), 0.5f);
        EXPECT_FLOAT_EQ(b.speed, 9.0f);
        EXPECT_EQ(b.aimed, 1);
        EXPECT_EQ(b.spriteType, 4);
        EXPECT_EQ(volleys[1][0].spriteType, 7);
        ClearEnemyChildren();
    }
}

TEST_F(MagicStoneTest, DeathRunsTwoHundredFortyOneFramesAndPaysWithoutItems) {
    Enemy& e = SpawnStone(640.0f, -200.0f);
    for (int f = 0; f < 162; ++f) Frame();   // into phase 1, its rings out
    ClearEffects();
    ASSERT_EQ(LiveSatellites(), 20);
    // From full HP straight to its death: no break first.
    e.status.hp = 0;
    Frame();
    EXPECT_EQ(e.bossPhase, 6);
    EXPECT_EQ(LiveSatellites(), 0);
    EXPECT_EQ(BaseScore, 20 * 2000);
    EXPECT_EQ(ActiveItems(kItemExperience).size(), 100u);
    int frame = 1;
    for (; frame < 260 && e.active != 0; ++frame) {
        EXPECT_EQ(WhiteoutActive, frame > 90 ? 1 : 0) << frame;
        if (frame <= 180) {
            EXPECT_GE(MagnetTimer, 1) << frame;
        }
        MagnetTimer = 0;
        const float before = e.y;
        Frame();
        // It sinks a pixel a frame while it explodes, bobbing all along.
        const float sink = e.active != 0 ? e.y - before - SpeciesKit::BobStep(e.bobCounter) : 0.0f;
        EXPECT_NEAR(sink, frame < 180 ? 1.0f : 0.0f, 1e-3f) << frame;
    }
    EXPECT_EQ(frame, 241);
    EXPECT_EQ(BaseScore, 20 * 2000 + 100000);
    // Explosions every fourth frame for three seconds, every fifth of them big,
    // then a ring of six big ones round the centre; the satellites' bursts.
    EXPECT_EQ(ActiveEffects(kEffectFlyingExplosion), 45);
    EXPECT_EQ(ActiveEffects(kEffectRisingExplosion), 36);
    EXPECT_EQ(ActiveEffects(kEffectBossDeath), 9 + 7);
    EXPECT_EQ(ActiveEffects(kEffectEnemyDeath), 20);
    EXPECT_EQ(ActiveItems(kItemExperience).size(), 100u);
    EXPECT_TRUE(ActiveItems(kItemBigExperience).empty());
    EXPECT_TRUE(ActiveItems(kItemCoin).empty());
}

TEST_F(MagicStoneTest, SecondFormWaitsThenRisesAwayWithoutFiringOrPaying) {
    Enemy& e = SpawnStone(640.0f, 300.0f, 1);
    EXPECT_EQ(e.status.maxHp, 999999);
    EXPECT_EQ(e.status.defense, 999);
    EXPECT_EQ(EnemyStatusTable[0].active, 0);   // no gauge
    int frame = 0;
    for (; frame < 200 && e.active != 0; ++frame) {
        if (frame == 61) {
            EXPECT_NEAR(e.y, 300.0f, 25.0f);
        }
        UpdateEnemies();
        EXPECT_TRUE(ActiveBullets().empty());
        EXPECT_EQ(LiveSatellites(), 0);
    }
    // Up ten pixels a frame from t = 61 until it is 400 above the screen.
    EXPECT_GE(frame, 61 + 68);
    EXPECT_LE(frame, 61 + 72);
    EXPECT_EQ(BaseScore, 0);
    // Other forms only bob in place.
    Enemy& still = SpawnStone(640.0f, 300.0f, 2);
    for (int f = 0; f < 300; ++f) UpdateEnemies();
    EXPECT_NEAR(still.y, 300.0f, 25.0f);
}

}   // namespace
