#include <gtest/gtest.h>

#include "app/in_field_test_support.h"
#include "core/item.h"

namespace {

class SkillTest : public infield_test::PlayTest {
protected:
    testsupport::GameHolder game;
    void Apply(float skillAttack) {
        const Player& p = ThePlayer;
        game->ApplyPlayerSkill(p.x, p.y, p.z, skillAttack);
    }
};

TEST_F(SkillTest, SkillOneWindowFrameByFrame) {
    Player& p = ThePlayer;
    p.state = 3;
    // Skill 1 reaches everything on the field, however far.
    Enemy& e = PlaceEnemy(0, 1, 300.0f, 20.0f, 1000000, 10, 5);
    EnemyChild& gauged = PlaceSatellite(0, 1000.0f, 100.0f, 1);
    EnemyChild& plain = PlaceSatellite(1, 1000.0f, 200.0f, 0);

    int damagedFrames = 0;
    for (int32_t timer = 90; timer >= 25; --timer) {
        p.invincibleTimer = timer;
        MagnetTimer = 0;
        const int32_t bullet = PlaceBullet(600.0f, 300.0f);
        const int32_t hpBefore = e.status.hp;
        const int popupsBefore = ActiveDamagePopups();
        Apply(70.0f);
        const bool window = timer >= 30 && timer <= 89;
        damagedFrames += window ? 1 : 0;
        // A2 70 x 0.1 against defense2 5.
        EXPECT_EQ(hpBefore - e.status.hp, window ? 196 : 0) << "timer " << timer;
        EXPECT_EQ(EnemyBulletPool[bullet].active, window && timer >= 85 ? 0 : 1) << "timer " << timer;
        EXPECT_EQ(ActiveDamagePopups() - popupsBefore, window && timer % 5 == 0 ? 2 : 0) << "timer " << timer;
        EXPECT_EQ(MagnetTimer, 1) << "timer " << timer;
    }
    EXPECT_EQ(damagedFrames, 60);
    // 7 against defense2 90 is floored at ratio 0.1: 14 a frame.
    EXPECT_EQ(gauged.status.hp, 1500 - 60 * 14);
    EXPECT_EQ(plain.status.hp, 1500);
    EXPECT_EQ(e.hitFlag, 0);
    EXPECT_EQ(DamageNumberPool[0].kind, 2);
    EXPECT_EQ(DamageNumberPool[0].colour, 2);
    // Damage scores, and the cancel scores 10 for each of the six bullets it found.
    EXPECT_EQ(BaseScore, 60 * (196 + 14) + 60);
    EXPECT_FLOAT_EQ(Gauge(1), 500.0f);
}

TEST_F(SkillTest, SkillThreeWindowFrameByFrame) {
    Player& p = ThePlayer;
    p.state = 5;
    // Within (16 + 100) pi, about 364 px, of the player, and beyond it.
    Enemy& near = PlaceEnemy(0, 1, p.x + 200.0f, p.y - 100.0f, 10000000, 10, 5);
    Enemy& far = PlaceEnemy(1, 1, p.x, p.y - 370.0f, 10000000, 10, 5);

    for (int32_t timer = 240; timer >= 85; --timer) {
        p.invincibleTimer = timer;
        // At 320 px a type-5 bullet (104 pi) is in reach, a type-4 one (101 pi) is not.
        const int32_t small = PlaceBullet(p.x - 320.0f, p.y, 1);
        const int32_t middle = PlaceBullet(p.x, p.y - 320.0f, 2);
        const int32_t hpBefore = near.status.hp;
        const int popupsBefore = ActiveDamagePopups();
        Apply(70.0f);
        const bool window = timer >= 90 && timer <= 149;
        // A2 70 x 1.5 = 105 against defense2 5: ratio 3.
        EXPECT_EQ(hpBefore - near.status.hp, window ? 6300 : 0) << "timer " << timer;
        EXPECT_EQ(EnemyBulletPool[middle].active, window ? 0 : 1) << "timer " << timer;
        EXPECT_EQ(EnemyBulletPool[small].active, 1) << "timer " << timer;
        EXPECT_EQ(ActiveDamagePopups() - popupsBefore, window && timer % 5 == 0 ? 1 : 0) << "timer " << timer;
        ClearBullets();
    }
    EXPECT_EQ(far.status.hp, 10000000);
    EXPECT_EQ(near.hitFlag, 0);
    EXPECT_EQ(ActiveEffects(8), 60);
    EXPECT_EQ(ActiveEffects(9), 60);
    // Cleared bullets score nothing.
    EXPECT_EQ(BaseScore, 60 * 6300);
}

TEST_F(SkillTest, SkillThreeMovesTheGaugesForTwentyClearedBulletsOnly) {
    Player& p = ThePlayer;
    p.state = 5;
    p.invincibleTimer = 120;
    for (int i = 0; i < 25; ++i) PlaceBullet(p.x + static_cast<float>(i), p.y - 50.0f);
    Apply(70.0f);
    EXPECT_EQ(ActiveBullets(), 0);
    // Event 3 at Difficulty 1: 1.5 per bullet.
    EXPECT_FLOAT_EQ(Gauge(1), 530.0f);
    EXPECT_FLOAT_EQ(Gauge(6), 530.0f);
    EXPECT_EQ(BaseScore, 0);
}

TEST_F(SkillTest, TheFinalBossIsGuardedAndLosesOneHpPerFrame) {
    Player& p = ThePlayer;
    struct Case {
        int32_t state;
        int32_t guard;
        int32_t windowTimer;
    };
    for (const Case& c : {Case{3, 90, 60}, Case{5, 180, 120}}) {
        testsupport::ResetPlayState();
        p.state = c.state;
        Enemy& boss = PlaceEnemy(0, 99, p.x, p.y - 100.0f, 30000, 150, 150);
        p.invincibleTimer = c.windowTimer;
        Apply(70.0f);
        Apply(70.0f);
        EXPECT_EQ(boss.guardTimer, c.guard) << "state " << c.state;
        EXPECT_EQ(boss.status.defense2, 999) << "state " << c.state;
        EXPECT_EQ(boss.status.hp, 30000 - 2) << "state " << c.state;
    }
}

TEST_F(SkillTest, NoAreaAttackOutsideSkillsOneAndThree) {
    Player& p = ThePlayer;
    Enemy& e = PlaceEnemy(0, 1, p.x, p.y - 50.0f, 1000, 10, 5);
    PlaceBullet(p.x, p.y - 20.0f);
    for (int32_t state : {0, 1, 4}) {
        p.state = state;
        p.invincibleTimer = 60;
        Apply(70.0f);
    }
    EXPECT_EQ(e.status.hp, 1000);
    EXPECT_EQ(ActiveBullets(), 1);
    EXPECT_EQ(MagnetTimer, 0);
}

}  // namespace
