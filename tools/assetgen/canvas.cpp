#include "assetgen/canvas.h"

#include <png.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cstring>
#include <memory>
#include <stdexcept>

namespace assetgen {

// ---------------------------------------------------------------- colours

Argb Mix(Argb a, Argb b, float t) {
    t = std::clamp(t, 0.0f, 1.0f);
    auto ch = [t](int x, int y) { return int(std::lround(x + (y - x) * t)); };
    return Rgb(ch(R(a), R(b)), ch(G(a), G(b)), ch(B(a), B(b)), ch(A(a), A(b)));
}

Argb Shade(Argb c, float f) {
    auto ch = [f](int x) { return std::clamp(int(std::lround(x * f)), 0, 255); };
    return Rgb(ch(R(c)), ch(G(c)), ch(B(c)), A(c));
}

Argb Hsv(float h, float s, float v, int a) {
    h = std::fmod(std::fmod(h, 360.0f) + 360.0f, 360.0f);
    float c = v * s, x = c * (1 - std::fabs(std::fmod(h / 60.0f, 2.0f) - 1)), m = v - c;
    float r = 0, g = 0, b = 0;
    if (h < 60) r = c, g = x;
    else if (h < 120) r = x, g = c;
    else if (h < 180) g = c, b = x;
    else if (h < 240) g = x, b = c;
    else if (h < 300) r = x, b = c;
    else r = c, b = x;
    auto ch = [m](float u) { return int(std::lround((u + m) * 255)); };
    return Rgb(ch(r), ch(g), ch(b), a);
}

// ---------------------------------------------------------------- noise

static uint32_t HashU(int x, int y, uint32_t seed) {
    uint32_t h = seed * 0x27d4eb2du ^ uint32_t(x) * 0x85ebca6bu ^ uint32_t(y) * 0xc2b2ae35u;
    h ^= h >> 15;
    h *= 0x2c1b3c6du;
    h ^= h >> 12;
    h *= 0x297a2d39u;
    h ^= h >> 15;
    return h;
}

float Hash01(int x, int y, uint32_t seed) { return float(HashU(x, y, seed) >> 8) / float(1u << 24); }

float ValueNoise(float x, float y, float cell, uint32_t seed, int periodX, int periodY) {
    float fx = x / cell, fy = y / cell;
    int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
    float tx = fx - x0, ty = fy - y0;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    auto wrap = [](int v, int p) { return p > 0 ? ((v % p) + p) % p : v; };
    int xa = wrap(x0, periodX), xb = wrap(x0 + 1, periodX);
    int ya = wrap(y0, periodY), yb = wrap(y0 + 1, periodY);
    float a = Hash01(xa, ya, seed), b = Hash01(xb, ya, seed);
    float c = Hash01(xa, yb, seed), d = Hash01(xb, yb, seed);
    return (a + (b - a) * tx) * (1 - ty) + (c + (d - c) * tx) * ty;
}

float Fbm(float x, float y, float cell, int octaves, uint32_t seed, int periodX, int periodY) {
    float sum = 0, amp = 1, norm = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amp * ValueNoise(x, y, cell, seed + 1013u * o, periodX, periodY);
        norm += amp;
        amp *= 0.5f;
        cell *= 0.5f;
        periodX *= 2;
        periodY *= 2;
    }
    return sum / norm;
}

uint32_t Rng::Next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}
float Rng::Uniform(float lo, float hi) { return lo + (hi - lo) * float(Next() >> 8) / float(1u << 24); }
int Rng::Int(int lo, int hiInclusive) { return lo + int(Next() % uint32_t(hiInclusive - lo + 1)); }

// ---------------------------------------------------------------- distances

float SdCircle(float px, float py, float cx, float cy, float r) { return std::hypot(px - cx, py - cy) - r; }

float SdBox(float px, float py, float x0, float y0, float x1, float y1, float radius) {
    float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    float qx = std::fabs(px - cx) - hx, qy = std::fabs(py - cy) - hy;
    float outside = std::hypot(std::max(qx, 0.0f), std::max(qy, 0.0f));
    return outside + std::min(std::max(qx, qy), 0.0f) - radius;
}

float SdEllipse(float px, float py, float cx, float cy, float rx, float ry, float angleDeg) {
    float a = angleDeg * 3.14159265f / 180.0f;
    float dx = px - cx, dy = py - cy;
    float lx = dx * std::cos(a) + dy * std::sin(a);
    float ly = -dx * std::sin(a) + dy * std::cos(a);
    rx = std::max(rx, 0.01f);
    ry = std::max(ry, 0.01f);
    float k0 = std::hypot(lx / rx, ly / ry);
    float k1 = std::hypot(lx / (rx * rx), ly / (ry * ry));
    if (k1 < 1e-6f) return -std::min(rx, ry);
    return k0 * (k0 - 1.0f) / k1;
}

