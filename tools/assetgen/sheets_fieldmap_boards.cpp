// The world map's boards and texts: the text box and its lines, the status
// board with its explanations, the main menu, the shop and the equip board.
// Boards are drawn at (-5, -5) over the map and hide it; the game draws
// numbers, names, icons and highlights into the places left for them here.
// Board coordinates below are the screen's plus 5.
#include <cmath>

#include "assetgen/sheets_fieldmap_art.h"

namespace assetgen::fieldmap {

using namespace art;

namespace {

const Argb kHint = Rgb(176, 200, 240);

// The row highlight of the status and equip boards is an arrow from x 64 to
// 128 on the screen; rows begin to its right.
constexpr float kRowLeft = 140, kRowLabel = 152;

// The large board every screen of the menu sits on: opaque, so neither the
// map nor the text box below shows through, and reaching down over the text
// box's rim.
void Board(Canvas& c) {
    const float x0 = 14, y0 = 14, x1 = 1266, y1 = 718;
    Panel(c, x0, y0, x1, y1, 20, Rgb(40, 42, 74), Rgb(22, 20, 42));
    for (Vec2 p : {Vec2{x0 + 12, y0 + 12}, Vec2{x1 - 12, y0 + 12}, Vec2{x0 + 12, y1 - 12}, Vec2{x1 - 12, y1 - 12}})
        OutlinedPolygon(c, {{p.x, p.y - 7}, {p.x + 7, p.y}, {p.x, p.y + 7}, {p.x - 7, p.y}}, pal::Gold, pal::Ink, 1.5f);
}

// A recessed plate where the game writes values or names.
void Slot(Canvas& c, float x0, float y0, float x1, float y1, float radius = 8) {
    c.FillRoundRect(x0, y0, x1, y1, radius, kWell);
    c.StrokeRoundRect(x0 + 0.5f, y0 + 0.5f, x1 - 0.5f, y1 - 0.5f, radius, 1.2f, Rgb(120, 110, 170));
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

namespace {

// The box's body, its top at 80 + dy.
void TextBoxPanel(Canvas& c, float dy) { Panel(c, 32, 80 + dy, 1248, 248 + dy, 18, Rgb(40, 42, 74), Rgb(20, 18, 40)); }

// The two lines of a text, the second in the hint colour.
void BoxLines(Canvas& c, float dy, std::string_view first, std::string_view second) {
    TextStyle st = Label(30, HAlign::Left);
    st.shadow = Rgb(0, 0, 0, 120);
    c.TextFit(first, 84, dy + 112, 1196, dy + 152, st);
    c.TextFit(second, 84, dy + 178, 1196, dy + 210, Label(22, HAlign::Left, kHint));
}

}  // namespace

void PaintTextBox(Canvas& c) {
    TextBoxPanel(c, 0);
    for (float x : {48.0f, 1232.0f})
        OutlinedPolygon(c, {{x, 150}, {x + 8, 164}, {x, 178}, {x - 8, 164}}, pal::Gold, pal::Ink, 1.5f);
    // The box's own words, read under the main menu, where no text is drawn
    // over it; every text drawn over the box covers them.
    BoxLines(c, 0, "The camp: check your status, change your equipment or buy new gear in the shop.",
             "What the knight wears here goes along into every field.");
}

void PaintBoxTexts(Canvas& c, const std::vector<std::pair<std::string, std::string>>& bands) {
    for (size_t k = 0; k < bands.size(); ++k) {
        float y = 256.0f * k;
        // The box's body again where its own words stand, so they do not
        // show through.
        c.SetClip({60, int(y) + 100, 1220, int(y) + 236});
        TextBoxPanel(c, y);
        c.ClearClip();
        BoxLines(c, y, bands[k].first, bands[k].second);
    }
}

// ------------------------------------------------------------ status board

void PaintStatusBoard(Canvas& c) {
    Board(c);
    Title(c, "STATUS", 96, 46, 34);
    for (const Row& r : kStatusRows) {
        Slot(c, kRowLeft, r.y - 15, 628, r.y + 15);
        c.Text(r.label, kRowLabel, r.y, Label(21, HAlign::Left));
    }
    // The slash between the experience and the next level's experience,
    // centred in the gap the game leaves between the two numbers.
    c.Line(465, 462, 479, 434, 6, pal::Ink);
    c.Line(465.8f, 460.5f, 478.2f, 435.5f, 3, Rgb(220, 228, 246));
    // The explanation of the highlighted row is drawn into this frame.
    Slot(c, 692, 84, 1196, 652, 14);
    Crest(c, 384, 574, 0.8f);
    Hint(c, "W / S  choose      Shift  back", 384, 680);
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

namespace {

// The red "owned" tag.
void OwnedTag(Canvas& c, float x0, float y0, float x1, float y1) {
    c.FillRoundRect(x0, y0, x1, y1, 6, Rgb(90, 16, 22));
    c.StrokeRoundRect(x0 + 1, y0 + 1, x1 - 1, y1 - 1, 6, 2, Rgb(230, 80, 70));
    c.TextFit("OWNED", x0 + 6, y0 + 1, x1 - 6, y1 - 1, Label(15, HAlign::Center, Rgb(255, 170, 150)));
}

}  // namespace

void PaintShopBoard(Canvas& c) {
    Board(c);
    Title(c, "SHOP", 700, 68, 34);
    // Money: the game draws a coin at (960, 68) and the digits left of 1136.
    Slot(c, 918, 44, 1162, 90, 12);
    // The list: five rows 112 px apart; prices end at x 636.
    for (int k = 0; k < 5; ++k) {
        float y = 130 + 112.0f * k;
        Slot(c, 112, y, 656, y + 80, 12);
        Coin(c, 466, y + 39, 11);
    }
    OutlinedPolygon(c, {{384, 110}, {396, 122}, {372, 122}}, WithAlpha(pal::Gold, 200), pal::Ink, 1.5f);
    OutlinedPolygon(c, {{384, 674}, {396, 664}, {372, 664}}, WithAlpha(pal::Gold, 200), pal::Ink, 1.5f);
    // The description of the highlighted item (480 x 512 from (736, 96)),
    // with its stat lines at the bottom.
    Slot(c, 724, 92, 1228, 628, 14);
    Hint(c, "W / S  choose      Left / Right  tab      Space  buy      Shift  back", 820, 690);

    // Tabs. The game places their cells apart by (48, 32) and (48, 28), so
    // each label keeps to the part of its cell that makes the four a tidy
    // grid: lances over swords at x 146-302, armour over accessories at x
    // 466-622, the upper pair at y 33-61, the lower at y 67-95.
    struct Tab {
        const char* label;
        int x, y;         // cell of the other-tab look; the current look is 224 px right
        float left, top;  // the button inside the cell
    };
    const Tab tabs[4] = {{"LANCES", 448, 736, 50, 1},
                         {"SWORDS", 448, 800, 2, 3},
                         {"ARMOUR", 0, 736, 50, 1},
                         {"ACCESSORIES", 0, 800, 2, 7}};
    for (const Tab& t : tabs) {
        for (int cur = 0; cur < 2; ++cur) {
            float x = float(t.x + 224 * cur) + t.left, y = float(t.y) + t.top;
            float x1 = x + 156, y1 = y + 28;
            c.SetClip({t.x + 224 * cur, t.y, t.x + 224 * cur + 208, t.y + 64});
            Argb top = cur ? Rgb(255, 226, 130) : Rgb(70, 70, 110), bottom = cur ? Rgb(220, 150, 50) : Rgb(44, 42, 76);
            c.Shape(x, y, x1, y1, [&](float px, float py) { return SdBox(px, py, x, y, x1, y1, 9); },
                    [&](float, float py) { return Mix(top, bottom, (py - y) / 28); });
            c.StrokeRoundRect(x + 0.5f, y + 0.5f, x1 - 0.5f, y1 - 0.5f, 9, 2, cur ? pal::Ink : Rgb(140, 130, 190));
            TextStyle st = cur ? Label(19, HAlign::Center, pal::Ink) : Label(19, HAlign::Center, Rgb(190, 190, 215));
            if (cur) st.outline = Rgb(255, 240, 200);
            st.outlineWidth = cur ? 1.5f : 2;
            c.TextFit(t.label, x + 8, y + 2, x1 - 8, y1, st);
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
    // Owned overlay: the row dimmed and a tag in its top right corner, above
    // the price, whose digits take x 372-524 and y 25-57 of the cell.
    c.FillRoundRect(2, 946, 542, 1022, 14, Rgb(10, 10, 24, 150));
    OwnedTag(c, 424, 945, 534, 967);
    // Buy confirmation, centred on the screen; YES and NO under the cursor's places.
    Panel(c, 548, 868, 1084, 1020, 16);
    c.TextFit("Buy this item?", 570, 890, 1062, 930, Lettering(30));
    c.TextFit("YES", 660, 958, 780, 994, Lettering(28));
    c.TextFit("NO", 852, 958, 972, 994, Lettering(28));
}

// ------------------------------------------------------------ equip board

void PaintEquipBoard(Canvas& c) {
    Board(c);
    Title(c, "EQUIPMENT", 944, 52, 34, HAlign::Center);
    // The comparison grid of the equip choice: three rows of two stats.
    Slot(c, 40, 28, 640, 222, 14);
    for (int r = 0; r < 3; ++r) c.FillRoundRect(52, 44 + 64.0f * r, 628, 84 + 64.0f * r, 8, Rgb(255, 255, 255, 14));
    c.FillRect(340, 40, 341, 210, Rgb(255, 255, 255, 40));
    // The six slots, each behind the name the game draws at 224 + its row
    // offset (the name's plate is 24-52 px down its cell).
    struct Slot6 {
        const char* label;
        float offset;
    };
    const Slot6 rows[6] = {{"LANCE", 0},         {"SWORD", 64},         {"ARMOUR", 128},
                           {"ACCESSORY 1", 192}, {"ACCESSORY 2", 224}, {"SHOT STYLE", 288}};
    for (const Slot6& r : rows) {
        float y = 224 + r.offset;
        Slot(c, kRowLeft, y + 22, 676, y + 54);
        c.TextFit(r.label, kRowLabel, y + 24, 310, y + 52, Label(20, HAlign::Left));
    }
    // The pane where the worn or offered item is described (480 x 512 from
    // (704, 96)). Its words show only where no description is drawn: on an
    // empty accessory slot, and when nothing can be chosen.
    Slot(c, 692, 84, 1196, 628, 14);
    c.FillRect(712, 458, 1176, 460, WithAlpha(pal::Gold, 120));
    c.TextFit("No item here", 724, 190, 1164, 230, Lettering(30));
    Paragraph(c, "Only equipment you own and are not already wearing can be chosen. Buy more in the shop.", 744,
              252, 400, 32, Label(22, HAlign::Left, Rgb(200, 206, 232)));
    Crest(c, 200, 630, 0.5f);
    Hint(c, "W / S  choose      Space  change      Shift  back", 640, 690);
    // The choice panel: the item worn now on top, the items to choose below
    // in rows 36 px apart from 60 px down (their name plates 84-112 px down
    // for the first). Where the first row stays empty, it says so.
    c.SetClip({0, 720, 352, 1168});
    Panel(c, 2, 722, 350, 1166, 16, Rgb(44, 46, 80), Rgb(26, 24, 48));
    c.FillRoundRect(6, 741, 346, 775, 8, kWell);
    c.StrokeRoundRect(6.5f, 741.5f, 345.5f, 774.5f, 8, 1.5f, pal::Gold);
    c.FillRect(16, 790, 336, 792, WithAlpha(pal::Gold, 180));
    for (int r = 0; r < 10; ++r) c.FillRoundRect(6, 802 + 36.0f * r, 346, 834 + 36.0f * r, 6, kWell);
    c.TextFit("- nothing to choose -", 30, 806, 322, 830, Label(18, HAlign::Center, Rgb(150, 156, 190)));
    c.ClearClip();
}

}  // namespace assetgen::fieldmap
