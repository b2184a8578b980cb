// The five field backgrounds: 1280 x 720, vertically seamless (they scroll
// down and repeat every 720 pixels).
#include "assetgen/manifest.h"

namespace assetgen {

void RegisterFieldSheets(std::vector<TextureSpec>& out) {
    for (const char* p : {"Texture/Field/grass_field_day.png", "Texture/Field/grass_field_night.png",
                          "Texture/Field/canyon_day.png", "Texture/Field/canyon_night.png", "Texture/Field/cave.png"})
        out.push_back(MakeSheet(p, 1280, 720, kKeyNone, PaintPlaceholder));
}

}  // namespace assetgen
