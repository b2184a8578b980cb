// The world map's boards and texts: the text box and its lines, the status
// board with its explanations, the main menu, the shop and the equip board.
// Boards are drawn at (-5, -5) over the map; the game draws numbers, names,
// icons and highlights into the places left for them here.
#include <cmath>

#include "assetgen/sheets_fieldmap_art.h"

namespace assetgen::fieldmap {

using namespace art;

namespace {

const Argb kHint = Rgb(176, 200, 240);

// The large board every screen of the menu sits on.
void Board(Canvas& c, float x0, float y0, float x1, float y1) {
    Panel(c, x0, y0, x1, y1, 20, Rgb(40, 42, 74, 238), Rgb(22, 20, 42, 242));
    for (Vec2 p : {Vec2{x0 + 12, y0 + 12}, Vec2{x1 - 12, y0 + 12}, Vec2{x0 + 12, y1 - 12}, Vec2{x1 - 12, y1 - 12}})
        OutlinedPolygon(c, {{p.x, p.y - 7}, {p.x + 7, p.y}, {p.x, p.y + 7}, {p.x - 7, p.y}}, pal::Gold, pal::Ink, 1.5f);
}

// A recessed plate where the game writes values or names.
void Slot(Canvas& c, float x0, float y0, float x1, float y1, float radius = 8) {
    c.FillRoundRect(x0, y0, x1, y1, radius, Rgb(8, 8, 22, 170));
    c.StrokeRoundRect(x0 + 0.5f, y0 + 0.5f, x1 - 0.5f, y1 - 0.5f, radius, 1.2f, Rgb(120, 110, 170, 150));
    c.FillRect(x0 + radius, y1 - 2, x1 - radius, y1 - 1, Rgb(255, 255, 255, 40));
}

void Title(Canvas& c, std::string_view text, float x, float y, float size, HAlign align = HAlign::Left) {
    TextStyle st = Lettering(size, pal::Cream, pal::Gold, 3);
    st.halign = align;
    c.Text(text, x, y, st);
}

void Hint(Canvas& c, std::string_view text, float x, float y, float size = 18) {
    c.Text(text, x, y, Label(size, HAlign::Center, kHint));
}

void Coin(Canvas& c, float x, float y, float r) {
    Orb(c, x, y, r, pal::Gold, pal::Ink, 1.5f);
    c.StrokeCircle(x, y, r * 0.6f, 1.2f, pal::GoldDark);
}

// A shield with a crossed lance and sword: the knight's crest.
void Crest(Canvas& c, float x, float y, float s) {
    c.Line(x - 60 * s, y + 60 * s, x + 60 * s, y - 60 * s, 7 * s, pal::Ink);
    c.Line(x - 60 * s, y + 60 * s, x + 58 * s, y - 58 * s, 4 * s, Rgb(190, 140, 80));
    OutlinedPolygon(c, {{x + 66 * s, y - 66 * s}, {x + 62 * s, y - 44 * s}, {x + 44 * s, y - 62 * s}}, pal::Steel,
                    pal::Ink, 2);
    c.Line(x + 60 * s, y + 60 * s, x - 58 * s, y - 58 * s, 10 * s, pal::Ink);
    c.Line(x + 56 * s, y + 56 * s, x - 56 * s, y - 56 * s, 6 * s, Rgb(230, 236, 250));
    c.Line(x + 30 * s, y + 48 * s, x + 48 * s, y + 30 * s, 7 * s, pal::Gold);
    std::vector<Vec2> shield = {{x - 40 * s, y - 44 * s}, {x + 40 * s, y - 44 * s}, {x + 40 * s, y + 6 * s},
                                {x, y + 50 * s},          {x - 40 * s, y + 6 * s}};
    GradientPolygon(c, shield, Rgb(80, 120, 230), Rgb(34, 48, 140), pal::Ink, 3);
    c.StrokePolygon(Rotated(shield, x, y, 0), 2, pal::Gold);
    c.FillPolygon(StarPoints(x, y - 4 * s, 20 * s, 8 * s, 5), pal::Gold);
}

// The status board's rows: label, and the y of the line its value is drawn on.
struct Row {
    const char* label;
    float y;
};
const Row kStatusRows[9] = {{"LEVEL", 96},    {"MAX HP", 160},    {"MAX SP", 192},
                            {"ATTACK", 256},  {"DEFENSE", 288},   {"M.ATTACK", 320},
                            {"M.DEFENSE", 352}, {"MONEY", 416},   {"EXP / NEXT", 448}};

}  // namespace

// ------------------------------------------------------------ text box

void PaintTextBox(Canvas& c) {
    Panel(c, 32, 80, 1248, 248, 18, Rgb(40, 42, 74, 228), Rgb(20, 18, 40, 236));
    for (float x : {48.0f, 1232.0f})
        OutlinedPolygon(c, {{x, 150}, {x + 8, 164}, {x, 178}, {x - 8, 164}}, pal::Gold, pal::Ink, 1.5f);
}

void PaintBoxTexts(Canvas& c, const std::vector<std::pair<std::string, std::string>>& bands) {
    for (size_t k = 0; k < bands.size(); ++k) {
        float y = 256.0f * k;
        TextStyle st = Label(30, HAlign::Left);
        st.shadow = Rgb(0, 0, 0, 120);
        c.TextFit(bands[k].first, 84, y + 112, 1196, y + 152, st);
        c.TextFit(bands[k].second, 84, y + 178, 1196, y + 210, Label(22, HAlign::Left, kHint));
    }
}

// ------------------------------------------------------------ status board

void PaintStatusBoard(Canvas& c) {
    Board(c, 14, 14, 1266, 706);
    Title(c, "STATUS", 96, 46, 34);
    for (const Row& r : kStatusRows) {
        Slot(c, 90, r.y - 15, 628, r.y + 15);
        c.Text(r.label, 104, r.y, Label(21, HAlign::Left));
    }
    // The explanation of the highlighted row is drawn into this frame.
    Slot(c, 692, 84, 1196, 652, 14);
    Crest(c, 360, 574, 0.8f);
    Hint(c, "W / S  choose      Shift  back", 360, 680);
}

void PaintStatusExplanations(Canvas& c) {
    struct Text {
        const char* title;
        const char* body;
    };
    static const Text texts[9] = {
        {"Level", "Your knight's level, from 1 to 30. Experience from defeated enemies raises it, and every new "
                  "level makes the knight tougher and stronger."},
        {"Max HP", "The most hit points your knight can have. When HP runs out the journey in that field ends. "
                   "Some armour and accessories raise it."},
        {"Max SP", "Spirit points pay for the three skills. SP comes back slowly while you fight."},
        {"Attack", "The power of your lances and your sword. With more attack, enemies fall faster."},
        {"Defense", "Protection against orange bullets and against enemies that ram the knight."},
        {"Magic Attack", "The power of the skills. The first and third skills strike every enemy on the screen "
                         "with it."},
        {"Magic Defense", "Protection against violet bullets."},
        {"Money", "Coins gathered in the fields. Spend them in the shop on weapons, armour and accessories."},
        {"Experience", "Experience gathered so far, and the experience needed to reach the next level."},
    };
    for (int k = 0; k < 9; ++k) {
        float x = 480.0f * k;
        c.SetClip({int(x), 0, int(x) + 480, 544});
        // The game puts the row's icon at (80, 48) of the cell.
        Title(c, texts[k].title, x + 128, 48, 32);
        c.FillRect(x + 24, 90, x + 456, 92, WithAlpha(pal::Gold, 170));
        Paragraph(c, texts[k].body, x + 24, 112, 420, 36, Label(24, HAlign::Left));
    }
    c.ClearClip();
}

// ------------------------------------------------------------ main menu

void PaintMenu(Canvas& c) {
    // The menu, drawn centred on the screen; its rows at 48, 144 and 240.
    Panel(c, 4, 4, 252, 332, 16);
    Title(c, "MENU", 128, 26, 24, HAlign::Center);
    c.FillRect(24, 44, 232, 46, WithAlpha(pal::Gold, 160));
    const char* rows[3] = {"STATUS", "EQUIP", "SHOP"};
    for (int k = 0; k < 3; ++k) {
        float y = 72 + 96.0f * k;
        TextStyle st = Lettering(26);
        st.halign = HAlign::Left;
        c.Text(rows[k], 24, y, st);
        if (k < 2) c.FillRect(30, y + 47, 226, y + 48, Rgb(255, 255, 255, 50));
    }
    c.Text("Space OK   Shift back", 128, 314, Label(14, HAlign::Center, kHint));
    // Row highlight: placed at the row's middle, it points back at the label.
    c.SetClip({0, 336, 224, 384});
    OutlinedPolygon(c, {{28, 360}, {50, 347}, {50, 373}}, pal::Gold, pal::Ink, 2);
    OutlinedPolygon(c, {{52, 360}, {68, 351}, {68, 369}}, Rgb(255, 236, 170), pal::Ink, 2);
    c.GradientH(72, 358, 120, 362, Rgb(255, 226, 140, 220), Rgb(255, 226, 140, 0));
    c.ClearClip();
}

// ------------------------------------------------------------ shop

void PaintShopBoard(Canvas& c) {
    Board(c, 14, 14, 1266, 706);
    Title(c, "SHOP", 700, 68, 34);
    // Money: the game draws a coin at (960, 68) and the digits left of 1136.
    Slot(c, 918, 42, 1162, 94, 12);
    // The list: five rows 112 px apart; prices end at x 636.
    for (int k = 0; k < 5; ++k) {
        float y = 130 + 112.0f * k;
        Slot(c, 112, y, 656, y + 80, 12);
        Coin(c, 466, y + 39, 11);
    }
    OutlinedPolygon(c, {{384, 110}, {396, 122}, {372, 122}}, WithAlpha(pal::Gold, 200), pal::Ink, 1.5f);
    OutlinedPolygon(c, {{384, 674}, {396, 664}, {372, 664}}, WithAlpha(pal::Gold, 200), pal::Ink, 1.5f);
    // The description of the highlighted item, its stat lines at the bottom.
    Slot(c, 720, 104, 1232, 628, 14);
    c.FillRect(740, 464, 1212, 466, WithAlpha(pal::Gold, 120));
    Hint(c, "W / S  choose      Left / Right  tab      Space  buy      Shift  back", 820, 690);

    // Tabs: the label sits in the top 30 px of its cell, as the four overlap.
    struct Tab {
        const char* label;
        int x, y;  // cell of the other-tab look; the current look is 224 px right
    };
    const Tab tabs[4] = {{"LANCES", 448, 736}, {"SWORDS", 448, 800}, {"ARMOUR", 0, 736}, {"ACCESSORIES", 0, 800}};
    for (const Tab& t : tabs) {
        for (int cur = 0; cur < 2; ++cur) {
            float x = float(t.x + 224 * cur), y = float(t.y);
            c.SetClip({int(x), int(y), int(x) + 208, int(y) + 64});
            Argb top = cur ? Rgb(255, 226, 130) : Rgb(70, 70, 110), bottom = cur ? Rgb(220, 150, 50) : Rgb(44, 42, 76);
            c.Shape(x + 2, y + 2, x + 206, y + 30,
                    [&](float px, float py) { return SdBox(px, py, x + 2, y + 2, x + 206, y + 30, 9); },
                    [&](float, float py) { return Mix(top, bottom, (py - y - 2) / 28); });
            c.StrokeRoundRect(x + 2.5f, y + 2.5f, x + 205.5f, y + 29.5f, 9, 2, cur ? pal::Ink : Rgb(140, 130, 190));
            TextStyle st = cur ? Label(20, HAlign::Center, pal::Ink) : Label(20, HAlign::Center, Rgb(190, 190, 215));
            if (cur) st.outline = Rgb(255, 240, 200);
            st.outlineWidth = cur ? 1.5f : 2;
            c.TextFit(t.label, x + 10, y + 4, x + 198, y + 30, st);
        }
    }
    c.ClearClip();
    // Yes/no cursor.
    c.FillRoundRect(899, 819, 1085, 861, 12, WithAlpha(pal::Gold, 60));
    c.StrokeRoundRect(899, 819, 1085, 861, 12, 3, pal::Gold);
    // Row cursor (drawn pulsing; drawn black over items the money cannot buy).
    c.FillRoundRect(2, 866, 542, 942, 14, WithAlpha(pal::Gold, 70));
    c.StrokeRoundRect(3, 867, 541, 941, 14, 4, pal::Gold);
    c.StrokeRoundRect(8, 872, 536, 936, 10, 1.5f, WithAlpha(Rgb(255, 250, 220), 200));
    // Owned overlay.
    c.FillRoundRect(2, 946, 542, 1022, 14, Rgb(10, 10, 24, 150));
    c.FillRoundRect(392, 962, 530, 1006, 8, Rgb(60, 10, 16, 200));
    c.StrokeRoundRect(392, 962, 530, 1006, 8, 3, Rgb(230, 80, 70));
    c.TextFit("OWNED", 398, 966, 524, 1002, Label(26, HAlign::Center, Rgb(255, 140, 120)));
    // Buy confirmation, centred on the screen; YES and NO under the cursor's places.
    Panel(c, 548, 868, 1084, 1020, 16);
    c.TextFit("Buy this item?", 570, 890, 1062, 930, Lettering(30));
    c.TextFit("YES", 660, 958, 780, 994, Lettering(28));
    c.TextFit("NO", 852, 958, 972, 994, Lettering(28));
}

// ------------------------------------------------------------ equip board

void PaintEquipBoard(Canvas& c) {
    Board(c, 14, 14, 1266, 706);
    Title(c, "EQUIPMENT", 944, 52, 34, HAlign::Center);
    // The comparison grid of the equip choice: three rows of two stats.
    Slot(c, 40, 28, 640, 222, 14);
    for (int r = 0; r < 3; ++r) c.FillRoundRect(52, 44 + 64.0f * r, 628, 84 + 64.0f * r, 8, Rgb(255, 255, 255, 14));
    c.FillRect(340, 40, 341, 210, Rgb(255, 255, 255, 40));
    // The six slots: label, and the place of the equipped item's name.
    const Row rows[6] = {{"LANCE", 259}, {"SWORD", 323}, {"ARMOUR", 387}, {"ACCESSORY 1", 451},
                         {"ACCESSORY 2", 483}, {"SHOT STYLE", 547}};
    for (const Row& r : rows) {
        Slot(c, 88, r.y - 15, 676, r.y + 15);
        c.TextFit(r.label, 100, r.y - 13, 300, r.y + 13, Label(20, HAlign::Left));
    }
    Slot(c, 692, 84, 1196, 628, 14);
    c.FillRect(712, 458, 1176, 460, WithAlpha(pal::Gold, 120));
    Crest(c, 200, 630, 0.5f);
    Hint(c, "W / S  choose      Space  change      Shift  back", 640, 690);
    // The choice panel: the item worn now on top, the items to choose below.
    c.SetClip({0, 720, 352, 1168});
    Panel(c, 2, 722, 350, 1166, 16, Rgb(44, 46, 80, 252), Rgb(26, 24, 48, 252));
    c.FillRoundRect(10, 730, 342, 780, 10, Rgb(255, 206, 84, 50));
    c.FillRect(16, 784, 336, 786, WithAlpha(pal::Gold, 180));
    for (int r = 0; r < 9; ++r)
        if (r % 2 == 0) c.FillRoundRect(10, 800 + 36.0f * r, 342, 836 + 36.0f * r, 6, Rgb(255, 255, 255, 16));
    c.ClearClip();
}

}  // namespace assetgen::fieldmap
