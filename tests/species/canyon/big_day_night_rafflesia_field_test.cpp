// Both canyon fields played from just before their boss to the return to the
// map: the boss rides the braking scroll in, stands once the ground stops,
// falls to the knight's lances and the timeline runs on to its result.
#include <gtest/gtest.h>

#include <string>

#include "app/in_field_test_support.h"
#include "core/fade.h"
#include "core/field_globals.h"
#include "core/high_score.h"
#include "core/result.h"
#include "enemy/enemy_ids.h"
#include "field/field_state.h"
#include "platform/input.h"
#include "support/resource_dir.h"

namespace {

struct CanyonField {
    int32_t field;
    FieldState* state;
    int32_t boss;
};

class BigRafflesiaFieldRun : public infield_test::PlayTest, public ::testing::WithParamInterface<CanyonField> {
protected:
    // The field's end writes the best score: the run happens in a copy of the resources.
    void SetUp() override {
        mirror.Enter();
        PlayTest::SetUp();
    }
    void TearDown() override {
        for (int32_t& s : HighScoreTable) s = 0;
        for (int32_t& f : FieldClearFlags) f = 0;
        PlayTest::TearDown();
    }
    static int BossSlot(int32_t species) {
        for (int i = 0; i < kEnemyCount; ++i)
            if (EnemyPool[i].active != 0 && EnemyPool[i].species == species) return i;
        return -1;
    }
    testsupport::ResourceMirror mirror;
    testsupport::GameHolder game;
};

TEST_P(BigRafflesiaFieldRun, KnightKillsTheStandingBossAndTheFieldEndsThroughItsResult) {
    const CanyonField f = GetParam();
    CurrentField = f.field;
    f.state->frame = 5390;   // ten frames before the boss
    Player& p = ThePlayer;
    p.x = 640.0f;
    p.y = 560.0f;
    KeyboardState[KEY_SPACE] = 0x80;   // fire held throughout

    constexpr int32_t kLoweredHp = 300;   // lowered once it stands, so the level-1 knight's lances do it
    int32_t code = 0;
    int frames = 0;
    int standingFrames = 0;
    float spawnY = 0.0f, standingY = 0.0f;
    bool seen = false, lowered = false, dying = false, gone = false;
    while (code == 0 && frames < 3000) {
        p.invincible = 1;   // the knight outlasts the boss's fire
        p.invincibleTimer = 60;
        code = game->UpdatePlay();
        ++frames;
        if (TransitionFadeActive == 1) ++TransitionFadeCounter;   // the overlay's draw
        const int slot = BossSlot(f.boss);
        if (slot < 0) {
            gone = gone || seen;
            continue;
        }
        Enemy& boss = EnemyPool[slot];
        if (!seen) spawnY = boss.y;
        seen = true;
        ASSERT_EQ(f.state->frame, 5401);   // the timeline holds while the boss lives
        dying = dying || boss.bossPhase == 8;
        if (f.state->scrollSpeed > 0.0f) continue;
        if (standingFrames == 0) standingY = boss.y;
        ASSERT_EQ(boss.y, standingY) << "after " << standingFrames << " frames on still ground";
        ASSERT_EQ(boss.x, 640.0f);
        if (++standingFrames == 60 && !lowered) {
            boss.status.hp = kLoweredHp;
            lowered = true;
        }
    }
    EXPECT_TRUE(seen);
    EXPECT_GT(standingY, spawnY + 200.0f);   // it rode the ground down before the scroll stopped
    EXPECT_TRUE(lowered);
    EXPECT_TRUE(dying);   // killed by the lances, not withdrawn
    EXPECT_TRUE(gone);
    EXPECT_EQ(code, 1);
    EXPECT_EQ(FieldClearFlags[f.field - 1], 1);
    EXPECT_EQ(ResultField, f.field);
    EXPECT_GE(BaseScore, 60000);
}

INSTANTIATE_TEST_SUITE_P(CanyonFields, BigRafflesiaFieldRun,
                         ::testing::Values(CanyonField{3, &FieldCanyonDayState, kSpeciesBigDayRafflesia},
                                           CanyonField{4, &FieldCanyonNightState, kSpeciesBigNightRafflesia}),
                         [](const ::testing::TestParamInfo<CanyonField>& info) {
                             return info.param.field == 3 ? std::string("Day") : std::string("Night");
                         });

}   // namespace
