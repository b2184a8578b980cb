#include "assetgen/sheets_enemies_art.h"

#include <algorithm>
#include <cmath>

namespace assetgen::creature {

Vec2 Xf::operator()(float x, float y) const {
    float X = x * sx, Y = y * sy;
    if (rot == 0) return {ox + X, oy + Y};
    float ca = std::cos(Rad(rot)), sa = std::sin(Rad(rot));
    return {ox + X * ca - Y * sa, oy + X * sa + Y * ca};
}

std::vector<Vec2> Xf::operator()(const std::vector<Vec2>& pts) const {
    std::vector<Vec2> out;
    out.reserve(pts.size());
    for (const Vec2& p : pts) out.push_back((*this)(p));
    return out;
}

Vec2 Xf::Local(float x, float y) const {
    float X = x - ox, Y = y - oy;
    if (rot != 0) {
        float ca = std::cos(Rad(rot)), sa = std::sin(Rad(rot));
        float rx = X * ca + Y * sa, ry = -X * sa + Y * ca;
        X = rx;
        Y = ry;
    }
    return {X / (sx == 0 ? 1e-6f : sx), Y / (sy == 0 ? 1e-6f : sy)};
}

float Xf::Scale() const { return std::sqrt(std::fabs(sx * sy)); }

static Vec2 CatmullRom(Vec2 p0, Vec2 p1, Vec2 p2, Vec2 p3, float t) {
    float t2 = t * t, t3 = t2 * t;
    auto f = [&](float a, float b, float c, float d) {
        return 0.5f * ((2 * b) + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (-a + 3 * b - 3 * c + d) * t3);
    };
    return {f(p0.x, p1.x, p2.x, p3.x), f(p0.y, p1.y, p2.y, p3.y)};
}

std::vector<Vec2> Smooth(const std::vector<Vec2>& k, int steps) {
    std::vector<Vec2> out;
    size_t n = k.size();
    if (n < 3) return k;
    for (size_t i = 0; i < n; ++i) {
        const Vec2 &p0 = k[(i + n - 1) % n], &p1 = k[i], &p2 = k[(i + 1) % n], &p3 = k[(i + 2) % n];
        for (int s = 0; s < steps; ++s) out.push_back(CatmullRom(p0, p1, p2, p3, float(s) / steps));
    }
    return out;
}

std::vector<Vec2> SmoothOpen(const std::vector<Vec2>& k, int steps) {
    std::vector<Vec2> out;
    size_t n = k.size();
    if (n < 3) return k;
    for (size_t i = 0; i + 1 < n; ++i) {
        const Vec2& p0 = k[i == 0 ? 0 : i - 1];
        const Vec2& p3 = k[std::min(n - 1, i + 2)];
        for (int s = 0; s < steps; ++s) out.push_back(CatmullRom(p0, k[i], k[i + 1], p3, float(s) / steps));
    }
    out.push_back(k.back());
    return out;
}

std::vector<Vec2> Inset(const std::vector<Vec2>& pts, Vec2 c, float k) {
    std::vector<Vec2> out;
    out.reserve(pts.size());
    for (const Vec2& p : pts) out.push_back({c.x + (p.x - c.x) * k, c.y + (p.y - c.y) * k});
    return out;
}

Vec2 Centroid(const std::vector<Vec2>& pts) {
    Vec2 s{0, 0};
    for (const Vec2& p : pts) {
        s.x += p.x;
        s.y += p.y;
    }
    float n = float(std::max<size_t>(1, pts.size()));
    return {s.x / n, s.y / n};
}

std::vector<Vec2> EllipsePts(float cx, float cy, float rx, float ry, float angleDeg, int n) {
    std::vector<Vec2> p;
    float ca = std::cos(Rad(angleDeg)), sa = std::sin(Rad(angleDeg));
    for (int i = 0; i < n; ++i) {
        float a = 2 * kPi * i / n;
        float x = rx * std::cos(a), y = ry * std::sin(a);
        p.push_back({cx + x * ca - y * sa, cy + x * sa + y * ca});
    }
    return p;
}

void Fill(Canvas& c, const std::vector<Vec2>& pts, const ColourFn& colour) {
    if (pts.size() < 3) return;
    float y0 = 1e30f, y1 = -1e30f;
    for (const Vec2& p : pts) {
        y0 = std::min(y0, p.y);
        y1 = std::max(y1, p.y);
    }
    Rect clip = c.Clip();
    int iy0 = std::max(clip.top, int(std::floor(y0))), iy1 = std::min(clip.bottom, int(std::ceil(y1)));
    std::vector<float> xs;
    size_t n = pts.size();
    for (int y = iy0; y < iy1; ++y) {
        float sy = y + 0.5f;
        xs.clear();
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            const Vec2 &a = pts[j], &b = pts[i];
            if ((a.y > sy) != (b.y > sy)) xs.push_back(a.x + (sy - a.y) * (b.x - a.x) / (b.y - a.y));
        }
        std::sort(xs.begin(), xs.end());
        for (size_t k = 0; k + 1 < xs.size(); k += 2) {
            // Pixels whose centres lie inside the span.
            int xa = std::max(clip.left, int(std::ceil(xs[k] - 0.5f)));
            int xb = std::min(clip.right, int(std::ceil(xs[k + 1] - 0.5f)));
            for (int x = xa; x < xb; ++x) c.Blend(x, y, colour(x + 0.5f, sy), 1);
        }
    }
}

