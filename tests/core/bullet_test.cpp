#include "core/bullet.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/effects.h"
#include "core/emotion.h"
#include "core/field_globals.h"
#include "core/popups.h"
#include "core/score.h"
#include "machinery_probe.h"

namespace {

using machinery_test::DrawRecording;

class Bullets : public ::testing::Test {
protected:
    machinery_test::HeadlessGraphics graphics_;
    machinery_test::StandInSheet bulletSheet_{EnemyBulletTexture};
    machinery_test::StandInSheet lanceSheet_{PlayerShotTexture};

    void SetUp() override {
        ClearBullets();
        InitEffects();
        ClearScorePopups();
        ResetEmotionGauges();
        BulletSpeedScale = 1.0f;
        BulletTargetPos = Vec3{640.0f, 600.0f, 0.0f};
        BulletRoute = 0;
        BaseScore = 0;
        Difficulty = 1;
    }
    // The stand-in sheets go with the test: no bullet may be left pointing at them.
    void TearDown() override { ClearBullets(); }
};

int ActiveEnemyBullets() {
    int n = 0;
    for (const Bullet& b : EnemyBulletPool) n += b.active;
    return n;
}

TEST_F(Bullets, SpawnsWriteTheWholeRecord) {
    BulletSpeedScale = 1.3f;
    SpawnBullet(kSideEnemy, BulletShot{.x = 640.0f,
                                       .y = 100.0f,
                                       .angle = 45.0f,
                                       .speed = 3.5f,
                                       .size = 2,
                                       .colour = BulletColour::kSecond,
                                       .aimed = true,
                                       .behaviour = 21,
                                       .power = 30,
                                       .power2 = 40});
    BulletSpeedScale = 0.7f;   // later frames do not touch a live bullet
    SpawnPatternBullet(
        BulletShot{.x = 300.0f, .y = 100.0f, .angle = 90.0f, .speed = 2.0f, .behaviour = 5, .power = 3, .power2 = 4});
    SpawnBullet(kSidePlayer, BulletShot{.x = 600.0f,
                                        .y = 500.0f,
                                        .angle = -90.0f,
                                        .speed = 22.0f,
                                        .size = 0,
                                        .behaviour = 7,
                                        .power = 9,
                                        .power2 = 9});
    SpawnBullet(3, BulletShot{.x = 600.0f, .y = 500.0f, .speed = 1.0f});   // no such side
    const Bullet& b = EnemyBulletPool[0];
    EXPECT_EQ(b.active, 1);
    EXPECT_EQ(b.side, 2);
    EXPECT_EQ(b.patternFlag, 0);
    EXPECT_EQ(b.aimed, 1);
    EXPECT_EQ(b.texture, EnemyBulletTexture);
    EXPECT_EQ(b.x, 640.0f);
    EXPECT_EQ(b.y, 100.0f);
    EXPECT_EQ(b.angle, 45.0f);
    EXPECT_EQ(b.speed, 3.5f);
    EXPECT_EQ(b.spriteType, 8);
    EXPECT_EQ(b.behaviourId, 21);
    EXPECT_EQ(b.colour, 2);
    EXPECT_EQ(b.power, 30);
    EXPECT_EQ(b.power2, 40);
    EXPECT_EQ(b.age, 0);
    EXPECT_EQ(b.speedScale, 1.3f);
    EXPECT_FLOAT_EQ(b.aimAngle, static_cast<float>(M_PI / 2));
    const Bullet& p = EnemyBulletPool[1];
    EXPECT_EQ(p.patternFlag, 1);
    EXPECT_EQ(p.spriteType, 4);
    EXPECT_EQ(p.speedScale, 0.7f);
    EXPECT_EQ(EnemyBulletPool[2].active, 0);

    const Bullet& s = PlayerShotPool[0];
    EXPECT_EQ(s.side, 1);
    EXPECT_EQ(s.texture, PlayerShotTexture);
    EXPECT_EQ(s.behaviourId, 0);
    EXPECT_EQ(s.power, 0);
    EXPECT_EQ(s.speedScale, 0.0f);
    EXPECT_EQ(PlayerShotPool[1].active, 0);
    UpdateBullets();
    EXPECT_FLOAT_EQ(s.y, 478.0f);

    // Sprite types 4..9 from size and colour; anything else leaves 0.
    for (int colour = 0; colour <= 3; ++colour)
        for (int size = 0; size <= 4; ++size) {
            const bool valid = colour >= 1 && colour <= 2 && size >= 1 && size <= 3;
            EXPECT_EQ(EnemyBulletSpriteType(size, colour), valid ? 3 * (colour - 1) + size + 3 : 0);
        }
    ClearBullets();
    EXPECT_EQ(ActiveEnemyBullets() + PlayerShotPool[0].active, 0);
    EXPECT_EQ(PlayerShotPool[0].texture, nullptr);
}

TEST_F(Bullets, FullPoolDropsBothSpawns) {
    for (int i = 0; i < kEnemyBulletCount; ++i) SpawnBullet(kSideEnemy, BulletShot{.x = 640.0f, .y = 300.0f});
    SpawnBullet(kSideEnemy, BulletShot{.x = 1.0f, .y = 1.0f, .size = 3});
    SpawnPatternBullet(BulletShot{.x = 1.0f, .y = 1.0f, .size = 3});
    for (const Bullet& b : EnemyBulletPool) EXPECT_EQ(b.x, 640.0f);

    // A slot freed anywhere, even below earlier spawns, is the next one taken.
    EnemyBulletPool[700].Deactivate();
    EnemyBulletPool[3].Deactivate();
    EXPECT_EQ(PlaceEnemyBullet(false, BulletShot{}), 3);
    EXPECT_EQ(PlaceEnemyBullet(false, BulletShot{}), 700);
    EXPECT_EQ(PlaceEnemyBullet(false, BulletShot{}), -1);
}

TEST_F(Bullets, RemovedExactlyAtTheBounds) {
    struct Case {
        float x, y;
        bool removed;
    };
    const Case cases[] = {{190.0f, 300.0f, true},  {191.0f, 300.0f, false}, {1090.0f, 300.0f, true},
                          {1089.0f, 300.0f, false}, {640.0f, -50.0f, true},  {640.0f, -49.0f, false},
                          {640.0f, 770.0f, true},  {640.0f, 769.0f, false}};
    for (const Case& c : cases) {
        ClearBullets();
        SpawnBullet(kSideEnemy, BulletShot{.x = c.x, .y = c.y, .speed = 1.0f, .power = 5, .power2 = 5});
        UpdateBullets();
        const Bullet& b = EnemyBulletPool[0];
        EXPECT_EQ(b.active, c.removed ? 0 : 1) << c.x << ", " << c.y;
        EXPECT_EQ(b.x, c.removed ? c.x : c.x + 1.0f) << "a removed bullet keeps its position";
        if (c.removed) {
            EXPECT_EQ(b.texture, nullptr);
            EXPECT_EQ(b.power, 0);
            EXPECT_EQ(b.speedScale, 0.0f);
        }
    }
}

TEST_F(Bullets, LostShotsReportTheMissOncePerBound) {
    Difficulty = 2;
    SpawnBullet(kSidePlayer, BulletShot{.x = 190.0f, .y = 300.0f, .speed = 20.0f, .size = 0});
    UpdateBullets();
    EXPECT_EQ(PlayerShotPool[0].active, 0);
    EXPECT_FLOAT_EQ(EmotionGauges[2], 500.3f);
    EXPECT_FLOAT_EQ(EmotionGauges[4], 500.3f);
    SpawnBullet(kSidePlayer,
                BulletShot{.x = 1090.0f, .y = 770.0f, .speed = 20.0f, .size = 0});   // past a corner: twice
    UpdateBullets();
    EXPECT_FLOAT_EQ(EmotionGauges[2], 500.9f);
    EXPECT_FLOAT_EQ(EmotionGauges[3], 499.1f);
}

TEST_F(Bullets, MovesByScaledSpeedAlongItsHeadingOrAim) {
    BulletSpeedScale = 1.5f;
    SpawnBullet(kSideEnemy, BulletShot{.x = 300.0f, .y = 300.0f, .angle = 90.0f, .speed = 2.0f, .size = 3});
    BulletTargetPos = Vec3{600.0f, 700.0f, 0.0f};
    SpawnBullet(kSideEnemy, BulletShot{.x = 300.0f, .y = 300.0f, .speed = 5.0f, .size = 3, .aimed = true});
    BulletTargetPos = Vec3{0.0f, 0.0f, 0.0f};   // the player moves away: the aim stays
    for (int u = 0; u < 10; ++u) UpdateBullets();
    EXPECT_NEAR(EnemyBulletPool[0].x, 300.0f, 1e-3f);
    EXPECT_FLOAT_EQ(EnemyBulletPool[0].y, 330.0f);
    EXPECT_NEAR(EnemyBulletPool[1].x, 300.0f + 0.6f * 75.0f, 1e-3f);
    EXPECT_NEAR(EnemyBulletPool[1].y, 300.0f + 0.8f * 75.0f, 1e-3f);
    EXPECT_EQ(EnemyBulletPool[1].age, 10);
}

TEST_F(Bullets, SpinTurnsAndWrapsBySpriteType) {
    SpawnBullet(kSideEnemy, BulletShot{.x = 640.0f, .y = 300.0f});   // 4
    SpawnBullet(kSideEnemy, BulletShot{.x = 640.0f, .y = 300.0f, .size = 2, .colour = BulletColour::kSecond});   // 8
    SpawnBullet(kSideEnemy, BulletShot{.x = 640.0f, .y = 300.0f, .size = 3, .colour = BulletColour::kSecond});   // 9
    UpdateBullets();
    EXPECT_EQ(EnemyBulletPool[0].spin, 6);
    EXPECT_EQ(EnemyBulletPool[1].spin, -6);
    EXPECT_EQ(EnemyBulletPool[2].spin, 0);
    for (int u = 2; u <= 59; ++u) UpdateBullets();
    EXPECT_EQ(EnemyBulletPool[0].spin, 354);
    EXPECT_EQ(EnemyBulletPool[1].spin, -354);
    UpdateBullets();
    EXPECT_EQ(EnemyBulletPool[0].spin, 0);
    EXPECT_EQ(EnemyBulletPool[1].spin, 0);
}

TEST_F(Bullets, CoinCancelTurnsEveryTwentyFirstSmallBulletIntoABigCoin) {
    for (int i = 0; i < 45; ++i)
        SpawnBullet(kSideEnemy, BulletShot{.x = 300.0f + i, .y = 200.0f, .speed = 1.0f, .size = i % 2 == 0 ? 1 : 3});
    SpawnBullet(kSideEnemy, BulletShot{.x = 700.0f, .y = 400.0f, .speed = 1.0f, .size = 2});
    SpawnBullet(kSideEnemy,
                BulletShot{.x = 710.0f, .y = 400.0f, .speed = 1.0f, .size = 2, .colour = BulletColour::kSecond});
    EnemyBulletPool[47].active = 1;   // a bullet with no sprite type is only removed
    CancelEnemyBullets(1);
    EXPECT_EQ(ActiveEnemyBullets(), 0);
    int coins = 0, bigCoins = 0;
    for (int i = 0; i < kEffectCount; ++i) {
        if (EffectPool.active[i] == 0) continue;
        coins += EffectPool.type[i] == 13;
        bigCoins += EffectPool.type[i] == 14;
    }
    EXPECT_EQ(coins, 43);
    EXPECT_EQ(bigCoins, 4);
    EXPECT_EQ(EffectPool.type[20], 14);   // the 21st and 42nd small bullets
    EXPECT_EQ(EffectPool.type[41], 14);
    EXPECT_EQ(EffectPool.x[41], 341.0f);
    EXPECT_EQ(EffectPool.type[45], 14);
    EXPECT_EQ(EffectPool.timer[45], 0);
    EXPECT_EQ(BaseScore, 550);
    int kind1 = 0, kind3 = 0;
    for (const ScorePopup& s : ScorePopupPool) {
        kind1 += s.active == 1 && s.kind == 1 && s.value == 10;
        kind3 += s.active == 1 && s.kind == 3 && s.value == 50;
    }
    EXPECT_EQ(kind1, 45);
    EXPECT_EQ(kind3, 2);
}

TEST_F(Bullets, PlainCancelAndAFullEffectPool) {
    for (int i = 0; i < 45; ++i)
        SpawnBullet(kSideEnemy, BulletShot{.x = 300.0f, .y = 200.0f, .speed = 1.0f, .colour = BulletColour::kSecond});
    SpawnBullet(kSideEnemy, BulletShot{.x = 700.0f, .y = 400.0f, .speed = 1.0f, .size = 2});
    SpawnBullet(kSideEnemy, BulletShot{.x = 710.0f, .y = 400.0f, .speed = 1.0f, .size = 2});
    CancelEnemyBullets(0);
    int removals = 0;
    for (int i = 0; i < kEffectCount; ++i) removals += EffectPool.active[i] == 1 && EffectPool.type[i] == 15;
    EXPECT_EQ(removals, 47);
    EXPECT_EQ(BaseScore, 450);

    // With no room for effects, the score and popups of a coin cancel still come.
    for (int i = 0; i < kEffectCount; ++i) PlaceEffect(9, 0.0f, 0.0f, 0.0f);
    ClearScorePopups();
    BaseScore = 0;
    SpawnBullet(kSideEnemy, BulletShot{.x = 300.0f, .y = 200.0f, .speed = 1.0f});
    SpawnBullet(kSideEnemy, BulletShot{.x = 300.0f, .y = 200.0f, .speed = 1.0f, .size = 2});
    CancelEnemyBullets(1);
    EXPECT_EQ(BaseScore, 60);
    EXPECT_EQ(ScorePopupPool[1].kind, 3);
    EXPECT_EQ(ActiveEnemyBullets(), 0);
}

TEST_F(Bullets, DrawsBothSidesWithTheirCellsScalesAndTurns) {
    SpawnBullet(kSidePlayer, BulletShot{.x = 600.0f, .y = 500.0f, .angle = -90.0f, .speed = 20.0f, .size = 0});
    SpawnBullet(kSideEnemy,
                BulletShot{.x = 400.0f, .y = 300.0f, .size = 2, .colour = BulletColour::kSecond});   // type 8
    SpawnBullet(kSideEnemy, BulletShot{.x = 400.0f,
                                       .y = 300.0f,
                                       .angle = 30.0f,
                                       .size = 3,
                                       .colour = BulletColour::kSecond,
                                       .aimed = true});              // type 9, aimed
    SpawnBullet(kSideEnemy, BulletShot{.x = 400.0f, .y = 300.0f});   // type 4
    EnemyBulletPool[0].spin = -90;
    DrawRecording rec;
    PlayerShotPool[0].Draw();
    for (int i = 0; i < 3; ++i) EnemyBulletPool[i].Draw();
    ASSERT_EQ(rec.Records().size(), 4u);
    const DrawRecord& lance = rec.Records()[0];
    EXPECT_EQ(lance.texture, PlayerShotTexture);
    EXPECT_EQ(lance.source.right, 64);
    EXPECT_EQ(lance.source.bottom, 128);
    EXPECT_EQ(lance.centre.x, 32.0f);
    EXPECT_EQ(lance.centre.y, 64.0f);
    EXPECT_NEAR(lance.transform.m[0][0], 1.0f, 1e-6f);   // heading up: no turn
    EXPECT_FLOAT_EQ(lance.transform.m[3][0], 600.0f);
    EXPECT_EQ(lance.color, 0xFFFFFFFFu);

    const DrawRecord& middle = rec.Records()[1];
    EXPECT_EQ(middle.source.left, 32);
    EXPECT_EQ(middle.source.right, 64);
    EXPECT_EQ(middle.source.bottom, 32);
    EXPECT_EQ(middle.centre.x, 16.0f);
    EXPECT_NEAR(middle.transform.m[0][0], 0.0f, 1e-5f);   // turned -90 degrees at scale 1.5
    EXPECT_NEAR(middle.transform.m[0][1], -1.5f, 1e-5f);

    const DrawRecord& large = rec.Records()[2];
    const float turn = 120.0f * kDegToRad + EnemyBulletPool[1].aimAngle;
    EXPECT_EQ(large.source.left, 96);
    EXPECT_NEAR(large.transform.m[0][0], std::cos(turn), 1e-5f);
    EXPECT_NEAR(large.transform.m[0][1], std::sin(turn), 1e-5f);

    const DrawRecord& small = rec.Records()[3];
    EXPECT_EQ(small.source.left, 0);
    EXPECT_FLOAT_EQ(small.transform.m[0][0], 0.75f);
    EXPECT_FLOAT_EQ(small.transform.m[3][1], 300.0f);
}

}  // namespace
