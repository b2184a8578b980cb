// Common sheets: item chips, status icons, the digit sheets, button hints and
// the barrier.
#include "assetgen/manifest.h"

namespace assetgen {

namespace {

void AddDigitCells(TextureSpec& t, int y, const std::string& prefix = "") {
    AddCellRow(t, prefix + "digit", 0, y, 32, 32, 10);
    t.cells.push_back({prefix + "cell10", 320, y, 352, y + 32});
    t.cells.push_back({prefix + "cell11", 352, y, 384, y + 32});
}

}  // namespace

void RegisterCommonSheets(std::vector<TextureSpec>& out) {
    TextureSpec chip = MakeSheet("Texture/Common/ItemChip.png", 1024, 512, kKeyNone, PaintPlaceholder);
    AddCellRow(chip, "big_coin", 0, 0, 64, 64, 10);
    AddCellRow(chip, "coin", 0, 64, 64, 64, 10);
    AddCellRow(chip, "exp", 0, 128, 64, 64, 10);
    out.push_back(chip);

    TextureSpec icons = MakeSheet("Texture/Common/status_icon.png", 512, 64, kKeyNone, PaintPlaceholder);
    const char* iconNames[] = {"level", "max_hp", "max_sp", "attack", "defense", "attack2", "defense2"};
    for (int i = 0; i < 7; ++i) icons.cells.push_back({iconNames[i], 64 * i, 0, 64 * i + 64, 64});
    out.push_back(icons);

    for (const char* p : {"Texture/Common/number.png", "Texture/Common/money.png", "Texture/Common/up_number.png",
                          "Texture/Common/damage_number.png"}) {
        TextureSpec d = MakeSheet(p, 384, 32, kKeyNone, PaintPlaceholder);
        AddDigitCells(d, 0);
        out.push_back(d);
    }

    TextureSpec emo = MakeSheet("Texture/Common/emotion_number.png", 384, 192, kKeyNone, PaintPlaceholder);
    const char* rows[] = {"money_", "damage1_", "damage2_", "exp_"};
    for (int r = 0; r < 4; ++r) AddDigitCells(emo, 32 * r, rows[r]);
    out.push_back(emo);

    TextureSpec input = MakeSheet("Texture/Common/input_set.png", 128, 768, kKeyNone, PaintPlaceholder);
    input.cells = {{"menu_hint", 0, 0, 128, 128},     {"confirm0", 0, 128, 64, 192}, {"confirm1", 64, 128, 128, 192},
                   {"cancel0", 0, 192, 64, 256},      {"cancel1", 64, 192, 128, 256}, {"left_hint", 0, 256, 64, 320},
                   {"right_hint", 64, 256, 128, 320}};
    out.push_back(input);

    TextureSpec barrier = MakeSheet("Texture/Common/barrier.png", 64, 64, kKeyBlue, PaintPlaceholder);
    barrier.cells = {{"shield", 0, 0, 64, 64}};
    out.push_back(barrier);
}

}  // namespace assetgen