void Fill(Canvas& c, const std::vector<Vec2>& pts, Argb colour) {
    Fill(c, pts, [colour](float, float) { return colour; });
}

void Stroke(Canvas& c, const std::vector<Vec2>& pts, float width, Argb colour, bool closed) {
    size_t n = pts.size();
    if (n < 2) return;
    for (size_t i = 0; i + 1 < n; ++i) c.Line(pts[i].x, pts[i].y, pts[i + 1].x, pts[i + 1].y, width, colour);
    if (closed) c.Line(pts[n - 1].x, pts[n - 1].y, pts[0].x, pts[0].y, width, colour);
}

void LitShape(Canvas& c, const std::vector<Vec2>& pts, Argb light, Argb dark, Vec2 at, float reach, Argb ink,
              float inkWidth) {
    Fill(c, pts, [&](float x, float y) {
        return Mix(light, dark, std::clamp(std::hypot(x - at.x, y - at.y) / reach, 0.0f, 1.0f));
    });
    if (inkWidth > 0 && A(ink)) Stroke(c, pts, inkWidth, ink);
}

void LitEllipse(Canvas& c, float cx, float cy, float rx, float ry, float ang, Argb light, Argb dark, Argb ink,
                float iw) {
    if (iw > 0 && A(ink)) c.FillEllipse(cx, cy, rx + iw, ry + iw, ink, ang);
    float ca = std::cos(Rad(ang)), sa = std::sin(Rad(ang));
    float r = std::max(rx, ry);
    c.Shape(cx - r, cy - r, cx + r, cy + r, [&](float px, float py) { return SdEllipse(px, py, cx, cy, rx, ry, ang); },
            [&](float px, float py) {
                float dx = px - cx, dy = py - cy;
                float lx = (dx * ca + dy * sa) / rx, ly = (-dx * sa + dy * ca) / ry;
                // Back to sheet directions for the light from the top left.
                float nx = lx * ca - ly * sa, ny = lx * sa + ly * ca;
                float d2 = std::min(1.0f, nx * nx + ny * ny);
                float nz = std::sqrt(1 - d2);
                float l = std::clamp(-0.45f * nx - 0.55f * ny + 0.7f * nz, 0.0f, 1.0f);
                return Mix(dark, light, l);
            });
}

void Limb(Canvas& c, const std::vector<Vec2>& j, float w0, float w1, Argb fill, Argb band, Argb ink, float iw) {
    size_t n = j.size();
    if (n < 2) return;
    auto width = [&](size_t i) { return w0 + (w1 - w0) * float(i) / float(n - 1); };
    if (iw > 0 && A(ink))
        for (size_t i = 0; i + 1 < n; ++i)
            c.TaperedLine(j[i].x, j[i].y, j[i + 1].x, j[i + 1].y, width(i) + 2 * iw, width(i + 1) + 2 * iw, ink);
    for (size_t i = 0; i + 1 < n; ++i) {
        Argb col = (i % 2) ? band : fill;
        c.TaperedLine(j[i].x, j[i].y, j[i + 1].x, j[i + 1].y, width(i), width(i + 1), col);
    }
    // Joints: a lighter knuckle.
    for (size_t i = 1; i + 1 < n; ++i) c.FillCircle(j[i].x, j[i].y, width(i) * 0.55f, Mix(fill, band, 0.5f));
}

void DrawWing(Canvas& c, const Wing& w, const Xf& xf, float shade) {
    std::vector<Vec2> outer = xf(w.outline);
    Vec2 cen = Centroid(w.outline);
    Vec2 centre{w.root.x + (cen.x - w.root.x) * w.insetPull, w.root.y + (cen.y - w.root.y) * w.insetPull};
    std::vector<Vec2> innerLocal = w.margin ? Inset(w.outline, centre, w.inset) : w.outline;
    std::vector<Vec2> inner = xf(innerLocal);
    auto shaded = [&](Argb col) { return Shade(col, shade); };
    if (w.margin) Fill(c, outer, shaded(w.margin));
    Fill(c, inner, [&](float x, float y) {
        Vec2 l = xf.Local(x, y);
        return shaded(w.field(l.x, l.y));
    });
    if (w.vein) {
        Vec2 r = xf(w.root);
        for (size_t i = 0; i < inner.size(); i += size_t(std::max(1, w.veinEvery)))
            c.Line(r.x, r.y, inner[i].x, inner[i].y, w.veinWidth, shaded(w.vein));
    }
    if (w.margin && w.marginSpot) {
        for (size_t i = 0; i < outer.size(); i += size_t(std::max(1, w.marginSpotEvery))) {
            float x = (outer[i].x + inner[i].x) / 2, y = (outer[i].y + inner[i].y) / 2;
            c.FillCircle(x, y, w.marginSpotR, shaded(w.marginSpot));
        }
    }
    if (w.inkWidth > 0 && A(w.ink)) Stroke(c, outer, w.inkWidth, w.ink);
}

float Flap(int frame, float lowest, float lag) {
    float ph = 2 * kPi * float(frame) / 10.0f - lag;
    return lowest + (1 - lowest) * (0.5f + 0.5f * std::cos(ph));
}

}  // namespace assetgen::creature
