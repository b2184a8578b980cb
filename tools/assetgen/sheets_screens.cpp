// Whole screens and their overlays: title, credits, ending captions, the fade
// sheets, the result panel and the score popup digits.
#include "assetgen/art.h"
#include "assetgen/manifest.h"

namespace assetgen {

using namespace art;

namespace {

// A moonlit sky over the mire: gradient, stars, the moon, hills and mist.
void NightScene(Canvas& c, int w, int h, uint32_t seed, bool castle) {
    c.GradientV(0, 0, float(w), h * 0.75f, Rgb(12, 14, 44), Rgb(78, 52, 120));
    c.GradientV(0, h * 0.75f, float(w), float(h), Rgb(78, 52, 120), Rgb(170, 96, 130));
    Rng rng(seed);
    for (int i = 0; i < 260; ++i) {
        float x = rng.Uniform(0, float(w)), y = rng.Uniform(0, h * 0.7f), s = rng.Uniform(0.6f, 1.8f);
        c.FillCircle(x, y, s, Rgb(255, 255, 240, rng.Int(120, 255)));
    }
    for (int i = 0; i < 6; ++i) {
        float x = rng.Uniform(0, float(w)), y = rng.Uniform(0, h * 0.5f);
        c.FillPolygon(StarPoints(x, y, 7, 1.5f, 4, 0), Rgb(255, 255, 230));
    }
    // The crescent moon.
    float mx = w * 0.86f, my = h * 0.15f, mr = 58;
    c.Glow(mx, my, 170, Rgb(255, 240, 200, 80));
    c.Shape(mx - mr, my - mr, mx + mr, my + mr,
            [&](float px, float py) {
                return std::max(SdCircle(px, py, mx, my, mr), -SdCircle(px, py, mx + 26, my - 16, mr * 0.86f));
            },
            [&](float px, float py) { return Mix(Rgb(255, 250, 230), Rgb(255, 214, 150), (px - mx + py - my) / (3 * mr) + 0.5f); });
    // Hills, a castle and the mire's mist.
    auto hills = [&](float base, float amp, float freq, float phase, Argb col) {
        std::vector<Vec2> pts = {{0, float(h)}};
        for (int x = 0; x <= w; x += 8)
            pts.push_back({float(x), base - amp * (0.6f * std::sin(x * freq + phase) + 0.4f * std::sin(x * freq * 2.7f + phase * 2))});
        pts.push_back({float(w), float(h)});
        c.FillPolygon(pts, col);
    };
    hills(h * 0.72f, 40, 0.004f, 1.0f, Rgb(50, 36, 86));
    if (castle) {
        float cx = w * 0.24f, base = h * 0.70f;
        Argb col = Rgb(34, 24, 62);
        c.FillRect(cx - 70, base - 90, cx + 70, base + 20, col);
        for (int i = 0; i < 3; ++i) {
            float tx = cx - 80 + 80 * i;
            float th = i == 1 ? 170 : 130;
            c.FillRect(tx - 16, base - th, tx + 16, base + 20, col);
            c.FillPolygon({{tx - 22, base - th}, {tx, base - th - 46}, {tx + 22, base - th}}, col);
            c.FillRect(tx - 4, base - th + 30, tx + 4, base - th + 46, Rgb(255, 214, 120));
        }
    }
    hills(h * 0.82f, 30, 0.006f, 3.0f, Rgb(32, 24, 60));
    // Soft banks of mist.
    for (int i = 0; i < 7; ++i) {
        float y = h * (0.78f + 0.035f * i), x = w * (0.08f + 0.15f * i), rx = 300, ry = 30;
        c.Shape(x - rx, y - ry, x + rx, y + ry, [&](float px, float py) { return SdEllipse(px, py, x, y, rx, ry); },
                [&](float px, float py) {
                    float d = std::hypot((px - x) / rx, (py - y) / ry);
                    return Rgb(210, 190, 240, int(50 * (1 - d * d)));
                });
    }
}

// The MIRELUNE logo, centred at (x, y).
void Logo(Canvas& c, float x, float y, float size) {
    TextStyle st;
    st.face = FontFace::SerifBold;
    st.size = size;
    st.color = Rgb(255, 250, 226);
    st.colorBottom = Rgb(255, 186, 60);
    st.outline = Rgb(44, 20, 60);
    st.outlineWidth = size / 18;
    st.shadow = Rgb(10, 0, 30, 160);
    st.shadowDx = 5;
    st.shadowDy = 6;
    st.halign = HAlign::Center;
    st.valign = VAlign::Middle;
    st.tracking = size / 20;
    c.Glow(x, y, size * 3.2f, Rgb(255, 220, 160, 50));
    c.Text("MIRELUNE", x, y, st);
}

void PaintTitle(Canvas& c, const TextureSpec&) {
    c.SetClip({0, 0, 1280, 720});
    NightScene(c, 1280, 720, 11, true);
    Logo(c, 640, 210, 150);
    TextStyle sub = Lettering(28, Rgb(230, 220, 255), Rgb(190, 170, 240), 3);
    sub.face = FontFace::Serif;
    c.Text("Knight of the Moonlit Mire", 640, 308, sub);
    // The three menu lines, centred on x 640 at y 448, 544 and 640.
    TextStyle item = Lettering(44, pal::Cream, pal::Gold, 4);
    item.tracking = 4;
    c.Text("START", 640, 448, item);
    c.Text("CREDITS", 640, 544, item);
    c.Text("QUIT", 640, 640, item);
    TextStyle hint = Lettering(16, Rgb(220, 210, 240), Rgb(200, 190, 230), 2);
    hint.face = FontFace::Regular;
    c.Text("W / S to choose    Space / Enter to decide", 640, 700, hint);
    // The selection strip below the screen: a translucent band with bright ends.
    c.SetClip({0, 720, 640, 784});
    c.Shape(0, 720, 640, 784, [](float px, float py) { return SdBox(px, py, 4, 724, 636, 780, 26); },
            [](float px, float py) {
                float u = std::fabs(px - 320) / 320, v = std::fabs(py - 752) / 28;
                int a = int(70 + 90 * u * u + 40 * v * v);
                return Rgb(255, 214, 120, a);
            });
    c.StrokeRoundRect(6, 726, 634, 778, 24, 2.5f, Rgb(255, 236, 170, 230));
    c.FillPolygon(StarPoints(30, 752, 12, 4, 4, 0), Rgb(255, 250, 220));
    c.FillPolygon(StarPoints(610, 752, 12, 4, 4, 0), Rgb(255, 250, 220));
}

void PaintCredits(Canvas& c, const TextureSpec&) {
    NightScene(c, 1280, 720, 23, false);
    Panel(c, 240, 40, 1040, 680, 24, Rgb(20, 18, 48, 215), Rgb(12, 10, 30, 225));
    Logo(c, 640, 120, 84);
    TextStyle by = Lettering(26, Rgb(235, 228, 255), Rgb(200, 190, 240), 3);
    by.face = FontFace::Serif;
    c.Text("a game by the Mirelune team", 640, 192, by);
    struct Line {
        const char* role;
        const char* who;
    };
    const Line lines[] = {
        {"Programming", "The Mirelune team"},
        {"Art", "Drawn in code by our own generator"},
        {"Music and sound", "Synthesized by our own generator"},
        {"Lettering", "DejaVu fonts"},
        {"Built with", "SDL2, libpng, FreeType and zlib"},
    };
    TextStyle role = Lettering(24, pal::Cream, pal::Gold, 3);
    role.halign = HAlign::Right;
    TextStyle who = role;
    who.face = FontFace::Regular;
    who.color = Rgb(240, 240, 255);
    who.colorBottom = Rgb(210, 210, 240);
    who.halign = HAlign::Left;
    for (int i = 0; i < 5; ++i) {
        float y = 270 + 62 * i;
        c.Text(lines[i].role, 550, y, role);
        c.TextFit(lines[i].who, 572, y - 20, 1016, y + 20, who);
    }
    TextStyle thanks = Lettering(34, pal::Cream, pal::Gold, 3);
    c.Text("Thank you for playing!", 640, 590, thanks);
    TextStyle hint = Lettering(16, Rgb(220, 210, 240), Rgb(200, 190, 230), 2);
    hint.face = FontFace::Regular;
    c.Text("Press Space or Enter to return to the title", 640, 645, hint);
}

// The ending's captions, each centred in its rectangle of the sheet.
void PaintEnding(Canvas& c, const TextureSpec& spec) {
    struct Caption {
        const char* cell;
        const char* text;
        bool big;
    };
    const Caption captions[] = {
        {"caption1", "PEACE RETURNS TO MIRELUNE", true},
        {"caption2", "The knight's long journey is over.", false},
        {"caption3", "The meadows sleep again", false},
        {"caption4", "under a quiet moon.", false},
        {"caption5", "Every battle", false},
        {"caption6", "left its mark.", false},
        {"caption7", "The canyon winds", false},
        {"caption9", "carry the news:", false},
        {"caption10", "the monsters are gone.", false},
        {"caption8", "Travellers return", false},
        {"caption11", "to the old roads.", false},
        {"caption14", "Under the canyon stars", false},
        {"caption15", "the knight rests", false},
        {"caption16", "beside a small fire,", false},
        {"caption17", "sword laid aside.", false},
        {"caption18", "Tomorrow", false},
        {"caption19", "a new road", false},
        {"caption20", "waits beyond the hills.", false},
        {"caption21", "THANK YOU FOR PLAYING", true},
        {"caption22", "MIRELUNE", true},
    };
    for (const Caption& cap : captions) {
        const Cell& r = spec.CellNamed(cap.cell);
        TextStyle st = cap.big ? Lettering(76, pal::Cream, pal::Gold, 5) : Lettering(40, Rgb(255, 255, 255), Rgb(226, 222, 250), 4);
        if (!cap.big) st.face = FontFace::SerifBold;
        if (std::string_view(cap.cell) == "caption22") {
            st.face = FontFace::SerifBold;
            st.size = 110;
            st.tracking = 8;
        }
        st.shadow = Rgb(0, 0, 20, 150);
        st.shadowDx = 3;
        st.shadowDy = 4;
        c.TextFit(cap.text, float(r.left + 8), float(r.top + 2), float(r.right - 8), float(r.bottom - 2), st);
    }
}

// ------------------------------------------------------------ result

void Grade(Canvas& c, Rect cell, Argb light, Argb dark, bool sparkle) {
    float cx = (cell.left + cell.right) / 2.0f, cy = (cell.top + cell.bottom) / 2.0f + 1;
    std::vector<Vec2> star = StarPoints(cx, cy, 14.5f, 6.5f, 5);
    GradientPolygon(c, star, light, dark, pal::Ink, 2.2f);
    c.FillPolygon(StarPoints(cx - 1, cy - 2, 5.5f, 2.5f, 5), Mix(light, Rgb(255, 255, 255), 0.6f));
    if (sparkle) c.FillPolygon(StarPoints(cx + 9, cy - 10, 5, 1.2f, 4, 0), Rgb(255, 255, 255));
}

void PaintResult(Canvas& c, const TextureSpec& spec) {
    // The panel: 512 x 512, drawn centred at (640, 320) over the playfield.
    Panel(c, 4, 4, 508, 508, 26, Rgb(30, 30, 70, 225), Rgb(14, 12, 36, 235));
    c.StrokeRoundRect(14, 14, 498, 498, 18, 1.5f, Rgb(255, 214, 120, 120));
    // Value slots under the labels (panel y 144-176, 240-272, 336-368) and
    // the grade row (432-464).
    for (float y : {144.0f, 240.0f, 336.0f}) {
        c.FillRoundRect(250, y - 4, 490, y + 36, 8, Rgb(0, 0, 0, 90));
        c.Line(40, y + 44, 472, y + 44, 1.5f, Rgb(255, 214, 120, 90));
    }
    c.FillRoundRect(370, 426, 490, 470, 8, Rgb(0, 0, 0, 90));
    for (auto [x, y] : {std::pair{26.0f, 26.0f}, {486.0f, 26.0f}, {26.0f, 486.0f}, {486.0f, 486.0f}})
        c.FillPolygon(StarPoints(x, y, 10, 3, 4, 0), pal::Gold);
    c.SetClip(spec.CellNamed("heading").rect());
    TextStyle head = Lettering(56, pal::Cream, pal::Gold, 4);
    head.tracking = 6;
    c.Text("RESULT", 192, 544, head);
    c.ClearClip();
    TextStyle label = Lettering(24, Rgb(255, 255, 255), Rgb(200, 214, 255), 3);
    label.halign = HAlign::Left;
    label.face = FontFace::Bold;
    const std::pair<const char*, const char*> labels[] = {
        {"label_bonus", "NO-HIT BONUS"}, {"label_items", "ITEMS"}, {"label_total", "TOTAL"}, {"label_grade", "RANK"}};
    for (auto& [cell, text] : labels) {
        const Cell& r = spec.CellNamed(cell);
        c.SetClip(r.rect());
        c.TextFit(text, float(r.left + 4), float(r.top), float(r.right - 4), float(r.bottom), label);
        c.ClearClip();
    }
    Grade(c, spec.CellNamed("grade_top").rect(), Rgb(255, 244, 150), Rgb(240, 160, 20), true);
    Grade(c, spec.CellNamed("grade_second").rect(), Rgb(250, 252, 255), Rgb(150, 164, 190), false);
    Grade(c, spec.CellNamed("grade_third").rect(), Rgb(255, 210, 160), Rgb(180, 100, 50), false);
    Grade(c, spec.CellNamed("grade_fourth").rect(), Rgb(180, 180, 190), Rgb(90, 90, 104), false);
    Grade(c, spec.CellNamed("grade_extra").rect(), Rgb(255, 244, 150), Rgb(240, 160, 20), true);
}

void PaintResultNumber(Canvas& c, const TextureSpec&) {
    DigitRow(c, 0, 32, Lettering(30, Rgb(255, 255, 240), Rgb(255, 206, 90), 3), "", "");
}

void PaintBonusText(Canvas& c, const TextureSpec&) {
    TextStyle st = Lettering(62, Rgb(255, 255, 230), Rgb(255, 170, 40), 5);
    for (int d = 0; d < 10; ++d) {
        char s[2] = {char('0' + d), 0};
        GlyphInCell(c, {64 * d, 0, 64 * d + 64, 64}, s, st);
    }
}

}  // namespace

void RegisterScreenSheets(std::vector<TextureSpec>& out) {
    TextureSpec title = MakeSheet("Texture/Title/title.png", 1280, 784, kKeyNone, PaintTitle);
    title.cells = {{"screen", 0, 0, 1280, 720}, {"selection_strip", 0, 720, 640, 784}};
    out.push_back(title);

    out.push_back(MakeSheet("Texture/Credits/credits.png", 1280, 720, kKeyNone, PaintCredits));

    TextureSpec ending = MakeSheet("Texture/Ending/Ending_text.png", 1280, 1152, kKeyNone, PaintEnding);
    ending.cells = {
        {"caption1", 0, 0, 1280, 128},     {"caption2", 640, 128, 1280, 192},  {"caption3", 0, 192, 448, 256},
        {"caption4", 0, 256, 448, 320},    {"caption5", 640, 192, 1088, 256},  {"caption6", 640, 256, 1088, 320},
        {"caption7", 0, 320, 448, 384},    {"caption8", 0, 512, 448, 576},     {"caption9", 0, 384, 448, 448},
        {"caption10", 0, 448, 640, 512},   {"caption11", 0, 576, 512, 640},    {"caption14", 0, 640, 576, 704},
        {"caption15", 0, 704, 448, 768},   {"caption16", 0, 768, 576, 832},    {"caption17", 0, 832, 448, 896},
        {"caption18", 640, 320, 1088, 384}, {"caption19", 640, 384, 1088, 448}, {"caption20", 576, 512, 1280, 576},
        {"caption21", 0, 896, 1280, 1024}, {"caption22", 0, 1024, 1280, 1152},
    };
    // Captions 12 and 13 show captions 5 and 6 again.
    out.push_back(ending);

    out.push_back(MakeSheet("Texture/Fade/blackout.png", 1280, 720, kKeyNone,
                            [](Canvas& c, const TextureSpec&) { c.Fill(Rgb(0, 0, 0)); }));
    out.push_back(MakeSheet("Texture/Fade/whiteout.png", 1280, 720, kKeyNone,
                            [](Canvas& c, const TextureSpec&) { c.Fill(Rgb(255, 255, 255)); }));

    TextureSpec result = MakeSheet("Texture/Result/result.png", 512, 720, kKeyNone, PaintResult);
    result.cells = {{"panel", 0, 0, 512, 512},          {"heading", 0, 512, 384, 576},
                    {"label_bonus", 0, 576, 288, 608},  {"label_items", 0, 608, 224, 640},
                    {"label_total", 0, 640, 256, 672},  {"label_grade", 0, 672, 320, 706},
                    {"grade_top", 320, 576, 352, 608},  {"grade_second", 352, 576, 384, 608},
                    {"grade_third", 384, 576, 416, 608}, {"grade_fourth", 416, 576, 448, 608},
                    {"grade_extra", 448, 576, 480, 608}};
    out.push_back(result);

    TextureSpec resultNumber = MakeSheet("Texture/Result/result_number.png", 384, 32, kKeyNone, PaintResultNumber);
    AddCellRow(resultNumber, "digit", 0, 0, 32, 32, 10);
    out.push_back(resultNumber);

    TextureSpec bonus = MakeSheet("Texture/ScoreBonus/bonus_text.png", 704, 64, kKeyNone, PaintBonusText);
    AddCellRow(bonus, "digit", 0, 0, 64, 64, 10);
    out.push_back(bonus);
}

}  // namespace assetgen
