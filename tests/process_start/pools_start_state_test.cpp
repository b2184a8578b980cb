// The static pools as the process starts, before anything has touched them.
#include <gtest/gtest.h>

#include "core/bullet.h"
#include "core/item.h"
#include "core/player.h"
#include "core/popups.h"
#include "enemy/enemy.h"
#include "enemy/enemy_gauge.h"
#include "field/field_state.h"
#include "species/cave/enemy_child.h"

namespace {

bool IsIdentity(const Matrix& m) {
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            if (m.m[r][c] != (r == c ? 1.0f : 0.0f)) return false;
    return true;
}

TEST(PoolsAtProcessStart, PopupPoolsAreFreeWithAlpha240) {
    for (const DamagePopup& p : DamageNumberPool) {
        EXPECT_EQ(p.active, 0);
        EXPECT_EQ(p.alpha, 240);
        EXPECT_EQ(p.x, 0.0f);
        EXPECT_EQ(p.vy, 0.0f);
    }
    for (const EmotionNumber& e : EmotionNumberPool) {
        EXPECT_EQ(e.active, 0);
        EXPECT_EQ(e.kind, -1);
        EXPECT_EQ(e.alpha, 240);
    }
    for (const ScorePopup& s : ScorePopupPool) {
        EXPECT_EQ(s.active, 0);
        EXPECT_EQ(s.kind, -1);
        EXPECT_EQ(s.value, 0);
        EXPECT_EQ(s.age, 0);
        EXPECT_EQ(s.alpha, 240);
    }
}

TEST(PoolsAtProcessStart, BulletAndItemPoolsAreInactive) {
    EXPECT_EQ(std::size(EnemyBulletPool), 1000u);
    EXPECT_EQ(std::size(PlayerShotPool), 30u);
    EXPECT_EQ(std::size(ItemPool), 1000u);
    for (const Bullet& b : EnemyBulletPool) {
        EXPECT_EQ(b.active, 0);
        EXPECT_EQ(b.texture, nullptr);
        EXPECT_EQ(b.spriteType, 0);
        EXPECT_TRUE(IsIdentity(b.world));
    }
    for (const Bullet& b : PlayerShotPool) EXPECT_EQ(b.active, 0);
    for (const Item& i : ItemPool) {
        EXPECT_EQ(i.active, 0);
        EXPECT_EQ(i.kind, 0);
        EXPECT_TRUE(IsIdentity(i.world));
    }
}

TEST(PoolsAtProcessStart, EnemiesAreFreeWithEmptySatelliteLists) {
    EXPECT_EQ(std::size(EnemyPool), 50u);
    for (Enemy& e : EnemyPool) {
        EXPECT_EQ(e.active, 0);
        EXPECT_EQ(e.species, 0);
        EXPECT_EQ(e.sheet, nullptr);
        EXPECT_EQ(e.status.hp, 0);
        EXPECT_EQ(e.status.speed, 0.0f);
        for (int32_t s : e.Element::satellites) EXPECT_EQ(s, -1);
        for (int32_t s : e.BigElement::satellites) EXPECT_EQ(s, -1);
        for (int32_t s : e.MagicStone::satellites) EXPECT_EQ(s, -1);
        for (int32_t s : e.GrandMagicStone::satellites) EXPECT_EQ(s, -1);
        EXPECT_EQ(e.guardTimer, 0);
        EXPECT_EQ(e.guardLength, 0);
        EXPECT_EQ(e.restoreDefense, 150);
        EXPECT_EQ(e.restoreDefense2, 150);
        EXPECT_TRUE(IsIdentity(e.world));
    }
}

TEST(PoolsAtProcessStart, SatellitesAndGaugeRecordsAreFree) {
    EXPECT_EQ(std::size(EnemyChildPool), 40u);
    for (const EnemyChild& c : EnemyChildPool) {
        EXPECT_EQ(c.active, 0);
        EXPECT_EQ(c.gaugeFlag, 0);
        EXPECT_EQ(c.trailCursor, 0);
        EXPECT_EQ(c.status.maxHp, 0);
    }
    EXPECT_EQ(std::size(EnemyStatusTable), 50u);
    EXPECT_EQ(std::size(EnemyChildStatusTable), 50u);
    for (const EnemyGaugeRecord& r : EnemyStatusTable) {
        EXPECT_EQ(r.active, 0);
        EXPECT_EQ(r.kind, 0);
        EXPECT_EQ(r.maxHp, 0);
        EXPECT_EQ(r.hp, 0);
    }
    for (const EnemyGaugeRecord& r : EnemyChildStatusTable) EXPECT_EQ(r.active, 0);
}

TEST(PoolsAtProcessStart, PlayerHoldsItsStartingRecord) {
    const StatusBlock& s = ThePlayer.status;
    EXPECT_EQ(s.level, 1);
    EXPECT_EQ(s.hp, 100);
    EXPECT_EQ(s.maxHp, 100);
    EXPECT_EQ(s.hpRegen, 10);
    EXPECT_EQ(s.sp, 60);
    EXPECT_EQ(s.maxSp, 60);
    EXPECT_EQ(s.spRegen, 20);
    EXPECT_EQ(s.attack, 9);
    EXPECT_EQ(s.attack2, 7);
    EXPECT_EQ(s.defense, 11);
    EXPECT_EQ(s.defense2, 5);
    EXPECT_EQ(s.speed, 4.0f);
    EXPECT_EQ(ThePlayer.selectedSkill, 1);
    EXPECT_EQ(ThePlayer.exp, 0);
    EXPECT_EQ(ThePlayer.nextLevelExp, 3000);
    EXPECT_EQ(ThePlayer.Money, 0);
    EXPECT_EQ(ThePlayer.OptionType, 0);
    for (const StatusBlock& part : ThePlayer.statusParts) EXPECT_EQ(part.maxHp, 0);
    for (int32_t a : ThePlayer.particleActive) EXPECT_EQ(a, 0);
}

TEST(PoolsAtProcessStart, FieldStatesStartAtTheirFirstFrame) {
    const FieldState* fields[] = {&FieldGrassDayState, &FieldGrassNightState, &FieldCanyonDayState,
                                  &FieldCanyonNightState, &FieldCaveState};
    for (const FieldState* f : fields) {
        EXPECT_EQ(f->frame, 0);
        EXPECT_EQ(f->route, 1);
        EXPECT_EQ(f->scroll.y, 0.0f);
        EXPECT_EQ(f->scrollSpeed, 2.0f);
        EXPECT_EQ(f->cleared, 0);
    }
    EXPECT_EQ(FieldCaveState.bossPosition.x, 0.0f);
    EXPECT_EQ(FieldCaveState.bossPosition.y, 0.0f);
}

}  // namespace