float SdSegment(float px, float py, float ax, float ay, float bx, float by) {
    float pax = px - ax, pay = py - ay, bax = bx - ax, bay = by - ay;
    float len2 = bax * bax + bay * bay;
    float h = len2 > 0 ? std::clamp((pax * bax + pay * bay) / len2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(pax - bax * h, pay - bay * h);
}

float SdPolygon(float px, float py, const std::vector<Vec2>& v) {
    size_t n = v.size();
    if (n < 3) return 1e9f;
    float d = 1e30f;
    bool inside = false;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        d = std::min(d, SdSegment(px, py, v[j].x, v[j].y, v[i].x, v[i].y));
        if ((v[i].y > py) != (v[j].y > py) &&
            px < (v[j].x - v[i].x) * (py - v[i].y) / (v[j].y - v[i].y) + v[i].x)
            inside = !inside;
    }
    return inside ? -d : d;
}

// ---------------------------------------------------------------- canvas

Canvas::Canvas(int width, int height, Argb fill)
    : width_(width), height_(height), clip_{0, 0, width, height}, pixels_(size_t(width) * height, fill) {}

void Canvas::SetClip(Rect r) {
    clip_ = {std::max(0, r.left), std::max(0, r.top), std::min(width_, r.right), std::min(height_, r.bottom)};
}
void Canvas::ClearClip() { clip_ = {0, 0, width_, height_}; }

bool Canvas::ClipBox(float x0, float y0, float x1, float y1, int& ix0, int& iy0, int& ix1, int& iy1) const {
    ix0 = std::max(clip_.left, int(std::floor(std::min(x0, x1))));
    iy0 = std::max(clip_.top, int(std::floor(std::min(y0, y1))));
    ix1 = std::min(clip_.right, int(std::ceil(std::max(x0, x1))));
    iy1 = std::min(clip_.bottom, int(std::ceil(std::max(y0, y1))));
    return ix0 < ix1 && iy0 < iy1;
}

void Canvas::Blend(int x, int y, Argb c, float coverage) {
    if (x < clip_.left || y < clip_.top || x >= clip_.right || y >= clip_.bottom) return;
    float sa = A(c) / 255.0f * std::clamp(coverage, 0.0f, 1.0f);
    if (sa <= 0) return;
    Argb& d = pixels_[size_t(y) * width_ + x];
    if (sa >= 1.0f) {
        d = c | 0xFF000000u;
        return;
    }
    float da = A(d) / 255.0f;
    float oa = sa + da * (1 - sa);
    if (oa <= 0) {
        d = 0;
        return;
    }
    auto ch = [&](int s, int t) { return int(std::lround((s * sa + t * da * (1 - sa)) / oa)); };
    d = Rgb(ch(R(c), R(d)), ch(G(c), G(d)), ch(B(c), B(d)), int(std::lround(oa * 255)));
}

void Canvas::Fill(Argb c) {
    for (int y = clip_.top; y < clip_.bottom; ++y)
        std::fill(pixels_.begin() + size_t(y) * width_ + clip_.left, pixels_.begin() + size_t(y) * width_ + clip_.right,
                  c);
}

void Canvas::FillRect(float x0, float y0, float x1, float y1, Argb c) {
    Shape(x0, y0, x1, y1, [&](float px, float py) { return SdBox(px, py, x0, y0, x1, y1); },
          [c](float, float) { return c; });
}

void Canvas::FillRoundRect(float x0, float y0, float x1, float y1, float radius, Argb c) {
    Shape(x0, y0, x1, y1, [&](float px, float py) { return SdBox(px, py, x0, y0, x1, y1, radius); },
          [c](float, float) { return c; });
}

void Canvas::StrokeRoundRect(float x0, float y0, float x1, float y1, float radius, float w, Argb c) {
    float h = w / 2;
    Shape(x0 - h, y0 - h, x1 + h, y1 + h,
          [&](float px, float py) { return std::fabs(SdBox(px, py, x0, y0, x1, y1, radius)) - h; },
          [c](float, float) { return c; });
}

void Canvas::StrokeRect(float x0, float y0, float x1, float y1, float w, Argb c) {
    StrokeRoundRect(x0, y0, x1, y1, 0, w, c);
}

