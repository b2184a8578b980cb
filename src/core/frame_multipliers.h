#pragma once
// The values the in-field frame derives from the emotion gauges and the field
// at the start of every frame.
#include <cstdint>

struct FrameMultipliers {
    float attack = 1.0f;       // on the player's attack and attack2
    float defense = 1.0f;      // on the player's defense and defense2
    float money = 1.0f;        // M: on every coin picked up
    float experience = 1.0f;   // X: on every orb picked up
    float fieldMoney = 1.0f;   // F: 1 on the grass, 2 in the canyon, 3 in the cave
    float expFactor = 1.0f;    // E: 0 once the player has outgrown the field
    float damageTaken = 1.0f;  // 0.6 while skill 2 runs
};

// trunc((gauge - 500) / 100), so 500..599.99 is band 0; 1000 itself stays in band 4.
int32_t GaugeBand(float gauge);
// The attack table (attack and defense gauges): 1.0 up to 500, then by band.
float AttackTableMultiplier(float gauge);
// The money table (money and experience gauges): by band from 500 on.
float MoneyTableMultiplier(float gauge);
float FieldMoneyFactor(int32_t fieldId);
// 0 once the player's level reaches the field's cap (10, 20, 30), else 1.
float ExperienceFactor(int32_t fieldId, int32_t level);
// 0.6 while the player's state is 4 (skill 2), else 1.
float DamageTakenFactor(int32_t playerState);
// Every multiplier of this frame from the six gauges (index 0 = gauge 1).
FrameMultipliers ComputeFrameMultipliers(const float* gauges, int32_t fieldId, int32_t level, int32_t playerState);
// Enemy bullet speed from the slow (5) and speed (6) gauges: the speed gauge's
// band value when it is 500 or more, replaced by the slow gauge's when that
// one is. Bands close on their upper edge (600 still gives 1.0). Should
// neither gauge reach 500, `previous` stays.
float ComputeBulletSpeedScale(float slowGauge, float speedGauge, float previous);
