// The grass fields played headless for their first waves: the small flyers
// that the schedules spawn fly their paths, fire, and leave the playfield.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

#include "core/bullet.h"
#include "core/score.h"
#include "field/field_test_support.h"

namespace {

using field_test::FieldTest;

struct FlyerField {
    int32_t (*update)();
    FieldState* state;
    int32_t species;
};

class SmallFlyerFieldRun : public FieldTest, public ::testing::WithParamInterface<FlyerField> {
protected:
    void TearDown() override {
        EnemyTargetPos = BulletTargetPos = Vec3{};
        FieldTest::TearDown();
    }
};

TEST_P(SmallFlyerFieldRun, FlyersMoveFireAndLeave) {
    const FlyerField f = GetParam();
    const Vec3 player{640.0f, 600.0f, 0.0f};
    int firstSlot = -1;
    Vec3 firstSeenAt;
    float firstMoved = 0.0f;
    int mostBullets = 0;
    int flyersSpawned = 0;
    size_t spawnsSeen = 0;
    int flyersLeft = 0;
    bool bulletsMoved = false;
    for (int frame = 0; frame < 600; ++frame) {
        testsupport::RunFieldFrame(f.update, *f.state);
        for (; spawnsSeen < field_test::Spawns().size(); ++spawnsSeen)
            flyersSpawned += field_test::Spawns()[spawnsSeen].species == f.species ? 1 : 0;
        ScrollSpeed = f.state->scrollSpeed;
        BulletRoute = f.state->route;
        EnemyTargetPos = BulletTargetPos = player;
        int activeBefore = 0;
        for (const Enemy& e : EnemyPool) activeBefore += e.active != 0 && e.species == f.species ? 1 : 0;
        UpdateEnemies();
        int activeAfter = 0;
        for (const Enemy& e : EnemyPool) activeAfter += e.active != 0 && e.species == f.species ? 1 : 0;
        flyersLeft += activeBefore - activeAfter;

        if (firstSlot < 0) {
            for (int s = 0; s < kEnemyCount && firstSlot < 0; ++s) {
                if (EnemyPool[s].active == 0 || EnemyPool[s].species != f.species) continue;
                firstSlot = s;
                firstSeenAt = GetEnemyPosition(s);
            }
        } else if (EnemyPool[firstSlot].species == f.species) {
            const Vec3 p = GetEnemyPosition(firstSlot);
            firstMoved = std::fmax(firstMoved, std::fabs(p.x - firstSeenAt.x) + std::fabs(p.y - firstSeenAt.y));
        }

        const float firstBulletY = EnemyBulletPool[0].y;
        const bool firstBulletLive = EnemyBulletPool[0].active != 0;
        UpdateBullets();
        bulletsMoved = bulletsMoved || (firstBulletLive && EnemyBulletPool[0].y != firstBulletY);
        int bullets = 0;
        for (const Bullet& b : EnemyBulletPool) bullets += b.active != 0 && b.side == kSideEnemy ? 1 : 0;
        mostBullets = std::max(mostBullets, bullets);
    }
    EXPECT_GT(flyersSpawned, 10);
    ASSERT_GE(firstSlot, 0);
    EXPECT_GT(firstMoved, 100.0f);
    EXPECT_GT(mostBullets, 0);
    EXPECT_TRUE(bulletsMoved);
    // Killed by no one, every flyer that went did so by leaving.
    EXPECT_GT(flyersLeft, 0);
    EXPECT_EQ(BaseScore, 0);
}

INSTANTIATE_TEST_SUITE_P(GrassFields, SmallFlyerFieldRun,
                         ::testing::Values(FlyerField{FieldGrassDay::Update, &FieldGrassDayState, kSpeciesButterFly},
                                           FlyerField{FieldGrassNight::Update, &FieldGrassNightState, kSpeciesMoth}),
                         [](const ::testing::TestParamInfo<FlyerField>& info) {
                             return info.param.species == kSpeciesMoth ? std::string("Moth") : std::string("ButterFly");
                         });

}   // namespace