void Canvas::FillCircle(float cx, float cy, float r, Argb c) {
    Shape(cx - r, cy - r, cx + r, cy + r, [&](float px, float py) { return SdCircle(px, py, cx, cy, r); },
          [c](float, float) { return c; });
}

void Canvas::StrokeCircle(float cx, float cy, float r, float w, Argb c) {
    float e = r + w;
    Shape(cx - e, cy - e, cx + e, cy + e,
          [&](float px, float py) { return std::fabs(SdCircle(px, py, cx, cy, r)) - w / 2; },
          [c](float, float) { return c; });
}

void Canvas::FillEllipse(float cx, float cy, float rx, float ry, Argb c, float angleDeg) {
    float e = std::max(rx, ry);
    Shape(cx - e, cy - e, cx + e, cy + e,
          [&](float px, float py) { return SdEllipse(px, py, cx, cy, rx, ry, angleDeg); },
          [c](float, float) { return c; });
}

void Canvas::StrokeEllipse(float cx, float cy, float rx, float ry, float w, Argb c, float angleDeg) {
    float e = std::max(rx, ry) + w;
    Shape(cx - e, cy - e, cx + e, cy + e,
          [&](float px, float py) { return std::fabs(SdEllipse(px, py, cx, cy, rx, ry, angleDeg)) - w / 2; },
          [c](float, float) { return c; });
}

static void Bounds(const std::vector<Vec2>& pts, float& x0, float& y0, float& x1, float& y1) {
    x0 = y0 = 1e30f;
    x1 = y1 = -1e30f;
    for (auto& p : pts) {
        x0 = std::min(x0, p.x);
        y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x);
        y1 = std::max(y1, p.y);
    }
}

void Canvas::FillPolygon(const std::vector<Vec2>& pts, Argb c) {
    // Scanline fill with four sub-rows per pixel row and exact horizontal
    // span coverage (even-odd rule).
    if (pts.size() < 3) return;
    float x0, y0, x1, y1;
    Bounds(pts, x0, y0, x1, y1);
    int ix0, iy0, ix1, iy1;
    if (!ClipBox(x0, y0, x1, y1, ix0, iy0, ix1, iy1)) return;
    std::vector<float> cov(size_t(ix1 - ix0), 0.0f);
    std::vector<float> xs;
    size_t n = pts.size();
    for (int y = iy0; y < iy1; ++y) {
        std::fill(cov.begin(), cov.end(), 0.0f);
        for (int s = 0; s < 4; ++s) {
            float sy = y + (s + 0.5f) / 4;
            xs.clear();
            for (size_t i = 0, j = n - 1; i < n; j = i++) {
                const Vec2 &a = pts[j], &b = pts[i];
                if ((a.y > sy) != (b.y > sy)) xs.push_back(a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y));
            }
            std::sort(xs.begin(), xs.end());
            for (size_t k = 0; k + 1 < xs.size(); k += 2) {
                float xa = std::max(xs[k], float(ix0)), xb = std::min(xs[k + 1], float(ix1));
                if (xb <= xa) continue;
                for (int px = int(std::floor(xa)); px < int(std::ceil(xb)); ++px) {
                    float o = std::min(xb, float(px + 1)) - std::max(xa, float(px));
                    if (o > 0) cov[size_t(px - ix0)] += o * 0.25f;
                }
            }
        }
        for (int x = ix0; x < ix1; ++x) {
            float v = cov[size_t(x - ix0)];
            if (v <= 0) continue;
            if (!antialias_) v = v >= 0.5f ? 1.0f : 0.0f;
            Blend(x, y, c, v);
        }
    }
}

void Canvas::StrokePolygon(const std::vector<Vec2>& pts, float w, Argb c, bool closed) {
    if (pts.size() < 2) return;
    float x0, y0, x1, y1;
    Bounds(pts, x0, y0, x1, y1);
    float h = w / 2;
    Shape(x0 - h, y0 - h, x1 + h, y1 + h,
          [&](float px, float py) {
              float d = 1e30f;
              size_t n = pts.size();
              for (size_t i = 0; i + 1 < n; ++i)
                  d = std::min(d, SdSegment(px, py, pts[i].x, pts[i].y, pts[i + 1].x, pts[i + 1].y));
              if (closed) d = std::min(d, SdSegment(px, py, pts[n - 1].x, pts[n - 1].y, pts[0].x, pts[0].y));
              return d - h;
          },
          [c](float, float) { return c; });
}

