// Effect strips (black key). Frames are stacked downwards; skill3 is a grid of
// 25 columns by 2 rows. Everything is drawn in bright shapes: on a keyed sheet
// a fade is shown by shrinking and thinning, never by darkening towards the
// key. The sheets the game draws magnified (the explosion up to four times,
// skill 1 six times, skill 3 three times) keep soft edges, so their rings
// and lines stay smooth at that size; the others are hard-edged.
#include "assetgen/art.h"
#include "assetgen/manifest.h"

namespace assetgen {

using namespace art;

namespace {

using FrameFn = std::function<void(Canvas&, float cx, float cy, int frame, float t)>;

// Paints `frames` frames of a vertical strip of square cells.
Painter Strip(int cell, int frames, FrameFn fn) {
    return [cell, frames, fn](Canvas& c, const TextureSpec&) {
        for (int f = 0; f < frames; ++f) {
            c.SetClip({0, f * cell, cell, (f + 1) * cell});
            fn(c, cell / 2.0f, f * cell + cell / 2.0f, f, frames > 1 ? float(f) / (frames - 1) : 0.0f);
        }
        c.ClearClip();
    };
}

// Lines radiating from a centre between radii r0 and r1.
void Rays(Canvas& c, float cx, float cy, int n, float r0, float r1, float w, Argb col, float rot) {
    for (int k = 0; k < n; ++k) {
        float a = Rad(rot + 360.0f * k / n);
        c.TaperedLine(cx + r0 * std::cos(a), cy + r0 * std::sin(a), cx + r1 * std::cos(a), cy + r1 * std::sin(a), w,
                      w * 0.2f, col);
    }
}

// A lumpy round shape (fire, smoke).
void Blob(Canvas& c, float cx, float cy, float r, uint32_t seed, Argb col) {
    if (r <= 0.5f) return;
    c.Shape(cx - r * 1.3f, cy - r * 1.3f, cx + r * 1.3f, cy + r * 1.3f,
            [&](float px, float py) {
                float a = std::atan2(py - cy, px - cx);
                float wob = ValueNoise((a + kPi) * 3.0f, 0.5f, 1.0f, seed, 19, 0) - 0.5f;
                return std::hypot(px - cx, py - cy) - r * (1.0f + 0.35f * wob);
            },
            [col](float, float) { return col; });
}

// Sparks flying out from the centre: fixed directions per seed, moving out with t.
void Sparks(Canvas& c, float cx, float cy, int n, float reach, float t, float len, Argb col, uint32_t seed) {
    Rng rng(seed);
    for (int k = 0; k < n; ++k) {
        float a = rng.Uniform(0, 2 * kPi), sp = rng.Uniform(0.55f, 1.0f);
        float d = reach * sp * std::sqrt(t);
        float l = len * (1 - t) + 1;
        float x = cx + d * std::cos(a), y = cy + d * std::sin(a);
        c.TaperedLine(x, y, x - l * std::cos(a), y - l * std::sin(a), std::max(1.0f, 4 * (1 - t)), 1, col);
    }
}

// ------------------------------------------------------------ strips

void BulletHit(Canvas& c, float cx, float cy, int, float t) {
    // The knight is struck: a hot white star in a red ring, sparks flying.
    float star = 70 * (1 - t) + 6;
    c.FillPolygon(StarPoints(cx, cy, star, star * 0.3f, 8, t * 40), Rgb(255, 90, 80));
    c.FillPolygon(StarPoints(cx, cy, star * 0.75f, star * 0.22f, 8, t * 40 + 22), Rgb(255, 240, 220));
    float ring = 20 + 75 * t;
    c.StrokeCircle(cx, cy, ring, std::max(1.5f, 10 * (1 - t)), Rgb(255, 60, 60));
    Sparks(c, cx, cy, 14, 95, t, 22, Rgb(255, 210, 120), 11);
}

void EnemyDestroy(Canvas& c, float cx, float cy, int, float t) {
    // Flash, fireball, shock ring, then smoke puffs drifting apart.
    Rng rng(21);
    if (t < 0.25f) {
        float r = 20 + 240 * t;
        c.FillCircle(cx, cy, r, Rgb(255, 250, 220));
    }
    float ring = 30 + 65 * t;
    if (t > 0.1f && t < 0.8f) c.StrokeCircle(cx, cy, ring, 8 * (0.8f - t) + 1, Rgb(255, 200, 120));
    // Smoke puffs move outwards and shrink away.
    for (int k = 0; k < 9; ++k) {
        float a = rng.Uniform(0, 2 * kPi), d = rng.Uniform(20, 55) * (0.3f + t);
        float r = rng.Uniform(16, 26) * (t < 0.5f ? 0.6f + t : 1.6f - t * 1.4f);
        Argb smoke = Mix(Rgb(150, 130, 120), Rgb(100, 90, 96), rng.Uniform(0, 1));
        if (t > 0.2f) Blob(c, cx + d * std::cos(a), cy + d * std::sin(a) - 20 * t, r, 40 + k, smoke);
    }
    // Fireball: orange blob with a yellow heart, shrinking once the smoke takes over.
    float fire = t < 0.35f ? 30 + 90 * t : std::max(0.0f, 62 - 80 * (t - 0.35f));
    Blob(c, cx, cy, fire, 5, Rgb(255, 120, 40));
    Blob(c, cx, cy, fire * 0.7f, 6, Rgb(255, 200, 70));
    Blob(c, cx, cy, fire * 0.4f, 7, Rgb(255, 250, 210));
    Sparks(c, cx, cy, 12, 96, t, 16, Rgb(255, 230, 150), 23);
}

void SlashH(Canvas& c, float cx, float cy, int, float t) {
    // A diagonal crescent cut that sweeps in, then thins away.
    float sweep = std::min(1.0f, t * 3.0f);
    float w = t < 0.35f ? 10 : 10 * (1 - (t - 0.35f) / 0.65f) + 1;
    float a0 = -150, a1 = a0 + 150 * sweep;
    c.Arc(cx + 12, cy + 12, 38, a0, a1, w + 4, Rgb(150, 220, 255));
    c.Arc(cx + 12, cy + 12, 38, a0, a1, w, Rgb(255, 255, 255));
    if (t > 0.2f) Sparks(c, cx, cy, 8, 46, (t - 0.2f) / 0.8f, 10, Rgb(200, 240, 255), 31);
}

void SlashE(Canvas& c, float cx, float cy, int, float t) {
    // Two crossing cuts, the second following the first, and a sparkle.
    auto cut = [&](float tt, float angle, Argb edge) {
        if (tt <= 0) return;
        float grow = std::min(1.0f, tt * 3.0f), w = tt < 0.4f ? 14 : 14 * (1 - (tt - 0.4f) / 0.6f) + 1;
        float dx = std::cos(Rad(angle)), dy = std::sin(Rad(angle));
        float len = 85 * grow;
        c.TaperedLine(cx - 85 * dx, cy - 85 * dy, cx - 85 * dx + 2 * len * dx, cy - 85 * dy + 2 * len * dy, w + 6, 2,
                      edge);
        c.TaperedLine(cx - 85 * dx, cy - 85 * dy, cx - 85 * dx + 2 * len * dx, cy - 85 * dy + 2 * len * dy, w, 1,
                      Rgb(255, 255, 255));
    };
    cut(t * 1.2f + 0.05f, 45, Rgb(120, 200, 255));
    cut(t * 1.2f - 0.2f, 135, Rgb(120, 200, 255));
    if (t > 0.25f) {
        float s = 40 * (1 - t) + 4;
        c.FillPolygon(StarPoints(cx, cy, s, s * 0.2f, 4, 0), Rgb(230, 250, 255));
        Sparks(c, cx, cy, 12, 90, (t - 0.25f) / 0.75f, 14, Rgb(190, 235, 255), 41);
    }
}

void SpearHit(Canvas& c, float cx, float cy, int, float t) {
    // A lance strikes: a small cyan-white star that bursts and shrinks.
    float s = t < 0.3f ? 12 + 90 * t : 39 * (1 - (t - 0.3f) / 0.7f) + 3;
    Rays(c, cx, cy, 8, s * 0.2f, s * 1.2f, 4, Rgb(130, 220, 255), 22.5f + 30 * t);
    c.FillPolygon(StarPoints(cx, cy, s, s * 0.3f, 4, 45 * t), Rgb(240, 252, 255));
    c.StrokeCircle(cx, cy, 10 + 34 * t, std::max(1.0f, 5 * (1 - t)), Rgb(170, 235, 255));
}

void Skill1(Canvas& c, float cx, float cy, int, float t) {
    // Guard (drawn six times larger around the knight): golden rings of light
    // spread out while a runic hexagon turns and fades.
    for (int k = 0; k < 3; ++k) {
        float tt = t - 0.18f * k;
        if (tt < 0 || tt > 0.75f) continue;
        float r = 20 + 140 * tt;
        c.StrokeCircle(cx, cy, r, std::max(1.2f, 5 * (0.8f - tt)), k == 1 ? Rgb(255, 255, 220) : Rgb(255, 210, 90));
    }
    float hex = 46 + 10 * t;
    if (t < 0.85f) {
        std::vector<Vec2> h = RegularPolygon(cx, cy, hex, 6, 120 * t);
        c.StrokePolygon(h, 2.5f, Rgb(255, 236, 150));
        c.StrokePolygon(RegularPolygon(cx, cy, hex * 0.8f, 6, 120 * t + 30), 1.5f, Rgb(255, 250, 210));
        for (const Vec2& p : h) c.FillPolygon(StarPoints(p.x, p.y, 6, 2, 4, 0), Rgb(255, 255, 255));
    }
    if (t < 0.5f) Rays(c, cx, cy, 12, 12, 30 + 60 * t, 3, Rgb(255, 230, 140), 15 * t);
}

void Skill3(Canvas& c, float cx, float cy, int frame) {
    // Aura (150 frames, three times larger): a violet magic circle that draws
    // itself, turns for a while and finally closes up.
    float u = frame / 49.0f;  // 0..1 over the effect's whole life
    float open = std::min(1.0f, u * 5.0f);
    float close = u > 0.8f ? (1 - u) / 0.2f : 1.0f;
    float r = 80 * close + 4;
    float spin = 360.0f * u * 1.5f;
    c.Arc(cx, cy, r, -90, -90 + 360 * open, 4, Rgb(230, 150, 255));
    c.Arc(cx, cy, r * 0.82f, 90, 90 + 360 * open, 2, Rgb(255, 220, 255));
    if (open < 1.0f) {
        // Sparks lead both arcs while the circle draws itself.
        float a = Rad(-90 + 360 * open), b = Rad(90 + 360 * open);
        c.FillPolygon(StarPoints(cx + r * std::cos(a), cy + r * std::sin(a), 12, 3, 4, 30 * frame), Rgb(255, 240, 255));
        c.FillPolygon(StarPoints(cx + r * 0.82f * std::cos(b), cy + r * 0.82f * std::sin(b), 9, 2.5f, 4, 30 * frame),
                      Rgb(255, 240, 255));
    }
    if (open >= 1.0f) {
        std::vector<Vec2> star = RegularPolygon(cx, cy, r * 0.8f, 5, spin - 90);
        std::vector<Vec2> gram = {star[0], star[2], star[4], star[1], star[3]};
        c.StrokePolygon(gram, 2.5f, Rgb(250, 190, 255));
        for (int k = 0; k < 8; ++k) {
            float a = Rad(-spin + 45.0f * k);
            float x = cx + r * 0.91f * std::cos(a), y = cy + r * 0.91f * std::sin(a);
            c.FillPolygon(StarPoints(x, y, 5 * close + 1.5f, 1.5f * close + 0.6f, 4, -spin), Rgb(255, 240, 255));
        }
    }
    float core = 10 + 4 * std::sin(u * 20);
    c.FillPolygon(StarPoints(cx, cy, core * close + 2, core * 0.4f * close + 1, 4, spin), Rgb(255, 250, 255));
}

void BulletDelete(Canvas& c, float cx, float cy, int, float t) {
    // A cancelled bullet bursts into a ring and leaves a golden glint (it
    // turns into a coin when the effect ends).
    if (t < 0.6f) {
        float r = 6 + 50 * t;
        c.StrokeCircle(cx, cy, r, std::max(1.0f, 6 * (0.6f - t) / 0.6f * 1.5f), Rgb(255, 255, 230));
    }
    float g = t < 0.5f ? 4 + 36 * t : 22 - 30 * (t - 0.5f);
    c.FillPolygon(StarPoints(cx, cy, g, g * 0.25f, 4, 0), Rgb(255, 220, 90));
    c.FillPolygon(StarPoints(cx, cy, g * 0.55f, g * 0.15f, 4, 45), Rgb(255, 250, 220));
    if (t > 0.3f) Sparks(c, cx, cy, 6, 40, (t - 0.3f) / 0.7f, 8, Rgb(255, 230, 140), 61);
}

void LevelUpText(Canvas& c, const TextureSpec&) {
    TextStyle st = Lettering(26, Rgb(255, 255, 210), Rgb(255, 170, 40), 3);
    st.outline = Rgb(120, 40, 20);
    c.TextFit("LEVEL UP!", 2, 1, 126, 31, st);
}

}  // namespace

void RegisterEffectSheets(std::vector<TextureSpec>& out) {
    struct StripSpec {
        const char* path;
        int w, h, cell, frames;
        void (*draw)(Canvas&, float, float, int, float);
    };
    // Only the frames the effects reach are drawn and cut (timer / 3, / 6 or / 2).
    static const StripSpec strips[] = {
        {"Texture/Effects/bullet_hit.png", 200, 6000, 200, 20, BulletHit},
        {"Texture/Effects/enemy_destroy.png", 200, 6000, 200, 20, EnemyDestroy},
        {"Texture/Effects/slash_h.png", 100, 3000, 100, 20, SlashH},
        {"Texture/Effects/slash_e.png", 200, 6000, 200, 20, SlashE},
        {"Texture/Effects/spear_hit.png", 100, 1000, 100, 10, SpearHit},
        {"Texture/Effects/skill1.png", 256, 7680, 256, 30, Skill1},
    };
    for (const StripSpec& s : strips) {
        TextureSpec t = MakeSheet(s.path, s.w, s.h, kKeyBlack, Strip(s.cell, s.frames, s.draw));
        t.softEdges = s.draw == EnemyDestroy || s.draw == Skill1;
        AddCellColumn(t, "frame", 0, 0, s.cell, s.cell, s.frames);
        out.push_back(t);
    }

    TextureSpec skill3 = MakeSheet("Texture/Effects/skill3.png", 5000, 400, kKeyBlack, [](Canvas& c, const TextureSpec& t) {
        for (int f = 0; f < 50; ++f) {
            const Cell& cell = t.cells[size_t(f)];
            c.SetClip(cell.rect());
            Skill3(c, cell.left + 100.0f, cell.top + 100.0f, f);
        }
    });
    skill3.softEdges = true;
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 25; ++col)
            skill3.cells.push_back(
                {"frame" + std::to_string(row * 25 + col), 200 * col, 200 * row, 200 * col + 200, 200 * row + 200});
    out.push_back(skill3);

    TextureSpec del = MakeSheet("Texture/Effects/bullet_delete.png", 100, 3000, kKeyBlack, Strip(100, 20, BulletDelete));
    AddCellColumn(del, "frame", 0, 0, 100, 100, 20);
    out.push_back(del);

    TextureSpec lv = MakeSheet("Texture/Effects/levelup_text.png", 128, 32, kKeyBlack, LevelUpText);
    lv.cells = {{"caption", 0, 0, 128, 32}};
    out.push_back(lv);
}

}  // namespace assetgen
