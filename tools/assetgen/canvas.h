#pragma once
// The drawing surface of the asset generator: an ARGB canvas (0xAARRGGBB,
// straight alpha) with anti-aliased primitives built on signed distances,
// gradients, seeded noise, blits, FreeType text and a deterministic PNG writer.
//
// Sheets with a colour key are drawn on a transparent canvas like any other and
// then finished with FinishKeyed(): every pixel becomes either the exact key
// colour or an opaque colour that is clearly not the key, so no drawing ever
// bleeds into the key.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace assetgen {

using Argb = uint32_t;

constexpr Argb Rgb(int r, int g, int b, int a = 255) {
    return (Argb(a & 255) << 24) | (Argb(r & 255) << 16) | (Argb(g & 255) << 8) | Argb(b & 255);
}
constexpr int A(Argb c) { return int(c >> 24); }
constexpr int R(Argb c) { return int((c >> 16) & 255); }
constexpr int G(Argb c) { return int((c >> 8) & 255); }
constexpr int B(Argb c) { return int(c & 255); }
constexpr Argb WithAlpha(Argb c, int a) { return (c & 0x00FFFFFFu) | (Argb(std::clamp(a, 0, 255)) << 24); }

// Linear mix of two colours (alpha included), t in 0..1.
Argb Mix(Argb a, Argb b, float t);
// Multiplies the colour channels by f (alpha kept), clamped.
Argb Shade(Argb c, float f);
// Hue 0..360, saturation and value 0..1.
Argb Hsv(float h, float s, float v, int a = 255);

struct Vec2 {
    float x = 0, y = 0;
};

struct Rect {
    int left = 0, top = 0, right = 0, bottom = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// Deterministic noise. All functions return values in 0..1.
float Hash01(int x, int y, uint32_t seed);
// Value noise on a lattice of `cell` pixels; when periodX / periodY (in lattice
// cells) are above 0 the noise repeats after that many cells.
float ValueNoise(float x, float y, float cell, uint32_t seed, int periodX = 0, int periodY = 0);
// Fractal sum of `octaves` value noises, each half the cell size of the last.
float Fbm(float x, float y, float cell, int octaves, uint32_t seed, int periodX = 0, int periodY = 0);
// A small deterministic random generator for scattering details.
class Rng {
public:
    explicit Rng(uint32_t seed) : state_(seed * 2654435761u + 0x9E3779B9u) {}
    uint32_t Next();
    float Uniform(float lo, float hi);
    int Int(int lo, int hiInclusive);

private:
    uint32_t state_;
};

enum class FontFace { Regular, Bold, Condensed, CondensedBold, Serif, SerifBold };
enum class HAlign { Left, Center, Right };
enum class VAlign { Baseline, Top, Middle, Bottom };

struct TextStyle {
    FontFace face = FontFace::Bold;
    float size = 24;  // pixel height of the em square
    Argb color = 0xFFFFFFFF;
    Argb colorBottom = 0;  // when set: vertical gradient from color (cap top) to this (baseline)
    HAlign halign = HAlign::Left;
    VAlign valign = VAlign::Middle;
    Argb outline = 0;        // 0: no outline
    float outlineWidth = 0;  // pixels
    Argb shadow = 0;         // 0: no drop shadow
    int shadowDx = 2, shadowDy = 2;
    float tracking = 0;  // extra pixels between letters
};

class Canvas {
public:
    Canvas() = default;
    Canvas(int width, int height, Argb fill = 0);

    int Width() const { return width_; }
    int Height() const { return height_; }
    const std::vector<Argb>& Pixels() const { return pixels_; }
    std::vector<Argb>& Pixels() { return pixels_; }

    Argb Get(int x, int y) const { return pixels_[size_t(y) * width_ + x]; }
    void Set(int x, int y, Argb c) {
        if (x >= 0 && y >= 0 && x < width_ && y < height_) pixels_[size_t(y) * width_ + x] = c;
    }
    // Composites c over the pixel with the given coverage (0..1).
    void Blend(int x, int y, Argb c, float coverage = 1.0f);

    // Hard edges: coverage is thresholded at one half (used for keyed sheets
    // and for pixel-exact glyphs).
    void SetAntialias(bool on) { antialias_ = on; }
    bool Antialias() const { return antialias_; }
    // Restricts every draw to a rectangle (the whole canvas when cleared).
    void SetClip(Rect r);
    void ClearClip();
    Rect Clip() const { return clip_; }

    void Fill(Argb c);
    void FillRect(float x0, float y0, float x1, float y1, Argb c);
    void FillRoundRect(float x0, float y0, float x1, float y1, float radius, Argb c);
    void StrokeRoundRect(float x0, float y0, float x1, float y1, float radius, float width, Argb c);
    void StrokeRect(float x0, float y0, float x1, float y1, float width, Argb c);
    void FillCircle(float cx, float cy, float r, Argb c);
    void StrokeCircle(float cx, float cy, float r, float width, Argb c);
    // Ellipse with radii rx, ry rotated by `angleDeg` about its centre.
    void FillEllipse(float cx, float cy, float rx, float ry, Argb c, float angleDeg = 0);
    void StrokeEllipse(float cx, float cy, float rx, float ry, float width, Argb c, float angleDeg = 0);
    void FillPolygon(const std::vector<Vec2>& pts, Argb c);
    void StrokePolygon(const std::vector<Vec2>& pts, float width, Argb c, bool closed = true);
    // A line with round caps.
    void Line(float x0, float y0, float x1, float y1, float width, Argb c);
    // A line whose width tapers from w0 to w1.
    void TaperedLine(float x0, float y0, float x1, float y1, float w0, float w1, Argb c);
    // Arc of a ring from a0 to a1 degrees (0 = +x, clockwise on screen).
    void Arc(float cx, float cy, float r, float a0, float a1, float width, Argb c);