void Canvas::Line(float x0, float y0, float x1, float y1, float w, Argb c) {
    float h = w / 2;
    Shape(std::min(x0, x1) - h, std::min(y0, y1) - h, std::max(x0, x1) + h, std::max(y0, y1) + h,
          [&](float px, float py) { return SdSegment(px, py, x0, y0, x1, y1) - h; },
          [c](float, float) { return c; });
}

void Canvas::TaperedLine(float x0, float y0, float x1, float y1, float w0, float w1, Argb c) {
    float h = std::max(w0, w1) / 2;
    float bx = x1 - x0, by = y1 - y0, len2 = bx * bx + by * by;
    Shape(std::min(x0, x1) - h, std::min(y0, y1) - h, std::max(x0, x1) + h, std::max(y0, y1) + h,
          [&](float px, float py) {
              float t = len2 > 0 ? std::clamp(((px - x0) * bx + (py - y0) * by) / len2, 0.0f, 1.0f) : 0.0f;
              float d = std::hypot(px - (x0 + bx * t), py - (y0 + by * t));
              return d - (w0 + (w1 - w0) * t) / 2;
          },
          [c](float, float) { return c; });
}

void Canvas::Arc(float cx, float cy, float r, float a0, float a1, float w, Argb c) {
    int steps = std::max(2, int(std::fabs(a1 - a0) * r / 180.0f) + 2);
    std::vector<Vec2> pts;
    for (int i = 0; i <= steps; ++i) {
        float a = (a0 + (a1 - a0) * i / steps) * 3.14159265f / 180.0f;
        pts.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    StrokePolygon(pts, w, c, false);
}

void Canvas::GradientV(float x0, float y0, float x1, float y1, Argb top, Argb bottom) {
    Shape(x0, y0, x1, y1, [&](float px, float py) { return SdBox(px, py, x0, y0, x1, y1); },
          [&](float, float py) { return Mix(top, bottom, (py - y0) / std::max(1.0f, y1 - y0)); });
}

void Canvas::GradientH(float x0, float y0, float x1, float y1, Argb left, Argb right) {
    Shape(x0, y0, x1, y1, [&](float px, float py) { return SdBox(px, py, x0, y0, x1, y1); },
          [&](float px, float) { return Mix(left, right, (px - x0) / std::max(1.0f, x1 - x0)); });
}

void Canvas::RadialGradient(float cx, float cy, float r, Argb centre, Argb rim) {
    Shape(cx - r, cy - r, cx + r, cy + r, [&](float px, float py) { return SdCircle(px, py, cx, cy, r); },
          [&](float px, float py) { return Mix(centre, rim, std::hypot(px - cx, py - cy) / r); });
}

void Canvas::Glow(float cx, float cy, float r, Argb c) {
    int ix0, iy0, ix1, iy1;
    if (!ClipBox(cx - r, cy - r, cx + r, cy + r, ix0, iy0, ix1, iy1)) return;
    for (int y = iy0; y < iy1; ++y)
        for (int x = ix0; x < ix1; ++x) {
            float d = std::hypot(x + 0.5f - cx, y + 0.5f - cy) / r;
            if (d >= 1) continue;
            float f = (1 - d) * (1 - d);
            Blend(x, y, c, f);
        }
}

void Canvas::Blit(const Canvas& src, Rect from, int dx, int dy, float alpha) {
    for (int y = 0; y < from.Height(); ++y)
        for (int x = 0; x < from.Width(); ++x) {
            int sx = from.left + x, sy = from.top + y;
            if (sx < 0 || sy < 0 || sx >= src.width_ || sy >= src.height_) continue;
            Argb s = src.Get(sx, sy);
            if (A(s) == 0) continue;
            Blend(dx + x, dy + y, s, alpha);
        }
}

static Argb SampleBilinear(const Canvas& c, Rect r, float x, float y) {
    // Premultiplied bilinear so transparent neighbours do not darken edges.
    float fx = x - 0.5f, fy = y - 0.5f;
    int x0 = int(std::floor(fx)), y0 = int(std::floor(fy));
    float tx = fx - x0, ty = fy - y0;
    float acc[4] = {0, 0, 0, 0};
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i) {
            int sx = x0 + i, sy = y0 + j;
            float w = (i ? tx : 1 - tx) * (j ? ty : 1 - ty);
            if (sx < r.left || sy < r.top || sx >= r.right || sy >= r.bottom) continue;
            Argb p = c.Get(sx, sy);
            float a = A(p) / 255.0f * w;
            acc[0] += a;
            acc[1] += R(p) * a;
            acc[2] += G(p) * a;
            acc[3] += B(p) * a;
        }
    if (acc[0] <= 1e-6f) return 0;
    return Rgb(int(std::lround(acc[1] / acc[0])), int(std::lround(acc[2] / acc[0])), int(std::lround(acc[3] / acc[0])),
               int(std::lround(acc[0] * 255)));
}

