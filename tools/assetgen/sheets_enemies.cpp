// The enemy sheets (green key). Each species draws its cells from these.
#include "assetgen/manifest.h"

namespace assetgen {

void RegisterEnemySheets(std::vector<TextureSpec>& out) {
    struct Sheet {
        const char* file;
        int w, h;
    };
    static const Sheet sheets[] = {
        {"enemy_normal_grass_day.png", 640, 128},   {"enemy_boss_grass_day.png", 2560, 512},
        {"enemy_normal_grass_night.png", 640, 128}, {"enemy_boss_grass_night.png", 2560, 512},
        {"enemy_normal_canyon_day.png", 128, 192},  {"enemy_boss_canyon_day.png", 2560, 384},
        {"enemy_normal_canyon_night.png", 128, 192}, {"enemy_boss_canyon_night.png", 2560, 384},
        {"enemy_normal_cave.png", 128, 320},        {"enemy_boss_cave.png", 128, 256},
    };
    for (const Sheet& s : sheets) {
        out.push_back(MakeSheet(std::string("Texture/Character/") + s.file, s.w, s.h, kKeyGreen, PaintPlaceholder));
    }
}

}  // namespace assetgen
