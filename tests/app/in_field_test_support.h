#pragma once
// Set-up for the tests of the in-field frame, the hits, the skills and the
// score: a game object and a field at its start, with helpers that put
// enemies, satellites and bullets where a test wants them.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/bullet.h"
#include "core/common_textures.h"
#include "core/effects.h"
#include "core/emotion.h"
#include "core/player.h"
#include "core/popups.h"
#include "core/score.h"
#include "enemy/enemy.h"
#include "species/cave/enemy_child.h"
#include "support/busy_field.h"
#include "support/game_holder.h"
#include "support/pool_census.h"
#include "support/resource_dir.h"

namespace infield_test {

class PlayTest : public ::testing::Test {
protected:
    void SetUp() override {
        testsupport::ResetPlayState();
        std::srand(1);
    }
    void TearDown() override { testsupport::ResetPlayState(); }

    static Enemy& PlaceEnemy(int slot, int32_t species, float x, float y, int32_t hp, int32_t defense,
                             int32_t defense2 = 10, int32_t attack = 10) {
        Enemy& e = EnemyPool[slot];
        e.Occupy(species, 0, x, y, 1, 1, 0.0f);
        e.status.hp = hp;
        e.status.maxHp = hp;
        e.status.attack = attack;
        e.status.defense = defense;
        e.status.defense2 = defense2;
        return e;
    }

    static EnemyChild& PlaceSatellite(int index, float x, float y, int32_t gaugeFlag, int32_t hp = 1500,
                                      int32_t attack = 10) {
        EnemyChild& c = EnemyChildPool[index];
        c.Occupy(101, 0, x, y, 1, 3, 0.0f);
        c.gaugeFlag = gaugeFlag;
        c.status.hp = hp;
        c.status.maxHp = hp;
        c.status.attack = attack;
        c.status.defense = 80;
        c.status.defense2 = 90;
        return c;
    }

    // A still enemy bullet of size 1..3 in the first free slot.
    static int32_t PlaceBullet(float x, float y, int32_t size = 1, int32_t colour = 1, int32_t power = 10,
                               int32_t power2 = 10) {
        return PlaceEnemyBullet(false, BulletShot{.x = x,
                                                  .y = y,
                                                  .angle = 90.0f,
                                                  .size = size,
                                                  .colour = static_cast<BulletColour>(colour),
                                                  .power = power,
                                                  .power2 = power2});
    }

    static int ActiveBullets() { return Live(testsupport::kPoolEnemyBullets); }
    static int ActiveDamagePopups() { return Live(testsupport::kPoolDamagePopups); }
    static int ActiveScorePopups() { return Live(testsupport::kPoolScorePopups); }
    static int ActiveEffects(int32_t type) {
        int n = 0;
        for (int i = 0; i < kEffectCount; ++i) n += EffectPool.active[i] != 0 && EffectPool.type[i] == type ? 1 : 0;
        return n;
    }
    static float Gauge(int32_t category) { return EmotionGauges[category - 1]; }

private:
    static int Live(testsupport::PoolId pool) { return testsupport::TakePoolCensus().live[pool]; }
};

// A field played to its end: the end writes the best score, so the run
// happens in a copy of the resource folder.
class FieldEndPlayTest : public PlayTest {
protected:
    void SetUp() override {
        mirror.Enter();
        PlayTest::SetUp();
    }
    testsupport::ResourceMirror mirror;
    testsupport::GameHolder game;
};

// A field with the game's own art loaded from a copy of the resource folder.
class LoadedPlayTest : public PlayTest {
protected:
    void SetUp() override {
        testsupport::CreateHeadlessGraphics();
        mirror.Enter();
        ASSERT_TRUE(game->CreateAssets());
        PlayTest::SetUp();
    }
    void TearDown() override {
        PlayTest::TearDown();
        game->ReleaseAssets();
        testsupport::ReleaseHeadlessGraphics();
    }
    testsupport::ResourceMirror mirror;
    testsupport::GameHolder game;
};

}  // namespace infield_test