void Canvas::DrawTransformed(const Canvas& src, Rect from, float cx, float cy, float dx, float dy, float angleDeg,
                             float scaleX, float scaleY, float alpha) {
    float a = angleDeg * 3.14159265f / 180.0f, ca = std::cos(a), sa = std::sin(a);
    // Destination bounding box of the source rectangle's corners.
    float xs[4], ys[4];
    float corners[4][2] = {{float(from.left), float(from.top)},
                           {float(from.right), float(from.top)},
                           {float(from.left), float(from.bottom)},
                           {float(from.right), float(from.bottom)}};
    for (int i = 0; i < 4; ++i) {
        float lx = (corners[i][0] - from.left - cx) * scaleX, ly = (corners[i][1] - from.top - cy) * scaleY;
        xs[i] = dx + lx * ca - ly * sa;
        ys[i] = dy + lx * sa + ly * ca;
    }
    int ix0, iy0, ix1, iy1;
    if (!ClipBox(*std::min_element(xs, xs + 4), *std::min_element(ys, ys + 4), *std::max_element(xs, xs + 4),
                 *std::max_element(ys, ys + 4), ix0, iy0, ix1, iy1))
        return;
    if (std::fabs(scaleX) < 1e-6f || std::fabs(scaleY) < 1e-6f) return;
    for (int y = iy0; y < iy1; ++y)
        for (int x = ix0; x < ix1; ++x) {
            float px = x + 0.5f - dx, py = y + 0.5f - dy;
            float lx = (px * ca + py * sa) / scaleX + cx + from.left;
            float ly = (-px * sa + py * ca) / scaleY + cy + from.top;
            if (lx < from.left - 1 || ly < from.top - 1 || lx > from.right + 1 || ly > from.bottom + 1) continue;
            Argb s = SampleBilinear(src, from, lx, ly);
            if (A(s) == 0) continue;
            Blend(x, y, s, alpha);
        }
}

Canvas Canvas::Resized(int w, int h) const {
    Canvas out(w, h, 0);
    float sx = float(width_) / w, sy = float(height_) / h;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            int x0 = int(x * sx), x1 = std::max(x0 + 1, int((x + 1) * sx));
            int y0 = int(y * sy), y1 = std::max(y0 + 1, int((y + 1) * sy));
            x1 = std::min(x1, width_);
            y1 = std::min(y1, height_);
            double acc[4] = {0, 0, 0, 0};
            int n = 0;
            for (int yy = y0; yy < y1; ++yy)
                for (int xx = x0; xx < x1; ++xx) {
                    Argb p = Get(xx, yy);
                    double a = A(p);
                    acc[0] += a;
                    acc[1] += R(p) * a;
                    acc[2] += G(p) * a;
                    acc[3] += B(p) * a;
                    ++n;
                }
            if (n == 0 || acc[0] <= 0) continue;
            out.pixels_[size_t(y) * w + x] = Rgb(int(acc[1] / acc[0] + 0.5), int(acc[2] / acc[0] + 0.5),
                                                 int(acc[3] / acc[0] + 0.5), int(acc[0] / n + 0.5));
        }
    return out;
}

Canvas Canvas::Crop(Rect r) const {
    Canvas out(r.Width(), r.Height(), 0);
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x) {
            int sx = r.left + x, sy = r.top + y;
            if (sx >= 0 && sy >= 0 && sx < width_ && sy < height_) out.pixels_[size_t(y) * out.width_ + x] = Get(sx, sy);
        }
    return out;
}

void Canvas::FinishKeyed(Argb key, bool softEdges) {
    // A colour is "close" to the key when every channel is within this margin.
    constexpr int kMargin = 40;
    const int clear = softEdges ? 8 : 128;
    for (Argb& p : pixels_) {
        if (A(p) < clear) {
            p = key;
            continue;
        }
        int ch[3] = {R(p), G(p), B(p)};
        int kc[3] = {R(key), G(key), B(key)};
        bool close = true;
        for (int i = 0; i < 3; ++i) close = close && std::abs(ch[i] - kc[i]) < kMargin;
        if (close) {
            // Push every channel at least kMargin away from the key's channel.
            for (int i = 0; i < 3; ++i) ch[i] = kc[i] >= 128 ? std::min(ch[i], kc[i] - kMargin) : std::max(ch[i], kc[i] + kMargin);
        }
        p = Rgb(ch[0], ch[1], ch[2], softEdges ? A(p) : 255);
    }
}

