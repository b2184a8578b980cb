#pragma once
// The six emotion gauges in three opposed pairs.
#include <cstdint>

constexpr int kEmotionGaugeCount = 6;
extern float EmotionGauges[kEmotionGaugeCount];  // gauge c (1..6) is EmotionGauges[c - 1]
extern int32_t EmotionArea;                       // 1 grass, 2 canyon, 3 cave

// Raises gauge `category` (1..6) for a play event and lowers its partner by
// the same amount. Each pair (1, 2), (3, 4), (5, 6) always sums to exactly 1000.
void ChangeEmotion(int32_t category, int32_t event, float amount);
void ResetEmotionGauges();
// Picks the second-half route (1..3) of a field from the gauges.
int32_t ChooseRoute();
// The gauge amount of a hit on the player: 1 while the damage is below a tenth
// of max HP, 2 below three tenths, else 3.
float HitEmotionAmount(int32_t damage, int32_t maxHp);
