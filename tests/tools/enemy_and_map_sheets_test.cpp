// The enemy sheets and the world map's sheets: cells where the game cuts
// them, strips that animate, and room left for what the game draws over them.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "assetgen/manifest.h"
#include "assetgen/sheets_fieldmap_art.h"

namespace fs = std::filesystem;
using namespace assetgen;

namespace {

Canvas LoadBuilt(const TextureSpec& t) {
    std::ifstream in(fs::path(MIRELUNE_RESOURCE_DIR) / t.path, std::ios::binary);
    std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    Canvas c;
    EXPECT_TRUE(DecodePng(bytes, c)) << t.path;
    return c;
}

std::vector<const TextureSpec*> Sheets(std::string_view folder) {
    std::vector<const TextureSpec*> out;
    for (const TextureSpec& t : TextureManifest())
        if (t.path.rfind(folder, 0) == 0 && (folder != "Texture/Character/" || t.path.find("/enemy_") != std::string::npos))
            out.push_back(&t);
    return out;
}

bool Overlap(const Cell& a, const Cell& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// Pixels in which two equal-sized cells differ.
int Differing(const Canvas& c, const Cell& a, const Cell& b) {
    int n = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) n += c.Get(a.left + x, a.top + y) != c.Get(b.left + x, b.top + y);
    return n;
}

// "left,top,right,bottom" of a sheet's cell, or what is missing.
std::string CutOf(std::string_view path, std::string_view cell) {
    const TextureSpec* t = FindTexture(path);
    if (!t) return "no such sheet";
    const Cell* c = t->FindCell(cell);
    if (!c) return "no such cell";
    return std::to_string(c->left) + "," + std::to_string(c->top) + "," + std::to_string(c->right) + "," +
           std::to_string(c->bottom);
}

TEST(EnemyAndMapSheets, CellsSitWhereTheGameCutsThem) {
    struct Expect {
        const char* path;
        const char* cell;
        const char* cut;  // left,top,right,bottom
    };
    const Expect cuts[] = {
        {"Texture/Character/enemy_normal_grass_day.png", "butterfly_9", "576,0,640,64"},
        {"Texture/Character/enemy_normal_grass_day.png", "daycocoon", "0,64,64,128"},
        {"Texture/Character/enemy_normal_grass_night.png", "nightcocoon", "0,64,64,128"},
        {"Texture/Character/enemy_boss_grass_day.png", "bigbutterfly_4", "1024,0,1280,256"},
        {"Texture/Character/enemy_boss_grass_day.png", "scorpion_9", "2304,256,2560,512"},
        {"Texture/Character/enemy_boss_grass_night.png", "spider_0", "0,256,256,512"},
        {"Texture/Character/enemy_normal_canyon_day.png", "daymushroom", "0,0,64,64"},
        {"Texture/Character/enemy_normal_canyon_night.png", "nightrafflesia", "0,64,128,192"},
        {"Texture/Character/enemy_boss_canyon_day.png", "bigdayrafflesia", "0,0,256,256"},
        {"Texture/Character/enemy_boss_canyon_day.png", "eagle_9", "2304,256,2560,384"},
        {"Texture/Character/enemy_boss_canyon_night.png", "bat_3", "768,256,1024,384"},
        {"Texture/Character/enemy_normal_cave.png", "element", "0,0,64,64"},
        {"Texture/Character/enemy_normal_cave.png", "floorcrystal_3", "0,256,128,320"},
        {"Texture/Character/enemy_boss_cave.png", "magicstone", "0,0,128,256"},
        {"Texture/FieldMap/time.png", "night", "128,0,256,128"},
        {"Texture/FieldMap/time_text.png", "night", "0,256,1280,512"},
        {"Texture/FieldMap/difficulty_icon.png", "difficulty3", "256,0,384,128"},
        {"Texture/FieldMap/difficulty_text.png", "difficulty3", "0,512,1280,768"},
        {"Texture/FieldMap/fieldballoon.png", "cave", "0,128,256,192"},
        {"Texture/FieldMap/public_status_text.png", "experience", "3840,0,4320,544"},
        {"Texture/FieldMap/menu.png", "highlight", "0,336,224,384"},
        {"Texture/FieldMap/shop_board.png", "tab_lances_current", "672,736,880,800"},
        {"Texture/FieldMap/shop_board.png", "tab_accessories", "0,800,208,864"},
        {"Texture/FieldMap/shop_board.png", "yes_no_cursor", "896,816,1088,864"},
        {"Texture/FieldMap/shop_board.png", "cursor", "0,864,544,944"},
        {"Texture/FieldMap/shop_board.png", "owned", "0,944,544,1024"},
        {"Texture/FieldMap/shop_board.png", "confirm", "544,864,1088,1024"},
        {"Texture/FieldMap/equip_board.png", "choice_panel", "0,720,352,1168"},
        {"Texture/FieldMap/Equipment/Knights/Knights_equipment_name.png", "armour_6", "1088,480,1632,560"},
        {"Texture/FieldMap/Equipment/Knights/Knights_equipment_text.png", "sword_6", "2880,512,3360,1024"},
        {"Texture/FieldMap/Equipment/Accessory/accessory_text.png", "accessory_5", "2400,0,2880,512"},
        {"Texture/FieldMap/Equipment/ShotStyle/ShotStyle_Name.png", "shotstyle_2", "0,160,544,240"},
    };
    for (const Expect& e : cuts) EXPECT_EQ(CutOf(e.path, e.cell), e.cut) << e.path << " " << e.cell;
    // Every cell inside its sheet, and no two cells of a sheet share a pixel.
    auto sheets = Sheets("Texture/Character/");
    auto map = Sheets("Texture/FieldMap/");
    sheets.insert(sheets.end(), map.begin(), map.end());
    ASSERT_EQ(sheets.size(), 32u);
    for (const TextureSpec* t : sheets) {
        EXPECT_FALSE(t->cells.empty()) << t->path;
        for (size_t i = 0; i < t->cells.size(); ++i) {
            const Cell& a = t->cells[i];
            EXPECT_TRUE(a.left >= 0 && a.top >= 0 && a.right <= t->width && a.bottom <= t->height && a.left < a.right &&
                        a.top < a.bottom)
                << t->path << " " << a.name;
            for (size_t j = i + 1; j < t->cells.size(); ++j)
                EXPECT_FALSE(Overlap(a, t->cells[j])) << t->path << " " << a.name << " " << t->cells[j].name;
        }
    }
}

// Each creature's ten frames are ten different pictures, every cell holds a
// drawing, and what no cell covers stays key colour.
TEST(EnemyAndMapSheets, EnemyStripsAnimateAndUncutAreasStayKey) {
    int strips = 0;
    for (const TextureSpec* t : Sheets("Texture/Character/")) {
        Canvas c = LoadBuilt(*t);
        std::map<std::string, std::vector<const Cell*>> groups;
        std::vector<char> covered(size_t(t->width) * t->height, 0);
        for (const Cell& cell : t->cells) {
            int drawn = 0;
            for (int y = cell.top; y < cell.bottom; ++y)
                for (int x = cell.left; x < cell.right; ++x) {
                    covered[size_t(y) * t->width + x] = 1;
                    drawn += c.Get(x, y) != kKeyGreen;
                }
            EXPECT_GT(drawn, cell.Width() * cell.Height() / 10) << t->path << " " << cell.name;
            size_t us = cell.name.rfind('_');
            if (us != std::string::npos) groups[cell.name.substr(0, us)].push_back(&cell);
        }
        size_t stray = 0;
        for (size_t i = 0; i < covered.size(); ++i) stray += !covered[i] && c.Pixels()[i] != kKeyGreen;
        EXPECT_EQ(stray, 0u) << t->path;
        for (const auto& [name, cells] : groups) {
            if (cells.size() != 10) continue;
            ++strips;
            for (size_t i = 0; i < cells.size(); ++i)
                for (size_t j = i + 1; j < cells.size(); ++j)
                    EXPECT_GT(Differing(c, *cells[i], *cells[j]), cells[i]->Width() * cells[i]->Height() / 100)
                        << t->path << " " << cells[i]->name << " and " << cells[j]->name;
        }
    }
    EXPECT_EQ(strips, 8);  // butterfly, moth, big butterfly, big moth, scorpion, spider, eagle, bat
}

// Names leave the shop's price free (x 372 on) and stay in a band narrow
// enough for the accessory rows, 32 px apart; descriptions, solid in the
// panes' colour, leave the bottom of their cell free for the stat lines the
// boards draw there.
TEST(EnemyAndMapSheets, EquipmentTextsLeaveRoomForWhatTheBoardsDraw) {
    for (const TextureSpec* t : Sheets("Texture/FieldMap/Equipment/")) {
        Canvas c = LoadBuilt(*t);
        bool names = t->cells.front().Width() == 544;
        for (const Cell& cell : t->cells) {
            int top = cell.Height(), bottom = -1, right = -1;
            for (int y = cell.top; y < cell.bottom; ++y)
                for (int x = cell.left; x < cell.right; ++x)
                    if (names ? A(c.Get(x, y)) > 0 : c.Get(x, y) != fieldmap::kWell) {
                        top = std::min(top, y - cell.top);
                        bottom = std::max(bottom, y - cell.top);
                        right = std::max(right, x - cell.left);
                    }
            ASSERT_GE(bottom, 0) << t->path << " " << cell.name << " is empty";
            if (names) {
                EXPECT_LT(right, 372) << t->path << " " << cell.name;
                EXPECT_GE(top, 16) << t->path << " " << cell.name;
                EXPECT_LE(bottom, 60) << t->path << " " << cell.name;
            } else {
                EXPECT_LT(bottom, 368) << t->path << " " << cell.name;
            }
        }
    }
}

// The map is opaque; what is drawn over it lets the map show round its shapes.
TEST(EnemyAndMapSheets, MapIsOpaqueAndOverlaysSeeThrough) {
    for (const char* path : {"Texture/FieldMap/worldmap_day.png", "Texture/FieldMap/worldmap_night.png"}) {
        Canvas c = LoadBuilt(*FindTexture(path));
        for (Argb p : c.Pixels()) ASSERT_EQ(A(p), 255) << path;
    }
    struct Clear {
        const char* path;
        Rect r;
    };
    const Clear clear[] = {
        {"Texture/FieldMap/textbox.png", {0, 0, 1280, 72}},          // the map shows above the box
        {"Texture/FieldMap/field_text.png", {0, 0, 1280, 100}},      // lines only inside the box
        {"Texture/FieldMap/menu.png", {0, 0, 3, 3}},                 // rounded corner
        {"Texture/FieldMap/fieldballoon.png", {0, 0, 256, 6}},       // between the balloons
        {"Texture/FieldMap/arrow.png", {0, 0, 3, 128}},
        {"Texture/FieldMap/shop_board.png", {0, 720, 1280, 734}},    // between board and tabs
        {"Texture/FieldMap/equip_board.png", {360, 720, 1280, 1280}},
        {"Texture/FieldMap/cloud.png", {0, 0, 4, 4}},
    };
    for (const Clear& k : clear) {
        Canvas c = LoadBuilt(*FindTexture(k.path));
        int hi = 0;
        for (int y = k.r.top; y < k.r.bottom; ++y)
            for (int x = k.r.left; x < k.r.right; ++x) hi = std::max(hi, A(c.Get(x, y)));
        EXPECT_EQ(hi, 0) << k.path;
    }
    // The cloud is solid in its middle, so the cover hides what is locked.
    Canvas cloud = LoadBuilt(*FindTexture("Texture/FieldMap/cloud.png"));
    EXPECT_EQ(A(cloud.Get(64, 64)), 255);
}

}  // namespace

