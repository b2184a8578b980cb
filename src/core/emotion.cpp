#include "core/emotion.h"

float EmotionGauges[kEmotionGaugeCount];
