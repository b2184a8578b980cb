#pragma once
// Score, result panel and the best score per field.
#include <cstdint>

class Texture;

constexpr int kFieldCount = 5;
extern int32_t BaseScore;
extern int32_t HighScoreTable[kFieldCount];
extern Texture* BonusTextTexture;
