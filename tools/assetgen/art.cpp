#include "assetgen/art.h"

namespace assetgen::art {

std::vector<Vec2> StarPoints(float cx, float cy, float ro, float ri, int n, float rot) {
    std::vector<Vec2> p;
    for (int i = 0; i < 2 * n; ++i) {
        float a = Rad(rot + 180.0f * i / n);
        float r = (i % 2) ? ri : ro;
        p.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return p;
}

std::vector<Vec2> RegularPolygon(float cx, float cy, float r, int sides, float rot) {
    std::vector<Vec2> p;
    for (int i = 0; i < sides; ++i) {
        float a = Rad(rot + 360.0f * i / sides);
        p.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    return p;
}

std::vector<Vec2> Rotated(std::vector<Vec2> pts, float cx, float cy, float deg) {
    float ca = std::cos(Rad(deg)), sa = std::sin(Rad(deg));
    for (Vec2& p : pts) {
        float x = p.x - cx, y = p.y - cy;
        p = {cx + x * ca - y * sa, cy + x * sa + y * ca};
    }
    return pts;
}

void Orb(Canvas& c, float cx, float cy, float r, Argb base, Argb outline, float ow) {
    if (ow > 0 && A(outline)) c.FillCircle(cx, cy, r + ow, outline);
    const float lx = -0.45f, ly = -0.6f, lz = 0.66f;
    c.Shape(cx - r, cy - r, cx + r, cy + r, [&](float px, float py) { return SdCircle(px, py, cx, cy, r); },
            [&](float px, float py) {
                float nx = (px - cx) / r, ny = (py - cy) / r;
                float d2 = std::min(1.0f, nx * nx + ny * ny);
                float nz = std::sqrt(1 - d2);
                float diff = std::max(0.0f, nx * lx + ny * ly + nz * lz);
                float spec = std::pow(std::max(0.0f, diff), 24.0f);
                Argb col = Shade(base, 0.45f + 0.75f * diff);
                return Mix(col, Rgb(255, 255, 255, A(base)), spec * 0.85f);
            });
}

void OutlinedPolygon(Canvas& c, const std::vector<Vec2>& pts, Argb fill, Argb outline, float ow) {
    c.FillPolygon(pts, fill);
    if (ow > 0 && A(outline)) c.StrokePolygon(pts, ow, outline);
}

void OutlinedEllipse(Canvas& c, float cx, float cy, float rx, float ry, Argb fill, Argb outline, float ow, float ang) {
    if (ow > 0 && A(outline)) c.FillEllipse(cx, cy, rx + ow, ry + ow, outline, ang);
    c.FillEllipse(cx, cy, rx, ry, fill, ang);
}

void GradientPolygon(Canvas& c, const std::vector<Vec2>& pts, Argb top, Argb bottom, Argb outline, float ow) {
    float y0 = 1e9f, y1 = -1e9f, x0 = 1e9f, x1 = -1e9f;
    for (auto& p : pts) {
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
        x0 = std::min(x0, p.x);
        x1 = std::max(x1, p.x);
    }
    c.Shape(x0, y0, x1, y1, [&](float px, float py) { return SdPolygon(px, py, pts); },
            [&](float, float py) { return Mix(top, bottom, (py - y0) / std::max(1.0f, y1 - y0)); });
    if (ow > 0 && A(outline)) c.StrokePolygon(pts, ow, outline);
}

void Panel(Canvas& c, float x0, float y0, float x1, float y1, float radius, Argb top, Argb bottom, Argb rim) {
    c.Shape(x0, y0, x1, y1, [&](float px, float py) { return SdBox(px, py, x0, y0, x1, y1, radius); },
            [&](float, float py) { return Mix(top, bottom, (py - y0) / std::max(1.0f, y1 - y0)); });
    c.StrokeRoundRect(x0 + 1.5f, y0 + 1.5f, x1 - 1.5f, y1 - 1.5f, radius, 3, rim);
    c.StrokeRoundRect(x0 + 6, y0 + 6, x1 - 6, y1 - 6, std::max(2.0f, radius - 5), 1, WithAlpha(rim, 110));
}

TextStyle Lettering(float size, Argb top, Argb bottom, float outline) {
    TextStyle st;
    st.face = FontFace::Bold;
    st.size = size;
    st.color = top;
    st.colorBottom = bottom;
    st.outline = pal::Ink;
    st.outlineWidth = outline;
    st.halign = HAlign::Center;
    st.valign = VAlign::Middle;
    return st;
}

void GlyphInCell(Canvas& c, Rect cell, std::string_view text, const TextStyle& style) {
    c.TextFit(text, float(cell.left), float(cell.top), float(cell.right), float(cell.bottom), style);
}

void DigitRow(Canvas& c, int y, int cell, const TextStyle& style, std::string_view cell10, std::string_view cell11,
              int digitCells) {
    for (int d = 0; d < digitCells; ++d) {
        char s[2] = {char('0' + d), 0};
        GlyphInCell(c, {d * cell, y, (d + 1) * cell, y + cell}, s, style);
    }
    if (!cell10.empty()) GlyphInCell(c, {10 * cell, y, 11 * cell, y + cell}, cell10, style);
    if (!cell11.empty()) GlyphInCell(c, {11 * cell, y, 12 * cell, y + cell}, cell11, style);
}

void Wrapped(float y, float radius, int h, const std::function<void(float)>& draw) {
    draw(0);
    if (y - radius < 0) draw(float(h));
    if (y + radius > h) draw(float(-h));
}

}  // namespace assetgen::art
