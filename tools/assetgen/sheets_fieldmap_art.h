#pragma once
// Shared pieces of the world map's sheets: the equipment catalogue as the
// sheets name and describe it, wrapped lettering, and the painters of each
// group of sheets.
#include <string>
#include <string_view>
#include <vector>

#include "assetgen/art.h"
#include "assetgen/manifest.h"

namespace assetgen::fieldmap {

// One record of the equipment catalogue: its name, a line about it and its
// stat deltas (max HP, max SP, attack, attack2, defense, defense2) and price.
struct Item {
    const char* name;
    const char* about;
    int hp, sp, atk, atk2, def, def2, price;
};
// The five tables: lances (weapon A), swords (weapon B), armour,
// accessories and shot styles, in catalogue order.
const std::vector<Item>& Lances();
const std::vector<Item>& Swords();
const std::vector<Item>& Armour();
const std::vector<Item>& Accessories();
const std::vector<Item>& ShotStyles();

// The stat changes of an item as short tokens, e.g. "ATK +2", "M.DEF -15".
std::vector<std::string> StatTokens(const Item& item);

// The one colour of every recessed plate on the boards: the list and row
// slots, the description panes, and the plates behind item names and
// descriptions. Names and descriptions drawn over a plate hide what the
// board shows there when nothing is drawn (the "nothing to choose" words).
constexpr Argb kWell = Rgb(17, 16, 36);

// The game's lettering for the map: cream on ink.
TextStyle Label(float size, HAlign align = HAlign::Left, Argb colour = art::pal::Cream);
// Words wrapped into lines no wider than width; returns the lines.
std::vector<std::string> Wrap(std::string_view text, float width, const TextStyle& style);
// Draws wrapped text from (x, y) (top of the first line); returns the y below it.
float Paragraph(Canvas& c, std::string_view text, float x, float y, float width, float lineHeight,
                const TextStyle& style);

// The painters, by group.
void PaintWorldMap(Canvas& c, bool night);
void PaintArrow(Canvas& c);
void PaintTimeIcons(Canvas& c);
void PaintDifficultyIcons(Canvas& c);
void PaintBalloons(Canvas& c);
void PaintCloud(Canvas& c);
void PaintTextBox(Canvas& c);
// Text over the text box: one 1280 x 256 band per entry, in the box's lines.
void PaintBoxTexts(Canvas& c, const std::vector<std::pair<std::string, std::string>>& bands);
void PaintStatusBoard(Canvas& c);
void PaintStatusExplanations(Canvas& c);
void PaintMenu(Canvas& c);
void PaintShopBoard(Canvas& c);
void PaintEquipBoard(Canvas& c);
// A table with the small icon its names carry.
enum class ItemIcon { Lance, Sword, Armour, Accessory, ShotStyle };
struct Table {
    const std::vector<Item>* items;
    ItemIcon icon;
};
// Name cells (544 x 80, a column per table) and description cells (480 x 512,
// a band per table) of the equipment.
void PaintItemNames(Canvas& c, const std::vector<Table>& columns);
void PaintItemTexts(Canvas& c, const std::vector<Table>& bands);
// The small icon of an item kind, centred at (x, y) in a box of `size`.
void DrawItemIcon(Canvas& c, ItemIcon kind, float x, float y, float size);

}  // namespace assetgen::fieldmap
