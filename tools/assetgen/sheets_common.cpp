// Common sheets: item chips, status icons, the digit sheets, button hints and
// the barrier.
#include "assetgen/art.h"
#include "assetgen/manifest.h"

namespace assetgen {

using namespace art;

namespace {

// ------------------------------------------------------------ item chips

// A coin turning about its vertical axis: frame f of 10 is a tenth of a turn.
void DrawCoin(Canvas& c, float cx, float cy, float r, int frame, bool big) {
    float theta = Rad(36.0f * frame);
    float k = std::cos(theta), side = std::sin(theta);
    float w = std::max(std::fabs(k), 0.10f) * r;
    Argb rim = big ? Rgb(236, 150, 40) : Rgb(214, 150, 36);
    Argb face = big ? Rgb(255, 214, 90) : Rgb(250, 206, 72);
    Argb faceDark = big ? Rgb(222, 140, 34) : Rgb(206, 136, 30);
    // The coin's edge shows as a second ellipse behind the face.
    float thick = r * 0.22f * std::fabs(side);
    float ex = cx + (side >= 0 ? thick : -thick);
    c.FillEllipse(ex, cy, w + 2, r + 2, pal::Ink);
    c.FillEllipse(ex, cy, w, r, rim);
    c.FillRect(std::min(cx, ex), cy - r, std::max(cx, ex), cy + r, rim);
    c.FillEllipse(cx, cy, w + 2, r + 2, pal::Ink);
    c.Shape(cx - w, cy - r, cx + w, cy + r, [&](float px, float py) { return SdEllipse(px, py, cx, cy, w, r); },
            [&](float px, float py) {
                float t = ((px - cx) / std::max(w, 1.0f) * (k >= 0 ? 1 : -1) + (py - cy) / r) * 0.5f + 0.5f;
                return Mix(face, faceDark, std::clamp(t, 0.0f, 1.0f));
            });
    c.StrokeEllipse(cx, cy, w * 0.78f, r * 0.78f, 1.6f, faceDark);
    // Emblem: a star on the face, a crescent moon on the back.
    auto squash = [&](std::vector<Vec2> pts) {
        for (auto& p : pts) p.x = cx + (p.x - cx) * std::fabs(k);
        return pts;
    };
    if (std::fabs(k) > 0.25f) {
        if (k > 0) {
            c.FillPolygon(squash(StarPoints(cx, cy, r * 0.5f, r * 0.22f, big ? 6 : 5)), big ? pal::Red : faceDark);
            if (big) c.FillPolygon(squash(StarPoints(cx, cy, r * 0.28f, r * 0.12f, 6)), Rgb(255, 236, 170));
        } else {
            c.FillEllipse(cx, cy, r * 0.42f * std::fabs(k), r * 0.42f, faceDark);
            c.FillEllipse(cx + r * 0.16f * k, cy - r * 0.06f, r * 0.34f * std::fabs(k), r * 0.36f, face);
        }
    }
    // A glint on the face when it turns towards the viewer.
    if (frame == 0 || frame == 9 || frame == 1) {
        float gx = cx - w * 0.45f, gy = cy - r * 0.5f;
        c.FillPolygon(StarPoints(gx, gy, r * 0.32f, r * 0.07f, 4, 0), Rgb(255, 255, 236));
    }
}

// An experience orb: a pulsing green-blue sphere with a spark circling it.
void DrawExpOrb(Canvas& c, float cx, float cy, int frame) {
    float phase = Rad(36.0f * frame);
    float r = 15.0f + 1.5f * std::sin(phase);
    c.Glow(cx, cy, r * 2.0f, Rgb(120, 255, 200, 200));
    Orb(c, cx, cy, r, Rgb(70, 230, 170), Rgb(16, 70, 70), 2);
    // Inner swirl.
    c.Arc(cx, cy, r * 0.55f, 36.0f * frame, 36.0f * frame + 140, 2.5f, Rgb(220, 255, 240, 220));
    float sx = cx + (r + 7) * std::cos(phase * 1.0f), sy = cy + (r + 7) * std::sin(phase * 1.0f) * 0.45f;
    c.FillPolygon(StarPoints(sx, sy, 6, 1.8f, 4, 45.0f * frame), Rgb(240, 255, 250));
    c.FillCircle(cx - r * 0.35f, cy - r * 0.4f, r * 0.22f, Rgb(255, 255, 255, 220));
}

void PaintItemChip(Canvas& c, const TextureSpec&) {
    for (int f = 0; f < 10; ++f) {
        DrawCoin(c, 64 * f + 32, 32, 27, f, true);
        DrawCoin(c, 64 * f + 32, 96, 20, f, false);
        DrawExpOrb(c, 64 * f + 32, 160, f);
    }
}

// ------------------------------------------------------------ status icons

void IconCaption(Canvas& c, int i, const char* text) {
    TextStyle st = Lettering(15, pal::Cream, Rgb(255, 230, 170), 2.5f);
    st.face = FontFace::CondensedBold;
    c.TextFit(text, 64.0f * i + 2, 44, 64.0f * i + 62, 63, st);
}

void DrawHeart(Canvas& c, float cx, float cy, float s, Argb fill) {
    std::vector<Vec2> pts;
    for (int i = 0; i < 64; ++i) {
        float t = 2 * kPi * i / 64;
        float x = 16 * std::pow(std::sin(t), 3.0f);
        float y = 13 * std::cos(t) - 5 * std::cos(2 * t) - 2 * std::cos(3 * t) - std::cos(4 * t);
        pts.push_back({cx + x * s, cy - y * s});
    }
    OutlinedPolygon(c, pts, fill, pal::Ink, 2.5f);
    c.FillEllipse(cx - 7 * s, cy - 6 * s, 3.5f * s, 2.5f * s, Rgb(255, 220, 220), -30);
}

void DrawSwordIcon(Canvas& c, float cx, float cy, Argb blade, Argb hilt) {
    float a = -45;
    auto R = [&](std::vector<Vec2> p) { return Rotated(std::move(p), cx, cy, a); };
    OutlinedPolygon(c, R({{cx - 4, cy + 6}, {cx - 4, cy - 16}, {cx, cy - 24}, {cx + 4, cy - 16}, {cx + 4, cy + 6}}),
                    blade);
    c.Line(cx, cy - 19, cx, cy + 3, 1.2f, Rgb(255, 255, 255, 200));
    OutlinedPolygon(c, R({{cx - 11, cy + 6}, {cx + 11, cy + 6}, {cx + 11, cy + 10}, {cx - 11, cy + 10}}), hilt);
    OutlinedPolygon(c, R({{cx - 2.5f, cy + 10}, {cx + 2.5f, cy + 10}, {cx + 2.5f, cy + 19}, {cx - 2.5f, cy + 19}}),
                    Rgb(120, 70, 40));
    auto p = R({{cx, cy + 22}});
    Orb(c, p[0].x, p[0].y, 3.5f, hilt, pal::Ink, 1.5f);
}

void DrawShieldIcon(Canvas& c, float cx, float cy, Argb body, Argb trim, bool magic) {
    std::vector<Vec2> pts = {{cx - 15, cy - 18}, {cx + 15, cy - 18}, {cx + 15, cy - 2},
                             {cx + 8, cy + 12},  {cx, cy + 18},      {cx - 8, cy + 12}, {cx - 15, cy - 2}};
    GradientPolygon(c, pts, Shade(body, 1.25f), Shade(body, 0.75f), pal::Ink, 2.5f);
    std::vector<Vec2> inner = {{cx - 11, cy - 14}, {cx + 11, cy - 14}, {cx + 11, cy - 3},
                               {cx + 6, cy + 8},   {cx, cy + 13},      {cx - 6, cy + 8}, {cx - 11, cy - 3}};
    c.StrokePolygon(inner, 2, trim);
    if (magic)
        c.FillPolygon(StarPoints(cx, cy - 2, 8, 3.5f, 5), trim);
    else {
        c.Line(cx, cy - 13, cx, cy + 11, 3, trim);
        c.Line(cx - 10, cy - 5, cx + 10, cy - 5, 3, trim);
    }
}

void DrawWandIcon(Canvas& c, float cx, float cy) {
    c.Line(cx - 14, cy + 14, cx + 6, cy - 6, 6, pal::Ink);
    c.Line(cx - 14, cy + 14, cx + 6, cy - 6, 3, Rgb(160, 100, 60));
    c.Glow(cx + 8, cy - 8, 16, Rgb(220, 150, 255, 220));
    OutlinedPolygon(c, StarPoints(cx + 8, cy - 8, 11, 4.5f, 4, -90), Rgb(236, 190, 255), pal::Ink, 2);
    c.FillPolygon(StarPoints(cx - 8, cy - 12, 4, 1.2f, 4, 0), Rgb(255, 240, 255));
    c.FillPolygon(StarPoints(cx + 14, cy + 6, 3.5f, 1, 4, 0), Rgb(255, 240, 255));
}

void PaintStatusIcons(Canvas& c, const TextureSpec&) {
    for (int i = 0; i < 7; ++i) {
        float x0 = 64.0f * i;
        c.FillRoundRect(x0 + 3, 3, x0 + 61, 61, 10, pal::Ink);
        c.Shape(x0 + 5, 5, x0 + 59, 59, [&](float px, float py) { return SdBox(px, py, x0 + 5, 5, x0 + 59, 59, 8); },
                [&](float, float py) { return Mix(Rgb(70, 76, 120), Rgb(34, 34, 62), py / 60.0f); });
    }
    // 0 level: a golden star with LV.
    OutlinedPolygon(c, StarPoints(32, 26, 19, 8, 5), pal::Gold, pal::Ink, 2.5f);
    c.FillPolygon(StarPoints(32, 26, 9, 4, 5), Rgb(255, 244, 190));
    IconCaption(c, 0, "LV");
    // 1 max HP: a heart.
    DrawHeart(c, 96, 25, 0.95f, pal::Red);
    IconCaption(c, 1, "HP");
    // 2 max SP: a blue mana crystal.
    {
        std::vector<Vec2> gem = {{160, 6}, {172, 20}, {160, 42}, {148, 20}};
        GradientPolygon(c, gem, Rgb(170, 230, 255), Rgb(40, 110, 230), pal::Ink, 2.5f);
        c.Line(160, 8, 160, 40, 1.2f, Rgb(220, 245, 255, 200));
        c.Line(149, 20, 171, 20, 1.2f, Rgb(220, 245, 255, 200));
    }
    IconCaption(c, 2, "SP");
    // 3 attack: a steel sword.
    DrawSwordIcon(c, 224, 22, pal::Steel, pal::Gold);
    IconCaption(c, 3, "ATK");
    // 4 defense: a steel shield with a cross.
    DrawShieldIcon(c, 288, 24, Rgb(150, 160, 180), pal::Gold, false);
    IconCaption(c, 4, "DEF");
    // 5 attack2: a magic wand.
    DrawWandIcon(c, 352, 24);
    IconCaption(c, 5, "M.ATK");
    // 6 defense2: a violet ward with a star.
    DrawShieldIcon(c, 416, 24, Rgb(140, 90, 210), Rgb(255, 220, 255), true);
    IconCaption(c, 6, "M.DEF");
}

// ------------------------------------------------------------ digits

void PaintDigits(Canvas& c, Argb top, Argb bottom, const char* cell11) {
    TextStyle st = Lettering(30, top, bottom, 3);
    // Cell 10 stays empty: the status board draws it between the experience
    // and the next level's experience with its top left corner on the line's
    // middle, where no mark could stand centred between the numbers; the
    // board itself carries the slash there.
    DigitRow(c, 0, 32, st, "", cell11);
}

void PaintEmotionNumbers(Canvas& c, const TextureSpec&) {
    // Rows: 0 money (gold), 1 damage colour 1 (orange-red), 2 damage colour 2
    // (violet), 3 experience (green-cyan). Cell 10 is the "x", cell 11 the point.
    const Argb tops[4] = {Rgb(255, 250, 200), Rgb(255, 236, 190), Rgb(246, 220, 255), Rgb(220, 255, 240)};
    const Argb bottoms[4] = {Rgb(255, 190, 40), Rgb(255, 92, 40), Rgb(176, 100, 255), Rgb(40, 220, 160)};
    for (int r = 0; r < 4; ++r) DigitRow(c, 32 * r, 32, Lettering(30, tops[r], bottoms[r], 3), "x", ".");
}

// ------------------------------------------------------------ button hints

void KeyCap(Canvas& c, float cx, float cy, float w, float h, const char* label, bool pressed, Argb face) {
    float dy = pressed ? 3 : 0;
    c.FillRoundRect(cx - w / 2 - 2, cy - h / 2 - 2 + 3, cx + w / 2 + 2, cy + h / 2 + 2 + 3, 9, pal::Ink);
    c.FillRoundRect(cx - w / 2, cy - h / 2 + 3, cx + w / 2, cy + h / 2 + 3, 8, Shade(face, 0.6f));
    c.FillRoundRect(cx - w / 2, cy - h / 2 + dy, cx + w / 2, cy + h / 2 + dy - 3, 8, pressed ? Shade(face, 0.85f) : face);
    c.StrokeRoundRect(cx - w / 2, cy - h / 2 + dy, cx + w / 2, cy + h / 2 + dy - 3, 8, 2, pal::Ink);
    TextStyle st = Lettering(16, Rgb(255, 255, 255), Rgb(230, 230, 240), 2);
    st.face = FontFace::CondensedBold;
    c.TextFit(label, cx - w / 2 + 3, cy - h / 2 + dy, cx + w / 2 - 3, cy + h / 2 + dy - 3, st);
}

void PaintInputSet(Canvas& c, const TextureSpec&) {
    // Menu hint (swings on the map): a round badge "MENU" with its keys.
    Orb(c, 64, 60, 50, Rgb(60, 70, 130), pal::Ink, 3);
    c.StrokeCircle(64, 60, 44, 3, pal::Gold);
    TextStyle st = Lettering(26);
    c.Text("MENU", 64, 48, st);
    TextStyle small = Lettering(14, Rgb(255, 255, 255), Rgb(210, 220, 255), 2);
    small.face = FontFace::CondensedBold;
    c.TextFit("Enter / START", 26, 68, 102, 84, small);
    // Confirm button, up and pressed.
    KeyCap(c, 32, 158, 56, 40, "Space", false, Rgb(60, 160, 90));
    KeyCap(c, 96, 158, 56, 40, "Space", true, Rgb(60, 160, 90));
    // Cancel button, up and pressed.
    KeyCap(c, 32, 222, 56, 40, "Shift", false, Rgb(190, 70, 70));
    KeyCap(c, 96, 222, 56, 40, "Shift", true, Rgb(190, 70, 70));
    // Left / right arrows beside the location balloon.
    for (int side = 0; side < 2; ++side) {
        float cx = 32 + 64 * side, cy = 288, s = side ? 1.0f : -1.0f;
        std::vector<Vec2> arrow = {{cx - 12 * s, cy - 20}, {cx + 16 * s, cy}, {cx - 12 * s, cy + 20}, {cx - 4 * s, cy}};
        GradientPolygon(c, arrow, pal::Cream, pal::Gold, pal::Ink, 3);
        TextStyle k = Lettering(13, Rgb(255, 255, 255), Rgb(230, 230, 240), 2);
        c.Text(side ? "D" : "A", cx + (side ? -22 : 22), cy + 20, k);
    }
}

// ------------------------------------------------------------ barrier

void PaintBarrier(Canvas& c, const TextureSpec&) {
    // A bubble of light: a bright rim, a ring of hexagon facets and a highlight.
    // Drawn in cyan and white only, far from the blue key.
    c.StrokeCircle(32, 32, 29, 3.5f, Rgb(150, 240, 255));
    c.StrokeCircle(32, 32, 30.5f, 1.2f, Rgb(240, 255, 255));
    for (int i = 0; i < 6; ++i) {
        float a = Rad(60.0f * i - 90);
        float hx = 32 + 20 * std::cos(a), hy = 32 + 20 * std::sin(a);
        c.StrokePolygon(RegularPolygon(hx, hy, 7, 6, 0), 1.5f, Rgb(180, 250, 255));
    }
    c.StrokePolygon(RegularPolygon(32, 32, 8, 6, 0), 1.5f, Rgb(180, 250, 255));
    c.Arc(32, 32, 24, 200, 250, 4, Rgb(255, 255, 255));
    c.FillCircle(17, 19, 2.5f, Rgb(255, 255, 255));
}

}  // namespace

void RegisterCommonSheets(std::vector<TextureSpec>& out) {
    TextureSpec chip = MakeSheet("Texture/Common/ItemChip.png", 1024, 512, kKeyNone, PaintItemChip);
    AddCellRow(chip, "big_coin", 0, 0, 64, 64, 10);
    AddCellRow(chip, "coin", 0, 64, 64, 64, 10);
    AddCellRow(chip, "exp", 0, 128, 64, 64, 10);
    out.push_back(chip);

    TextureSpec icons = MakeSheet("Texture/Common/status_icon.png", 512, 64, kKeyNone, PaintStatusIcons);
    const char* iconNames[] = {"level", "max_hp", "max_sp", "attack", "defense", "attack2", "defense2"};
    for (int i = 0; i < 7; ++i) icons.cells.push_back({iconNames[i], 64 * i, 0, 64 * i + 64, 64});
    out.push_back(icons);

    // Digit sheets: digits 0-9, cell 10 a separator (left blank), cell 11 a sign.
    struct Digits {
        const char* path;
        Argb top, bottom;
        const char* sign;
    };
    static const Digits digitSheets[] = {
        {"Texture/Common/number.png", Rgb(255, 255, 255), Rgb(190, 206, 236), "+"},
        {"Texture/Common/money.png", Rgb(255, 250, 200), Rgb(255, 186, 36), "G"},
        {"Texture/Common/up_number.png", Rgb(230, 255, 236), Rgb(70, 220, 110), "+"},
        {"Texture/Common/damage_number.png", Rgb(255, 226, 220), Rgb(240, 60, 60), "-"},
    };
    for (const Digits& d : digitSheets) {
        TextureSpec t = MakeSheet(d.path, 384, 32, kKeyNone, [d](Canvas& c, const TextureSpec&) {
            PaintDigits(c, d.top, d.bottom, d.sign);
        });
        AddCellRow(t, "digit", 0, 0, 32, 32, 10);
        t.cells.push_back({"separator", 320, 0, 352, 32});
        t.cells.push_back({"sign", 352, 0, 384, 32});
        out.push_back(t);
    }

    TextureSpec emo = MakeSheet("Texture/Common/emotion_number.png", 384, 192, kKeyNone, PaintEmotionNumbers);
    const char* rows[] = {"money_", "damage1_", "damage2_", "exp_"};
    for (int r = 0; r < 4; ++r) {
        AddCellRow(emo, std::string(rows[r]) + "digit", 0, 32 * r, 32, 32, 10);
        emo.cells.push_back({std::string(rows[r]) + "times", 320, 32 * r, 352, 32 * r + 32});
        emo.cells.push_back({std::string(rows[r]) + "point", 352, 32 * r, 384, 32 * r + 32});
    }
    out.push_back(emo);

    TextureSpec input = MakeSheet("Texture/Common/input_set.png", 128, 768, kKeyNone, PaintInputSet);
    input.cells = {{"menu_hint", 0, 0, 128, 128},  {"confirm0", 0, 128, 64, 192},  {"confirm1", 64, 128, 128, 192},
                   {"cancel0", 0, 192, 64, 256},   {"cancel1", 64, 192, 128, 256}, {"left_hint", 0, 256, 64, 320},
                   {"right_hint", 64, 256, 128, 320}};
    out.push_back(input);

    TextureSpec barrier = MakeSheet("Texture/Common/barrier.png", 64, 64, kKeyBlue, PaintBarrier);
    barrier.cells = {{"shield", 0, 0, 64, 64}};
    out.push_back(barrier);
}

}  // namespace assetgen
