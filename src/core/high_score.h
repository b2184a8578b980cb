#pragma once
// The best score per field, kept in "Data/HighScore.txt".
#include <cstdint>
#include <cstdio>

#include "core/score.h"

class Texture;

extern int32_t HighScoreTable[kFieldCount];
extern Texture* BonusTextTexture;

// Stores the field's total when it beats the best and rewrites the file,
// keeping line by line the better of the table and what the file holds now
// (another copy of the game may have saved since). Copies saving at once take
// turns, a copy waiting about two seconds at most. A file left with nothing to
// gain, one the player may not write and one that cannot be read (named once
// on stderr) are not touched.
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
// "Data/HighScore.txt".
extern const char* const kHighScorePath;

// The score popups' sheet, then the best scores from "Data/HighScore.txt"
// (a regular file only; lines end with "\n", "\r\n" or a lone "\r"; a line
// too long for a score reads 0; one that cannot be read is named once on
// stderr); false only when the sheet is missing.
bool LoadBonusAndHighScores();
