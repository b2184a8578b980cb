// The draws the canyon's species share by pairs: the mushrooms, the small
// rafflesias and the two mid-bosses. Each is one cell of the species' sheet,
// never rotated, hit-tinted.
#include "species/canyon/canyon_mid_boss.h"
#include "species/canyon/mushroom.h"
#include "species/canyon/small_rafflesia.h"

void Mushroom::DrawDayNightMushroom() { DrawSheetCell(Rect{0, 0, 64, 64}, 32.0f, 32.0f, 2.0f, 2.0f); }

void SmallRafflesia::DrawDayNightRafflesia() { DrawSheetCell(Rect{0, 64, 128, 192}, 64.0f, 64.0f, 1.5f, 1.5f); }

void CanyonMidBoss::DrawEagleBat() {
    const int32_t left = 256 * (animFrame / 4);
    DrawSheetCell(Rect{left, 256, left + 256, 384}, 128.0f, 64.0f, 2.0f, 2.0f);
}
