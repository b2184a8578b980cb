#pragma once
// The state every enemy and satellite carries.
#include <cstdint>

#include "core/object_base.h"

class Texture;
struct EnemyGaugeRecord;

class EnemyBase : public CharacterBase {
public:
    // Direction (radians) from the muzzle point (x, y) to the target point.
    float AimAngle(float x, float y) const;
    // Direction (radians) from (x, y) to the target point moved by (offX, offY).
    float AimAngleOffset(float x, float y, float offX, float offY) const;
    // Mode 1: killed (score credit, then reset); mode 3: reset silently;
    // mode 2: next boss phase (a = phase, b = its duration), no reset.
    void Retire(int32_t mode, int32_t a, int32_t b);
    // Zeroes level and every status value after HP.
    void ClearStatus();
    // The reset after a kill or a silent removal: status cleared, position,
    // sheet and every state field 0; variant, layer, hit flag, target point,
    // scroll speed and HP keep their values. Frees the slot.
    void ResetSlot();
    // Takes a free slot: active 1, position (x, y, 0), species, variant,
    // route, grade, boss phase 0 and the scroll speed.
    void Occupy(int32_t speciesId, int32_t variantId, float px, float py, int32_t routeId, int32_t gradeId,
                float scroll);
    // Phase timer, shot counter, toggle, spin angle, sub-mode and heading 0.
    void ClearPhaseClocks();
    // After the update of a frame: position and HP into the gauge record
    // (closed when the enemy died or left), and the bonus timer runs down
    // while the enemy is inside the bonus area.
    void EndFrame(EnemyGaugeRecord& record);

    // Sprite colour: white, or the hit tint while the hit flag is set (red
    // below a fifth of max HP).
    uint32_t HitTint() const;
    // Draws one cell of the sheet at the enemy's position: scale (sx, sy),
    // rotation in degrees, the cell's centre at (cx, cy); then the sprite
    // transform goes back to identity and the hit flag is cleared.
    void DrawSheetCell(const Rect& cell, float cx, float cy, float sx, float sy, float angleDegrees = 0.0f);

    Texture* sheet = nullptr;   // borrowed sprite sheet
    Vec3 target;                // the player's position, copied in every frame
    int32_t layer = 0;          // 1 ground (under the player), 0 air
    float facingAngle = 0.0f;   // radians
    int32_t active = 0;
    int32_t bobCounter = 0;     // 0..119
    int32_t hitFlag = 0;
    int32_t species = 0;        // 1..25, 99; 101, 102 for satellites; 0 when free
    int32_t variant = 0;
    int32_t grade = 0;          // 1 grass, 2 canyon, 3 cave
    int32_t phaseTimer = 0;
    int32_t shotCounter = 0;
    int32_t toggle = 0;
    float spinAngle = 0.0f;     // degrees
    int32_t subMode = 0;
    float headingAngle = 0.0f;
    int32_t moveFlag = 0;
    int32_t bossPhase = 0;
    int32_t phaseDuration = 0;
    int32_t deathCounter = 0;
    int32_t cycleCounter = 0;
    int32_t route = 0;          // 1..3
    int32_t animFrame = 0;      // 0..39, cell = frame / 4
    int32_t reward = 0;
    int32_t bonusTimer = 0;
    float scrollSpeed = 0.0f;
};

// The bonus timer only runs while an enemy stands strictly inside this box.
bool InsideBonusArea(float x, float y);
