#pragma once
// Score, result panel and the best score per field.
#include <cstdint>

class Texture;

constexpr int kFieldCount = 5;
extern int32_t BaseScore;
extern int32_t HighScoreTable[kFieldCount];
extern Texture* BonusTextTexture;
extern int32_t HitsTakenCount;   // hits the player took in this field
extern int32_t ResultPending;    // 1 while the result panel shows
extern int32_t ResultField;      // the field whose result is shown

void ResetResult();
void ComputeResultScore();
void DrawResult();
void SaveHighScore(int32_t fieldIndex);
// Runs the current field's script; 1 once the field is over.
int32_t UpdateFieldScript();
extern Texture* ResultTexture;        // "Texture/Result/result.png"
extern Texture* ResultNumberTexture;  // "Texture/Result/result_number.png"

bool LoadResultTextures();
// The score popups' sheet, then the best scores from "Data/HighScore.txt";
// false only when the sheet is missing.
bool LoadBonusAndHighScores();
