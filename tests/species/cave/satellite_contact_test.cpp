// Satellites in the in-field frame: the knight's lances pass through the ones
// without a gauge bar (the BigElement's) and stop at the ones with one (the
// Element's), while any live satellite hurts the knight by contact.
#include <gtest/gtest.h>

#include "app/in_field_test_support.h"
#include "enemy/enemy_ids.h"

namespace {

class SatelliteInPlayTest : public infield_test::PlayTest {
protected:
    testsupport::GameHolder game;
};

TEST_F(SatelliteInPlayTest, LancesPassThroughAnUngaugedSatelliteWhoseTouchStillHurts) {
    constexpr int32_t kNoPattern = 5;
    const int32_t plain = SpawnEnemyChild(kSpeciesSatellite, kNoPattern, 500.0f, 200.0f, 0, 30, 30);
    const int32_t gauged = SpawnEnemyChild(kSpeciesSatellite2, kNoPattern, 800.0f, 200.0f, 1, 30, 30);
    SpawnBullet(kSidePlayer, BulletShot{.x = 500.0f, .y = 205.0f, .angle = -90.0f, .size = 0});
    SpawnBullet(kSidePlayer, BulletShot{.x = 800.0f, .y = 205.0f, .angle = -90.0f, .size = 0});
    game->UpdatePlay();
    EXPECT_EQ(EnemyChildPool[plain].status.hp, 1500);
    EXPECT_EQ(PlayerShotPool[0].active, 1);
    EXPECT_LT(EnemyChildPool[gauged].status.hp, 1500);
    EXPECT_EQ(PlayerShotPool[1].active, 0);

    const int32_t hp = ThePlayer.status.hp;
    MoveEnemyChild(plain, ThePlayer.x, ThePlayer.y, 0.0f);
    game->UpdatePlay();
    EXPECT_LT(ThePlayer.status.hp, hp);
    EXPECT_EQ(ThePlayer.invincible, 1);
    EXPECT_EQ(EnemyChildPool[plain].status.hp, 1500);
}

}   // namespace
