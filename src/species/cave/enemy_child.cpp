#include "species/cave/enemy_child.h"

#include "core/common_textures.h"
#include "core/effects.h"
#include "core/field_globals.h"
#include "core/game_codes.h"
#include "enemy/enemy_gauge.h"
#include "enemy/enemy_ids.h"
#include "platform/graphics.h"

EnemyChild::EnemyChild() { status = StatusBlock{}; }

Texture* ElementChildTexture = nullptr;

namespace {

constexpr float kSatelliteMargin = 200.0f;

// A small burst and a ring of 5, 6 or 7 orbs by Difficulty.
constexpr OrdinaryDeath kSatelliteDeath{.ring = {{{5, 6, 7}, {5, 6, 7}, {5, 6, 7}}}};

bool IsSatelliteSpecies(int32_t species) { return species == kSpeciesSatellite || species == kSpeciesSatellite2; }

bool ValidIndex(int32_t index) { return index >= 0 && index < kEnemyChildCount; }

}  // namespace

void ElementChild::ClearTrail() {
    trailCursor = 0;
    for (int i = 0; i < kTrailLength; ++i) {
        trailUsed[i] = 0;
        trailAge[i] = 0;
        trailPosition[i] = Vec3{};
    }
}

void ElementChild::StepTrail() {
    for (int i = 0; i < kTrailLength; ++i)
        if (trailUsed[i] == 1) ++trailAge[i];
    trailPosition[trailCursor] = Vec3{x, y, z};
    trailAge[trailCursor] = 0;
    trailUsed[trailCursor] = 1;
    trailCursor = trailCursor < kTrailLength - 1 ? trailCursor + 1 : 0;
}

void ElementChild::Fire() {
    if (phaseTimer % 2 == 0) StepTrail();
    FirePattern();
}

void ElementChild::Update() {
    if (status.hp <= 0) {
        DieOrdinary(kSatelliteDeath);
        ClearTrail();
        return;
    }
    Fire();
    if (active == 0) return;   // a dart that has vanished
    ++phaseTimer;
    RemoveWhenOutside(kSatelliteMargin, [this] { ClearTrail(); });
}

void EnemyChild::Draw() {
    if (IsSatelliteSpecies(species)) DrawSatellite();
}

void EnemyChild::DrawSatellite() {
    const Rect cell = species == kSpeciesSatellite2 ? Rect{0, 64, 64, 128} : Rect{0, 0, 64, 64};
    const Vec3 centre{32.0f, 32.0f, 0.0f};
    const uint32_t colour = HitTint();
    for (int i = 0; i < kTrailLength; ++i) {
        if (trailUsed[i] != 1) continue;
        // Each older point is drawn a tenth smaller.
        const float s = 1.0f - 0.1f * static_cast<float>(trailAge[i]);
        SetTransformRotZ(s, s, 0.0f, trailPosition[i].x, trailPosition[i].y, 0.0f, 0.0f);
        SpriteBatch->SetTransform(world);
        if (sheet != nullptr) SpriteBatch->Draw(sheet, &cell, &centre, nullptr, colour);
        SpriteBatch->SetTransform(MatrixIdentity());
    }
    hitFlag = 0;
}

int32_t SpawnEnemyChild(int32_t species, int32_t patternId, float x, float y, int32_t gaugeFlag, int32_t attack,
                        int32_t attack2) {
    int32_t index = 0;
    while (index < kEnemyChildCount && EnemyChildPool[index].active != 0) ++index;
    if (index == kEnemyChildCount) return -1;

    EnemyChild& c = EnemyChildPool[index];
    c.Occupy(species, patternId, x, y, 1, 3, 0.0f);
    c.gaugeFlag = gaugeFlag;
    c.layer = 0;
    if (!IsSatelliteSpecies(species)) return index;

    c.status.level = 21;
    c.status.hp = 1500;
    c.status.maxHp = 1500;
    c.status.attack = attack;
    c.status.attack2 = attack2;
    c.status.defense = 80;
    c.status.defense2 = 90;
    c.phaseDuration = 0;
    c.reward = 1000;
    c.bonusTimer = 45;
    if (gaugeFlag == 1) {
        EnemyGaugeRecord& r = EnemyChildStatusTable[index];
        r.active = 1;
        r.kind = 1;
        r.x = c.x;
        r.y = c.y;
        r.z = c.z;
        r.maxHp = 1500;
        r.hp = 1500;
    }
    c.sheet = ElementChildTexture;
    return index;
}

