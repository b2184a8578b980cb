// The world map's sheets (no colour key), in the order the scene loads them,
// with the cells its part renderer cuts. Boards, menus, balloons and texts are
// drawn over the map, so they are transparent where they show nothing.
#include "assetgen/sheets_fieldmap_art.h"

namespace assetgen {

namespace {

using namespace fieldmap;

TextureSpec Sheet(const char* path, int w, int h, std::function<void(Canvas&)> paint) {
    return MakeSheet(std::string("Texture/FieldMap/") + path, w, h, kKeyNone,
                     [paint](Canvas& c, const TextureSpec&) { paint(c); });
}

struct NamedTable {
    std::string prefix;
    Table table;
};

// The name sheet and the description sheet of a group of tables: names in
// 544 x 80 cells, a column per table, item i at y = 80 i; descriptions in
// 480 x 512 cells, a band per table, item i at x = 480 i.
void AddEquipmentSheets(std::vector<TextureSpec>& out, const char* nameFile, int nameW, int nameH,
                        const char* textFile, int textW, int textH, const std::vector<NamedTable>& tables) {
    std::vector<Table> list;
    for (const NamedTable& t : tables) list.push_back(t.table);
    TextureSpec names = Sheet(nameFile, nameW, nameH, [list](Canvas& c) { PaintItemNames(c, list); });
    TextureSpec texts = Sheet(textFile, textW, textH, [list](Canvas& c) { PaintItemTexts(c, list); });
    for (size_t k = 0; k < tables.size(); ++k) {
        int n = int(tables[k].table.items->size());
        AddCellColumn(names, tables[k].prefix + "_", int(544 * k), 0, 544, 80, n);
        AddCellRow(texts, tables[k].prefix + "_", 0, int(512 * k), 480, 512, n);
    }
    out.push_back(names);
    out.push_back(texts);
}

}  // namespace

void RegisterFieldMapSheets(std::vector<TextureSpec>& out) {
    TextureSpec day = Sheet("worldmap_day.png", 1280, 720, [](Canvas& c) { PaintWorldMap(c, false); });
    day.cells = {{"map", 0, 0, 1280, 720}};
    out.push_back(day);
    TextureSpec night = Sheet("worldmap_night.png", 1280, 720, [](Canvas& c) { PaintWorldMap(c, true); });
    night.cells = {{"map", 0, 0, 1280, 720}};
    out.push_back(night);

    TextureSpec arrow = Sheet("arrow.png", 64, 128, PaintArrow);  // tip at (32, 128)
    arrow.cells = {{"arrow", 0, 0, 64, 128}};
    out.push_back(arrow);

    TextureSpec time = Sheet("time.png", 256, 128, PaintTimeIcons);
    time.cells = {{"day", 0, 0, 128, 128}, {"night", 128, 0, 256, 128}};
    out.push_back(time);

    TextureSpec timeText = Sheet("time_text.png", 1280, 512, [](Canvas& c) {
        // One text serves the grass plain and the canyon alike.
        PaintBoxTexts(c, {{"Travel by day: the sun is high and the creatures of the day are about.",
                           "A / D  switch      Space  decide      Shift  back"},
                          {"Travel by night: under the moon the creatures of the dark come out.",
                           "A / D  switch      Space  decide      Shift  back"}});
    });
    timeText.cells = {{"day", 0, 0, 1280, 256}, {"night", 0, 256, 1280, 512}};
    out.push_back(timeText);

    TextureSpec diffIcon = Sheet("difficulty_icon.png", 384, 128, PaintDifficultyIcons);
    AddCellRow(diffIcon, "difficulty", 0, 0, 128, 128, 3);
    diffIcon.cells[0].name = "difficulty1";
    diffIcon.cells[1].name = "difficulty2";
    diffIcon.cells[2].name = "difficulty3";
    out.push_back(diffIcon);

    TextureSpec box = Sheet("textbox.png", 1280, 256, PaintTextBox);  // drawn with its bottom at the screen's
    box.cells = {{"textbox", 0, 0, 1280, 256}};
    out.push_back(box);

    TextureSpec balloon = Sheet("fieldballoon.png", 256, 192, PaintBalloons);
    balloon.cells = {{"grass_plain", 0, 0, 256, 64}, {"canyon", 0, 64, 256, 128}, {"cave", 0, 128, 256, 192}};
    out.push_back(balloon);

    TextureSpec diffText = Sheet("difficulty_text.png", 1280, 768, [](Canvas& c) {
        const char* keys = "A / D  change      Space  set out      Shift  back";
        PaintBoxTexts(c, {{"Difficulty 1: a gentle journey. Fewer bullets fly.", keys},
                          {"Difficulty 2: a true test. Thicker volleys, richer drops.", keys},
                          {"Difficulty 3: the fiercest volleys, and a final foe in the cave.", keys}});
    });
    AddCellColumn(diffText, "difficulty", 0, 0, 1280, 256, 3);
    for (int k = 0; k < 3; ++k) diffText.cells[size_t(k)].name = "difficulty" + std::to_string(k + 1);
    out.push_back(diffText);

    TextureSpec fieldText = Sheet("field_text.png", 1280, 256, [](Canvas& c) {
        PaintBoxTexts(c, {{"Where will the knight ride next?", "A / D  move      Space  choose      Enter  menu"}});
    });
    fieldText.cells = {{"text", 0, 0, 1280, 256}};
    out.push_back(fieldText);

    TextureSpec status = Sheet("status_board.png", 1280, 720, PaintStatusBoard);
    status.cells = {{"board", 0, 0, 1280, 720}};
    out.push_back(status);

    TextureSpec explain = Sheet("public_status_text.png", 4320, 544, PaintStatusExplanations);
    for (const char* n : {"level", "max_hp", "max_sp", "attack", "defense", "attack2", "defense2", "money",
                          "experience"})
        explain.cells.push_back({n, int(480 * explain.cells.size()), 0, int(480 * explain.cells.size()) + 480, 544});
    out.push_back(explain);

    TextureSpec menu = Sheet("menu.png", 256, 512, PaintMenu);
    menu.cells = {{"menu", 0, 0, 256, 336}, {"highlight", 0, 336, 224, 384}};
    out.push_back(menu);

    TextureSpec shop = Sheet("shop_board.png", 1280, 1024, PaintShopBoard);
    shop.cells = {{"board", 0, 0, 1280, 720},
                  {"tab_lances", 448, 736, 656, 800},
                  {"tab_lances_current", 672, 736, 880, 800},
                  {"tab_swords", 448, 800, 656, 864},
                  {"tab_swords_current", 672, 800, 880, 864},
                  {"tab_armour", 0, 736, 208, 800},
                  {"tab_armour_current", 224, 736, 432, 800},
                  {"tab_accessories", 0, 800, 208, 864},
                  {"tab_accessories_current", 224, 800, 432, 864},
                  {"yes_no_cursor", 896, 816, 1088, 864},
                  {"cursor", 0, 864, 544, 944},
                  {"owned", 0, 944, 544, 1024},
                  {"confirm", 544, 864, 1088, 1024}};
    out.push_back(shop);

    TextureSpec equip = Sheet("equip_board.png", 1280, 1280, PaintEquipBoard);
    equip.cells = {{"board", 0, 0, 1280, 720}, {"choice_panel", 0, 720, 352, 1168}};
    out.push_back(equip);

    AddEquipmentSheets(out, "Equipment/Knights/Knights_equipment_name.png", 1632, 800,
                       "Equipment/Knights/Knights_equipment_text.png", 4800, 1536,
                       {{"lance", {&Lances(), ItemIcon::Lance}},
                        {"sword", {&Swords(), ItemIcon::Sword}},
                        {"armour", {&Armour(), ItemIcon::Armour}}});
    AddEquipmentSheets(out, "Equipment/Accessory/accessory_name.png", 544, 480,
                       "Equipment/Accessory/accessory_text.png", 2880, 512,
                       {{"accessory", {&Accessories(), ItemIcon::Accessory}}});
    AddEquipmentSheets(out, "Equipment/ShotStyle/ShotStyle_Name.png", 544, 240,
                       "Equipment/ShotStyle/ShotStyle_Text.png", 1440, 512,
                       {{"shotstyle", {&ShotStyles(), ItemIcon::ShotStyle}}});

    TextureSpec cloud = Sheet("cloud.png", 128, 128, PaintCloud);
    cloud.cells = {{"cloud", 0, 0, 128, 128}};
    out.push_back(cloud);
}

}  // namespace assetgen