void Canvas::Flatten(Argb background) {
    for (Argb& p : pixels_) {
        float a = A(p) / 255.0f;
        p = Rgb(int(std::lround(R(p) * a + R(background) * (1 - a))), int(std::lround(G(p) * a + G(background) * (1 - a))),
                int(std::lround(B(p) * a + B(background) * (1 - a))), 255);
    }
}

// ---------------------------------------------------------------- text

namespace {

// The font files, in the folder the build found them in (MIRELUNE_FONT_DIR).
const char* FontFile(FontFace f) {
    switch (f) {
    case FontFace::Regular: return "DejaVuSans.ttf";
    case FontFace::Bold: return "DejaVuSans-Bold.ttf";
    case FontFace::Condensed: return "DejaVuSansCondensed.ttf";
    case FontFace::CondensedBold: return "DejaVuSansCondensed-Bold.ttf";
    case FontFace::Serif: return "DejaVuSerif.ttf";
    case FontFace::SerifBold: return "DejaVuSerif-Bold.ttf";
    }
    return "DejaVuSans.ttf";
}

std::string FontPath(FontFace f) { return std::string(MIRELUNE_FONT_DIR) + "/" + FontFile(f); }

// One FreeType library and face set per thread (FreeType objects are not
// shared between threads).
struct FontCache {
    FT_Library lib = nullptr;
    std::array<FT_Face, 6> faces{};
    FontCache() {
        if (FT_Init_FreeType(&lib)) throw std::runtime_error("FreeType could not be initialised");
    }
    ~FontCache() {
        for (FT_Face f : faces)
            if (f) FT_Done_Face(f);
        FT_Done_FreeType(lib);
    }
    FT_Face Face(FontFace which, float size) {
        FT_Face& f = faces[size_t(which)];
        if (!f && FT_New_Face(lib, FontPath(which).c_str(), 0, &f))
            throw std::runtime_error("font missing: " + FontPath(which));
        FT_Set_Char_Size(f, 0, FT_F26Dot6(std::lround(size * 64)), 72, 72);
        return f;
    }
};

FontCache& Fonts() {
    thread_local FontCache cache;
    return cache;
}

std::u32string DecodeUtf8(std::string_view s) {
    std::u32string out;
    for (size_t i = 0; i < s.size();) {
        unsigned char c = s[i];
        char32_t cp;
        int n;
        if (c < 0x80) cp = c, n = 1;
        else if ((c >> 5) == 6) cp = c & 0x1F, n = 2;
        else if ((c >> 4) == 14) cp = c & 0x0F, n = 3;
        else cp = c & 0x07, n = 4;
        for (int k = 1; k < n && i + k < s.size(); ++k) cp = (cp << 6) | (s[i + k] & 0x3F);
        out.push_back(cp);
        i += n;
    }
    return out;
}

// Coverage mask of a text line with its pen origin at (ox, oy) inside the mask.
struct TextMask {
    int w = 0, h = 0;
    float originX = 0, originY = 0;  // where the pen started (baseline), in mask pixels
    float advance = 0;
    float ascender = 0, descender = 0;  // positive up / down from the baseline
    std::vector<float> cov;
};

TextMask RenderMask(std::string_view utf8, const TextStyle& st, int pad, bool measureOnly = false) {
    FT_Face face = Fonts().Face(st.face, st.size);
    std::u32string text = DecodeUtf8(utf8);
    TextMask m;
    m.ascender = face->size->metrics.ascender / 64.0f;
    m.descender = -face->size->metrics.descender / 64.0f;
    // First pass: advance.
    float pen = 0;
    FT_UInt prev = 0;
    bool kern = FT_HAS_KERNING(face);
    auto kerning = [&](FT_UInt left, FT_UInt right) {
        if (!kern || !left || !right) return 0.0f;
        FT_Vector k;
        FT_Get_Kerning(face, left, right, FT_KERNING_DEFAULT, &k);
        return k.x / 64.0f;
    };
    for (char32_t cp : text) {
        FT_UInt gi = FT_Get_Char_Index(face, cp);
        pen += kerning(prev, gi);
        if (FT_Load_Glyph(face, gi, FT_LOAD_DEFAULT)) continue;
        pen += face->glyph->advance.x / 64.0f + st.tracking;
        prev = gi;
    }
    if (!text.empty()) pen -= st.tracking;
    m.advance = pen;
    if (measureOnly) return m;
    m.w = int(std::ceil(pen)) + 2 * pad + 4;
    m.h = int(std::ceil(m.ascender + m.descender)) + 2 * pad + 4;
    m.originX = float(pad + 2);
    m.originY = float(pad + 2) + std::ceil(m.ascender);
    m.cov.assign(size_t(m.w) * m.h, 0.0f);
    pen = m.originX;
    prev = 0;
    for (char32_t cp : text) {
        FT_UInt gi = FT_Get_Char_Index(face, cp);
        pen += kerning(prev, gi);
        float frac = pen - std::floor(pen);
        FT_Vector shift{FT_Pos(std::lround(frac * 64)), 0};
        FT_Set_Transform(face, nullptr, &shift);
        if (FT_Load_Glyph(face, gi, FT_LOAD_RENDER | FT_LOAD_NO_HINTING)) continue;
        FT_GlyphSlot g = face->glyph;
        int gx = int(std::floor(pen)) + g->bitmap_left;
        int gy = int(m.originY) - g->bitmap_top;
        for (unsigned r = 0; r < g->bitmap.rows; ++r)
            for (unsigned c = 0; c < g->bitmap.width; ++c) {
                int x = gx + int(c), y = gy + int(r);
                if (x < 0 || y < 0 || x >= m.w || y >= m.h) continue;
                float v = g->bitmap.buffer[r * g->bitmap.pitch + c] / 255.0f;
                float& d = m.cov[size_t(y) * m.w + x];
                d = std::min(1.0f, d + v);
            }
        pen += g->advance.x / 64.0f + st.tracking;
        prev = gi;
    }
    FT_Set_Transform(face, nullptr, nullptr);
    return m;
}

std::vector<float> Dilate(const TextMask& m, float r) {
    std::vector<float> out(m.cov.size(), 0.0f);
    int ir = int(std::ceil(r));
    // Square neighbourhood test first (separable), so the disc is only
    // searched next to ink.
    std::vector<char> rowHit(m.cov.size(), 0), near(m.cov.size(), 0);
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x)
            for (int dx = -ir; dx <= ir; ++dx) {
                int sx = x + dx;
                if (sx >= 0 && sx < m.w && m.cov[size_t(y) * m.w + sx] > 0) {
                    rowHit[size_t(y) * m.w + x] = 1;
                    break;
                }
            }
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x)
            for (int dy = -ir; dy <= ir; ++dy) {
                int sy = y + dy;
                if (sy >= 0 && sy < m.h && rowHit[size_t(sy) * m.w + x]) {
                    near[size_t(y) * m.w + x] = 1;
                    break;
                }
            }
    for (int y = 0; y < m.h; ++y)
        for (int x = 0; x < m.w; ++x) {
            if (!near[size_t(y) * m.w + x]) continue;
            float best = 0;
            for (int dy = -ir; dy <= ir && best < 1; ++dy)
                for (int dx = -ir; dx <= ir; ++dx) {
                    int sx = x + dx, sy = y + dy;
                    if (sx < 0 || sy < 0 || sx >= m.w || sy >= m.h) continue;
                    float d = std::hypot(float(dx), float(dy));
                    float w = std::clamp(r + 0.5f - d, 0.0f, 1.0f);
                    best = std::max(best, m.cov[size_t(sy) * m.w + sx] * w);
                }
            out[size_t(y) * m.w + x] = best;
        }
    return out;
}

}  // namespace