    void GradientV(float x0, float y0, float x1, float y1, Argb top, Argb bottom);
    void GradientH(float x0, float y0, float x1, float y1, Argb left, Argb right);
    // Circle filled with a radial gradient from the centre colour to the rim.
    void RadialGradient(float cx, float cy, float r, Argb centre, Argb rim);
    // A soft glow: alpha falls off smoothly from the centre (use only on
    // sheets without a colour key).
    void Glow(float cx, float cy, float r, Argb c);

    // General shape: for every pixel of the box, sdf(x, y) gives the signed
    // distance (negative inside) at the pixel centre and colour(x, y) its colour.
    template <class Sdf, class Colour>
    void Shape(float x0, float y0, float x1, float y1, Sdf sdf, Colour colour);
    // Applies f(x, y, pixel) -> pixel to every pixel of the box (clipped).
    template <class F>
    void Map(int x0, int y0, int x1, int y1, F f);

    // Copies (alpha-over) a rectangle of src to (dx, dy).
    void Blit(const Canvas& src, Rect from, int dx, int dy, float alpha = 1.0f);
    // Draws a rectangle of src with its point (cx, cy) (source pixels) placed
    // at (dx, dy), scaled and rotated about that point, bilinear sampled.
    void DrawTransformed(const Canvas& src, Rect from, float cx, float cy, float dx, float dy,
                         float angleDeg, float scaleX, float scaleY, float alpha = 1.0f);
    // A copy scaled to w x h (box filter when shrinking).
    Canvas Resized(int w, int h) const;
    Canvas Crop(Rect r) const;

    // Text. Returns the advance width of the drawn text.
    float Text(std::string_view utf8, float x, float y, const TextStyle& style);
    // Draws text fitted into a box: the size shrinks from style.size until it fits.
    void TextFit(std::string_view utf8, float x0, float y0, float x1, float y1, TextStyle style);

    // Turns the canvas into a keyed sheet: pixels with alpha below one half
    // become the key; all others become opaque, and colours close to the key
    // are moved away from it. With soft edges only clear pixels (alpha below
    // 8) become the key and the others keep their alpha.
    void FinishKeyed(Argb key, bool softEdges = false);
    // Makes every pixel opaque over a background colour.
    void Flatten(Argb background);

private:
    bool ClipBox(float x0, float y0, float x1, float y1, int& ix0, int& iy0, int& ix1, int& iy1) const;
    float Coverage(float d) const {
        float c = std::clamp(0.5f - d, 0.0f, 1.0f);
        return antialias_ ? c : (c >= 0.5f ? 1.0f : 0.0f);
    }

    int width_ = 0, height_ = 0;
    bool antialias_ = true;
    Rect clip_{};
    std::vector<Argb> pixels_;
};

template <class Sdf, class Colour>
void Canvas::Shape(float x0, float y0, float x1, float y1, Sdf sdf, Colour colour) {
    int ix0, iy0, ix1, iy1;
    if (!ClipBox(x0 - 1, y0 - 1, x1 + 1, y1 + 1, ix0, iy0, ix1, iy1)) return;
    for (int y = iy0; y < iy1; ++y) {
        for (int x = ix0; x < ix1; ++x) {
            float px = x + 0.5f, py = y + 0.5f;
            float cov = Coverage(sdf(px, py));
            if (cov <= 0) continue;
            Blend(x, y, colour(px, py), cov);
        }
    }
}

template <class F>
void Canvas::Map(int x0, int y0, int x1, int y1, F f) {
    x0 = std::max(x0, clip_.left);
    y0 = std::max(y0, clip_.top);
    x1 = std::min(x1, clip_.right);
    y1 = std::min(y1, clip_.bottom);
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) pixels_[size_t(y) * width_ + x] = f(x, y, pixels_[size_t(y) * width_ + x]);
}

// Signed distance helpers (negative inside).
float SdCircle(float px, float py, float cx, float cy, float r);
float SdBox(float px, float py, float x0, float y0, float x1, float y1, float radius = 0);
float SdEllipse(float px, float py, float cx, float cy, float rx, float ry, float angleDeg = 0);
float SdSegment(float px, float py, float ax, float ay, float bx, float by);
float SdPolygon(float px, float py, const std::vector<Vec2>& pts);

// Measures text: advance width and the ink box height.
float TextWidth(std::string_view utf8, const TextStyle& style);

// Encodes 8-bit RGBA PNG bytes (fixed settings: same pixels, same bytes).
std::vector<uint8_t> EncodePng(const Canvas& canvas);
// Decodes a PNG (for tests and tools); false when unreadable.
bool DecodePng(const std::vector<uint8_t>& bytes, Canvas& out);

}  // namespace assetgen
