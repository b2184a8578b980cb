// Both grass fields played through the in-field frame from just before their
// boss to the return to the map: the knight holds fire where he stands, the
// boss dies of his lances, and the timeline goes on to its own result and
// closing fade. To keep the run short the field's counter starts ten frames
// before the boss, and the boss's HP is lowered to 300 when it appears (it
// rages at once, being below 10000).
#include <gtest/gtest.h>

#include <algorithm>

#include "app/in_field_test_support.h"
#include "core/fade.h"
#include "core/field_globals.h"
#include "core/game_codes.h"
#include "core/result.h"
#include "enemy/enemy_ids.h"
#include "field/field_dispatch.h"
#include "field/field_state.h"
#include "platform/input.h"

namespace {

struct GrassField {
    int32_t field;
    int32_t boss;
};

class GrassBossFieldRun : public infield_test::PlayTest, public ::testing::WithParamInterface<GrassField> {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        game->userInterface.Reset();
    }
    testsupport::GameHolder game;
};

TEST_P(GrassBossFieldRun, TheKnightShootsTheBossDownAndTheFieldEndsThroughItsResult) {
    const GrassField f = GetParam();
    CurrentField = f.field;
    FieldState& state = *FieldStateFor(f.field);
    state.frame = 3590;
    KeyboardState[KEY_SPACE] = 0x80;

    int bossSlot = -1;
    int32_t lastPhase = -1;
    int32_t lastDeathCounter = -1;
    bool bossGone = false;
    bool resultShown = false;
    int32_t lowestHp = ThePlayer.status.hp;
    int32_t code = 0;
    int frames = 0;
    for (; frames < 3000 && code == 0; ++frames) {
        code = game->UpdatePlay();
        if (bossSlot < 0) {
            for (int i = 0; i < kEnemyCount; ++i) {
                if (EnemyPool[i].active == 0 || EnemyPool[i].species != f.boss) continue;
                bossSlot = i;
                EnemyPool[i].status.hp = 300;
            }
        } else if (!bossGone) {
            const Enemy& boss = EnemyPool[bossSlot];
            bossGone = boss.active == 0 || boss.species != f.boss;
            if (!bossGone) {
                lastPhase = boss.bossPhase;
                lastDeathCounter = boss.deathCounter;
            }
        }
        resultShown = resultShown || ResultPending == 1;
        if (code == 0) lowestHp = std::min(lowestHp, ThePlayer.status.hp);
        if (TransitionFadeActive == 1 && TransitionFadeCounter < kFadeLength)
            ++TransitionFadeCounter;   // the overlay's draw
    }
    ASSERT_GE(bossSlot, 0);
    EXPECT_TRUE(bossGone);
    // Killed, not escaped: it left from the last frame of its death sequence.
    EXPECT_EQ(lastPhase, 8);
    EXPECT_EQ(lastDeathCounter, 180);
    EXPECT_TRUE(resultShown);
    EXPECT_EQ(code, 1);
    EXPECT_GE(lowestHp, 1);   // the field ended by its result, not by a fall
    EXPECT_LT(frames, 3000);
}

INSTANTIATE_TEST_SUITE_P(GrassFields, GrassBossFieldRun,
                         ::testing::Values(GrassField{1, kSpeciesScorpion}, GrassField{2, kSpeciesSpider}),
                         [](const ::testing::TestParamInfo<GrassField>& info) {
                             return info.param.field == 1 ? std::string("Day") : std::string("Night");
                         });

}   // namespace
