#include "core/frame_multipliers.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>
#include <vector>

#include "app/in_field_test_support.h"
#include "app/scene_flow.h"
#include "core/common_textures.h"
#include "core/fade.h"
#include "core/field_globals.h"
#include "core/high_score.h"
#include "core/item.h"
#include "core/result.h"
#include "enemy/enemy_gauge.h"
#include "enemy/enemy_textures.h"
#include "field/field_state.h"
#include "platform/graphics.h"

namespace {

using infield_test::LoadedPlayTest;
using infield_test::PlayTest;

TEST(FrameMultipliers, BandEdgesOfTheAttackAndMoneyTables) {
    const struct {
        float gauge;
        float attackTable;
        float moneyTable;
    } rows[] = {
        {0.0f, 1.0f, 1.0f},      {499.99f, 1.0f, 1.0f},   {500.0f, 1.0f, 1.1f},   {500.01f, 1.02f, 1.1f},
        {599.99f, 1.02f, 1.1f},  {600.0f, 1.05f, 1.25f},  {699.9f, 1.05f, 1.25f}, {700.0f, 1.09f, 1.45f},
        {800.0f, 1.15f, 1.7f},   {899.99f, 1.15f, 1.7f},  {900.0f, 1.2f, 2.0f},   {999.99f, 1.2f, 2.0f},
        {1000.0f, 1.2f, 2.0f},
    };
    for (const auto& r : rows) {
        EXPECT_FLOAT_EQ(AttackTableMultiplier(r.gauge), r.attackTable) << r.gauge;
        EXPECT_FLOAT_EQ(MoneyTableMultiplier(r.gauge), r.moneyTable) << r.gauge;
    }

    const float even[6] = {500.0f, 500.0f, 500.0f, 500.0f, 500.0f, 500.0f};
    const FrameMultipliers m = ComputeFrameMultipliers(even, 1, 1, 0);
    EXPECT_FLOAT_EQ(m.attack, 1.0f);
    EXPECT_FLOAT_EQ(m.defense, 1.0f);
    EXPECT_FLOAT_EQ(m.money, 1.1f);
    EXPECT_FLOAT_EQ(m.experience, 1.1f);
    EXPECT_FLOAT_EQ(m.damageTaken, 1.0f);

    // Money and attack, defense and experience lean each their own way.
    const float leaning[6] = {300.0f, 700.0f, 950.0f, 50.0f, 500.0f, 500.0f};
    const FrameMultipliers l = ComputeFrameMultipliers(leaning, 5, 30, 4);
    EXPECT_FLOAT_EQ(l.attack, 1.09f);
    EXPECT_FLOAT_EQ(l.defense, 1.2f);
    EXPECT_FLOAT_EQ(l.money, 1.0f);
    EXPECT_FLOAT_EQ(l.experience, 1.0f);
    EXPECT_FLOAT_EQ(l.fieldMoney, 3.0f);
    EXPECT_FLOAT_EQ(l.expFactor, 0.0f);
    EXPECT_FLOAT_EQ(l.damageTaken, 0.6f);
}

TEST(FrameMultipliers, FieldFactorsAndTheExperienceCap) {
    const float money[7] = {1.0f, 1.0f, 1.0f, 2.0f, 2.0f, 3.0f, 1.0f};
    for (int32_t field = 0; field <= 6; ++field) EXPECT_FLOAT_EQ(FieldMoneyFactor(field), money[field]) << field;
    const struct {
        int32_t field;
        int32_t cap;
    } caps[] = {{1, 10}, {2, 10}, {3, 20}, {4, 20}, {5, 30}};
    for (const auto& c : caps) {
        EXPECT_FLOAT_EQ(ExperienceFactor(c.field, c.cap - 1), 1.0f) << c.field;
        EXPECT_FLOAT_EQ(ExperienceFactor(c.field, c.cap), 0.0f) << c.field;
    }
    EXPECT_FLOAT_EQ(ExperienceFactor(0, 30), 1.0f);
    EXPECT_FLOAT_EQ(DamageTakenFactor(4), 0.6f);
    EXPECT_FLOAT_EQ(DamageTakenFactor(3), 1.0f);
}

TEST(FrameMultipliers, BulletSpeedBandsCloseOnTheirUpperEdge) {
    const struct {
        float slow;
        float speed;
        float scale;
    } rows[] = {
        {500.0f, 500.0f, 1.0f},     {400.0f, 600.0f, 1.0f},    {399.99f, 600.01f, 1.06f}, {300.0f, 700.0f, 1.06f},
        {299.99f, 700.01f, 1.13f},  {200.0f, 800.0f, 1.13f},   {100.0f, 900.0f, 1.21f},   {99.99f, 900.01f, 1.3f},
        {0.0f, 1000.0f, 1.3f},      {600.0f, 400.0f, 1.0f},    {600.01f, 399.99f, 0.94f}, {700.0f, 300.0f, 0.94f},
        {800.0f, 200.0f, 0.87f},    {900.0f, 100.0f, 0.79f},   {900.01f, 99.99f, 0.7f},   {1000.0f, 0.0f, 0.7f},
    };
    for (const auto& r : rows)
        EXPECT_FLOAT_EQ(ComputeBulletSpeedScale(r.slow, r.speed, 5.0f), r.scale) << r.slow << " / " << r.speed;
    // A pair that has drifted below 500 on both sides keeps the last value.
    EXPECT_FLOAT_EQ(ComputeBulletSpeedScale(499.0f, 499.0f, 1.13f), 1.13f);
}

class FrameTest : public PlayTest {
protected:
    testsupport::GameHolder game;
    void SetUp() override {
        PlayTest::SetUp();
        game->userInterface.Reset();
    }
};

TEST_F(FrameTest, PublishesThePlayerAndTheFieldBeforeAnythingMoves) {
    Player& p = ThePlayer;
    p.x = 700.0f;
    p.y = 420.0f;
    p.status.hp = 57;
    p.status.sp = 12;
    p.swordTimer = 33;
    p.skill2Cooldown = 400;
    p.selectedSkill = 2;
    p.exp = 1234;
    p.FieldMoney = 88;
    CurrentField = 3;
    FieldCanyonDayState.scrollSpeed = 1.5f;
    FieldCanyonDayState.route = 2;
    EmotionGauges[4] = 300.0f;
    EmotionGauges[5] = 700.0f;
    for (int i = 0; i < 4; ++i)
        SpawnBullet(kSidePlayer, BulletShot{.x = 300.0f, .y = 700.0f, .angle = -90.0f, .size = 0});

    EXPECT_EQ(game->UpdatePlay(), 0);

    for (const Vec3* v : {&EnemyTargetPos, &BulletTargetPos, &ItemTargetPos, &ChildTargetPos, &EffectAnchorPos,
                          &game->userInterface.position}) {
        EXPECT_FLOAT_EQ(v->x, 700.0f);
        EXPECT_FLOAT_EQ(v->y, 420.0f);
    }
    EXPECT_FLOAT_EQ(ScrollSpeed, 1.5f);
    EXPECT_EQ(BulletRoute, 2);
    EXPECT_FLOAT_EQ(BulletSpeedScale, 1.06f);
    EXPECT_EQ(p.freeShotSlots, 26);
    const UserInterface& hud = game->userInterface;
    EXPECT_EQ(hud.status.hp, 57);
    EXPECT_EQ(hud.status.maxHp, 100);
    EXPECT_EQ(hud.status.sp, 12);
    EXPECT_EQ(hud.status.attack2, 7);
    EXPECT_EQ(hud.status.defense2, 5);
    EXPECT_EQ(hud.swordTimer, 33);
    EXPECT_EQ(hud.swordTimerMax, 180);
    EXPECT_EQ(hud.selectedSkill, 2);
    EXPECT_EQ(hud.skillCooldown[1], 400);
    EXPECT_EQ(hud.skillCooldownMax[0], 600);
    EXPECT_EQ(hud.skillCooldownMax[1], 1200);
    EXPECT_EQ(hud.skillCooldownMax[2], 1800);
    EXPECT_EQ(hud.exp, 1234);
    EXPECT_EQ(hud.nextLevelExp, 3000);
    EXPECT_EQ(hud.fieldMoney, 88);

    // Outside the five fields: no scroll, no route, and the field never ends.
    CurrentField = 0;
    EXPECT_EQ(game->UpdatePlay(), 0);
    EXPECT_FLOAT_EQ(ScrollSpeed, -1.0f);
    EXPECT_EQ(BulletRoute, -1);
}

TEST_F(FrameTest, HitsUseTheGaugesMultipliers) {
    Player& p = ThePlayer;
    // Attack gauge full: A = 9 x 1.2 on a lance against defense 10 gives 11, not 8.
    EmotionGauges[0] = 0.0f;
    EmotionGauges[1] = 1000.0f;
    Enemy& e = PlaceEnemy(0, 21, 500.0f, 200.0f, 100000, 10);
    SpawnBullet(kSidePlayer, BulletShot{.x = e.x, .y = e.y + 5.0f, .angle = -90.0f, .size = 0});
    game->UpdatePlay();
    EXPECT_EQ(e.status.hp, 100000 - 11);

    // Defense gauge full and skill 2 running: D = 11 x 1.2, then x 0.6.
    EmotionGauges[2] = 1000.0f;
    EmotionGauges[3] = 0.0f;
    p.state = 4;
    PlaceBullet(p.x, p.y, 1, 1, 10, 10);
    game->UpdatePlay();
    EXPECT_EQ(HitsTakenCount, 1);
    ASSERT_GE(ActiveDamagePopups(), 1);
    bool found = false;
    for (const DamagePopup& d : DamageNumberPool)
        if (d.active != 0 && d.kind == 1) found = d.value == 4;
    EXPECT_TRUE(found);
}

TEST_F(FrameTest, ItemsPayWithTheFrameFactors) {
    Player& p = ThePlayer;
    // Level 10 on the grass: orbs give no experience but still count and score.
    p.status.level = 10;
    SpawnItem(3, p.x, p.y, 0.0f);
    SpawnItem(1, p.x, p.y, 0.0f);
    game->UpdatePlay();
    EXPECT_EQ(p.exp, 0);
    EXPECT_EQ(ExpItemCount, 1);
    EXPECT_EQ(CoinCount, 1);
    EXPECT_EQ(BaseScore, 30);
    // Money gauge at 500: M 1.1, F 1.
    EXPECT_EQ(p.Money, 11);

    // The cave with the money gauge full: 2.0 x 10 x 3 a coin.
    CurrentField = 5;
    EmotionGauges[0] = 1000.0f;
    EmotionGauges[1] = 0.0f;
    SpawnItem(1, p.x, p.y, 0.0f);
    game->UpdatePlay();
    EXPECT_EQ(p.Money, 71);
}

TEST_F(FrameTest, DeathStartsTheClosingFadeEveryFrame) {
    Player& p = ThePlayer;
    p.swordTimer = 101;
    game->UpdatePlay();
    EXPECT_EQ(p.swordTimer, 100);  // a living knight's swing runs on
    EXPECT_EQ(TransitionFadeActive, 0);

    p.status.hp = 0;
    p.invincibleTimer = 40;
    p.swordTimer = 100;
    EXPECT_EQ(game->UpdatePlay(), 0);
    EXPECT_EQ(TransitionFadeActive, 1);
    EXPECT_EQ(TransitionFadeCode, 3);
    EXPECT_EQ(game->userInterface.status.hp, 0);
    // The fallen knight is not updated: its timers stand still.
    EXPECT_EQ(p.invincibleTimer, 40);
    EXPECT_EQ(p.swordTimer, 100);

    TransitionFadeCode = 0;
    game->UpdatePlay();
    EXPECT_EQ(TransitionFadeCode, 3);
    EXPECT_EQ(p.invincibleTimer, 40);
}

// Field ends write the best score: they run in a copy of the resource folder.
class FieldEndTest : public FrameTest {
protected:
    void SetUp() override {
        mirror.Enter();
        FrameTest::SetUp();
    }
    // The closing fade has reached its midpoint: the field script ends the field.
    static void FadeAtMidpoint() {
        TransitionFadeActive = 1;
        TransitionFadeCode = 3;
        TransitionFadeCounter = 60;
    }
    testsupport::ResourceMirror mirror;
};

TEST_F(FieldEndTest, ReturnCodeIsTakenBeforeThePlayerIsRestored) {
    const struct {
        int32_t field;
        int32_t hp;
        int32_t code;
    } cases[] = {{1, 80, 1}, {4, 80, 1}, {5, 80, 2}, {5, 1, 2}, {5, 0, 1}, {5, -20, 1}};
    for (const auto& c : cases) {
        testsupport::ResetPlayState();
        CurrentField = c.field;
        ThePlayer.status.hp = c.hp;
        FadeAtMidpoint();
        EXPECT_EQ(game->UpdatePlay(), c.code) << "field " << c.field << " HP " << c.hp;
        EXPECT_EQ(ThePlayer.status.hp, ThePlayer.status.maxHp);
    }
}

TEST_F(FieldEndTest, ADeathEndsTheFieldAtTheFadesMidpoint) {
    CurrentField = 5;
    ThePlayer.status.hp = 0;
    int frames = 0;
    int32_t code = 0;
    while (code == 0 && frames < 200) {
        code = game->UpdatePlay();
        ++frames;
        if (code == 0) {
            EXPECT_EQ(TransitionFadeActive, 1);
            EXPECT_EQ(TransitionFadeCode, 3);
        }
        ++TransitionFadeCounter;  // the overlay's draw
    }
    EXPECT_EQ(code, 1);
    EXPECT_EQ(frames, 61);
}

TEST_F(FieldEndTest, EverythingOfTheFieldIsPutBack) {
    testsupport::FillEveryPool();
    CurrentField = 2;
    FieldGrassNightState.frame = 3800;
    FieldGrassNightState.route = 3;
    FieldGrassNightState.scrollSpeed = 0.5f;
    FieldGrassNightState.cleared = 1;
    ChangeEmotion(2, 6, 1.0f);
    CoinCount = 4;
    ExpItemCount = 2;
    HitsTakenCount = 0;
    BaseScore = 200000;
    MagnetTimer = 30;
    ThePlayer.status.hp = 12;
    FadeAtMidpoint();

    EXPECT_EQ(game->UpdatePlay(), 1);

    for (const Enemy& e : EnemyPool) EXPECT_EQ(e.active, 0);
    for (const EnemyChild& c : EnemyChildPool) EXPECT_EQ(c.active, 0);
    for (const Bullet& b : EnemyBulletPool) EXPECT_EQ(b.active, 0);
    for (const Bullet& b : PlayerShotPool) EXPECT_EQ(b.active, 0);
    for (const Item& it : ItemPool) EXPECT_EQ(it.active, 0);
    EXPECT_EQ(CoinCount + BigCoinCount + ExpItemCount + BigExpItemCount, 0);
    for (const EnemyGaugeRecord& r : EnemyStatusTable) EXPECT_EQ(r.active, 0);
    for (const EnemyGaugeRecord& r : EnemyChildStatusTable) EXPECT_EQ(r.active, 0);
    EXPECT_EQ(ActiveScorePopups(), 0);
    EXPECT_EQ(ActiveDamagePopups(), 0);
    for (const EmotionNumber& n : EmotionNumberPool) EXPECT_EQ(n.active, 0);
    for (int i = 0; i < kEffectCount; ++i) EXPECT_EQ(EffectPool.active[i], 0);
    EXPECT_EQ(MagnetTimer, 0);
    for (int c = 1; c <= 6; ++c) EXPECT_FLOAT_EQ(Gauge(c), 500.0f) << c;
    EXPECT_EQ(ResultPending, 0);
    EXPECT_EQ(ResultState.frame, 0);
    EXPECT_EQ(ResultState.total, 0);
    EXPECT_EQ(FieldGrassNightState.frame, 0);
    EXPECT_EQ(FieldGrassNightState.route, 1);
    EXPECT_FLOAT_EQ(FieldGrassNightState.scrollSpeed, 2.0f);
    EXPECT_EQ(FieldClearFlags[1], 1);
    EXPECT_EQ(ThePlayer.status.hp, 100);
    // The best of the grass by night: 200000 + 40 + 40 + the no-hit 50000.
    EXPECT_EQ(HighScoreTable[1], 250080);
    std::ifstream saved(kHighScorePath);
    std::string lines((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
    EXPECT_EQ(lines, "0\n250080\n0\n0\n0\n");
}

TEST_F(FieldEndTest, AReplayedFieldGoesOnFromTheRecordsItsEndLeft) {
    // The canyon by day ends with its ground halted under the boss at y 250.
    CurrentField = 3;
    FieldCanyonDayState.frame = 5930;
    FieldCanyonDayState.route = 2;
    FieldCanyonDayState.scroll = Vec3{0.0f, 250.0f, 0.0f};
    FieldCanyonDayState.scrollSpeed = 0.0f;
    FieldCanyonDayState.cleared = 1;
    FieldGrassDayState.scroll = Vec3{0.0f, 100.0f, 0.0f};
    FieldCaveState.bossPosition = Vec3{610.0f, 170.0f, 0.0f};
    FadeAtMidpoint();
    ASSERT_EQ(game->UpdatePlay(), 1);

    // Only the ended field's counter, route and speed start again.
    EXPECT_EQ(FieldCanyonDayState.frame, 0);
    EXPECT_EQ(FieldCanyonDayState.route, 1);
    EXPECT_EQ(FieldCanyonDayState.scrollSpeed, 2.0f);
    EXPECT_EQ(FieldCanyonDayState.scroll.y, 250.0f);
    EXPECT_EQ(FieldCanyonDayState.cleared, 1);
    EXPECT_EQ(FieldGrassDayState.scroll.y, 100.0f);
    EXPECT_EQ(FieldCaveState.bossPosition.x, 610.0f);
    EXPECT_EQ(FieldCaveState.bossPosition.y, 170.0f);

    // Played again, its background runs on from where it stood.
    TransitionFadeActive = 0;
    TransitionFadeCounter = 0;
    TransitionFadeCode = 0;
    EnterField(3);
    EXPECT_EQ(game->UpdatePlay(), 0);
    EXPECT_EQ(FieldCanyonDayState.frame, 1);
    EXPECT_EQ(FieldCanyonDayState.scroll.y, 252.0f);
}

// Which layer of the in-field draw a texture belongs to; a texture may serve
// several layers (the HUD reuses the item chips and the emotion digits).
struct DrawLayer {
    const char* name;
    std::set<const Texture*> textures;
};

std::vector<DrawLayer> InFieldLayers(const Game& g) {
    const UserInterface& ui = g.userInterface;
    std::vector<DrawLayer> layers = {
        {"background", {FieldBackgroundTextures[0]}},
        {"lances", {PlayerShotTexture}},
        {"ground enemies", {EnemySheetTextures[kSheetNormalGrassDay]}},
        {"knight", {ThePlayer.playerTexture, ThePlayer.swordTexture, ThePlayer.optionTexture}},
        {"air enemies", {EnemySheetTextures[kSheetNormalGrassNight]}},
        {"satellites", {ElementChildTexture}},
        {"effects", {}},
        {"items", {ItemChipTexture}},
        {"numbers", {EmotionNumberTexture, BonusTextTexture}},
        {"enemy bullets", {EnemyBulletTexture}},
        {"enemy gauges", {StatusGaugeTexture}},
        {"hud",
         {ui.uiTexture, ui.statusBarTexture, ui.skillIconTexture, ui.selectFrameTexture, ui.scoreTextTexture,
          ui.emotionSetTexture, ui.emotionDescriptionTexture, ui.ringTexture, NumberTexture, MoneyTexture,
          StatusIconTexture, EmotionNumberTexture, ItemChipTexture}},
        {"result", {ResultTexture, ResultNumberTexture}},
        {"fade", {BlackoutTexture}},
    };
    for (Texture* t : EffectTextures) layers[6].textures.insert(t);
    return layers;
}

TEST_F(LoadedPlayTest, ABusyFrameDrawsItsLayersInOrder) {
    testsupport::FillEveryPool();
    ASSERT_EQ(game->UpdatePlay(), 0);
    TransitionFadeActive = 1;
    TransitionFadeCounter = 30;
    SpriteBatch->ClearRecords();
    SpriteBatch->StartRecording(1 << 16);
    game->DrawPlay();
    SpriteBatch->StopRecording();

    const std::vector<DrawLayer> layers = InFieldLayers(*game.game);
    std::vector<int> drawsPerLayer(layers.size(), 0);
    size_t layer = 0;
    for (const DrawRecord& d : SpriteBatch->Records()) {
        while (layer < layers.size() && layers[layer].textures.count(d.texture) == 0) ++layer;
        ASSERT_LT(layer, layers.size()) << "a draw out of layer order";
        ++drawsPerLayer[layer];
    }
    for (const char* name : {"background", "lances", "ground enemies", "knight", "air enemies", "satellites", "effects",
                             "items", "numbers", "enemy bullets", "enemy gauges", "hud", "result", "fade"}) {
        for (size_t i = 0; i < layers.size(); ++i) {
            if (std::string(layers[i].name) == name) {
                EXPECT_GT(drawsPerLayer[i], 0) << name;
            }
        }
    }
    EXPECT_EQ(drawsPerLayer[1], 30);
    EXPECT_GE(drawsPerLayer[9], 1000);
}

TEST_F(LoadedPlayTest, TheKnightIsNotDrawnOnceFallen) {
    auto knightDraws = [this] {
        SpriteBatch->ClearRecords();
        SpriteBatch->StartRecording();
        game->DrawPlay();
        SpriteBatch->StopRecording();
        int n = 0;
        for (const DrawRecord& d : SpriteBatch->Records()) n += d.texture == ThePlayer.playerTexture ? 1 : 0;
        return n;
    };
    EXPECT_GT(knightDraws(), 0);
    ThePlayer.status.hp = 0;
    EXPECT_EQ(knightDraws(), 0);
}

}  // namespace
