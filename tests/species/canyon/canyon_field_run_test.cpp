// The canyon fields played headless up to their mid-boss and past it: the
// turrets ride the ground and fire, the mid-boss holds the timeline at 2701
// until it has flown off (by day) or its death chain has run out (by night).
#include <gtest/gtest.h>

#include "core/bullet.h"
#include "core/game_codes.h"
#include "core/popups.h"
#include "core/score.h"
#include "field/field_test_support.h"

namespace {

using field_test::FieldTest;

class CanyonFieldRun : public FieldTest {
protected:
    void TearDown() override {
        EnemyTargetPos = BulletTargetPos = Vec3{};
        FieldTest::TearDown();
    }

    // One frame of play as the field and its enemies see it; notes which
    // turret species have fired.
    void PlayFrame(int32_t (*update)(), const FieldState& state) {
        update();
        ScrollSpeed = state.scrollSpeed;
        BulletRoute = state.route;
        EnemyTargetPos = BulletTargetPos = Vec3{640.0f, 600.0f, 0.0f};
        UpdateEnemies();
        UpdateBullets();
        for (const Enemy& e : EnemyPool) {
            if (e.active == 0 || e.shotCounter == 0) continue;
            if (e.species == kSpeciesDayMushroom || e.species == kSpeciesNightMushroom) mushroomFired = true;
            if (e.species == kSpeciesDayRafflesia || e.species == kSpeciesNightRafflesia) rafflesiaFired = true;
        }
    }
    static const Enemy* Find(int32_t species) {
        for (const Enemy& e : EnemyPool)
            if (e.active != 0 && e.species == species) return &e;
        return nullptr;
    }

    bool mushroomFired = false;
    bool rafflesiaFired = false;
};

TEST_F(CanyonFieldRun, ByDayTheEagleHoldsTheTimelineUntilItFliesOff) {
    const FieldState& state = FieldCanyonDayState;
    int held = 0;
    int32_t lastPhase = -1;
    for (int frame = 0; frame < 6000 && state.frame < 2702; ++frame) {
        PlayFrame(FieldCanyonDay::Update, state);
        if (state.frame == 2701) ++held;
        if (const Enemy* eagle = Find(kSpeciesEagle)) lastPhase = eagle->bossPhase;
    }
    EXPECT_TRUE(mushroomFired);
    EXPECT_TRUE(rafflesiaFired);
    EXPECT_EQ(state.frame, 2702);
    // Its exit begins on its 2444th update and takes it off the top some 110 frames later.
    EXPECT_EQ(lastPhase, 4);
    EXPECT_GT(held, 2444 + 100);
    EXPECT_LT(held, 2444 + 120);
    EXPECT_EQ(BaseScore, 0);
}

TEST_F(CanyonFieldRun, ByNightTheBatHoldsTheTimelineThroughItsDeathChain) {
    const FieldState& state = FieldCanyonNightState;
    for (int frame = 0; frame < 3000 && state.frame < 2701; ++frame) PlayFrame(FieldCanyonNight::Update, state);
    for (int frame = 0; frame < 300; ++frame) PlayFrame(FieldCanyonNight::Update, state);
    EXPECT_TRUE(mushroomFired);
    EXPECT_TRUE(rafflesiaFired);
    ASSERT_EQ(state.frame, 2701);
    ASSERT_NE(Find(kSpeciesBat), nullptr);
    EnemyPool[Find(kSpeciesBat) - EnemyPool].status.hp = 0;
    int held = 0;
    for (int frame = 0; frame < 200 && state.frame == 2701; ++frame) {
        PlayFrame(FieldCanyonNight::Update, state);
        held += state.frame == 2701 ? 1 : 0;
    }
    // The 121 frames of the death chain, then the timeline moves on.
    EXPECT_EQ(held, 121);
    EXPECT_EQ(state.frame, 2702);
    EXPECT_EQ(Find(kSpeciesBat), nullptr);
    bool bossPopup = false;
    for (const ScorePopup& p : ScorePopupPool)
        bossPopup = bossPopup || (p.active != 0 && p.kind == kPopupBoss && p.value == 35000);
    EXPECT_TRUE(bossPopup);
}

}   // namespace
