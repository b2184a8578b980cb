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
