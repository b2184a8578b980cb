#pragma once
// The satellites the cave's enemies command, in a pool of their own.
#include <cstdint>

#include "enemy/enemy_base.h"

class ElementChild : public virtual EnemyBase {
public:
    static constexpr int kTrailLength = 10;
    int32_t trailCursor = 0;
    int32_t trailUsed[kTrailLength] = {};
    int32_t trailAge[kTrailLength] = {};
    Vec3 trailPosition[kTrailLength];
};

class EnemyChild : public ElementChild {
public:
    EnemyChild();
    int32_t gaugeFlag = 0;  // 1: owns a record of EnemyChildStatusTable
};

constexpr int kEnemyChildCount = 40;
extern EnemyChild EnemyChildPool[kEnemyChildCount];

class Texture;
// The satellite sheet (also the player's option sprite).
extern Texture* ElementChildTexture;

// Takes the first free entry; -1 when all 40 are in use.
int32_t SpawnEnemyChild(int32_t species, int32_t patternId, float x, float y, int32_t gaugeFlag, int32_t attack,
                        int32_t attack2);
// Places a live satellite; -1 when the index names none.
int32_t MoveEnemyChild(int32_t index, float x, float y, float rotation);
void RemoveEnemyChild(int32_t index, int32_t mode);
Vec3 GetEnemyChildPosition(int32_t index);
void UpdateEnemyChildren();
void DrawEnemyChildren();
// Field end: every active satellite is removed with its kill reward.
void ClearEnemyChildren();

// At shutdown: empties all 40 entries and releases the satellite sheet.
void ReleaseEnemyChildren();
