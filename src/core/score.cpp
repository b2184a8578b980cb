#include "core/score.h"

int32_t BaseScore = 0;
int32_t HighScoreTable[kFieldCount] = {};
Texture* BonusTextTexture = nullptr;
