// The in-field status display (HUD) sheets. Screen layout they serve: the
// playfield is x 288-992; the left panel carries the gauges, level, money,
// experience bar, level-up rows and skill icons; the right panel the pickup
// tally with its multipliers and the three emotion faces.
#include "assetgen/art.h"
#include "assetgen/manifest.h"

namespace assetgen {

using namespace art;

namespace {

constexpr Argb kStoneTop = Rgb(46, 48, 86);
constexpr Argb kStoneBottom = Rgb(26, 24, 52);
constexpr Argb kWell = Rgb(12, 12, 26);  // behind the see-through windows

// A recessed slot: dark inside, thin rim.
void Slot(Canvas& c, float x0, float y0, float x1, float y1, float radius = 6) {
    c.FillRoundRect(x0, y0, x1, y1, radius, Rgb(8, 8, 20, 200));
    c.StrokeRoundRect(x0, y0, x1, y1, radius, 1.5f, Rgb(255, 214, 120, 150));
}

TextStyle SmallLabel(float size) {
    TextStyle st = Lettering(size, pal::Cream, pal::Gold, 2.5f);
    st.face = FontFace::CondensedBold;
    return st;
}

// Where the HUD puts things over the frame (screen pixels).
// The level-up rows slide in at y 228 + 64r (64 x 64 labels, values to x 197)
// underneath the left panel, which shows them through this window; the field
// money's six digits stand at x 100-252, y 208-240, across the window's top.
constexpr Rect kLevelUpWindow = {52, 202, 262, 546};
constexpr Rect kMoneyPlate = {96, 206, 256, 242};
constexpr float kCoinX = 76, kCoinY = 219;  // clear of the first row's label
// Skill icons at (60, 545 + 60k), 50 x 50; their cooldown digits at
// x 116-172, y 554-586 (+60k).
constexpr float kSkillTop = 545, kSkillPitch = 60;
// Emotion faces: up to 96 x 96 (a 40-pixel face at full size) centred here,
// each with its 128 x 32 caption centred 64 pixels above it.
constexpr Vec2 kFaceCentres[3] = {{1056, 512}, {1216, 512}, {1136, 656}};
constexpr float kFaceRing = 48;

// The well under the level-up window: most of the time nothing slides
// across it, so it is the panel's own stone, sunk a little, with the
// knight's moon in it, dim enough for the level-up rows to read over it.
void LevelUpWell(Canvas& c) {
    const Rect& w = kLevelUpWindow;
    c.GradientV(float(w.left), float(w.top), float(w.right), float(w.bottom), Shade(kStoneTop, 0.7f),
                Shade(kStoneBottom, 0.8f));
    c.Map(w.left, w.top, w.right, w.bottom,
          [](int x, int y, Argb p) { return Shade(p, 0.85f + 0.3f * Fbm(float(x), float(y), 48, 3, 79)); });
    // Inner shadow along the top and left, as the panel's edge overhangs it.
    c.GradientV(float(w.left), float(w.top), float(w.right), float(w.top + 14), Rgb(0, 0, 0, 110), Rgb(0, 0, 0, 0));
    c.GradientH(float(w.left), float(w.top), float(w.left + 10), float(w.bottom), Rgb(0, 0, 0, 90), Rgb(0, 0, 0, 0));
    // A crescent and a star, engraved.
    const float cx = 157, cy = 400;
    const Argb cut = Rgb(255, 214, 120, 34);
    c.Shape(cx - 56, cy - 56, cx + 56, cy + 56,
            [&](float px, float py) {
                return std::max(SdCircle(px, py, cx, cy, 52), -SdCircle(px, py, cx + 22, cy - 14, 44));
            },
            [&](float, float) { return cut; });
    c.FillPolygon(StarPoints(cx + 26, cy - 4, 14, 5.5f, 5), cut);
}

void PaintFrame(Canvas& c, const TextureSpec&) {
    // Left side: only seen through the left panel's windows. The level-up
    // window is a recessed well, and the money plate and its coin lie in it,
    // under the level-up rows that slide across them.
    c.FillRect(0, 0, 288, 720, kWell);
    LevelUpWell(c);
    const Rect& m = kMoneyPlate;
    c.FillRoundRect(float(m.left), float(m.top), float(m.right), float(m.bottom), 6, Rgb(30, 26, 52));
    c.StrokeRoundRect(float(m.left), float(m.top), float(m.right), float(m.bottom), 6, 1.5f, Rgb(255, 214, 120, 150));
    Orb(c, kCoinX, kCoinY, 10, Rgb(250, 200, 60), pal::Ink, 2);
    c.FillPolygon(StarPoints(kCoinX, kCoinY, 5, 2, 5), Rgb(200, 130, 30));

    // Right panel.
    c.GradientV(992, 0, 1280, 720, kStoneTop, kStoneBottom);
    c.Map(992, 0, 1280, 720, [](int x, int y, Argb p) {
        float n = Fbm(float(x), float(y), 48, 3, 77);
        return Shade(p, 0.85f + 0.3f * n);
    });
    c.FillRect(992, 0, 999, 720, pal::GoldDark);
    c.FillRect(999, 0, 1001, 720, pal::Gold);
    c.FillRect(286, 0, 288, 720, pal::Gold);
    // Pickup tally: icons at x 1040, counts from x 1072 (rows y 32-64 + 64r),
    // and the multipliers 32 px below each (x 1112-1264). Rows 0-1 are the
    // experience pickups, rows 2-3 the money, each pair on its own tint.
    Panel(c, 1004, 8, 1272, 308, 14, Rgb(20, 20, 46, 230), Rgb(12, 12, 30, 230));
    c.FillRoundRect(1012, 14, 1264, 158, 8, Rgb(60, 200, 150, 26));
    c.FillRoundRect(1012, 162, 1264, 302, 8, Rgb(255, 196, 60, 26));
    c.FillRect(1020, 159.5f, 1256, 160.5f, Rgb(255, 214, 120, 90));
    for (int r = 0; r < 4; ++r) {
        float y = 48 + 64.0f * r;
        Slot(c, 1068, y - 15, 1182, y + 15);
        Slot(c, 1108, y + 32 - 14, 1266, y + 32 + 14);
    }
    // The game's name between the two boards.
    TextStyle logo = Lettering(22, pal::Cream, pal::Gold, 2.5f);
    logo.face = FontFace::SerifBold;
    logo.tracking = 3;
    c.Text("MIRELUNE", 1138, 342, logo);
    for (float s : {-1.0f, 1.0f}) {
        c.Line(1138 + 84 * s, 342, 1138 + 120 * s, 342, 1.5f, WithAlpha(pal::Gold, 180));
        c.FillPolygon(StarPoints(1138 + 84 * s, 342, 5, 2, 4, 0), pal::Gold);
    }
    // Emotions: a round seat behind each face, with faint rings where the
    // face's edge stands at each of its five sizes; the caption sits on top
    // of its seat.
    Panel(c, 1004, 378, 1272, 714, 14, Rgb(20, 20, 46, 230), Rgb(12, 12, 30, 230));
    c.Text("EMOTIONS", 1138, 402, SmallLabel(18));
    for (Vec2 f : kFaceCentres) {
        c.FillCircle(f.x, f.y, kFaceRing, Rgb(8, 8, 20, 170));
        for (float s : {0.5f, 0.625f, 0.75f, 0.875f}) c.StrokeCircle(f.x, f.y, 40 * s, 1, Rgb(255, 214, 120, 48));
        c.StrokeCircle(f.x, f.y, kFaceRing, 1.5f, Rgb(255, 214, 120, 140));
    }
}

// A key on a small cap ending at x 220 and what it does, left-aligned from
// 226. Caps begin right of x 179, clear of the cooldown digits' slots.
void KeyLine(Canvas& c, float y, const char* key, const char* use) {
    constexpr float kCapRight = 220, kCapLeftMost = 180;
    TextStyle cap = SmallLabel(12);
    const float w = std::clamp(TextWidth(key, cap) + 8, 18.0f, kCapRight - kCapLeftMost);
    c.FillRoundRect(kCapRight - w, y - 10, kCapRight, y + 10, 5, Rgb(8, 8, 20, 200));
    c.StrokeRoundRect(kCapRight + 0.5f - w, y - 9.5f, kCapRight - 0.5f, y + 9.5f, 5, 1.2f, Rgb(255, 214, 120, 170));
    c.TextFit(key, kCapRight - w + 2, y - 9, kCapRight - 2, y + 9, cap);
    TextStyle label = SmallLabel(13);
    label.halign = HAlign::Left;
    c.Text(use, kCapRight + 6, y, label);
}

void PaintStatusBar(Canvas& c, const TextureSpec&) {
    // ---- Left panel (x 0-288) with see-through windows.
    c.SetClip({0, 0, 288, 720});
    c.GradientV(0, 0, 288, 720, kStoneTop, kStoneBottom);
    c.Map(0, 0, 288, 720, [](int x, int y, Argb p) { return Shade(p, 0.85f + 0.3f * Fbm(float(x), float(y), 48, 3, 78)); });
    c.FillRect(280, 0, 286, 720, pal::GoldDark);
    c.FillRect(286, 0, 288, 720, pal::Gold);
    const Rect windows[] = {
        {160, 32, 288, 64},   // HP gauge
        {160, 80, 288, 112},  // SP gauge
        {160, 128, 288, 160}, // sword gauge
        {16, 256, 48, 720},   // experience gauge
        kLevelUpWindow,       // level-up rows, with the money plate drawn in the frame beneath
    };
    // Gold rims around the windows, then cut the windows out.
    for (const Rect& w : windows)
        c.StrokeRoundRect(float(w.left - 2), float(w.top - 2), float(w.right + 2), float(w.bottom + 2), 4, 3, pal::Gold);
    for (const Rect& w : windows) c.Map(w.left, w.top, w.right, w.bottom, [](int, int, Argb) { return Argb(0); });
    TextStyle label = SmallLabel(20);
    label.halign = HAlign::Right;
    c.Text("HP", 150, 48, label);
    c.Text("SP", 150, 96, label);
    c.Text("SWORD", 150, 144, label);
    label.halign = HAlign::Center;
    c.Text("LEVEL", 42, 64, SmallLabel(16));
    Slot(c, 0, 80, 60, 112);
    c.Text("MONEY", 176, 186, SmallLabel(16));
    c.Text("EXP", 32, 240, SmallLabel(15));
    // Skill slots behind the three icons and their cooldown digits. The first
    // icon meets the last level-up row, so the slots rise no higher than the
    // icons themselves.
    for (int k = 0; k < 3; ++k) {
        float y = kSkillTop + kSkillPitch * k;
        Slot(c, 57, y + 1, 113, y + 53);
        Slot(c, 115, y + 7, 175, y + 43);
    }
    // The keys, one to a line, each key on a cap ending at x 214 and its use
    // beside it.
    c.Text("SKILLS", 230, 560, SmallLabel(15));
    const std::pair<const char*, const char*> keys[4] = {
        {"Q", "use"}, {"\xE2\x86\x90\xE2\x86\x92", "pick"}, {"E", "sword"}, {"Space", "fire"}};
    for (int k = 0; k < 4; ++k) {
        float y = 590 + 26.0f * k + (k >= 2 ? 12 : 0);
        KeyLine(c, y, keys[k].first, keys[k].second);
    }

    // ---- Gauge strips (x 288-416).
    c.SetClip({288, 0, 416, 720});
    // Frame: an empty trough.
    c.FillRoundRect(288, 1, 416, 31, 6, pal::Ink);
    c.GradientV(291, 4, 413, 28, Rgb(20, 18, 36), Rgb(48, 44, 70));
    c.StrokeRoundRect(289, 2, 415, 30, 5, 1.5f, Rgb(150, 150, 180));
    // Fills: inset so the trough's rim stays visible around them.
    auto fill = [&](float y, Argb top, Argb bottom) {
        c.GradientV(291, y + 4, 413, y + 28, top, bottom);
        c.FillRect(291, y + 6, 413, y + 10, WithAlpha(Mix(top, Rgb(255, 255, 255), 0.6f), 200));
    };
    fill(32, Rgb(255, 120, 110), Rgb(190, 30, 50));
    fill(64, Rgb(130, 200, 255), Rgb(40, 80, 220));
    fill(96, Rgb(255, 240, 170), Rgb(220, 150, 30));
    // Experience gauge: frame (x 288-320) and fill (x 320-352), rows 128-592.
    c.FillRoundRect(288, 128, 320, 592, 6, pal::Ink);
    c.GradientH(291, 131, 317, 589, Rgb(20, 18, 36), Rgb(48, 44, 70));
    c.StrokeRoundRect(289, 129, 319, 591, 5, 1.5f, Rgb(150, 150, 180));
    c.GradientH(323, 128, 349, 589, Rgb(150, 255, 190), Rgb(30, 170, 100));
    c.FillRect(326, 128, 330, 589, Rgb(230, 255, 240, 180));
    for (int y = 128 + 46; y < 589; y += 46) c.FillRect(323, float(y), 349, float(y + 1), Rgb(20, 90, 60, 160));
}

// ------------------------------------------------------------ skills

void PaintSkillIcons(Canvas& c, const TextureSpec&) {
    const Argb backs[3] = {Rgb(210, 150, 40), Rgb(50, 160, 90), Rgb(140, 80, 220)};
    for (int s = 0; s < 3; ++s) {
        float y0 = 50.0f * s;
        c.FillRoundRect(1, y0 + 1, 49, y0 + 49, 8, pal::Ink);
        c.Shape(3, y0 + 3, 47, y0 + 47, [&](float px, float py) { return SdBox(px, py, 3, y0 + 3, 47, y0 + 47, 6); },
                [&](float px, float py) {
                    float d = std::hypot(px - 25, py - y0 - 25) / 30;
                    return Mix(Mix(backs[s], Rgb(255, 255, 255), 0.35f), Shade(backs[s], 0.5f), d);
                });
    }
    // 1: Guard — a shining shield (short invincibility).
    {
        float cx = 25, cy = 25;
        c.FillPolygon(StarPoints(cx, cy, 22, 10, 8, -90), Rgb(255, 246, 190, 200));
        std::vector<Vec2> sh = {{cx - 12, cy - 13}, {cx + 12, cy - 13}, {cx + 12, cy}, {cx, cy + 15}, {cx - 12, cy}};
        GradientPolygon(c, sh, Rgb(250, 252, 255), Rgb(150, 170, 200), pal::Ink, 2);
        c.Line(cx, cy - 10, cx, cy + 9, 3, pal::Gold);
        c.Line(cx - 8, cy - 4, cx + 8, cy - 4, 3, pal::Gold);
    }
    // 2: Mend — a heart with a plus (healing over time).
    {
        float cx = 25, cy = 77;
        std::vector<Vec2> pts;
        for (int i = 0; i < 48; ++i) {
            float t = 2 * kPi * i / 48;
            pts.push_back({cx + 0.95f * 16 * std::pow(std::sin(t), 3.0f),
                           cy - 0.95f * (13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t))});
        }
        OutlinedPolygon(c, pts, Rgb(255, 110, 130), pal::Ink, 2);
        c.Line(cx, cy - 8, cx, cy + 6, 4, Rgb(255, 255, 255));
        c.Line(cx - 7, cy - 1, cx + 7, cy - 1, 4, Rgb(255, 255, 255));
    }
    // 3: Aura — a radiant star (long invincibility, no attacks).
    {
        float cx = 25, cy = 125;
        c.StrokeCircle(cx, cy, 18, 2, Rgb(255, 230, 255));
        OutlinedPolygon(c, StarPoints(cx, cy, 17, 7, 6), Rgb(255, 236, 130), pal::Ink, 2);
        c.FillCircle(cx, cy, 5, Rgb(255, 255, 255));
    }
    TextStyle n = Lettering(11, Rgb(255, 255, 255), Rgb(255, 255, 255), 2);
    n.halign = HAlign::Left;
    for (int s = 0; s < 3; ++s) {
        char t[2] = {char('1' + s), 0};
        c.Text(t, 5, 50.0f * s + 10, n);
    }
}

void PaintSelectFrame(Canvas& c, const TextureSpec&) {
    // Everything inside the 50 x 50 cell with a pixel to spare, so no line or
    // corner spark is cut off at the cell's edge.
    c.StrokeRoundRect(3, 3, 47, 47, 7, 3.5f, pal::Gold);
    c.StrokeRoundRect(3, 3, 47, 47, 7, 1.2f, Rgb(255, 255, 230));
    for (auto [x, y] : {std::pair{6.0f, 6.0f}, {44.0f, 6.0f}, {6.0f, 44.0f}, {44.0f, 44.0f}})
        c.FillPolygon(StarPoints(x, y, 4.5f, 1.6f, 4, 0), Rgb(255, 255, 240));
}

void PaintScoreText(Canvas& c, const TextureSpec&) {
    // Drawn at (288, 0); the score digits stand below it at x 326-502 and the
    // field's best score at x 774-950.
    c.GradientV(0, 0, 704, 32, Rgb(10, 10, 30, 170), Rgb(10, 10, 30, 60));
    TextStyle st = SmallLabel(22);
    st.tracking = 2;
    c.Text("SCORE", 126, 16, st);
    c.Text("HIGH SCORE", 574, 16, st);
}

// ------------------------------------------------------------ emotions

// Faces of the six emotion categories, each with its own colour and look.
void Face(Canvas& c, float cx, float cy, int category) {
    const Argb skins[6] = {Rgb(255, 210, 60), Rgb(240, 84, 70), Rgb(100, 150, 240),
                           Rgb(110, 220, 130), Rgb(120, 210, 220), Rgb(255, 150, 60)};
    Orb(c, cx, cy, 40, skins[category], pal::Ink, 3);
    Argb ink = pal::Ink;
    auto eye = [&](float x, float y, float r) {
        c.FillEllipse(x, y, r * 0.8f, r, Rgb(255, 255, 255));
        c.FillCircle(x, y + r * 0.15f, r * 0.5f, ink);
        c.FillCircle(x - r * 0.2f, y - r * 0.2f, r * 0.18f, Rgb(255, 255, 255));
    };
    switch (category) {
    case 0:  // greed: coin eyes and a wide grin
        for (float s : {-1.0f, 1.0f}) {
            Orb(c, cx + 14 * s, cy - 8, 8, Rgb(255, 236, 120), ink, 2);
            c.FillPolygon(StarPoints(cx + 14 * s, cy - 8, 4.5f, 2, 5), Rgb(200, 130, 20));
        }
        c.Shape(cx - 20, cy + 4, cx + 20, cy + 26,
                [&](float px, float py) { return std::max(SdCircle(px, py, cx, cy + 4, 20), cy + 6 - py); },
                [&](float, float) { return ink; });
        c.FillRect(cx - 14, cy + 7, cx + 14, cy + 12, Rgb(255, 255, 255));
        break;
    case 1:  // fury: slanted brows, gritted teeth
        for (float s : {-1.0f, 1.0f}) {
            eye(cx + 14 * s, cy - 4, 7);
            c.Line(cx + 6 * s, cy - 12, cx + 24 * s, cy - 20, 4, ink);
        }
        c.FillRoundRect(cx - 14, cy + 12, cx + 14, cy + 24, 4, ink);
        c.FillRect(cx - 11, cy + 15, cx + 11, cy + 21, Rgb(255, 255, 255));
        c.Line(cx - 4, cy + 15, cx - 4, cy + 21, 1.5f, ink);
        c.Line(cx + 4, cy + 15, cx + 4, cy + 21, 1.5f, ink);
        break;
    case 2:  // caution: worried brows, wavy mouth, a sweat drop
        for (float s : {-1.0f, 1.0f}) {
            eye(cx + 14 * s, cy - 4, 7);
            c.Line(cx + 8 * s, cy - 18, cx + 22 * s, cy - 14, 3, ink);
        }
        c.StrokePolygon({{cx - 14, cy + 18}, {cx - 7, cy + 14}, {cx, cy + 18}, {cx + 7, cy + 14}, {cx + 14, cy + 18}}, 3,
                        ink, false);
        OutlinedEllipse(c, cx + 30, cy - 16, 5, 8, Rgb(200, 240, 255), ink, 1.5f);
        break;
    case 3:  // curiosity: big sparkling eyes, small open mouth
        for (float s : {-1.0f, 1.0f}) {
            eye(cx + 14 * s, cy - 6, 10);
            c.FillPolygon(StarPoints(cx + 14 * s + 3, cy - 10, 4, 1.2f, 4, 0), Rgb(255, 255, 255));
        }
        c.FillEllipse(cx, cy + 18, 6, 5, ink);
        c.FillPolygon(StarPoints(cx + 30, cy - 28, 8, 2, 4, 0), Rgb(255, 255, 200));
        break;
    case 4:  // calm: closed eyes, gentle smile
        for (float s : {-1.0f, 1.0f}) c.Arc(cx + 14 * s, cy - 8, 7, 200, 340, 3, ink);
        c.Arc(cx, cy + 6, 14, 30, 150, 3, ink);
        c.FillEllipse(cx - 24, cy + 8, 6, 3.5f, Rgb(255, 170, 170, 160));
        c.FillEllipse(cx + 24, cy + 8, 6, 3.5f, Rgb(255, 170, 170, 160));
        break;
    case 5:  // thrill: wide eyes, open shouting mouth, speed lines
        for (float s : {-1.0f, 1.0f}) eye(cx + 14 * s, cy - 8, 8);
        c.FillEllipse(cx, cy + 16, 11, 10, ink);
        c.FillEllipse(cx, cy + 20, 6, 4, Rgb(240, 90, 90));
        for (int k = 0; k < 3; ++k) c.Line(cx - 46, cy - 12 + 12 * k, cx - 36, cy - 12 + 12 * k, 2.5f, Rgb(255, 255, 255));
        break;
    }
}

void PaintEmotionSet(Canvas& c, const TextureSpec&) {
    for (int k = 0; k < 6; ++k) Face(c, 96.0f * k + 48, 48, k);
}

void PaintEmotionDescription(Canvas& c, const TextureSpec&) {
    const std::pair<const char*, const char*> captions[6] = {
        {"GREED", "money up"},     {"FURY", "attack up"},   {"CAUTION", "defense up"},
        {"CURIOSITY", "EXP up"},   {"CALM", "slow shots"},  {"THRILL", "fast shots"},
    };
    // The plate keeps 14 pixels clear at each side: the outer captions are
    // centred 64 pixels in from the emotion board's edges, so a full-width
    // plate would hang over the board's rim and the screen's edge.
    const float x0 = 14, x1 = 114;
    for (int k = 0; k < 6; ++k) {
        float y0 = 32.0f * k;
        c.FillRoundRect(x0, y0 + 1, x1, y0 + 31, 8, Rgb(10, 10, 30, 210));
        c.StrokeRoundRect(x0, y0 + 1, x1, y0 + 31, 8, 1.5f, Rgb(255, 214, 120, 200));
        TextStyle name = SmallLabel(15);
        c.TextFit(captions[k].first, x0 + 4, y0 + 2, x1 - 4, y0 + 18, name);
        TextStyle what;
        what.face = FontFace::Condensed;
        what.size = 11;
        what.color = Rgb(220, 226, 255);
        what.halign = HAlign::Center;
        c.TextFit(captions[k].second, x0 + 4, y0 + 18, x1 - 4, y0 + 30, what);
    }
}

void PaintRing(Canvas& c, const TextureSpec&) {
    const Argb dots[4] = {Rgb(255, 220, 90), Rgb(110, 255, 150), Rgb(210, 140, 255), Rgb(255, 255, 255)};
    for (int k = 0; k < 4; ++k) {
        float cx = 16.0f * k + 8;
        c.Glow(cx, 8, 8, dots[k]);
        c.FillCircle(cx, 8, 3.5f, Mix(dots[k], Rgb(255, 255, 255), 0.4f));
    }
}

}  // namespace

