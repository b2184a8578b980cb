#pragma once
// Shared drawing recipes of MIRELUNE's art style: outlined shapes with soft
// top-left lighting, gold-trimmed dark panels, outlined gradient lettering.
#include <functional>
#include <string_view>
#include <vector>

#include "assetgen/canvas.h"

namespace assetgen::art {

constexpr float kPi = 3.14159265f;
inline float Rad(float deg) { return deg * kPi / 180.0f; }

// The house palette.
namespace pal {
constexpr Argb Ink = Rgb(28, 22, 40);         // outlines
constexpr Argb Gold = Rgb(255, 206, 84);
constexpr Argb GoldDark = Rgb(178, 112, 28);
constexpr Argb Cream = Rgb(255, 246, 222);
constexpr Argb PanelTop = Rgb(44, 46, 78, 230);
constexpr Argb PanelBottom = Rgb(24, 22, 44, 230);
constexpr Argb Steel = Rgb(196, 206, 222);
constexpr Argb SteelDark = Rgb(96, 108, 134);
constexpr Argb Red = Rgb(232, 64, 56);
constexpr Argb Blue = Rgb(70, 132, 240);
constexpr Argb Violet = Rgb(168, 96, 236);
constexpr Argb Sky = Rgb(120, 214, 255);
}  // namespace pal

std::vector<Vec2> StarPoints(float cx, float cy, float rOuter, float rInner, int points, float rotationDeg = -90);
std::vector<Vec2> RegularPolygon(float cx, float cy, float r, int sides, float rotationDeg = -90);
// Points rotated by deg about (cx, cy).
std::vector<Vec2> Rotated(std::vector<Vec2> pts, float cx, float cy, float deg);

// A sphere lit from the top left, with an optional outline.
void Orb(Canvas& c, float cx, float cy, float r, Argb base, Argb outline = pal::Ink, float outlineWidth = 2);
// A filled polygon with an outline.
void OutlinedPolygon(Canvas& c, const std::vector<Vec2>& pts, Argb fill, Argb outline = pal::Ink,
                     float outlineWidth = 2);
// An ellipse with an outline.
void OutlinedEllipse(Canvas& c, float cx, float cy, float rx, float ry, Argb fill, Argb outline = pal::Ink,
                     float outlineWidth = 2, float angleDeg = 0);
// A shape filled with a vertical gradient and an outline.
void GradientPolygon(Canvas& c, const std::vector<Vec2>& pts, Argb top, Argb bottom, Argb outline = pal::Ink,
                     float outlineWidth = 2);

// A dark rounded panel with a gold rim (translucent body).
void Panel(Canvas& c, float x0, float y0, float x1, float y1, float radius = 14, Argb top = pal::PanelTop,
           Argb bottom = pal::PanelBottom, Argb rim = pal::Gold);

// Standard lettering: bold, outlined in ink, gradient fill.
TextStyle Lettering(float size, Argb top = pal::Cream, Argb bottom = pal::Gold, float outline = 3);

// One glyph centred in a cell, fitted to it.
void GlyphInCell(Canvas& c, Rect cell, std::string_view text, const TextStyle& style);
// Digits 0-9 in cells of `cell` pixels along row y, then the glyphs of cells
// 10 and 11 (empty strings leave those cells blank).
void DigitRow(Canvas& c, int y, int cell, const TextStyle& style, std::string_view cell10, std::string_view cell11,
              int digitCells = 10);

// Runs draw(dy) for the offsets that make a feature at y wrap vertically on a
// sheet of height h (so the sheet tiles top to bottom).
void Wrapped(float y, float radius, int h, const std::function<void(float)>& draw);

}  // namespace assetgen::art
