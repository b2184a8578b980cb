#include "enemy/enemy_base.h"

#include <cmath>

#include "core/game_codes.h"
#include "core/popups.h"
#include "core/score.h"
#include "enemy/enemy_gauge.h"
#include "enemy/enemy_ids.h"
#include "platform/graphics.h"

namespace {

constexpr uint32_t kWhite = 0xFFFFFFFFu;
constexpr uint32_t kHitTint = 0x96FFF200u;
constexpr uint32_t kHitTintLow = 0x96FF0000u;


}  // namespace

bool IsEnemySpecies(int32_t species) {
    return (species >= kSpeciesButterFly && species <= kSpeciesBigNightRafflesia && species != 12 &&
            species != 17) ||
           species == kSpeciesElement || species == kSpeciesBigElement || species == kSpeciesMagicStone ||
           species == kSpeciesFloorCrystal || species == kSpeciesGrandMagicStone;
}

bool IsBossSpecies(int32_t species) {
    switch (species) {
        case kSpeciesBigButterFly:
        case kSpeciesScorpion:
        case kSpeciesBigMoth:
        case kSpeciesSpider:
        case kSpeciesEagle:
        case kSpeciesBigDayRafflesia:
        case kSpeciesBat:
        case kSpeciesBigNightRafflesia:
        case kSpeciesBigElement:
        case kSpeciesMagicStone:
        case kSpeciesGrandMagicStone:
            return true;
        default:
            return false;
    }
}

bool InsideBonusArea(float px, float py) {
    return px > kBonusLeft && px < kBonusRight && py > kBonusTop && py < kBonusBottom;
}

float EnemyBase::AimAngle(float px, float py) const {
    return static_cast<float>(std::atan2(static_cast<double>(target.y - py), static_cast<double>(target.x - px)));
}

float EnemyBase::AimAngleOffset(float px, float py, float offX, float offY) const {
    return static_cast<float>(
        std::atan2(static_cast<double>((target.y + offY) - py), static_cast<double>((target.x + offX) - px)));
}

void EnemyBase::ClearStatus() {
    const int32_t hp = status.hp;
    status = StatusBlock{};
    status.hp = hp;
}

void EnemyBase::ResetSlot() {
    ClearStatus();
    x = y = z = 0.0f;
    animFrame = 0;
    bonusTimer = 0;
    reward = 0;
    cycleCounter = 0;
    grade = 0;
    route = 0;
    deathCounter = 0;
    phaseDuration = 0;
    bossPhase = 0;
    moveFlag = 0;
    species = 0;
    active = 0;
    bobCounter = 0;
    facingAngle = 0.0f;
    sheet = nullptr;
    ClearPhaseClocks();
}

void EnemyBase::Occupy(int32_t speciesId, int32_t variantId, float px, float py, int32_t routeId, int32_t gradeId,
                       float scroll) {
    active = 1;
    x = px;
    y = py;
    z = 0.0f;
    species = speciesId;
    variant = variantId;
    route = routeId;
    bossPhase = 0;
    scrollSpeed = scroll;
    grade = gradeId;
}

void EnemyBase::ClearPhaseClocks() {
    phaseTimer = 0;
    shotCounter = 0;
    toggle = 0;
    spinAngle = 0.0f;
    subMode = 0;
    headingAngle = 0.0f;
}

void EnemyBase::EndFrame(EnemyGaugeRecord& record) {
    record.x = x;
    record.y = y;
    record.z = z;
    record.hp = status.hp;
    // A dead enemy's bar goes at once; so does the bar of one that left the
    // field during its update.
    if (status.hp < 1 || active == 0) CloseEnemyGauge(record);
    if (bonusTimer > 0 && InsideBonusArea(x, y)) --bonusTimer;
}

void EnemyBase::Retire(int32_t mode, int32_t a, int32_t b) {
    if (mode == kRetirePhase) {
        bossPhase = a;
        phaseDuration = b;
        ClearPhaseClocks();
        return;
    }
    if (mode == kRetireKilled) {
        int32_t credit = reward;
        int32_t kind = kPopupReward;
        if (IsBossSpecies(species)) {
            kind = kPopupBoss;
        } else if (bonusTimer > 0) {
            credit = reward * 2;
            kind = kPopupDoubled;
        }
        BaseScore += credit;
        SpawnScorePopup(kind, credit, x, y, z);
        ResetSlot();
        return;
    }
    if (mode == kRetireSilent) ResetSlot();
}

uint32_t EnemyBase::HitTint() const {
    if (hitFlag == 0) return kWhite;
    return status.hp < status.maxHp / 5 ? kHitTintLow : kHitTint;
}

void EnemyBase::DrawSheetCell(const Rect& cell, float cx, float cy, float sx, float sy, float angleDegrees) {
    SetTransformRotZ(sx, sy, 0.0f, x, y, 0.0f, angleDegrees);
    SpriteBatch->SetTransform(world);
    const Vec3 centre{cx, cy, 0.0f};
    if (sheet != nullptr) SpriteBatch->Draw(sheet, &cell, &centre, nullptr, HitTint());
    SpriteBatch->SetTransform(MatrixIdentity());
    hitFlag = 0;
}
