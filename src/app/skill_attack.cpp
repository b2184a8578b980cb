// The damaging side of skills 1 and 3: items pulled in, the final boss
// guarded, and a 60-frame window of the skill's invincibility in which
// enemies and satellites are hurt and enemy bullets cleared.
#include <limits>

#include "app/game.h"
#include "app/hit_tests.h"
#include "core/bullet.h"
#include "core/effects.h"
#include "core/game_codes.h"
#include "core/item.h"
#include "core/player.h"
#include "core/popups.h"
#include "core/score.h"
#include "enemy/enemy.h"
#include "species/cave/enemy_child.h"

namespace {

constexpr int32_t kSkill1State = 3;
constexpr int32_t kSkill3State = 5;

struct SkillArea {
    int32_t guardFrames;    // the final boss's guard
    int32_t windowFirst;    // invincibleTimer range of the damage window
    int32_t windowLast;
    float powerScale;       // P = A2 x powerScale
    bool ranged;            // only within the skill area of the player
};
constexpr SkillArea kSkill1{90, 30, 89, 0.1f, false};
constexpr SkillArea kSkill3{180, 90, 149, 1.5f, true};

constexpr float kSkillFactor = 20.0f;
constexpr int32_t kSkill1CancelFrom = 85;  // skill 1 clears bullets in the window's first five frames
constexpr int32_t kSkill3BulletEvents = 20;
constexpr float kSkillAreaOffset = 100.0f;
constexpr int32_t kNumberEvery = 5;        // damage numbers on every fifth frame only

struct SkillHit {
    const SkillArea& area;
    Vec3 at;          // the player
    float power;
    bool showNumber;
};

// The skill's damage on one enemy or satellite: no hit tint, no gauge event.
void Strike(const SkillHit& hit, EnemyBase& e) {
    if (e.status.hp <= 0) return;
    if (hit.area.ranged && CircleHitSpeciesPlus100Pi(hit.at, Vec3{e.x, e.y, e.z}, e.species) == 0) return;
    const int32_t damage = ComputeDamage(hit.power, static_cast<float>(e.status.defense2), kSkillFactor);
    e.status.hp -= damage;
    if (hit.area.ranged) SpawnEffect(kEffectSlash, e.x, e.y, e.z);
    BaseScore += damage;
    if (hit.showNumber) SpawnDamagePopup(2, 2, e.x, e.y, e.z, damage);
}

}  // namespace

void Game::ApplyPlayerSkill(float x, float y, float z, float skillAttack) {
    const int32_t state = ThePlayer.state;
    if (state != kSkill1State && state != kSkill3State) return;
    const SkillArea& area = state == kSkill1State ? kSkill1 : kSkill3;

    SetGrandMagicStoneGuard(area.guardFrames);
    if (MagnetTimer < 1) MagnetTimer = 1;

    const int32_t timer = ThePlayer.invincibleTimer;
    if (timer < area.windowFirst || timer > area.windowLast) return;
    if (state == kSkill1State && timer >= kSkill1CancelFrom) CancelEnemyBullets(0);

    const SkillHit hit{area, Vec3{x, y, z}, skillAttack * area.powerScale, timer % kNumberEvery == 0};
    for (Enemy& e : EnemyPool)
        if (e.active != 0) Strike(hit, e);
    for (EnemyChild& c : EnemyChildPool)
        if (c.active == 1 && c.gaugeFlag == 1) Strike(hit, c);
    // Skill 3 clears the bullets around the player, for no score.
    if (state == kSkill3State)
        SlashEnemyBullets(hit.at, kSkillAreaOffset, std::numeric_limits<float>::infinity(), 0, kSkill3BulletEvents);
}