float TextWidth(std::string_view utf8, const TextStyle& style) { return RenderMask(utf8, style, 0, true).advance; }

float Canvas::Text(std::string_view utf8, float x, float y, const TextStyle& st) {
    int pad = int(std::ceil(st.outlineWidth)) + 1;
    TextMask m = RenderMask(utf8, st, pad);
    // Pen origin on the canvas.
    float penX = x, baseY = y;
    if (st.halign == HAlign::Center) penX -= m.advance / 2;
    if (st.halign == HAlign::Right) penX -= m.advance;
    // Vertical placement uses the cap height so text centres visually.
    float cap = st.size * 0.729f;  // DejaVu cap height / em
    switch (st.valign) {
    case VAlign::Baseline: break;
    case VAlign::Top: baseY += cap; break;
    case VAlign::Middle: baseY += cap / 2; break;
    case VAlign::Bottom: baseY -= m.descender; break;
    }
    int ox = int(std::lround(penX - m.originX)), oy = int(std::lround(baseY - m.originY));
    auto paint = [&](const std::vector<float>& cov, Argb c, int dx, int dy, bool gradient) {
        float capTop = m.originY - cap;
        for (int j = 0; j < m.h; ++j) {
            Argb rowColour = gradient ? Mix(c, st.colorBottom, (j + 0.5f - capTop) / cap) : c;
            for (int i = 0; i < m.w; ++i) {
                float v = cov[size_t(j) * m.w + i];
                if (v <= 0) continue;
                if (!antialias_) v = v >= 0.5f ? 1.0f : 0.0f;
                Blend(ox + i + dx, oy + j + dy, rowColour, v);
            }
        }
    };
    std::vector<float> outline;
    if (A(st.outline) && st.outlineWidth > 0) outline = Dilate(m, st.outlineWidth);
    if (A(st.shadow)) paint(outline.empty() ? m.cov : outline, st.shadow, st.shadowDx, st.shadowDy, false);
    if (!outline.empty()) paint(outline, st.outline, 0, 0, false);
    paint(m.cov, st.color, 0, 0, A(st.colorBottom) != 0);
    return m.advance;
}

