// One frame of in-field play: the multipliers of the frame, the hits, the
// skills, the items, the field script, the death check, every pool's update,
// the result and the field end; and the layered draw of the field.
#include "app/field_world.h"
#include "app/game.h"
#include "app/hit_tests.h"
#include "core/bullet.h"
#include "core/effects.h"
#include "core/emotion.h"
#include "core/equipment.h"
#include "core/fade.h"
#include "core/field_globals.h"
#include "core/frame_multipliers.h"
#include "core/game_codes.h"
#include "core/item.h"
#include "core/player.h"
#include "core/popups.h"
#include "core/result.h"
#include "core/sound.h"
#include "enemy/enemy.h"
#include "enemy/enemy_gauge.h"
#include "field/field_dispatch.h"
#include "field/field_state.h"
#include "field/fields.h"
#include "platform/graphics.h"
#include "species/cave/enemy_child.h"

namespace {

constexpr int32_t kSwordTimerFull = 180;
constexpr int32_t kSkillCooldownFull[3] = {600, 1200, 1800};

constexpr int32_t kCaveField = 5;

// Returns to the scene machine.
constexpr int32_t kStayInField = 0;
constexpr int32_t kToFieldMap = 1;
constexpr int32_t kToEnding = 2;

void MirrorPlayerIntoHud(const Player& p, UserInterface& hud) {
    const StatusBlock& s = p.status;
    hud.status.level = s.level;
    hud.status.hp = s.hp < 1 ? 0 : s.hp;
    hud.status.maxHp = s.maxHp;
    hud.status.sp = s.sp;
    hud.status.maxSp = s.maxSp;
    hud.status.attack = s.attack;
    hud.status.defense = s.defense;
    hud.status.attack2 = s.attack2;
    hud.status.defense2 = s.defense2;
    hud.swordTimer = p.swordTimer;
    hud.swordTimerMax = kSwordTimerFull;
    hud.selectedSkill = p.selectedSkill;
    hud.skillCooldown[0] = p.skill1Cooldown;
    hud.skillCooldown[1] = p.skill2Cooldown;
    hud.skillCooldown[2] = p.skill3Cooldown;
    for (int i = 0; i < 3; ++i) hud.skillCooldownMax[i] = kSkillCooldownFull[i];
    hud.exp = p.exp;
    hud.nextLevelExp = p.nextLevelExp;
    hud.fieldMoney = p.FieldMoney;
}

int32_t CountFreeShotSlots() {
    int32_t free = 0;
    for (const Bullet& b : PlayerShotPool) free += b.active == 0 ? 1 : 0;
    return free;
}

void UpdatePools() {
    UpdateEnemies();
    UpdateEnemyChildren();
    UpdateBullets();
    UpdateEffects();
    UpdateItems();
    UpdateScorePopups();
    UpdateEmotionNumbers();
    UpdateDamagePopups();
}

// The field is over: where to go next (read before the player's HP is
// restored), then everything of the field is put back for the next one.
int32_t EndField(UserInterface& hud) {
    const bool alive = ThePlayer.status.hp > 0;
    const int32_t next = CurrentField == kCaveField && alive ? kToEnding : kToFieldMap;
    ResetFieldWorld(hud);
    PlaySoundById(kSoundFieldMapBgm);
    return next;
}

void DrawFieldBackground() {
    switch (CurrentField) {
        case 1: FieldGrassDay::Draw(); break;
        case 2: FieldGrassNight::Draw(); break;
        case 3: FieldCanyonDay::Draw(); break;
        case 4: FieldCanyonNight::Draw(); break;
        case 5: FieldCave::Draw(); break;
        default: break;
    }
}

void DrawActive(Bullet* pool, int count) {
    for (int i = 0; i < count; ++i)
        if (pool[i].active != 0) pool[i].Draw();
}

}  // namespace

int32_t Game::UpdatePlay() {
    Player& p = ThePlayer;
    const Vec3 at{p.x, p.y, p.z};
    ChildTargetPos = at;
    EnemyTargetPos = at;
    BulletTargetPos = at;
    ItemTargetPos = at;
    userInterface.position = at;

    const FieldState* field = FieldStateFor(CurrentField);
    ScrollSpeed = field != nullptr ? field->scrollSpeed : -1.0f;
    BulletRoute = field != nullptr ? field->route : -1;

    MirrorPlayerIntoHud(p, userInterface);
    EffectAnchorPos = at;

    const FrameMultipliers m = ComputeFrameMultipliers(EmotionGauges, CurrentField, p.status.level, p.state);
    BulletSpeedScale = ComputeBulletSpeedScale(EmotionGauges[4], EmotionGauges[5], BulletSpeedScale);
    p.freeShotSlots = CountFreeShotSlots();

    CombatValues v;
    v.attack = static_cast<float>(p.status.attack) * m.attack;
    v.attack2 = static_cast<float>(p.status.attack2) * m.attack;
    v.defense = static_cast<float>(p.status.defense) * m.defense;
    v.defense2 = static_cast<float>(p.status.defense2) * m.defense;
    v.damageTaken = m.damageTaken;

    ResolveOffensiveHits(p, v.attack);
    ApplyPlayerSkill(at.x, at.y, at.z, v.attack2);
    ResolveDefensiveHits(p, v);
    CollectItems(userInterface, m.money, m.experience, m.fieldMoney, m.expFactor);

    const int32_t fieldOver = UpdateFieldScript();

    // A fallen knight is not updated; the fade ends the field at its midpoint.
    if (GetPlayerStatus().hp < 1) {
        BeginTransitionFade(kFadeFieldEnd);
    } else {
        UpdatePlayer();
    }

    UpdatePools();
    if (ResultPending == 1) ComputeResultScore();
    if (fieldOver == 0) return kStayInField;
    return EndField(userInterface);
}

void Game::DrawPlay() {
    SpriteBatch->Begin(SpriteBatchApi::kAlphaBlend);
    DrawFieldBackground();
    DrawActive(PlayerShotPool, kPlayerShotCount);
    DrawEnemiesGround();
    if (ThePlayer.status.hp > 0) {
        ThePlayer.DrawParticles();
        ThePlayer.DrawLayer(4);
        ThePlayer.DrawLayer(1);
        ThePlayer.DrawLayer(2);
        ThePlayer.DrawLayer(3);
    }
    DrawEnemiesAir();
    DrawEnemyChildren();
    DrawEffectsPass1();
    DrawEffectsPass2();
    DrawItems();
    DrawEmotionNumbers();
    DrawScorePopups();
    DrawDamagePopups();
    DrawActive(EnemyBulletPool, kEnemyBulletCount);
    DrawEnemyGauges();
    userInterface.Draw();
    if (ResultPending == 1) DrawResult();
    if (TransitionFadeActive == 1) DrawTransitionFade();
    SpriteBatch->End();
}
