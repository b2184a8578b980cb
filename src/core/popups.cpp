#include "core/popups.h"

void SpawnDamagePopup(int32_t, int32_t, float, float, float, int32_t) {}
void UpdateDamagePopups() {}
void DrawDamagePopups() {}
void ClearDamagePopups() {}
void SpawnEmotionNumber(int32_t, float, float, float, float) {}
void UpdateEmotionNumbers() {}
void DrawEmotionNumbers() {}
void ClearEmotionNumbers() {}
void SpawnScorePopup(int32_t, int32_t, float, float, float) {}
void UpdateScorePopups() {}
void DrawScorePopups() {}
void ClearScorePopups() {}
