// The equipment as the shop and equip boards show it: names, stat changes
// and a line about each item, built from the catalogue's stats.
#include <cmath>

#include "assetgen/sheets_fieldmap_art.h"

namespace assetgen::fieldmap {

using namespace art;

const std::vector<Item>& Lances() {
    static const std::vector<Item> t = {
        {"Training Lance", "A light practice lance of ash wood. Every knight starts with one.", 0, 0, 1, 0, 0, 0, 0},
        {"Iron Lance", "A sturdy iron head on an oak shaft. Plain and reliable.", 0, 0, 2, 0, 0, 0, 11000},
        {"Steel Lance", "Forged steel that keeps its point through a long day of battle.", 0, 0, 3, 0, 0, 0, 17000},
        {"Silver Lance", "Blessed silver. Its glow steadies the rider's spirit.", 0, 5, 4, 0, 0, 0, 50000},
        {"Guardian Lance", "A broad lance with a hand guard, made for holding the line.", 30, 0, 1, 0, 5, 5, 75000},
        {"Starlight Lance", "Starlight caught in crystal. It strikes hard and feeds the spirit.", 0, 15, 6, 0, 0, 0,
         156000},
        {"Witch's Lance", "Carved with runes of great power, paid for with its bearer's wards.", 0, 0, 0, 20, 0, -15,
         192000},
    };
    return t;
}

const std::vector<Item>& Swords() {
    static const std::vector<Item> t = {
        {"Training Sword", "A blunted blade for drills in the castle yard.", 0, 0, 1, 0, 0, 0, 0},
        {"Iron Sword", "A simple iron blade, heavy but honest.", 0, 0, 2, 0, 0, 0, 12000},
        {"Steel Sword", "A well balanced steel blade that cuts clean.", 0, 0, 3, 0, 0, 0, 23000},
        {"Silver Sword", "A shining silver blade that calms the mind.", 0, 5, 4, 0, 0, 0, 65000},
        {"Knight's Sword", "The blade of the royal guard, with a wide protecting hilt.", 0, 0, 5, 0, 2, 2, 80000},
        {"Moonlight Sword", "Forged under the full moon: light as a feather, sharp as frost.", 0, 15, 7, 0, 0, 0,
         150000},
        {"Berserker Blade", "A savage blade. Great power, but it leaves its wielder open.", 0, 0, 12, 0, -15, 0,
         192000},
    };
    return t;
}

const std::vector<Item>& Armour() {
    static const std::vector<Item> t = {
        {"Travel Coat", "A padded coat for the road. Better than nothing.", 0, 0, 0, 0, 1, 0, 0},
        {"Chain Mail", "Rings of iron that turn aside claws and stings.", 0, 0, 0, 0, 3, 0, 12000},
        {"Scale Mail", "Overlapping scales with a faint ward sewn in.", 0, 0, 0, 0, 4, 1, 22000},
        {"Plate Armour", "Full plate of tempered steel. Heavy, and very safe.", 0, 0, 0, 0, 7, 4, 65000},
        {"Battle Vest", "Light armour that leaves the arms free to strike.", 0, 0, 5, 5, 1, 1, 72000},
        {"Mithril Armour", "Mithril links, light as cloth and harder than steel.", 0, 0, 0, 0, 10, 6, 150000},
        {"Spirit Robe", "A robe woven with warding spells. Magic slides off it.", 0, 0, 0, 0, 1, 18, 192000},
    };
    return t;
}

const std::vector<Item>& Accessories() {
    static const std::vector<Item> t = {
        {"Fury Charm", "Stirs the blood: stronger blows, a thinner guard.", -20, 10, 3, 3, -3, -3, 20000},
        {"Lucky Clover", "A four-leaf clover under glass. A little of everything.", 10, 5, 1, 1, 1, 1, 20000},
        {"Turtle Shell", "Slow and safe: a better guard, weaker blows.", 20, 0, -1, -1, 3, 3, 20000},
        {"Demon Mask", "Great strength from a dark pact. The body pays for it.", -50, 20, 5, 5, -5, -5, 60000},
        {"Hero's Medal", "Given to the bravest. It raises every strength.", 20, 10, 2, 2, 2, 2, 60000},
        {"Aegis Ring", "A ring of warding that trades strength for protection.", 30, 0, -3, -3, 5, 5, 60000},
    };
    return t;
}

const std::vector<Item>& ShotStyles() {
    static const std::vector<Item> t = {
        {"Wide Wing", "Four spirits fly wide at your sides and the lances leave in a broad ring.", 0, 0, 1, 1, 0, 0, 0},
        {"Swift Arrow", "A tight formation: the knight flies faster and the volleys fly narrower and quicker.", 0, 0,
         3, 3, 0, 0, 0},
        {"Spirit Trail", "Five spirits follow in the knight's wake and fire from where it has been.", 0, 0, 5, 5, 0, 0,
         0},
    };
    return t;
}

std::vector<std::string> StatTokens(const Item& it) {
    std::vector<std::string> out;
    const std::pair<const char*, int> stats[6] = {{"HP", it.hp},    {"SP", it.sp},     {"ATK", it.atk},
                                                  {"M.ATK", it.atk2}, {"DEF", it.def}, {"M.DEF", it.def2}};
    for (const auto& s : stats)
        if (s.second != 0) out.push_back(std::string(s.first) + (s.second > 0 ? " +" : " -") + std::to_string(std::abs(s.second)));
    return out;
}

TextStyle Label(float size, HAlign align, Argb colour) {
    TextStyle st;
    st.face = FontFace::Bold;
    st.size = size;
    st.color = colour;
    st.outline = pal::Ink;
    st.outlineWidth = std::max(1.5f, size / 12);
    st.halign = align;
    st.valign = VAlign::Middle;
    return st;
}

std::vector<std::string> Wrap(std::string_view text, float width, const TextStyle& style) {
    std::vector<std::string> lines;
    std::string line;
    size_t i = 0;
    while (i < text.size()) {
        size_t j = text.find(' ', i);
        if (j == std::string_view::npos) j = text.size();
        std::string word(text.substr(i, j - i));
        std::string trial = line.empty() ? word : line + " " + word;
        if (!line.empty() && TextWidth(trial, style) > width) {
            lines.push_back(line);
            line = word;
        } else {
            line = trial;
        }
        i = j + 1;
    }
    if (!line.empty()) lines.push_back(line);
    return lines;
}

float Paragraph(Canvas& c, std::string_view text, float x, float y, float width, float lineHeight,
                const TextStyle& style) {
    TextStyle st = style;
    st.valign = VAlign::Middle;
    for (const std::string& line : Wrap(text, width, st)) {
        c.Text(line, x, y + lineHeight / 2, st);
        y += lineHeight;
    }
    return y;
}

void DrawItemIcon(Canvas& c, ItemIcon kind, float x, float y, float size) {
    float s = size / 32;
    const Argb ink = pal::Ink;
    switch (kind) {
    case ItemIcon::Lance: {
        c.Line(x - 11 * s, y + 11 * s, x + 7 * s, y - 7 * s, 4.5f * s, ink);
        c.Line(x - 11 * s, y + 11 * s, x + 6 * s, y - 6 * s, 2.5f * s, Rgb(170, 120, 70));
        std::vector<Vec2> head = {{x + 13 * s, y - 13 * s}, {x + 9 * s, y - 2 * s}, {x + 2 * s, y - 9 * s}};
        OutlinedPolygon(c, head, pal::Steel, ink, 1.5f * s);
        c.Line(x - 6 * s, y + 1 * s, x - 1 * s, y + 6 * s, 3 * s, pal::Gold);
        break;
    }
    case ItemIcon::Sword: {
        c.Line(x - 9 * s, y + 9 * s, x + 12 * s, y - 12 * s, 6 * s, ink);
        c.Line(x - 8 * s, y + 8 * s, x + 11 * s, y - 11 * s, 3.5f * s, Rgb(230, 236, 250));
        c.Line(x - 11 * s, y + 3 * s, x - 3 * s, y + 11 * s, 4 * s, ink);
        c.Line(x - 10 * s, y + 4 * s, x - 4 * s, y + 10 * s, 2.2f * s, pal::Gold);
        c.Line(x - 9 * s, y + 9 * s, x - 13 * s, y + 13 * s, 3 * s, Rgb(120, 70, 40));
        break;
    }
    case ItemIcon::Armour: {
        std::vector<Vec2> plate = {{x - 12 * s, y - 11 * s}, {x - 4 * s, y - 13 * s}, {x, y - 9 * s},
                                   {x + 4 * s, y - 13 * s},  {x + 12 * s, y - 11 * s}, {x + 10 * s, y + 6 * s},
                                   {x, y + 13 * s},          {x - 10 * s, y + 6 * s}};
        GradientPolygon(c, plate, Rgb(230, 236, 250), Rgb(120, 132, 160), ink, 1.8f * s);
        c.Line(x, y - 8 * s, x, y + 11 * s, 1.5f * s, Rgb(96, 108, 134));
        break;
    }
    case ItemIcon::Accessory: {
        c.StrokeCircle(x, y + 3 * s, 9 * s, 5 * s, ink);
        c.StrokeCircle(x, y + 3 * s, 9 * s, 3 * s, pal::Gold);
        OutlinedPolygon(c, {{x, y - 13 * s}, {x + 6 * s, y - 7 * s}, {x, y - 1 * s}, {x - 6 * s, y - 7 * s}},
                        Rgb(240, 80, 110), ink, 1.5f * s);
        break;
    }
    case ItemIcon::ShotStyle: {
        for (int k = 0; k < 3; ++k) {
            float ox = (k - 1) * 9 * s, oy = (k == 1 ? -7 : 5) * s;
            Orb(c, x + ox, y + oy, 5.5f * s, Rgb(120, 210, 255), ink, 1.5f * s);
        }
        break;
    }
    }
}

void PaintItemNames(Canvas& c, const std::vector<Table>& columns) {
    for (size_t k = 0; k < columns.size(); ++k) {
        const auto& items = *columns[k].items;
        for (size_t i = 0; i < items.size(); ++i) {
            float x = 544.0f * k, y = 80.0f * i;
            // Text centred 38 px down the cell, clear of the price on the
            // right, on a plate of the boards' slot colour: it blends into
            // every slot a name is drawn in and hides the words an empty
            // choice row shows.
            c.FillRoundRect(x + 8, y + 24, x + 340, y + 52, 6, kWell);
            DrawItemIcon(c, columns[k].icon, x + 26, y + 38, 30);
            TextStyle st = Lettering(26, pal::Cream, Rgb(255, 222, 150), 2.5f);
            st.halign = HAlign::Left;
            c.TextFit(items[i].name, x + 48, y + 22, x + 336, y + 54, st);
        }
    }
}

void PaintItemTexts(Canvas& c, const std::vector<Table>& bands) {
    static const char* kinds[] = {"LANCE  (weapon A)", "SWORD  (weapon B)", "ARMOUR", "ACCESSORY", "SHOT STYLE"};
    for (size_t k = 0; k < bands.size(); ++k) {
        const auto& items = *bands[k].items;
        for (size_t i = 0; i < items.size(); ++i) {
            const Item& it = items[i];
            float x = 480.0f * i, y = 512.0f * k;
            c.SetClip({int(x), int(y), int(x) + 480, int(y) + 512});
            // Solid in the panes' colour, so the pane's own words never show
            // through; the rule above the stat lines the boards draw below.
            c.FillRect(x, y, x + 480, y + 512, kWell);
            c.FillRect(x + 8, y + 362, x + 472, y + 364, WithAlpha(pal::Gold, 120));
            DrawItemIcon(c, bands[k].icon, x + 34, y + 40, 40);
            TextStyle title = Lettering(32, pal::Cream, pal::Gold, 3);
            title.halign = HAlign::Left;
            c.TextFit(it.name, x + 64, y + 20, x + 468, y + 60, title);
            TextStyle small = Label(18, HAlign::Left, Rgb(180, 190, 220));
            c.Text(kinds[int(bands[k].icon)], x + 20, y + 82, small);
            std::string price = it.price > 0                         ? "Price " + std::to_string(it.price)
                                : bands[k].icon == ItemIcon::ShotStyle ? "Always yours"
                                                                       : "Starting gear";
            small.halign = HAlign::Right;
            small.color = Rgb(255, 214, 110);
            c.Text(price, x + 462, y + 82, small);
            c.FillRect(x + 16, y + 98, x + 464, y + 100, WithAlpha(pal::Gold, 180));
            // Stat changes: gains in green-gold, losses in red.
            float tx = x + 20, ty = y + 122;
            for (const std::string& tok : StatTokens(it)) {
                bool loss = tok.find(" -") != std::string::npos;
                TextStyle st = Label(24, HAlign::Left, loss ? Rgb(255, 120, 110) : Rgb(170, 240, 130));
                float w = TextWidth(tok, st);
                if (tx + w > x + 464) {
                    tx = x + 20;
                    ty += 32;
                }
                c.Text(tok, tx, ty, st);
                tx += w + 22;
            }
            Paragraph(c, it.about, x + 20, ty + 26, 440, 32, Label(22, HAlign::Left));
        }
    }
    c.ClearClip();
}

}  // namespace assetgen::fieldmap
