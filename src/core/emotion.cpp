#include "core/emotion.h"

#include "field/field_state.h"

float EmotionGauges[kEmotionGaugeCount];
int32_t EmotionArea = 0;

void ChangeEmotion(int32_t, int32_t, float) {}
void ResetEmotionGauges() {}
void ChooseRoute(FieldState&) {}
