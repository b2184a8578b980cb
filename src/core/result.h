#pragma once
// The result panel at the end of a field: its running totals, its rows and
// the grade.
#include <cstdint>

#include "platform/matrix.h"

class Texture;

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
extern Texture* ResultTexture;        // "Texture/Result/result.png"
extern Texture* ResultNumberTexture;  // "Texture/Result/result_number.png"

// ResultPending.
int32_t GetFieldClearFlag();

void ResetResult();
// One frame of the result: the bonus by ResultField, the frame, the total.
void ComputeResultScore();
// The panel, its rows revealed one after another by the result frame.
void DrawResult();
// Decimal digits of a value below 10,000,000 (1..7); 0 from 10,000,000 on.
int32_t CountDigits(int32_t value);
// Grade marks 0..3 of the shown result; sets GradeMarkRect.
int32_t GradeResult();

bool LoadResultTextures();
