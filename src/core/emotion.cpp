#include "core/emotion.h"

#include "core/field_globals.h"

float EmotionGauges[kEmotionGaugeCount];
int32_t EmotionArea = 0;

namespace {

constexpr float kGaugeFull = 1000.0f;
constexpr float kGaugeMiddle = 500.0f;

// One play event: the two gauges it may raise and its factor by Difficulty
// (rows by EmotionArea for the area-dependent events).
struct EmotionEvent {
    int32_t id;
    int32_t categoryA;
    int32_t categoryB;
    bool byArea;
    bool anyDifficulty;   // the one factor holds whatever the Difficulty
    float factor[3][3];   // [area - 1][Difficulty - 1]; row 0 unless byArea
};

constexpr EmotionEvent kEvents[] = {
    {1, 1, 6, false, false, {{1.5f, 1.25f, 1.0f}}},
    {3, 1, 6, false, false, {{1.5f, 1.0f, 0.5f}}},
    {4, 2, 5, false, false, {{2.25f, 1.875f, 1.5f}}},
    {5, 2, 5, false, false, {{6.0f, 6.0f, 6.0f}}},
    {6, 2, 5, false, false, {{400.0f, 350.0f, 300.0f}}},
    {7, 3, 5, true, false, {{3.0f, 2.25f, 1.5f}, {1.5f, 1.2f, 0.9f}, {0.8f, 0.6f, 0.4f}}},
    {8, 3, 5, false, false, {{7.5f, 6.0f, 4.5f}}},
    {9, 3, 5, false, true, {{0.3f, 0.3f, 0.3f}}},
    {10, 4, 6, true, false, {{1.0f, 0.75f, 0.5f}, {0.5f, 0.4f, 0.3f}, {0.2f, 0.15f, 0.1f}}},
    {12, 4, 6, false, true, {{2.0f, 2.0f, 2.0f}}},
    {13, 4, 6, false, true, {{5.0f, 5.0f, 5.0f}}},
};

bool InOneToThree(int32_t v) { return v >= 1 && v <= 3; }

// The factor of (category, event) now; false when the event does not move
// that gauge or has no factor for the current Difficulty and area.
bool EventFactor(int32_t category, int32_t event, float* factor) {
    for (const EmotionEvent& e : kEvents) {
        if (e.id != event) continue;
        if (category != e.categoryA && category != e.categoryB) return false;
        if (e.anyDifficulty) {
            *factor = e.factor[0][0];
            return true;
        }
        if (!InOneToThree(Difficulty)) return false;
        int32_t row = 0;
        if (e.byArea) {
            if (!InOneToThree(EmotionArea)) return false;
            row = EmotionArea - 1;
        }
        *factor = e.factor[row][Difficulty - 1];
        return true;
    }
    return false;
}

// Gauges 1/2, 3/4 and 5/6 are partners.
int32_t PartnerOf(int32_t category) { return category % 2 == 1 ? category + 1 : category - 1; }

}  // namespace

void ChangeEmotion(int32_t category, int32_t event, float amount) {
    if (category < 1 || category > kEmotionGaugeCount) return;
    float& raised = EmotionGauges[category - 1];
    float& partner = EmotionGauges[PartnerOf(category) - 1];
    if (raised >= kGaugeFull) return;
    float factor = 0.0f;
    if (!EventFactor(category, event, &factor)) return;
    raised += amount * factor;
    if (raised > kGaugeFull) raised = kGaugeFull;
    // The partner is derived, so the pair's sum never drifts from 1000.
    partner = kGaugeFull - raised;
}

void ResetEmotionGauges() {
    for (float& g : EmotionGauges) g = kGaugeMiddle;
}

int32_t ChooseRoute() {
    const float attack = EmotionGauges[1];
    const float defense = EmotionGauges[2];
    const float experience = EmotionGauges[3];
    // Money and attack sum to exactly 1000: attack at 500 or less means money
    // at 500 or more, the money-leaning route.
    int32_t route = 2;
    if (attack > kGaugeMiddle) route = 3;
    if (defense > kGaugeMiddle) {
        if (route == 2) route = 1;
    } else if (experience >= kGaugeMiddle) {
        if (route == 3) route = 1;
    }
    return route;
}

float HitEmotionAmount(int32_t damage, int32_t maxHp) {
    if (maxHp <= 0) return 3.0f;
    const float fraction = static_cast<float>(damage) / static_cast<float>(maxHp);
    if (fraction < 0.1f) return 1.0f;
    if (fraction < 0.3f) return 2.0f;
    return 3.0f;
}