void RegisterInterfaceSheets(std::vector<TextureSpec>& out) {
    out.push_back(MakeSheet("Texture/UserInterface/ui.png", 1280, 720, kKeyNone, PaintFrame));

    TextureSpec bar = MakeSheet("Texture/UserInterface/status_bar.png", 416, 720, kKeyNone, PaintStatusBar);
    bar.cells = {{"panel", 0, 0, 288, 720},       {"gauge_frame", 288, 0, 416, 32},   {"hp_fill", 288, 32, 416, 64},
                 {"sp_fill", 288, 64, 416, 96},   {"sword_fill", 288, 96, 416, 128},  {"exp_frame", 288, 128, 320, 592},
                 {"exp_fill", 320, 128, 352, 592}};
    out.push_back(bar);

    TextureSpec skills = MakeSheet("Texture/UserInterface/knights_skill_icons.png", 50, 150, kKeyNone, PaintSkillIcons);
    skills.cells = {{"skill1", 0, 0, 50, 50}, {"skill2", 0, 50, 50, 100}, {"skill3", 0, 100, 50, 150}};
    out.push_back(skills);

    out.push_back(MakeSheet("Texture/UserInterface/selectframe.png", 50, 50, kKeyNone, PaintSelectFrame));
    out.push_back(MakeSheet("Texture/UserInterface/score_text.png", 704, 32, kKeyNone, PaintScoreText));

    TextureSpec faces = MakeSheet("Texture/UserInterface/emotion_set.png", 576, 96, kKeyNone, PaintEmotionSet);
    AddCellRow(faces, "face", 0, 0, 96, 96, 6);  // face0 is category 1
    out.push_back(faces);

    TextureSpec captions =
        MakeSheet("Texture/UserInterface/emotion_description.png", 128, 192, kKeyNone, PaintEmotionDescription);
    AddCellColumn(captions, "caption", 0, 0, 128, 32, 6);  // caption0 is category 1
    out.push_back(captions);

    TextureSpec ring = MakeSheet("Texture/UserInterface/ring.png", 64, 16, kKeyNone, PaintRing);
    AddCellRow(ring, "dot", 0, 0, 16, 16, 4);  // dots 0-2 skills 1-3, dot 3 the plain ring
    out.push_back(ring);
}

}  // namespace assetgen