void Canvas::TextFit(std::string_view utf8, float x0, float y0, float x1, float y1, TextStyle st) {
    float maxW = x1 - x0 - 2 * st.outlineWidth, maxH = y1 - y0;
    st.size = std::min(st.size, maxH / 1.05f);
    float w = TextWidth(utf8, st);
    if (w > maxW && w > 0) st.size = std::floor(st.size * maxW / w);
    while (st.size > 6 && TextWidth(utf8, st) > maxW) st.size -= 1;
    float x = st.halign == HAlign::Left ? x0 : st.halign == HAlign::Right ? x1 : (x0 + x1) / 2;
    st.valign = VAlign::Middle;
    Text(utf8, x, (y0 + y1) / 2, st);
}

// ---------------------------------------------------------------- PNG

namespace {
void PngWriteToVector(png_structp png, png_bytep data, png_size_t len) {
    auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
    out->insert(out->end(), data, data + len);
}
void PngFlush(png_structp) {}

struct ReadState {
    const std::vector<uint8_t>* bytes;
    size_t pos;
};
void PngReadFromVector(png_structp png, png_bytep data, png_size_t len) {
    auto* st = static_cast<ReadState*>(png_get_io_ptr(png));
    if (st->pos + len > st->bytes->size()) png_error(png, "truncated");
    std::memcpy(data, st->bytes->data() + st->pos, len);
    st->pos += len;
}
}  // namespace

std::vector<uint8_t> EncodePng(const Canvas& canvas) {
    std::vector<uint8_t> out;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    std::vector<uint8_t> row(size_t(canvas.Width()) * 4);
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("PNG encoding failed");
    }
    png_set_write_fn(png, &out, PngWriteToVector, PngFlush);
    png_set_compression_level(png, 6);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_SUB | PNG_FILTER_UP | PNG_FILTER_PAETH);
    png_set_IHDR(png, info, png_uint_32(canvas.Width()), png_uint_32(canvas.Height()), 8, PNG_COLOR_TYPE_RGBA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (int y = 0; y < canvas.Height(); ++y) {
        for (int x = 0; x < canvas.Width(); ++x) {
            Argb p = canvas.Get(x, y);
            row[size_t(x) * 4 + 0] = uint8_t(R(p));
            row[size_t(x) * 4 + 1] = uint8_t(G(p));
            row[size_t(x) * 4 + 2] = uint8_t(B(p));
            row[size_t(x) * 4 + 3] = uint8_t(A(p));
        }
        png_write_row(png, row.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return out;
}

bool DecodePng(const std::vector<uint8_t>& bytes, Canvas& out) {
    if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8)) return false;
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    ReadState st{&bytes, 0};
    std::vector<uint8_t> row;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &st, PngReadFromVector);
    png_read_info(png, info);
    png_set_expand(png);
    png_set_strip_16(png);
    png_set_gray_to_rgb(png);
    png_set_add_alpha(png, 0xFF, PNG_FILLER_AFTER);
    png_read_update_info(png, info);
    int w = int(png_get_image_width(png, info)), h = int(png_get_image_height(png, info));
    out = Canvas(w, h, 0);
    row.resize(png_get_rowbytes(png, info));
    for (int y = 0; y < h; ++y) {
        png_read_row(png, row.data(), nullptr);
        for (int x = 0; x < w; ++x)
            out.Set(x, y, Rgb(row[x * 4], row[x * 4 + 1], row[x * 4 + 2], row[x * 4 + 3]));
    }
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

}  // namespace assetgen
