#include "support/busy_field.h"

#include <cstring>

#include "app/field_world.h"
#include "core/bullet.h"
#include "core/common_textures.h"
#include "core/effects.h"
#include "core/emotion.h"
#include "core/equipment.h"
#include "core/fade.h"
#include "core/high_score.h"
#include "core/field_globals.h"
#include "core/item.h"
#include "core/player.h"
#include "core/popups.h"
#include "core/result.h"
#include "core/score.h"
#include "core/user_interface.h"
#include "enemy/enemy.h"
#include "enemy/enemy_gauge.h"
#include "enemy/enemy_ids.h"
#include "field/field_state.h"
#include "platform/input.h"
#include "species/cave/enemy_child.h"

namespace testsupport {

namespace {

void ResetKnight() {
    Player& p = ThePlayer;
    p.ResetForField();
    StatusBlock level1;
    level1.level = 1;
    level1.hp = 100;
    level1.maxHp = 100;
    level1.hpRegen = 10;
    level1.sp = 60;
    level1.maxSp = 60;
    level1.spRegen = 20;
    level1.attack = 9;
    level1.attack2 = 7;
    level1.defense = 11;
    level1.defense2 = 5;
    level1.speed = 4.0f;
    p.status = level1;
    for (StatusBlock& part : p.statusParts) part = StatusBlock{};
    p.statusParts[0] = level1;
    p.statusParts[0].level = 0;
    p.statusParts[0].hp = 0;
    p.statusParts[0].sp = 0;
    p.exp = 0;
    p.nextLevelExp = 3000;
    p.Money = 0;
    p.x = 640.0f;
    p.y = 500.0f;
    p.z = 0.0f;
}

}  // namespace

void ClearEnemyPools() {
    for (Enemy& e : EnemyPool) {
        e.ResetSlot();
        e.ResetCommanderParts();
        e.status = StatusBlock{};
        e.variant = 0;
        e.layer = 0;
        e.hitFlag = 0;
    }
    for (EnemyChild& c : EnemyChildPool) {
        c.ResetSlot();
        c.ClearTrail();
        c.status = StatusBlock{};
        c.gaugeFlag = 0;
        c.hitFlag = 0;
        c.variant = 0;
    }
    for (EnemyGaugeRecord& r : EnemyStatusTable) r = EnemyGaugeRecord{};
    for (EnemyGaugeRecord& r : EnemyChildStatusTable) r = EnemyGaugeRecord{};
    for (int i = 0; i < kEnemyCount; ++i) {
        EnemyDrawOrder[i] = -1;
        EnemyDrawLayer[i] = -1;
    }
    EnemyDrawCount = 0;
}

void ResetPlayState() {
    // The game's own reset of the field world, then what it leaves on purpose
    // (the world map's choices, the base score, a running fade, the field
    // records) and the few
    // things a test wants fixed: every slot as built, field 1 at Difficulty 1,
    // no field cleared and no best score yet, a level-1 knight with nothing
    // but the first records equipped, and no input held.
    static UserInterface hud;
    ResetFieldWorld(hud);
    ClearEnemyPools();
    InitEffects();
    Difficulty = 1;
    EmotionArea = 1;
    CurrentField = 1;
    ScrollSpeed = 0.0f;
    BulletSpeedScale = 1.0f;
    BulletRoute = 1;
    BaseScore = 0;
    ResultField = 0;
    TransitionFadeActive = 0;
    TransitionFadeCounter = 0;
    TransitionFadeCode = 0;
    WhiteoutActive = 0;
    WhiteoutCounter = 0;
    // Every field record with the values the program starts with.
    FieldGrassDayState = FieldState{};
    FieldGrassNightState = FieldState{};
    FieldCanyonDayState = FieldState{};
    FieldCanyonNightState = FieldState{};
    FieldCaveState = CaveFieldState{};
    for (int32_t& f : FieldClearFlags) f = 0;
    for (int32_t& s : HighScoreTable) s = 0;
    EquippedSlots = EquippedSlotSet{};
    ResetKnight();
    std::memset(KeyboardState, 0, sizeof(KeyboardState));
    PadState = PadStateRecord{};
}

void DisownEquipment() {
    auto disown = [](EquipmentStatusBase& r) { r.owned = 0; };
    for (Weapon& w : EquipmentCatalogue.weaponA) disown(w);
    for (Weapon& w : EquipmentCatalogue.weaponB) disown(w);
    for (Equipment& e : EquipmentCatalogue.armour) disown(e);
    for (Accessory& a : EquipmentCatalogue.accessories) disown(a);
}

void FillEveryPool(int enemyBulletRoom) {
    // Enemies of both layers across the upper playfield.
    // Cocoons on the ground layer, moths in the air: each layer on its own sheet.
    const int32_t species[2] = {kSpeciesDayCocoon, kSpeciesMoth};
    for (int i = 0; i < kEnemyCount; ++i)
        SpawnEnemy(species[i % 2], 0, 260.0f + 15.0f * static_cast<float>(i), 60.0f + 4.0f * static_cast<float>(i), 1,
                   1);
    // Satellites with a full trail behind them.
    for (int i = 0; i < kEnemyChildCount; ++i) {
        const int32_t index = SpawnEnemyChild(i % 2 == 0 ? kSpeciesSatellite : kSpeciesSatellite2, 0,
                                              280.0f + 18.0f * static_cast<float>(i), 280.0f, 1, 10, 10);
        if (index < 0) continue;
        EnemyChild& c = EnemyChildPool[index];
        for (int t = 0; t < ElementChild::kTrailLength; ++t) {
            c.trailUsed[t] = 1;
            c.trailAge[t] = t;
            c.trailPosition[t] = Vec3{c.x, c.y - 4.0f * static_cast<float>(t), 0.0f};
        }
    }
    // Bullets crawling along the upper half, never near the knight at y 500.
    int freeBullets = 0;
    for (const Bullet& b : EnemyBulletPool) freeBullets += b.active == 0 ? 1 : 0;
    for (int i = 0; i < freeBullets - enemyBulletRoom; ++i)
        PlaceEnemyBullet(false, BulletShot{.x = 250.0f + static_cast<float>(i % 40) * 19.0f,
                                           .y = 20.0f + static_cast<float>(i / 40) * 11.0f,
                                           .angle = 90.0f,
                                           .speed = 0.1f,
                                           .size = 1 + i % 3,
                                           .colour = static_cast<BulletColour>(1 + i % 2),
                                           .power = 10,
                                           .power2 = 10});
    // Lances low on the field, below every enemy.
    for (int i = 0; i < kPlayerShotCount; ++i)
        SpawnBullet(kSidePlayer, BulletShot{.x = 260.0f + 25.0f * static_cast<float>(i), .y = 640.0f, .angle = -90.0f, .speed = 0.1f, .size = 0});
    for (int i = 0; i < kItemCount; ++i) {
        Item& it = ItemPool[i];
        it.active = 1;
        it.kind = 1 + i % 4;
        it.value = 100;
        it.texture = ItemChipTexture;
        it.x = 250.0f + static_cast<float>(i % 50) * 16.0f;
        it.y = 30.0f + static_cast<float>(i / 50) * 10.0f;
        it.angle = 90.0f;
        it.speed = 0.1f;
        it.age = 40;
    }
    for (int i = 0; i < kEffectCount; ++i)
        PlaceEffect(2 + i % 9, 250.0f + static_cast<float>(i % 50) * 16.0f, 30.0f + static_cast<float>(i / 50) * 10.0f,
                    0.0f);
    for (int i = 0; i < kScorePopupCount; ++i) SpawnScorePopup(1 + i % 4, 10 * i, 300.0f, 100.0f, 0.0f);
    for (int i = 0; i < kEmotionNumberCount; ++i) SpawnEmotionNumber(i % 2 == 0 ? 1 : 4, 1.1f, 400.0f, 200.0f, 0.0f);
    for (int i = 0; i < kDamagePopupCount; ++i) SpawnDamagePopup(1 + i % 2, 1 + i % 2, 500.0f, 150.0f, 0.0f, 123);
    // The result panel fully open over it all.
    ResultPending = 1;
    ResultField = CurrentField;
    ResultState.frame = 400;
}

}  // namespace testsupport
