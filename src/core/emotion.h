#pragma once
// The six emotion gauges in three opposed pairs.
#include <cstdint>

constexpr int kEmotionGaugeCount = 6;
extern float EmotionGauges[kEmotionGaugeCount];
