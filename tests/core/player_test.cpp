#include <gtest/gtest.h>

#include <memory>

#include "core/effects.h"
#include "core/player.h"
#include "core/player_test_support.h"
#include "platform/input.h"

namespace {

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
        if (level == 6) {
            EXPECT_EQ(b.maxHp, 160);
            EXPECT_EQ(b.attack, 18);
            EXPECT_EQ(b.attack2, 15);
            EXPECT_EQ(b.defense, 19);
            EXPECT_EQ(b.defense2, 10);
            EXPECT_EQ(p->nextLevelExp, 3700);
        }
        if (level == 16) {
            EXPECT_EQ(b.maxHp, 370);
            EXPECT_EQ(b.attack, 35);
            EXPECT_EQ(p->nextLevelExp, 6400);
        }
        if (level == 25) {
            EXPECT_EQ(b.maxHp, 640);
            EXPECT_EQ(b.defense2, 26);
            EXPECT_EQ(p->nextLevelExp, 11000);
        }
    }
    EXPECT_EQ(p->statusParts[0].maxHp, 900);
    EXPECT_EQ(p->statusParts[0].attack, 53);
    EXPECT_EQ(p->statusParts[0].attack2, 38);
    EXPECT_EQ(p->statusParts[0].defense, 53);
    EXPECT_EQ(p->statusParts[0].defense2, 33);
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
    const StatusBlock& b = p->statusParts[0];
    EXPECT_EQ(b.maxHp, 110);
    EXPECT_EQ(b.maxSp, 60);
    EXPECT_EQ(b.attack, 10);
    EXPECT_EQ(b.attack2, 8);
    EXPECT_EQ(b.defense, 12);
    EXPECT_EQ(b.defense2, 6);
    EXPECT_EQ(b.speed, 5.2f);
    EXPECT_EQ(EffectPool.active[1], 1);
    EXPECT_EQ(EffectPool.type[1], 16);
    EXPECT_EQ(EffectPool.timer[1], 0);
    EXPECT_EQ(EffectPool.x[1], 320.0f);
    EXPECT_EQ(EffectPool.y[1], 400.0f);
    EXPECT_EQ(EffectPool.active[2], 0);
    EXPECT_EQ(LevelUpDisplayCounter, 180);
}

TEST_F(PlayerRecord, LevelUpWithTheEffectPoolFullShowsNothing) {
    for (int i = 0; i < kEffectCount; ++i) {
        EffectPool.active[i] = 1;
        EffectPool.type[i] = 2;
    }
    p->exp = 3000;
    p->LevelUp();
    EXPECT_EQ(p->status.level, 2);
    EXPECT_EQ(p->statusParts[0].maxHp, 110);
    EXPECT_EQ(LevelUpDisplayCounter, 0);
    for (int i = 0; i < kEffectCount; ++i) ASSERT_EQ(EffectPool.type[i], 2);
}

TEST_F(PlayerRecord, RecalcClampsAtOneAndKeepsTheHpFraction) {
    p->RecalcStatus();
    EXPECT_EQ(p->status.maxHp, 100);
    p->status.hp = 50;
    p->statusParts[1].maxHp = 10;
    p->RecalcStatus();
    EXPECT_EQ(p->status.maxHp, 110);
    EXPECT_EQ(p->status.hp, 55);
    p->statusParts[1].maxHp = 0;
    p->RecalcStatus();
    EXPECT_EQ(p->status.hp, 50);
    // Sums of 0 or less count as 1, a speed below 1 as 1.0.
    p->statusParts[3].attack2 = -40;
    p->statusParts[3].defense = -11;
    p->statusParts[3].speed = -3.5f;
    p->RecalcStatus();
    EXPECT_EQ(p->status.attack2, 1);
    EXPECT_EQ(p->status.defense, 1);
    EXPECT_EQ(p->status.speed, 1.0f);
    EXPECT_EQ(p->status.attack, 9);
    // Level, SP and the regeneration rates are not summed.
    EXPECT_EQ(p->status.level, 1);
    EXPECT_EQ(p->status.hpRegen, 10);
    EXPECT_EQ(p->status.spRegen, 20);
}

TEST_F(PlayerRecord, EquipmentBlocksGoToTheirSlots) {
    for (StatusBlock& part : ThePlayer.statusParts) part = StatusBlock{};
    SetPlayerEquipmentStatus(3, 1, 1, 2, 3, 4, 5, 6, 0.5f);
    SetPlayerEquipmentStatus(4, 0, 7, 0, 0, 0, 0, 0, 0.0f);
    SetPlayerEquipmentStatus(0, 0, 0, 0, 2, 0, 0, 0, 0.0f);
    EXPECT_EQ(ThePlayer.statusParts[5].maxHp, 1);
    EXPECT_EQ(ThePlayer.statusParts[5].defense2, 6);
    EXPECT_EQ(ThePlayer.statusParts[5].speed, 0.5f);
    EXPECT_EQ(ThePlayer.statusParts[6].maxHp, 7);
    EXPECT_EQ(ThePlayer.statusParts[1].attack, 2);
    EXPECT_EQ(ThePlayer.statusParts[4].maxHp, 0);
    EXPECT_EQ(ThePlayer.statusParts[0].attack, 0);
    for (StatusBlock& part : ThePlayer.statusParts) part = StatusBlock{};
}

TEST_F(PlayerRecord, FieldResetAndShotStyleGatherEverythingOnThePlayer) {
    p->status.hp = 5;
    p->status.sp = 1;
    p->swordTimer = 90;
    p->selectedSkill = 3;
    p->skill2Cooldown = 400;
    p->FieldMoney = 900;
    p->state = 4;
    p->z = 1.0f;
    p->skill2Time = 1200;
    p->particleActive[17] = 1;
    p->particleAge[17] = 9;
    SetPadVibration(30000, 30000);
    p->ResetForField();
    EXPECT_EQ(p->status.hp, 100);
    EXPECT_EQ(p->status.sp, 60);
    EXPECT_EQ(p->swordTimer, 0);
    EXPECT_EQ(p->selectedSkill, 1);
    EXPECT_EQ(p->skill2Cooldown, 0);
    EXPECT_EQ(p->FieldMoney, 0);
    EXPECT_EQ(p->state, 0);
    EXPECT_EQ(p->z, 0.0f);
    EXPECT_EQ(p->x, 640.0f);
    EXPECT_EQ(p->y, 500.0f);

    p->SetOptionType(2);
    uint16_t left = 1, right = 1;
    GetPadVibration(&left, &right);
    EXPECT_EQ(left, 0);
    EXPECT_EQ(right, 0);
    EXPECT_EQ(p->skill2Time, 0);
    EXPECT_EQ(p->OptionType, 2);
    EXPECT_EQ(p->status.speed, 4.6f);
    EXPECT_EQ(p->optionCount, 5);
    EXPECT_EQ(p->particleActive[17], 0);
    EXPECT_EQ(p->particleAge[17], 0);
    EXPECT_EQ(p->positionHistory[99].x, 640.0f);
    EXPECT_EQ(p->optionPositions[4].y, 500.0f);
    p->SetOptionType(0);
    EXPECT_EQ(p->status.speed, 4.0f);
    EXPECT_EQ(p->optionCount, 4);
    p->SetOptionType(7);  // no such style: speed and formation stay
    EXPECT_EQ(p->status.speed, 4.0f);
    EXPECT_EQ(p->optionCount, 4);
}

}  // namespace