namespace {

// The box around every pixel of `r` that passes `ink`; empty when none does.
template <typename Ink>
Rect InkBox(const Canvas& c, Rect r, Ink ink) {
    Rect box = {r.right, r.bottom, r.left, r.top};
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (ink(c.Get(x, y))) box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1),
                                         std::max(box.bottom, y + 1)};
    return box;
}
Rect AlphaBox(const Canvas& c, Rect r) { return InkBox(c, r, [](Argb p) { return A(p) > 0; }); }
bool Inside(const Rect& a, const Rect& b) {
    return a.left >= b.left && a.top >= b.top && a.right <= b.right && a.bottom <= b.bottom;
}
bool Disjoint(const Rect& a, const Rect& b) {
    return a.right <= b.left || b.right <= a.left || a.bottom <= b.top || b.bottom <= a.top;
}
int Luma(Argb p) { return (R(p) * 3 + G(p) * 6 + B(p)) / 10; }

}  // namespace

// The row highlight of the status and equip boards is an arrow from x 64 to
// 128 on the screen (69 to 133 on the boards, drawn at -5): nothing of the
// rows stands under it. The shop's four tab buttons, at the places the game
// gives their cells, keep apart, and the owned tag keeps off the price digits.
TEST(EnemyAndMapSheets, BoardRowsTabsAndTagsKeepClearOfWhatTheGameDrawsBesideThem) {
    const std::pair<const char*, Rect> rows[2] = {{"Texture/FieldMap/status_board.png", {64, 80, 134, 470}},
                                                  {"Texture/FieldMap/equip_board.png", {64, 240, 134, 590}}};
    for (const auto& [path, rect] : rows) {
        Canvas c = LoadBuilt(*FindTexture(path));
        const Rect underArrow = InkBox(c, rect, [](Argb p) { return Luma(p) > 110; });
        EXPECT_GE(underArrow.left, underArrow.right) << path << " has row ink under the highlight";
    }
    const TextureSpec& shop = *FindTexture("Texture/FieldMap/shop_board.png");
    Canvas c = LoadBuilt(shop);
    struct Tab {
        const char* cell;
        int x, y;  // where the game draws it on the board
    };
    const Tab tabs[4] = {{"tab_lances", 96, 32}, {"tab_swords", 144, 64}, {"tab_armour", 416, 32},
                         {"tab_accessories", 464, 60}};
    std::vector<Rect> placed;
    for (const Tab& t : tabs)
        for (const char* look : {"", "_current"}) {
            const Cell& cell = shop.CellNamed(std::string(t.cell) + look);
            Rect r = AlphaBox(c, cell.rect());
            ASSERT_LT(r.left, r.right) << cell.name;
            const int dx = t.x - cell.left, dy = t.y - cell.top;
            r = {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
            if (*look == 0) placed.push_back(r);
            else EXPECT_TRUE(Inside(r, placed.back()) && Inside(placed.back(), r)) << cell.name;
        }
    for (size_t i = 0; i < placed.size(); ++i)
        for (size_t j = i + 1; j < placed.size(); ++j) EXPECT_TRUE(Disjoint(placed[i], placed[j])) << i << " " << j;
    // Not staggered: lances over swords and armour over accessories, in two rows.
    for (auto [a, b] : {std::pair{0, 1}, std::pair{2, 3}}) {
        EXPECT_EQ(placed[size_t(a)].left, placed[size_t(b)].left);
        EXPECT_EQ(placed[size_t(a)].right, placed[size_t(b)].right);
    }
    for (auto [a, b] : {std::pair{0, 2}, std::pair{1, 3}}) {
        EXPECT_EQ(placed[size_t(a)].top, placed[size_t(b)].top);
        EXPECT_EQ(placed[size_t(a)].bottom, placed[size_t(b)].bottom);
    }
    // Price digits: x 604 - 120 to 604 + 32 and y 153 to 185 on the board,
    // against the overlay at (112, 128).
    const Cell& owned = shop.CellNamed("owned");
    int strongest = 0;
    for (int y = owned.top + 25; y < owned.top + 57; ++y)
        for (int x = owned.left + 372; x < owned.left + 524; ++x) strongest = std::max(strongest, A(c.Get(x, y)));
    EXPECT_LE(strongest, 160);
}

// The ring badges and the place's name plate, at the places the game draws
// them round a place L: the plate centred (128, 32) on L, the chosen badge
// centred (64, 64) 60 px below L, the other difficulties 60 px above and 69
// px beside it, the other time 100 px above; the left/right hint, centred
// (32, 32), 120 px below L.
TEST(EnemyAndMapSheets, RingBadgesClearThePlaceNamePlates) {
    const TextureSpec& balloon = *FindTexture("Texture/FieldMap/fieldballoon.png");
    Canvas plates = LoadBuilt(balloon);
    const TextureSpec& hintSheet = *FindTexture("Texture/Common/input_set.png");
    Canvas hints = LoadBuilt(hintSheet);
    const Cell& hintCell = hintSheet.CellNamed("left_hint");
    const int hintTop = 120 - 32 + (AlphaBox(hints, hintCell.rect()).top - hintCell.top);
    for (const Cell& plateCell : balloon.cells) {
        const Rect plate = AlphaBox(plates, plateCell.rect());
        const int plateTop = plate.top - plateCell.top - 32, plateBottom = plate.bottom - plateCell.top - 32;
        for (const char* path : {"Texture/FieldMap/time.png", "Texture/FieldMap/difficulty_icon.png"}) {
            const TextureSpec& sheet = *FindTexture(path);
            Canvas icons = LoadBuilt(sheet);
            for (const Cell& cell : sheet.cells) {
                const Rect badge = AlphaBox(icons, cell.rect());
                const int top = badge.top - cell.top - 64, bottom = badge.bottom - cell.top - 64;
                EXPECT_GE(60 + top, plateBottom) << path << " " << cell.name << " over " << plateCell.name;
                EXPECT_LE(60 + bottom, hintTop) << path << " " << cell.name;
                EXPECT_LE(-60 + bottom, plateTop) << path << " " << cell.name << " over " << plateCell.name;
            }
        }
    }
}

// The two cloud covers, tiled as the game tiles them at full strength
// (columns at x 491 + 427 i + 64 col, rows at 64 row - 64, centred (64, 64)),
// close without a gap where they meet and are drawn in a quiet tone that
// suits the night map as well as the day map.
TEST(EnemyAndMapSheets, CloudCoversCloseWithoutASeamInAQuietTone) {
    Canvas cloud = LoadBuilt(*FindTexture("Texture/FieldMap/cloud.png"));
    auto clearAt = [&](int x, int y) {
        float clear = 1;
        for (int i = 0; i < 2; ++i)
            for (int col = 0; col < 6; ++col)
                for (int row = 0; row < 10; ++row) {
                    const int u = x - (491 + 427 * i + 64 * col - 64), v = y - (64 * row - 64 - 64);
                    if (u >= 0 && v >= 0 && u < 128 && v < 128) clear *= 1 - A(cloud.Get(u, v)) / 255.0f;
                }
        return clear;
    };
    float worst = 0;
    for (int y = 0; y < 540; y += 3)
        for (int x = 440; x < 1230; ++x) worst = std::max(worst, clearAt(x, y));
    EXPECT_LT(worst, 0.02f);
    long sum = 0, n = 0;
    for (Argb p : cloud.Pixels())
        if (A(p) == 255) sum += Luma(p), ++n;
    ASSERT_GT(n, 0);
    EXPECT_LT(sum / n, 180);
}

// Words that boards show where the game may draw nothing are hidden whenever
// something is drawn there: the text box's own words under every text band,
// the empty choice row's words under every item name's plate, and the empty
// pane's words under every description.
TEST(EnemyAndMapSheets, WordsForEmptyPlacesHideUnderWhatIsDrawnThere) {
    auto solid = [](const Canvas& c, Rect r) {
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (A(c.Get(x, y)) != 255) return false;
        return true;
    };
    Canvas box = LoadBuilt(*FindTexture("Texture/FieldMap/textbox.png"));
    const Rect words = {60, 100, 1220, 236};
    EXPECT_LT(InkBox(box, words, [](Argb p) { return Luma(p) > 200; }).left, words.right) << "the box says nothing";
    for (const char* path : {"Texture/FieldMap/field_text.png", "Texture/FieldMap/time_text.png",
                             "Texture/FieldMap/difficulty_text.png"}) {
        const TextureSpec& t = *FindTexture(path);
        Canvas band = LoadBuilt(t);
        for (const Cell& cell : t.cells)
            EXPECT_TRUE(solid(band, {words.left, cell.top + words.top, words.right, cell.top + words.bottom}))
                << path << " " << cell.name;
    }

    const TextureSpec& equip = *FindTexture("Texture/FieldMap/equip_board.png");
    Canvas board = LoadBuilt(equip);
    // The first choice row is 60 px down the panel at (0, 720); a name's cell
    // is drawn there.
    const Rect row = InkBox(board, {8, 800, 344, 836}, [](Argb p) { return Luma(p) > 100; });
    ASSERT_LT(row.left, row.right) << "the empty choice row says nothing";
    const Rect underName = {row.left, row.top - 780, row.right, row.bottom - 780};
    const Rect pane = InkBox(board, {704, 96, 1184, 456}, [](Argb p) { return Luma(p) > 100; });
    ASSERT_LT(pane.left, pane.right) << "the empty pane says nothing";
    for (const char* path : {"Texture/FieldMap/Equipment/Knights/Knights_equipment_name.png",
                             "Texture/FieldMap/Equipment/Accessory/accessory_name.png",
                             "Texture/FieldMap/Equipment/ShotStyle/ShotStyle_Name.png",
                             "Texture/FieldMap/Equipment/Knights/Knights_equipment_text.png",
                             "Texture/FieldMap/Equipment/Accessory/accessory_text.png",
                             "Texture/FieldMap/Equipment/ShotStyle/ShotStyle_Text.png"}) {
        const TextureSpec& t = *FindTexture(path);
        Canvas c = LoadBuilt(t);
        const bool names = t.cells.front().Width() == 544;
        const Rect cover = names ? underName : Rect{pane.left - 704, pane.top - 96, pane.right - 704, pane.bottom - 96};
        for (const Cell& cell : t.cells) {
            const Rect r = {cell.left + cover.left, cell.top + cover.top, cell.left + cover.right,
                            cell.top + cover.bottom};
            EXPECT_TRUE(solid(c, r)) << path << " " << cell.name;
            // Descriptions match the pane round their words.
            if (!names) {
                EXPECT_EQ(c.Get(cell.left + 2, cell.top + 2), board.Get(706, 98)) << path << " " << cell.name;
            }
        }
    }
}
