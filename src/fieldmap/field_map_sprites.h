#pragma once
// Sprite helpers of the world map's drawing: digits, row placement and the
// name and description cells of the equipment sheets.
#include <cstdint>

#include "platform/matrix.h"

class Texture;
class FieldMapScene;

constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;
constexpr uint32_t kOpaqueBlack = 0xFF000000u;

// White with the given alpha, held to 0..255.
uint32_t AlphaWhite(int32_t alpha);

// One sprite; a null centre means the rectangle's top-left corner.
void DrawMapSprite(const Texture* texture, const Rect& source, const Vec3* centre, Vec3 position,
                   uint32_t color = kOpaqueWhite);

// `count` digits of |value| from a 32 x 32 digit sheet, units at unitsX and each
// higher digit 24 px further left; centred cells (16, 16) or top-left placed.
void DrawDigits(const Texture* sheet, int64_t value, int32_t count, float unitsX, float y, bool centred);
// Two centred digits of |value| and the sign glyph at signX, from the damage
// digits when negative, the plain digits at 0 and the rising digits when positive.
void DrawSignedDigits(int32_t value, float unitsX, float y, float signX);

// Equip-board rows 0..5 at y + 0, 64, 128, 192, 224, 288.
void DrawMenuRowSprite(const Texture* texture, const Rect& source, Vec3 position, int32_t row);
// Equip-choice list rows 36 px apart, the first 60 px down.
void DrawListRowSprite(const Texture* texture, const Rect& source, Vec3 position, int32_t row);
// The change b - a as two signed digits leftwards from x, sign 48 px left of x.
void DrawSignedStatDelta(int32_t a, int32_t b, Vec3 position);

// The name and description sheets of a table, and the name (544 x 80) and
// description (480 x 512) cells of its record `index`.
struct EquipmentSheets {
    const Texture* names = nullptr;
    const Texture* descriptions = nullptr;
};
EquipmentSheets SheetsOf(const FieldMapScene& scene, int32_t table);
Rect NameCellOf(int32_t table, int32_t index);
Rect DescriptionCellOf(int32_t table, int32_t index);
