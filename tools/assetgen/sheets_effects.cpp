// Effect strips (black key). Frames are stacked downwards; skill3 is a grid of
// 25 columns by 2 rows.
#include "assetgen/manifest.h"

namespace assetgen {

void RegisterEffectSheets(std::vector<TextureSpec>& out) {
    struct Strip {
        const char* path;
        int w, h, cell, frames;
    };
    // Only the frames the effects reach are cut (timer / 3 or / 6 or / 2).
    static const Strip strips[] = {
        {"Texture/Effects/bullet_hit.png", 200, 6000, 200, 20},
        {"Texture/Effects/enemy_destroy.png", 200, 6000, 200, 20},
        {"Texture/Effects/slash_h.png", 100, 3000, 100, 20},
        {"Texture/Effects/slash_e.png", 200, 6000, 200, 20},
        {"Texture/Effects/spear_hit.png", 100, 1000, 100, 10},
        {"Texture/Effects/skill1.png", 256, 7680, 256, 30},
    };
    for (const Strip& s : strips) {
        TextureSpec t = MakeSheet(s.path, s.w, s.h, kKeyBlack, PaintPlaceholder);
        AddCellColumn(t, "frame", 0, 0, s.cell, s.cell, s.frames);
        out.push_back(t);
    }
    TextureSpec skill3 = MakeSheet("Texture/Effects/skill3.png", 5000, 400, kKeyBlack, PaintPlaceholder);
    for (int row = 0; row < 2; ++row)
        for (int col = 0; col < 25; ++col)
            skill3.cells.push_back(
                {"frame" + std::to_string(row * 25 + col), 200 * col, 200 * row, 200 * col + 200, 200 * row + 200});
    out.push_back(skill3);

    TextureSpec del = MakeSheet("Texture/Effects/bullet_delete.png", 100, 3000, kKeyBlack, PaintPlaceholder);
    AddCellColumn(del, "frame", 0, 0, 100, 100, 20);
    out.push_back(del);

    TextureSpec lv = MakeSheet("Texture/Effects/levelup_text.png", 128, 32, kKeyBlack, PaintPlaceholder);
    lv.cells = {{"caption", 0, 0, 128, 32}};
    out.push_back(lv);
}

}  // namespace assetgen
