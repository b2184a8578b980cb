#include "app/hit_tests.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/in_field_test_support.h"

namespace {

using infield_test::PlayTest;

struct DamageCase {
    const char* what;
    float power;
    float defense;
    float factor;
    int32_t expected;
};

TEST(DamageRule, SinglePrecisionCases) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const DamageCase cases[] = {
        {"ratio capped at 3", 30.0f, 10.0f, 1.0f, 90},
        {"ratio floored at 0.1, v 0.1", 1.0f, 100.0f, 1.0f, 1},
        {"defense 999 any power", 5000.0f, 999.0f, 20.0f, 1},
        {"defense 999 weak power", 0.5f, 999.0f, 1.0f, 1},
        {"skill 2 turns 10 into 6", 10.0f, 10.0f, 0.6f, 6},
        {"skill 1 with A2 70 on defense2 5", 70.0f * 0.1f, 5.0f, 20.0f, 196},
        {"skill 3 with A2 70 on defense2 5", 70.0f * 1.5f, 5.0f, 20.0f, 6300},
        // 9 x 0.9 x 20 is 162 in double precision; single precision gives 161.999985.
        {"level-1 sword on defense 10", 9.0f, 10.0f, 20.0f, 161},
        {"attack multiplier 1.2 on a lance", 9.0f * 1.2f, 10.0f, 1.0f, 11},
        {"enemy body on defense 11", 10.0f, 11.0f, 1.0f, 9},
        {"zero power", 0.0f, 10.0f, 1.0f, 1},
        {"no power against no defense", 0.0f, 0.0f, 20.0f, 1},
        {"power against no defense", 5.0f, 0.0f, 1.0f, 15},
        {"negative power", -5.0f, 10.0f, 1.0f, 1},
        {"power not a number", nan, 10.0f, 1.0f, 1},
        {"beyond 32 bits", 1.0e9f, 1.0f, 20.0f, INT32_MAX},
    };
    for (const DamageCase& c : cases) EXPECT_EQ(ComputeDamage(c.power, c.defense, c.factor), c.expected) << c.what;
}

struct RadiusCase {
    const char* what;
    int32_t (*test)(const Vec3&, const Vec3&, int32_t);
    int32_t selector;
    float radiusOverPi;
};

int32_t SizeClassPickup(const Vec3& a, const Vec3& b, int32_t kind) { return CircleHitSizeClass(a, b, kind, 1); }
int32_t SizeClassMode(const Vec3& a, const Vec3& b, int32_t mode) { return CircleHitSizeClass(a, b, 1, mode); }

TEST(CircleTests, HitStrictlyInsideTheRadiusOnly) {
    const RadiusCase cases[] = {
        {"lance on a small flyer", CircleHitSpeciesPlus9Pi, 1, 25.0f},
        {"lance on a big rafflesia", CircleHitSpeciesPlus9Pi, 20, 73.0f},
        {"sword on a cocoon", CircleHitSpeciesPlus81Pi, 8, 101.25f},
        {"sword on a satellite", CircleHitSpeciesPlus81Pi, 102, 97.0f},
        {"body of a scorpion", CircleHitSpeciesSmall, 5, 26.0f},
        {"body of the final boss", CircleHitSpeciesSmall, 99, 17.0f},
        {"body of an unknown species", CircleHitSpeciesSmall, 12, 1.0f},
        {"skill area on a big rafflesia", CircleHitSpeciesPlus100Pi, 15, 164.0f},
        {"bullet type 5", CircleHitShotType, 5, 5.0f},
        {"bullet type 4", CircleHitShotType, 4, 2.0f},
        {"bullet type 9", CircleHitShotType, 9, 2.0f},
        {"player shot type 0", CircleHitShotType, 0, 1.0f},
        {"item pickup, coin", SizeClassPickup, 1, 17.0f},
        {"item pickup, unknown kind", SizeClassPickup, 5, 1.0f},
        {"item magnet", SizeClassMode, 2, 37.0f},
        {"item mode 3", SizeClassMode, 3, 101.0f},
        {"item, unknown mode", SizeClassMode, 7, 1.0f},
    };
    const Vec3 origin{0.0f, 0.0f, 0.0f};
    for (const RadiusCase& c : cases) {
        const float r = c.radiusOverPi * 3.1415927f;
        EXPECT_EQ(c.test(origin, Vec3{r * 0.999f, 0.0f, 0.0f}, c.selector), 1) << c.what;
        EXPECT_EQ(c.test(origin, Vec3{0.0f, -r * 0.999f, 500.0f}, c.selector), 1) << c.what << " (z ignored)";
        EXPECT_EQ(c.test(origin, Vec3{r, 0.0f, 0.0f}, c.selector), 0) << c.what << " (on the edge)";
        EXPECT_EQ(c.test(origin, Vec3{r * 1.001f, 0.0f, 0.0f}, c.selector), 0) << c.what;
    }
    // About 15.7 px for the middle bullet, 6.3 px for the small one.
    EXPECT_EQ(CircleHitShotType(origin, Vec3{15.7f, 0.0f, 0.0f}, 5), 1);
    EXPECT_EQ(CircleHitShotType(origin, Vec3{15.71f, 0.0f, 0.0f}, 5), 0);
    EXPECT_EQ(CircleHitShotType(origin, Vec3{6.28f, 0.0f, 0.0f}, 4), 1);
    EXPECT_EQ(CircleHitShotType(origin, Vec3{6.29f, 0.0f, 0.0f}, 4), 0);
}

