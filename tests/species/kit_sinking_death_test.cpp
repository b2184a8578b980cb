// The kit's move to a working spot and the sinking death of the cave's stones.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/bullet.h"
#include "core/fade.h"
#include "core/game_codes.h"
#include "core/random.h"
#include "enemy/enemy_fixture.h"
#include "enemy/enemy_ids.h"
#include "enemy/species_kit.h"

namespace {

class KitHost : public SpeciesKit {};

class SinkingDeathTest : public EnemyFixture {
protected:
    void SetUp() override {
        EnemyFixture::SetUp();
        host.ResetSlot();
        host.Occupy(kSpeciesMagicStone, 0, 500.0f, 300.0f, 1, 3, 0.0f);
        host.reward = 7000;
    }
    void TearDown() override {
        SetRandomScript(nullptr);
        WhiteoutActive = 0;
        EnemyFixture::TearDown();
    }
    KitHost host;
};

int32_t Draw40() { return 40; }   // every random point lands at (x - 110, y - 110)

TEST_F(SinkingDeathTest, SinksThroughItsExplosionsWaitsThenBurstsAndPaysWithoutItems) {
    SetRandomScript(Draw40);
    PlaceEnemyBullet(false, BulletShot{.x = 600.0f, .y = 500.0f, .size = 3});
    const SinkingDeath death{.dyingPhase = 6,
                             .explosionFrames = 8,
                             .whiteoutFrame = 4,
                             .sink = 2.0f,
                             .bigBlastPeriod = 8,
                             .finalFrame = 10,
                             .ringFirst = true,
                             .ringCount = 4,
                             .ringRadius = 60.0f};
    int frames = 0;
    while (!host.RunSinkingDeath(death)) {
        ++frames;
        if (frames == 1) {
            EXPECT_EQ(host.bossPhase, 6);
            EXPECT_EQ(EnemyBulletPool[0].active, 0);   // cancelled on the first frame
        }
        EXPECT_EQ(WhiteoutActive, frames >= 5 ? 1 : 0) << frames;
        if (frames <= 8) {
            EXPECT_GE(MagnetTimer, 1) << frames;
        }
        MagnetTimer = 0;
        ASSERT_LT(frames, 50);
    }
    EXPECT_EQ(frames, 10);   // retired on the 11th frame
    EXPECT_EQ(MagnetTimer, 0);
    // The cancelled bullet's coin first; effect 4 from the stone at d = 0 and
    // 4, effect 7 at the point on the big-blast count and effect 3 otherwise;
    // then the ring before the centre.
    const int32_t types[] = {kEffectCancelCoin,      kEffectFlyingExplosion, kEffectBossDeath, kEffectFlyingExplosion,
                             kEffectRisingExplosion, kEffectBossDeath,       kEffectBossDeath, kEffectBossDeath,
                             kEffectBossDeath,       kEffectBossDeath};
    for (int i = 0; i < 10; ++i) EXPECT_EQ(EffectPool.type[i], types[i]) << i;
    EXPECT_EQ(EffectPool.active[10], 0);
    EXPECT_EQ(EffectPool.x[1], 500.0f);
    EXPECT_EQ(EffectPool.y[1], 300.0f);
    EXPECT_EQ(EffectPool.x[2], 390.0f);
    EXPECT_EQ(EffectPool.y[2], 190.0f);
    EXPECT_EQ(EffectPool.y[3], 308.0f);   // two pixels a frame
    // The stone sank 16 pixels; the ring of four stands 60 pixels round it.
    EXPECT_NEAR(EffectPool.x[5], 560.0f, 1e-3f);
    EXPECT_NEAR(EffectPool.y[6], 376.0f, 1e-3f);
    EXPECT_EQ(EffectPool.x[9], 500.0f);
    EXPECT_EQ(EffectPool.y[9], 316.0f);
    EXPECT_EQ(host.active, 0);
    EXPECT_EQ(BaseScore, 10 + 7000);   // the cancelled bullet's 10, then the reward
    for (const Item& it : ItemPool) EXPECT_EQ(it.active, 0);
}

TEST_F(SinkingDeathTest, ApproachMovesAlongTheHeadingUntilWithinTenPixels) {
    host.x = 640.0f;
    host.y = 100.0f;
    host.ApproachPoint(640.0f, 250.0f, 1.5f);
    EXPECT_NEAR(host.x, 640.0f, 1e-4f);
    EXPECT_FLOAT_EQ(host.y, 101.5f);
    EXPECT_FLOAT_EQ(host.headingAngle, static_cast<float>(M_PI / 2));
    // Within 10 pixels on both axes it stays, its heading kept.
    host.x = 650.0f;
    host.y = 240.0f;
    host.headingAngle = 1.0f;
    host.ApproachPoint(640.0f, 250.0f, 1.5f);
    EXPECT_EQ(host.x, 650.0f);
    EXPECT_EQ(host.y, 240.0f);
    EXPECT_EQ(host.headingAngle, 1.0f);
    host.x = 650.5f;
    host.ApproachPoint(640.0f, 250.0f, 1.5f);
    EXPECT_LT(host.x, 650.5f);
    EXPECT_GT(host.y, 240.0f);
}

}   // namespace
