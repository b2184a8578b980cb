#pragma once
// Score, result panel and the best score per field.
#include <cstdint>
#include <cstdio>

#include "platform/matrix.h"

class Texture;
struct FieldState;

constexpr int kFieldCount = 5;
extern int32_t BaseScore;
extern int32_t HighScoreTable[kFieldCount];
extern Texture* BonusTextTexture;
extern int32_t HitsTakenCount;   // hits the player took in this field
extern int32_t ResultPending;    // 1 while the result panel shows
extern int32_t ResultField;      // the field whose result is shown

// The result panel's running totals.
struct ResultRecord {
    int32_t frame = 0;   // frames the panel has shown
    int32_t bonus = 0;   // the no-hit bonus
    int32_t total = 0;
};
extern ResultRecord ResultState;
// The cell of the first grade mark in result.png (set by GradeResult).
extern Rect GradeMarkRect;

// The no-hit bonus of a field: 0 after any hit, else 50000 on the grass,
// 100000 in the canyon, 150000 in the cave; -1 for an unknown field.
int32_t NoHitBonus(int32_t fieldId, int32_t hitsTaken);
// Points of the items picked up in this field.
int32_t ItemScore();
// BaseScore + the item score + the no-hit bonus, held within 32 bits.
int32_t FieldTotal(int32_t bonus);

int32_t GetBaseScore();
void SetBaseScore(int32_t value);
// ResultPending.
int32_t GetFieldClearFlag();
int32_t GetCurrentField();

void ResetResult();
// One frame of the result: the bonus by ResultField, the frame, the total.
void ComputeResultScore();
// The panel, its rows revealed one after another by the result frame.
void DrawResult();
// Decimal digits of a value below 10,000,000 (1..7); 0 from 10,000,000 on.
int32_t CountDigits(int32_t value);
// Grade marks 0..3 of the shown result; sets GradeMarkRect.
int32_t GradeResult();

// Stores the field's total when it beats the best and rewrites the file.
void SaveHighScore(int32_t fieldIndex);
// One line of the high-score file (without its newline) as a score: leading
// blanks, an optional sign and digits; anything else ends the number; no
// digits gives 0; held within 32 bits. A trailing "\r" is ignored.
int32_t ParseHighScoreLine(const char* line);
// Writes the five scores into an open file as "%d\n" lines; false on failure.
using HighScoreWriter = bool (*)(std::FILE* file, const int32_t* scores, int count);
bool WriteHighScoreLines(std::FILE* file, const int32_t* scores, int count);
// The writer SaveHighScore uses (tests put a failing one in).
extern HighScoreWriter HighScoreWrite;
// "Data/HighScore.txt" and the temporary file the save goes through.
extern const char* const kHighScorePath;
extern const char* const kHighScoreTempPath;

// The state record of field 1..5; null for any other id.
FieldState* FieldStateFor(int32_t fieldId);
// Runs the current field's script; 1 once the field is over (its state reset,
// its best score saved and its clear flag handed to the world map).
int32_t UpdateFieldScript();
extern Texture* ResultTexture;        // "Texture/Result/result.png"
extern Texture* ResultNumberTexture;  // "Texture/Result/result_number.png"

bool LoadResultTextures();
// The score popups' sheet, then the best scores from "Data/HighScore.txt";
// false only when the sheet is missing.
bool LoadBonusAndHighScores();
