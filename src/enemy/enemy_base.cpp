#include "enemy/enemy_base.h"

#include <cmath>

void EnemyBase::Retire(int32_t, int32_t, int32_t) {}
void EnemyBase::ClearStatus() {}

float EnemyBase::AimAngle(float px, float py) const {
    return static_cast<float>(std::atan2(static_cast<double>(target.y - py), static_cast<double>(target.x - px)));
}
