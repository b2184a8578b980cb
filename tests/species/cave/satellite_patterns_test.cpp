// The satellites' attack patterns: age windows, cycles, the sweeping pair, the
// speed steps of the spinning streams, the dart, and the ids without a pattern.
#include <gtest/gtest.h>

#include <map>

#include "core/game_codes.h"
#include "species/cave/cave_fixture.h"

namespace {

class SatellitePatternTest : public CaveFixture {
protected:
    // A satellite standing 300 pixels straight above the player.
    static EnemyChild& Stand(int32_t species, int32_t pattern) {
        return EnemyChildPool[SpawnEnemyChild(species, pattern, 640.0f, 300.0f, 0, 10, 11)];
    }
    // Bullets fired at each age of the first `frames` frames (ages with none left out).
    static std::map<int, std::vector<Bullet>> RunAges(int frames) {
        std::map<int, std::vector<Bullet>> volleys;
        for (int age = 0; age < frames; ++age) {
            std::vector<Bullet> fired = SatelliteFrame();
            if (!fired.empty()) volleys[age] = fired;
        }
        return volleys;
    }
};

TEST_F(SatellitePatternTest, AgeWindowsIncludeBothBounds) {
    struct Case {
        int32_t pattern;
        int first, last, period, perVolley;
    };
    const Case cases[] = {{12, 60, 420, 60, 12}, {34, 450, 750, 10, 5}, {31, 0, 90, 2, 2}};
    for (const Case& k : cases) {
        SetUp();
        SCOPED_TRACE(k.pattern);
        Difficulty = 3;
        EnemyChild& s = Stand(kSpeciesSatellite, k.pattern);
        const auto volleys = RunAges(k.last + 40);
        ASSERT_FALSE(volleys.empty());
        EXPECT_EQ(volleys.begin()->first, k.first);
        EXPECT_EQ(volleys.rbegin()->first, k.last);
        EXPECT_EQ(static_cast<int>(volleys.size()), (k.last - k.first) / k.period + 1);
        for (const auto& [age, fired] : volleys) EXPECT_EQ(static_cast<int>(fired.size()), k.perVolley) << age;
        // No counting outside the window.
        EXPECT_EQ(s.shotCounter, k.last - k.first + 1);
    }
}

TEST_F(SatellitePatternTest, ElementFansFireTenVolleysInEachSixtyOneFrameCycle) {
    Stand(kSpeciesSatellite, 1);
    const auto volleys = RunAges(62);
    int bullets = 0;
    for (const auto& [age, fired] : volleys)
        if (age <= 60) bullets += static_cast<int>(fired.size());
    EXPECT_EQ(bullets, 50);
    EXPECT_EQ(volleys.rbegin()->first, 61);   // c is back at 0
    const std::vector<Bullet>& first = volleys.at(0);
    ASSERT_EQ(first.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        EXPECT_FLOAT_EQ(first[i].angle, -30.0f + 20.0f * static_cast<float>(i));
        EXPECT_FLOAT_EQ(first[i].speed, 3.5f);
        EXPECT_EQ(first[i].aimed, 1);
        EXPECT_EQ(first[i].spriteType, 6);
        EXPECT_EQ(first[i].power, 10);
        EXPECT_EQ(first[i].power2, 11);
    }
    EXPECT_FLOAT_EQ(volleys.at(18)[0].speed, 8.9f);
    EXPECT_FLOAT_EQ(volleys.at(61)[0].speed, 3.5f);
}

TEST_F(SatellitePatternTest, SweepingPairTakesTurnsAlongTheAimOfItsWindow) {
    for (int32_t d : {1, 3}) {
        SetUp();
        SCOPED_TRACE(d);
        Difficulty = d;
        Stand(kSpeciesSatellite, 11);
        Stand(kSpeciesSatellite2, 11);
        std::map<int, std::vector<Bullet>> volleys;
        for (int age = 0; age < 141; ++age) {
            if (age == 61 || age == 101) ChildTargetPos = Vec3{340.0f, 300.0f, 0.0f};   // the aim holds
            if (age == 100) ChildTargetPos = kPlayer;
            std::vector<Bullet> fired = SatelliteFrame();
            if (!fired.empty()) volleys[age] = fired;
        }
        // Species 101 at ages 60..80, species 102 at 100..120, every other frame.
        ASSERT_EQ(volleys.size(), 22u);
        EXPECT_EQ(volleys.begin()->first, 60);
        EXPECT_EQ(volleys.rbegin()->first, 120);
        const size_t fan = d == 3 ? 5u : 3u;
        const size_t spray = d == 3 ? 12u : 0u;
        EXPECT_EQ(volleys.at(60).size(), fan);
        EXPECT_EQ(volleys.at(80).size(), fan + spray);
        EXPECT_EQ(volleys.at(100)[0].colour, 2);
        EXPECT_FLOAT_EQ(volleys.at(60)[0].speed, 6.0f);
        EXPECT_FLOAT_EQ(volleys.at(80)[0].speed, 10.0f);
        EXPECT_NEAR(volleys.at(78)[0].angle, 70.0f, 1e-3f);
        EXPECT_NEAR(volleys.at(118)[fan - 1].angle, 110.0f, 1e-3f);
        if (d == 3) {
            // Columns of three small bullets from aim - 17, slower to the side for species 101.
            const Bullet& last = volleys.at(80).back();
            EXPECT_EQ(last.spriteType, 4);
            EXPECT_NEAR(last.angle, 90.0f - 17.0f + 30.0f + 4.0f, 1e-3f);
            EXPECT_FLOAT_EQ(last.speed, 6.0f - 0.75f);
            EXPECT_FLOAT_EQ(volleys.at(120).back().speed, 6.0f + 0.75f);
        }
    }
}

TEST_F(SatellitePatternTest, SpinningStreamsStartEachTwentyFrameStretchAtTheBaseSpeed) {
    EnemyChild& s = Stand(kSpeciesSatellite2, 40);
    s.spinAngle = 10.0f;
    const auto volleys = RunAges(61 + 25);
    ASSERT_EQ(volleys.begin()->first, 61);
    const float speeds[] = {7.0f, 7.0f, 6.7f, 6.4f, 6.1f, 5.8f, 5.5f, 5.2f, 4.9f, 4.6f, 4.3f, 7.0f};
    for (int n = 0; n < 12; ++n) {
        const std::vector<Bullet>& v = volleys.at(61 + 2 * n);
        ASSERT_EQ(v.size(), 1u);
        EXPECT_NEAR(v[0].speed, speeds[n], 1e-5f) << n;
        EXPECT_FLOAT_EQ(v[0].angle, 190.0f + 2.0f * static_cast<float>(n));
        EXPECT_EQ(v[0].colour, 2);
    }
}

TEST_F(SatellitePatternTest, DartFiresFromSixtyToEightyNineThenVanishesAtOneFifty) {
    SetRandomScript([]() -> int32_t { return 3000; });   // no shift: straight at the player
    const EnemyChild& s = Stand(kSpeciesSatellite2, 46);
    const auto volleys = RunAges(150);
    ASSERT_EQ(volleys.size(), 15u);
    EXPECT_EQ(volleys.begin()->first, 60);
    EXPECT_EQ(volleys.rbegin()->first, 88);
    EXPECT_FLOAT_EQ(volleys.at(60)[0].speed, 9.0f);
    EXPECT_NEAR(volleys.at(88)[0].speed, 6.2f, 1e-5f);
    EXPECT_NEAR(volleys.at(70)[0].angle, 90.0f, 1e-3f);
    EXPECT_EQ(volleys.at(70)[0].aimed, 0);
    EXPECT_EQ(volleys.at(70)[0].spriteType, 9);
    EXPECT_EQ(s.shotCounter, 30);
    EXPECT_EQ(s.active, 1);

    SatelliteFrame();   // age 150
    EXPECT_EQ(s.active, 0);
    EXPECT_EQ(s.trailUsed[0], 0);
    EXPECT_EQ(ActiveEffects(kEffectEnemyDeath), 1);
    EXPECT_EQ(BaseScore, 0);
    EXPECT_TRUE(ActiveItems(kItemExperience).empty());
}

TEST_F(SatellitePatternTest, IdsWithoutAPatternNeitherFireNorCount) {
    Difficulty = 3;
    for (int32_t id : {3, 10, 14, 20, 25, 30, 45, 47}) Stand(kSpeciesSatellite, id);
    EXPECT_TRUE(RunAges(200).empty());
    for (int i = 0; i < 8; ++i) EXPECT_EQ(EnemyChildPool[i].shotCounter, 0);
}

}   // namespace