CombatValues LevelOneValues(float damageTaken = 1.0f) {
    CombatValues v;
    v.attack = 9.0f;
    v.attack2 = 7.0f;
    v.defense = 11.0f;
    v.defense2 = 5.0f;
    v.damageTaken = damageTaken;
    return v;
}

using DefenceTest = PlayTest;

TEST_F(DefenceTest, OnlyTheLowestSlotOfTwoTouchingBulletsHurts) {
    Player& p = ThePlayer;
    for (int i = 0; i < 3; ++i) PlaceBullet(900.0f, 100.0f);
    const int32_t first = PlaceBullet(p.x + 3.0f, p.y, 1, 1, 10, 99);
    const int32_t second = PlaceBullet(p.x, p.y - 2.0f, 1, 2, 99, 50);

    ResolveDefensiveHits(p, LevelOneValues());

    // Colour 1: power 10 against defense 11.
    EXPECT_EQ(p.status.hp, 91);
    EXPECT_EQ(EnemyBulletPool[first].active, 0);
    EXPECT_EQ(EnemyBulletPool[second].active, 1);
    EXPECT_EQ(ActiveBullets(), 4);
    EXPECT_EQ(HitsTakenCount, 1);
    EXPECT_EQ(p.invincible, 1);
    EXPECT_EQ(p.invincibleKind, 1);
    EXPECT_EQ(p.invincibleTimer, 150);
    EXPECT_EQ(p.state, 1);
    EXPECT_EQ(ActiveEffects(1), 1);
    ASSERT_EQ(ActiveDamagePopups(), 1);
    EXPECT_EQ(DamageNumberPool[0].kind, 1);
    EXPECT_EQ(DamageNumberPool[0].colour, 1);
    EXPECT_EQ(DamageNumberPool[0].value, 9);
    // 9 of 100 HP is below a tenth: amount 1, times 400 at Difficulty 1.
    EXPECT_FLOAT_EQ(Gauge(2), 900.0f);
    EXPECT_FLOAT_EQ(Gauge(1), 100.0f);
    EXPECT_FLOAT_EQ(Gauge(5), 900.0f);

    // Invincible now: the second bullet passes harmlessly.
    ResolveDefensiveHits(p, LevelOneValues());
    EXPECT_EQ(p.status.hp, 91);
    EXPECT_EQ(EnemyBulletPool[second].active, 1);
}

TEST_F(DefenceTest, BulletColourPicksTheDamagePair) {
    struct Case {
        int32_t colour;
        float damageTaken;
        int32_t expectedDamage;
        int32_t popupColour;
    };
    // Powers 10 / 50 against D 11 / D2 5; a colour other than 2 counts as 1.
    const Case cases[] = {{1, 1.0f, 9, 1}, {2, 1.0f, 150, 2}, {3, 1.0f, 9, 1}, {0, 1.0f, 9, 1}, {1, 0.6f, 5, 1}};
    for (const Case& c : cases) {
        testsupport::ResetPlayState();
        Player& p = ThePlayer;
        p.status.hp = 1000;
        p.status.maxHp = 1000;
        const int32_t slot = PlaceBullet(p.x, p.y, 2, 1, 10, 50);
        EnemyBulletPool[slot].colour = c.colour;
        ResolveDefensiveHits(p, LevelOneValues(c.damageTaken));
        EXPECT_EQ(p.status.hp, 1000 - c.expectedDamage) << "colour " << c.colour;
        EXPECT_EQ(DamageNumberPool[0].colour, c.popupColour) << "colour " << c.colour;
    }
}

