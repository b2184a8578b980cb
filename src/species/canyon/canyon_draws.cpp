// The draws the canyon's species share by pairs: the mushrooms and the small
// rafflesias. Each is one cell of the species' sheet, never rotated,
// hit-tinted.
#include "species/canyon/mushroom.h"
#include "species/canyon/small_rafflesia.h"

void Mushroom::DrawDayNightMushroom() { DrawSheetCell(Rect{0, 0, 64, 64}, 32.0f, 32.0f, 2.0f, 2.0f); }

void SmallRafflesia::DrawDayNightRafflesia() { DrawSheetCell(Rect{0, 64, 128, 192}, 64.0f, 64.0f, 1.5f, 1.5f); }
