#include "core/frame_multipliers.h"

namespace {

constexpr float kGaugeMiddle = 500.0f;
constexpr int32_t kTopBand = 4;
constexpr float kAttackTable[kTopBand + 1] = {1.02f, 1.05f, 1.09f, 1.15f, 1.2f};
constexpr float kMoneyTable[kTopBand + 1] = {1.1f, 1.25f, 1.45f, 1.7f, 2.0f};
// Enemy bullet speed by the speed gauge and by the slow gauge, bands closing
// on their upper edge at 600, 700, 800 and 900.
constexpr float kSpeedTable[kTopBand + 1] = {1.0f, 1.06f, 1.13f, 1.21f, 1.3f};
constexpr float kSlowTable[kTopBand + 1] = {1.0f, 0.94f, 0.87f, 0.79f, 0.7f};

constexpr int32_t kSkill2State = 4;
constexpr float kSkill2DamageTaken = 0.6f;

// Band of a gauge that closes on its upper edge: up to 600 band 0, up to 700 band 1, ...
int32_t UpperClosedBand(float gauge) {
    int32_t band = 0;
    for (float edge = 600.0f; band < kTopBand && gauge > edge; edge += 100.0f) ++band;
    return band;
}

}  // namespace

int32_t GaugeBand(float gauge) {
    const auto band = static_cast<int32_t>((gauge - kGaugeMiddle) / 100.0f);
    if (band < 0) return 0;
    return band > kTopBand ? kTopBand : band;
}

float AttackTableMultiplier(float gauge) { return gauge > kGaugeMiddle ? kAttackTable[GaugeBand(gauge)] : 1.0f; }

float MoneyTableMultiplier(float gauge) { return gauge >= kGaugeMiddle ? kMoneyTable[GaugeBand(gauge)] : 1.0f; }

float FieldMoneyFactor(int32_t fieldId) {
    switch (fieldId) {
        case 3:
        case 4: return 2.0f;
        case 5: return 3.0f;
        default: return 1.0f;
    }
}

float ExperienceFactor(int32_t fieldId, int32_t level) {
    int32_t cap = 0;
    switch (fieldId) {
        case 1:
        case 2: cap = 10; break;
        case 3:
        case 4: cap = 20; break;
        case 5: cap = 30; break;
        default: return 1.0f;
    }
    return level >= cap ? 0.0f : 1.0f;
}

float DamageTakenFactor(int32_t playerState) { return playerState == kSkill2State ? kSkill2DamageTaken : 1.0f; }

FrameMultipliers ComputeFrameMultipliers(const float* gauges, int32_t fieldId, int32_t level, int32_t playerState) {
    FrameMultipliers m;
    m.attack = AttackTableMultiplier(gauges[1]);
    m.defense = AttackTableMultiplier(gauges[2]);
    m.money = MoneyTableMultiplier(gauges[0]);
    m.experience = MoneyTableMultiplier(gauges[3]);
    m.fieldMoney = FieldMoneyFactor(fieldId);
    m.expFactor = ExperienceFactor(fieldId, level);
    m.damageTaken = DamageTakenFactor(playerState);
    return m;
}

float ComputeBulletSpeedScale(float slowGauge, float speedGauge, float previous) {
    float scale = previous;
    if (speedGauge >= kGaugeMiddle) scale = kSpeedTable[UpperClosedBand(speedGauge)];
    if (slowGauge >= kGaugeMiddle) scale = kSlowTable[UpperClosedBand(slowGauge)];
    return scale;
}