TEST_F(DefenceTest, BodiesHurtBothSidesAndTheHitAmountFollowsTheShareOfMaxHp) {
    Player& p = ThePlayer;
    // Enemy attack 22 against D 11: ratio 2, damage 44 = 44 % of max HP -> amount 3.
    Enemy& e = PlaceEnemy(4, 5, p.x + 20.0f, p.y, 5000, 15, 10, 22);
    ResolveDefensiveHits(p, LevelOneValues());
    EXPECT_EQ(p.status.hp, 56);
    // A 9 against defense 15 with factor 20.
    EXPECT_EQ(e.status.hp, 5000 - 108);
    EXPECT_EQ(e.hitFlag, 1);
    EXPECT_EQ(BaseScore, 108);
    EXPECT_EQ(ActiveDamagePopups(), 2);
    EXPECT_FLOAT_EQ(Gauge(2), 1000.0f);  // 500 + 3 x 400, held at the top
    EXPECT_FLOAT_EQ(Gauge(1), 0.0f);
    EXPECT_EQ(HitsTakenCount, 1);

    // A satellite without a gauge hurts the player but cannot be hurt.
    testsupport::ResetPlayState();
    EnemyChild& c = PlaceSatellite(2, ThePlayer.x, ThePlayer.y + 5.0f, 0, 1500, 10);
    ResolveDefensiveHits(ThePlayer, LevelOneValues());
    EXPECT_EQ(ThePlayer.status.hp, 91);
    EXPECT_EQ(c.status.hp, 1500);
    EXPECT_EQ(c.hitFlag, 0);
    EXPECT_EQ(BaseScore, 0);
    EXPECT_EQ(ActiveDamagePopups(), 1);
    EXPECT_FLOAT_EQ(Gauge(2), 900.0f);  // 9 % of max HP: amount 1
}

using OffenceTest = PlayTest;

TEST_F(OffenceTest, SwordBurstCancelsEveryBulletInReachButMovesTheGaugesForTenOnly) {
    Player& p = ThePlayer;
    p.swordTimer = 171;
    for (int i = 0; i < 12; ++i) PlaceBullet(p.x - 110.0f + 20.0f * static_cast<float>(i), p.y - 50.0f, 1 + i % 3);
    const int32_t below = PlaceBullet(p.x, p.y + 100.0f);    // not above the reach line
    const int32_t far = PlaceBullet(p.x + 300.0f, p.y);      // outside 82 pi

    ResolveOffensiveHits(p, 9.0f);

    EXPECT_EQ(ActiveBullets(), 2);
    EXPECT_EQ(EnemyBulletPool[below].active, 1);
    EXPECT_EQ(EnemyBulletPool[far].active, 1);
    EXPECT_EQ(BaseScore, 120);
    ASSERT_EQ(ActiveScorePopups(), 12);
    EXPECT_EQ(ScorePopupPool[11].kind, 1);
    EXPECT_EQ(ScorePopupPool[11].value, 10);
    EXPECT_EQ(ActiveEffects(9), 12);
    // Event 3 at Difficulty 1 moves 1.5 per bullet, for the first ten only.
    EXPECT_FLOAT_EQ(Gauge(1), 515.0f);
    EXPECT_FLOAT_EQ(Gauge(6), 515.0f);
    EXPECT_FLOAT_EQ(Gauge(5), 485.0f);

    // On the eleventh frame of the swing the sword no longer cuts.
    const int32_t next = PlaceBullet(p.x, p.y - 10.0f);
    p.swordTimer = 170;
    ResolveOffensiveHits(p, 9.0f);
    EXPECT_EQ(EnemyBulletPool[next].active, 1);
}

