#pragma once
// The three pools of short-lived numbers over the playfield.
#include <cstdint>

struct DamagePopup {
    int32_t active = 0;
    float x = 0.0f, y = 0.0f, z = 0.0f;
    float vx = 0.0f, vy = 0.0f, vz = 0.0f;
    int32_t kind = 0;     // 1 large (damage to the player), 2 small (damage dealt)
    int32_t colour = 0;
    int32_t value = 0;
    int32_t age = 0;
    int32_t alpha = 240;
};

struct EmotionNumber {
    int32_t active = 0;
    float x = 0.0f, y = 0.0f, z = 0.0f;
    int32_t kind = -1;    // -1 free, 1 money multiplier, 4 experience multiplier
    float shownValue = 0.0f;
    float targetValue = 0.0f;
    int32_t age = 0;
    int32_t alpha = 240;
};

struct ScorePopup {
    int32_t active = 0;
    float x = 0.0f, y = 0.0f, z = 0.0f;
    int32_t kind = -1;    // -1 free, 1..4 size and timing class
    int32_t value = 0;
    int32_t age = 0;
    int32_t alpha = 240;
    float shownValue = 0.0f;

    // Frees the record: active 0, position 0, kind -1, value 0, age 0, alpha 240.
    void Reset();
};

constexpr int kDamagePopupCount = 300;
constexpr int kEmotionNumberCount = 100;
constexpr int kScorePopupCount = 1000;
extern DamagePopup DamageNumberPool[kDamagePopupCount];
extern EmotionNumber EmotionNumberPool[kEmotionNumberCount];
extern ScorePopup ScorePopupPool[kScorePopupCount];

// A flag with its count-down: set with a counter; each update lowers the
// counter, and clears flag and counter once it has reached 0.
struct PopupHold {
    int32_t set = 0;
    int32_t counter = 0;
};
// Set for 2 frames by every damage number: shot hits spawn none meanwhile.
extern PopupHold DamagePopupThrottle;
// Set for 10 frames by a money (1) or experience (4) emotion number.
extern PopupHold EmotionNumberHold1;
extern PopupHold EmotionNumberHold4;

void SpawnDamagePopup(int32_t kind, int32_t colour, float x, float y, float z, int32_t value);
void UpdateDamagePopups();
void DrawDamagePopups();
void ClearDamagePopups();
void SpawnEmotionNumber(int32_t kind, float value, float x, float y, float z);
void UpdateEmotionNumbers();
void DrawEmotionNumbers();
void ClearEmotionNumbers();
void SpawnScorePopup(int32_t kind, int32_t value, float x, float y, float z);
void UpdateScorePopups();
void DrawScorePopups();
void ClearScorePopups();