int32_t MoveEnemyChild(int32_t index, float x, float y, float rotation) {
    if (!ValidIndex(index) || EnemyChildPool[index].active != 1) return -1;
    EnemyChild& c = EnemyChildPool[index];
    c.x = x;
    c.y = y;
    c.spinAngle = rotation;
    return index;
}

void RemoveEnemyChild(int32_t index, int32_t mode) {
    if (!ValidIndex(index) || EnemyChildPool[index].active == 0) return;
    EnemyChild& c = EnemyChildPool[index];
    if (mode == 1) {
        c.status.hp = -1;
        return;
    }
    if (IsSatelliteSpecies(c.species)) c.ClearTrail();
    SpawnEffect(kEffectEnemyDeath, c.x, c.y, c.z);
    c.ResetSlot();
}

Vec3 GetEnemyChildPosition(int32_t index) {
    if (!ValidIndex(index)) return Vec3{};
    const EnemyChild& c = EnemyChildPool[index];
    return Vec3{c.x, c.y, c.z};
}

void UpdateEnemyChildren() {
    for (int i = 0; i < kEnemyChildCount; ++i) {
        EnemyChild& c = EnemyChildPool[i];
        EnemyGaugeRecord& r = EnemyChildStatusTable[i];
        if (c.active == 0) {
            if (r.active != 0) CloseEnemyGauge(r);
            continue;
        }
        c.target = ChildTargetPos;
        c.scrollSpeed = 0.0f;
        if (IsSatelliteSpecies(c.species)) c.ElementChild::Update();
        c.EndFrame(r);
    }
}

void DrawEnemyChildren() {
    for (EnemyChild& c : EnemyChildPool)
        if (c.active == 1 && IsSatelliteSpecies(c.species)) c.DrawSatellite();
}

void ClearEnemyChildren() {
    for (EnemyChild& c : EnemyChildPool) {
        if (c.active == 0) continue;
        c.Retire(kRetireKilled, 0, 0);
        c.ClearTrail();
    }
}

void ReleaseEnemyChildren() {
    for (EnemyChild& c : EnemyChildPool) c.ResetSlot();
    ReleaseTexture(ElementChildTexture);
}

bool IsSatelliteIndex(int32_t index) { return ValidIndex(index) && IsSatelliteSpecies(EnemyChildPool[index].species); }

int32_t SatelliteByParity(int32_t place) { return place % 2 == 0 ? kSpeciesSatellite : kSpeciesSatellite2; }

void LaunchSatellites(int32_t* indices, int32_t n, int32_t pattern, float x, float y, const StatusBlock& commander) {
    for (int32_t i = 0; i < n; ++i)
        indices[i] = SpawnEnemyChild(SatelliteByParity(i), pattern, x, y, 0, commander.attack, commander.attack2);
}

int32_t MoveEnemyChildAround(int32_t index, float cx, float cy, float rx, float ry, float degrees, float rotation) {
    const Muzzle p = SpeciesKit::PointAround(cx, cy, rx, ry, degrees);
    return MoveEnemyChild(index, p.x, p.y, rotation);
}

void RemoveEnemyChildren(int32_t* indices, int32_t count, int32_t mode) {
    for (int32_t i = 0; i < count; ++i) {
        if (indices[i] != -1) RemoveEnemyChild(indices[i], mode);
        indices[i] = -1;
    }
}
