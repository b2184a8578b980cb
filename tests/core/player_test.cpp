#include <gtest/gtest.h>

#include <memory>

#include "core/effects.h"
#include "core/player.h"
#include "core/player_test_support.h"
#include "platform/input.h"

namespace {

using player_test::StatRow;
using player_test::Stats;

class PlayerRecord : public ::testing::Test {
protected:
    void SetUp() override {
        EffectPool = EffectPoolArrays{};
        LevelUpDisplayCounter = 0;
        player_test::SetLevelOneBase(*p);
    }
    void TearDown() override {
        EffectPool = EffectPoolArrays{};
        LevelUpDisplayCounter = 0;
    }
    std::unique_ptr<Player> p = std::make_unique<Player>();
};

// The effective block, money and experience at construction are checked on the
// static player in the process-start tests; here the rest of the record.
TEST(PlayerConstruction, StartsAtTheOriginWithEveryTimerClear) {
    const auto p = std::make_unique<Player>();
    EXPECT_EQ(p->status.level, 1);
    EXPECT_EQ(p->status.defense2, 5);
    EXPECT_EQ(p->x, 0.0f);
    EXPECT_EQ(p->y, 0.0f);
    EXPECT_EQ(p->world.m[3][0], 0.0f);
    EXPECT_EQ(p->FieldMoney, 0);
    EXPECT_EQ(p->state, 0);
    EXPECT_EQ(p->swordTimer, 0);
    EXPECT_EQ(p->skillLockout, 0);
    EXPECT_EQ(p->ringAngle, 0.0f);
    EXPECT_EQ(p->playerTexture, nullptr);
    for (const StatusBlock& part : p->statusParts) {
        EXPECT_EQ(part.attack, 0);
        EXPECT_EQ(part.speed, 0.0f);
    }
}

TEST_F(PlayerRecord, LevelTableRisesToThirtyAndStopsThere) {
    struct Spot {
        int level;
        StatRow row;
        int32_t nextLevelExp;
    };
    const Spot spots[] = {{6, {160, 60, 18, 15, 19, 10}, 3700},
                          {16, {370, 60, 35, 25, 36, 20}, 6400},
                          {25, {640, 60, 45, 32, 44, 26}, 11000}};
    StatusBlock previous = p->statusParts[0];
    for (int level = 2; level <= 30; ++level) {
        p->exp = p->nextLevelExp;
        p->LevelUp();
        const StatusBlock& b = p->statusParts[0];
        ASSERT_EQ(p->status.level, level);
        EXPECT_GT(b.maxHp, previous.maxHp) << "level " << level;
        EXPECT_GE(b.attack, previous.attack) << "level " << level;
        EXPECT_GE(b.defense, previous.defense) << "level " << level;
        EXPECT_EQ(b.maxSp, 60);
        previous = b;
        for (const Spot& spot : spots) {
            if (spot.level != level) continue;
            EXPECT_EQ(Stats(b), spot.row) << "level " << level;
            EXPECT_EQ(p->nextLevelExp, spot.nextLevelExp) << "level " << level;
        }
    }
    EXPECT_EQ(Stats(p->statusParts[0]), (StatRow{900, 60, 53, 38, 53, 33}));
    EXPECT_EQ(p->nextLevelExp, 99999);
    // Past the top the level's contribution and the next-level experience stay.
    p->exp = p->nextLevelExp;
    p->LevelUp();
    EXPECT_EQ(p->statusParts[0].maxHp, 900);
    EXPECT_EQ(p->nextLevelExp, 99999);
    p->SetNextLevelExp(1);
    EXPECT_EQ(p->nextLevelExp, 99999);
}

TEST_F(PlayerRecord, LevelUpFrom3100AtLevelOneShowsTheDisplay) {
    p->SetOptionType(1);
    p->x = 320.0f;
    p->y = 400.0f;
    p->z = 0.0f;
    p->exp = 3100;
    EffectPool.active[0] = 1;  // the display takes the first free entry
    p->LevelUp();
    EXPECT_EQ(p->status.level, 2);
    EXPECT_EQ(p->exp, 100);
    EXPECT_EQ(p->nextLevelExp, 3125);
    EXPECT_EQ(Stats(p->statusParts[0]), (StatRow{110, 60, 10, 8, 12, 6}));
    EXPECT_EQ(p->statusParts[0].speed, 5.2f);
    EXPECT_EQ(EffectPool.active[1], 1);
    EXPECT_EQ(EffectPool.type[1], 16);
    EXPECT_EQ(EffectPool.timer[1], 0);
    EXPECT_EQ(EffectPool.x[1], 320.0f);
    EXPECT_EQ(EffectPool.y[1], 400.0f);
    EXPECT_EQ(EffectPool.active[2], 0);
    EXPECT_EQ(LevelUpDisplayCounter, 180);

    // With the effect pool full the level still rises, but nothing is shown.
    for (int i = 0; i < kEffectCount; ++i) EffectPool.active[i] = 1;
    LevelUpDisplayCounter = 0;
    p->exp = 3125;
    p->LevelUp();
    EXPECT_EQ(p->status.level, 3);
    EXPECT_EQ(p->statusParts[0].maxHp, 120);
    EXPECT_EQ(LevelUpDisplayCounter, 0);
    EXPECT_EQ(EffectPool.type[2], 0);
}

}  // namespace