TEST_F(OffenceTest, SwordHitsEnemiesAndGaugedSatellitesAndTicksSpOnTheEleventhHit) {
    Player& p = ThePlayer;
    p.swordTimer = 180;
    p.status.sp = 10;
    Enemy& e = PlaceEnemy(0, 1, p.x + 100.0f, p.y - 100.0f, 100000, 10);
    Enemy& outside = PlaceEnemy(1, 1, 1041.0f, p.y, 100000, 10);
    Enemy& behind = PlaceEnemy(2, 1, p.x, p.y + 100.0f, 100000, 10);
    EnemyChild& gauged = PlaceSatellite(0, p.x - 50.0f, p.y, 1);
    EnemyChild& plain = PlaceSatellite(1, p.x + 50.0f, p.y, 0);

    for (int hit = 1; hit <= 5; ++hit) ResolveOffensiveHits(p, 9.0f);
    // Five frames, two sword hits each: ten hits counted, no SP yet.
    EXPECT_EQ(p.swordHitCount, 10);
    EXPECT_EQ(p.status.sp, 10);
    EXPECT_EQ(e.status.hp, 100000 - 5 * 161);
    EXPECT_EQ(gauged.status.hp, 1500 - 5 * 20);  // 9 against 80 with factor 20
    EXPECT_EQ(e.hitFlag, 1);
    EXPECT_EQ(gauged.hitFlag, 1);
    EXPECT_EQ(outside.status.hp, 100000);
    EXPECT_EQ(behind.status.hp, 100000);
    EXPECT_EQ(plain.status.hp, 1500);
    EXPECT_EQ(BaseScore, 5 * (161 + 20));
    EXPECT_EQ(ActiveEffects(8), 10);
    EXPECT_EQ(ActiveDamagePopups(), 10);
    EXPECT_FLOAT_EQ(Gauge(4), 520.0f);  // event 12: 2 per hit

    gauged.status.hp = -1;  // leaves only the enemy in reach
    ResolveOffensiveHits(p, 9.0f);
    EXPECT_EQ(p.status.sp, 11);
    EXPECT_EQ(p.swordHitCount, 0);

    // A killing cut sends event 13 before event 12.
    e.status.hp = 100;
    ResolveOffensiveHits(p, 9.0f);
    EXPECT_EQ(e.status.hp, -61);
    EXPECT_FLOAT_EQ(Gauge(4), 529.0f);
}

TEST_F(OffenceTest, LancesHitOncePerShotAndTickSpOnTheHundredAndFirstHit) {
    Player& p = ThePlayer;
    p.status.sp = 30;
    Enemy& e = PlaceEnemy(3, 1, 500.0f, 200.0f, 1000000, 10);
    auto fire = [](float x, float y) {
        SpawnBullet(kSidePlayer, BulletShot{.x = x, .y = y, .angle = -90.0f, .speed = 20.0f, .size = 0});
    };

    // Two lances on one enemy in a frame: both hit, one damage number (the throttle).
    fire(e.x, e.y + 10.0f);
    fire(e.x - 10.0f, e.y);
    ResolveOffensiveHits(p, 9.0f);
    EXPECT_EQ(e.status.hp, 1000000 - 2 * 8);
    EXPECT_EQ(BaseScore, 16);
    EXPECT_EQ(PlayerShotPool[0].active, 0);
    EXPECT_EQ(PlayerShotPool[1].active, 0);
    EXPECT_EQ(ActiveDamagePopups(), 1);
    ASSERT_EQ(ActiveEffects(10), 2);
    EXPECT_FLOAT_EQ(EffectPool.y[0], e.y + 10.0f - 50.0f);

    for (int hit = 3; hit <= 100; ++hit) {
        fire(e.x, e.y);
        ResolveOffensiveHits(p, 9.0f);
    }
    EXPECT_EQ(p.shotHitCount, 100);
    EXPECT_EQ(p.status.sp, 30);
    fire(e.x, e.y);
    ResolveOffensiveHits(p, 9.0f);
    EXPECT_EQ(p.status.sp, 31);
    EXPECT_EQ(p.shotHitCount, 0);

    // A satellite without a gauge lets lances through; one with a gauge stops them.
    EnemyChild& plain = PlaceSatellite(0, 700.0f, 300.0f, 0);
    fire(plain.x, plain.y);
    ResolveOffensiveHits(p, 9.0f);
    EXPECT_EQ(PlayerShotPool[0].active, 1);
    plain.gaugeFlag = 1;
    ResolveOffensiveHits(p, 9.0f);
    EXPECT_EQ(PlayerShotPool[0].active, 0);
    EXPECT_EQ(plain.status.hp, 1500 - 1);
}

}  // namespace
