// The grass fields from their mid-boss's frame on: the field's counter stands
// while the mid-boss lives and runs on once it has flown away (by day) or
// once its own death sequence has ended (by night).
#include <gtest/gtest.h>

#include "core/bullet.h"
#include "core/score.h"
#include "field/field_test_support.h"

namespace {

using field_test::FieldTest;

struct MidBossField {
    int32_t (*update)();
    FieldState* state;
    int32_t species;
    int killAfter;   // frames of the hold before it is shot down; 0 for never
};

class MidBossFieldRun : public FieldTest, public ::testing::WithParamInterface<MidBossField> {
protected:
    void TearDown() override {
        EnemyTargetPos = BulletTargetPos = Vec3{};
        ClearBullets();
        FieldTest::TearDown();
    }
};

TEST_P(MidBossFieldRun, HoldEndsWhenTheMidBossLeavesOrItsDeathEnds) {
    const MidBossField f = GetParam();
    f.state->frame = 1800;
    int slot = -1;
    int heldFrames = 0;
    int killedAt = -1;
    int goneAt = -1;
    int resumedAt = -1;
    for (int frame = 0; frame < 3000 && resumedAt < 0; ++frame) {
        f.update();
        if (f.state->frame == 1801) ++heldFrames;
        if (goneAt >= 0 && f.state->frame > 1801) resumedAt = frame;
        ScrollSpeed = f.state->scrollSpeed;
        BulletRoute = f.state->route;
        EnemyTargetPos = BulletTargetPos = Vec3{640.0f, 600.0f, 0.0f};
        if (slot < 0)
            for (int i = 0; i < kEnemyCount; ++i)
                if (EnemyPool[i].active != 0 && EnemyPool[i].species == f.species) slot = i;
        ASSERT_GE(slot, 0) << "the timeline spawns its mid-boss at 1800";
        if (f.killAfter > 0 && heldFrames == f.killAfter && killedAt < 0) {
            EnemyPool[slot].status.hp = 0;
            killedAt = frame;
        }
        UpdateEnemies();
        UpdateBullets();
        if (goneAt < 0 && EnemyPool[slot].species != f.species) goneAt = frame;
    }
    ASSERT_GE(goneAt, 0);
    EXPECT_EQ(resumedAt, goneAt + 1);
    EXPECT_EQ(heldFrames, goneAt + 1);
    if (f.killAfter > 0) {
        EXPECT_EQ(goneAt, killedAt + 120);   // the death sequence runs 121 frames
        EXPECT_GE(BaseScore, 25000);
    } else {
        EXPECT_GT(goneAt, 2564);   // after its whole phase machine
        EXPECT_EQ(BaseScore, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    GrassFields, MidBossFieldRun,
    ::testing::Values(MidBossField{FieldGrassDay::Update, &FieldGrassDayState, kSpeciesBigButterFly, 0},
                      MidBossField{FieldGrassNight::Update, &FieldGrassNightState, kSpeciesBigMoth, 600}),
    [](const ::testing::TestParamInfo<MidBossField>& info) {
        return info.param.killAfter > 0 ? std::string("NightMothShotDown") : std::string("DayButterFlyFliesAway");
    });

}   // namespace
