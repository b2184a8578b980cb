// The Element: its six satellites launched on its first frame and spread to
// their rings, its death taking them along in the same frame, its silent exit.
#include <gtest/gtest.h>

#include <cmath>

#include "core/game_codes.h"
#include "species/cave/cave_fixture.h"

namespace {

class ElementTest : public CaveFixture {
protected:
    static Enemy& SpawnElement(int32_t variant) {
        SpawnEnemy(kSpeciesElement, variant, 640.0f, -50.0f, 1, 3);
        return EnemyPool[0];
    }
    static void Frame() {
        UpdateEnemies();
        UpdateEnemyChildren();
    }
    // From the Element's place before its bob to a satellite.
    static float Distance(const Enemy& e, int32_t satellite) {
        const EnemyChild& c = EnemyChildPool[satellite];
        return std::hypot(c.x - e.x, c.y - (e.y - SpeciesKit::BobStep(e.bobCounter)));
    }
};

TEST_F(ElementTest, LaunchesSixGaugedSatellitesOnItsFirstFrameAndSpreadsThemOut) {
    struct Case {
        int32_t variant, evenSpecies, pattern;
    };
    for (const Case& k : {Case{0, 101, 0}, Case{1, 102, 0}, Case{2, 102, 1}, Case{3, 102, 2}}) {
        SetUp();
        SCOPED_TRACE(k.variant);
        Enemy& e = SpawnElement(k.variant);
        Frame();
        EXPECT_FLOAT_EQ(e.y, -50.0f + 10.0f + SpeciesKit::BobStep(1));
        for (int32_t i = 0; i < Element::kSatelliteCount; ++i) {
            const int32_t s = e.Element::satellites[i];
            ASSERT_EQ(s, i);
            const EnemyChild& c = EnemyChildPool[s];
            EXPECT_EQ(c.species, i % 2 == 0 ? k.evenSpecies : 203 - k.evenSpecies);
            EXPECT_EQ(c.variant, k.pattern);
            EXPECT_EQ(c.gaugeFlag, 1);
            EXPECT_EQ(EnemyChildStatusTable[s].active, 1);
            EXPECT_EQ(c.status.attack, e.status.attack);
            EXPECT_EQ(c.status.attack2, e.status.attack2);
        }
    }
    // Variant 0 at age 45: the inner ring at 0.833 x 45, the outer at 1.666 x 45;
    // from age 90 on, 75 and 150.
    SetUp();
    Enemy& e = SpawnElement(0);
    for (int f = 0; f <= 45; ++f) Frame();
    EXPECT_NEAR(Distance(e, 0), 0.833f * 45.0f, 0.01f);
    EXPECT_NEAR(Distance(e, 1), 1.666f * 45.0f, 0.01f);
    EXPECT_FLOAT_EQ(EnemyChildPool[0].spinAngle, 90.0f);
    for (int f = 46; f <= 100; ++f) Frame();
    EXPECT_NEAR(Distance(e, 2), 75.0f, 0.01f);
    EXPECT_NEAR(Distance(e, 3), 150.0f, 0.01f);

    // Any other variant only bobs.
    SetUp();
    Enemy& still = SpawnElement(4);
    Frame();
    EXPECT_FLOAT_EQ(still.y, -50.0f + SpeciesKit::BobStep(1));
    EXPECT_EQ(LiveSatellites(), 0);
}

TEST_F(ElementTest, DeathTakesItsSatellitesAlongInTheSameFrameWithTheirOwnDrops) {
    Difficulty = 2;
    Enemy& e = SpawnElement(0);
    for (int f = 0; f < 30; ++f) Frame();
    const int32_t reward = e.reward;
    ClearBullets();   // nothing to cancel into score
    e.status.hp = 0;
    Frame();
    EXPECT_EQ(e.active, 0);
    EXPECT_EQ(LiveSatellites(), 0);
    for (int32_t s : e.Element::satellites) EXPECT_EQ(s, -1);
    EXPECT_EQ(ActiveItems(kItemBigExperience).size(), 1u);
    EXPECT_EQ(ActiveItems(kItemExperience).size(), 8u + 6u * 6u);
    EXPECT_EQ(ActiveEffects(kEffectMidBossDeath), 1);
    EXPECT_EQ(ActiveEffects(kEffectEnemyDeath), 6);
    EXPECT_EQ(BaseScore, 2 * reward + 6 * 2000);
}

TEST_F(ElementTest, LeavingThePlayfieldRemovesItsSatellitesSilently) {
    Enemy& e = SpawnElement(2);
    for (int f = 0; f < 10; ++f) Frame();
    e.y = -300.0f;
    Frame();
    EXPECT_EQ(e.active, 0);
    EXPECT_EQ(LiveSatellites(), 0);
    for (int32_t s : e.Element::satellites) EXPECT_EQ(s, -1);
    EXPECT_EQ(ActiveEffects(kEffectEnemyDeath), 6);
    EXPECT_EQ(BaseScore, 0);
    EXPECT_TRUE(ActiveItems(kItemExperience).empty());
}

}   // namespace
