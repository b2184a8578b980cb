// The world map's sheets (no colour key), in the order the scene loads them.
#include "assetgen/manifest.h"

namespace assetgen {

void RegisterFieldMapSheets(std::vector<TextureSpec>& out) {
    struct Sheet {
        const char* path;
        int w, h;
    };
    static const Sheet sheets[] = {
        {"Texture/FieldMap/worldmap_day.png", 1280, 720},
        {"Texture/FieldMap/worldmap_night.png", 1280, 720},
        {"Texture/FieldMap/arrow.png", 64, 128},
        {"Texture/FieldMap/time.png", 256, 128},
        {"Texture/FieldMap/time_text.png", 1280, 512},
        {"Texture/FieldMap/difficulty_icon.png", 384, 128},
        {"Texture/FieldMap/textbox.png", 1280, 256},
        {"Texture/FieldMap/fieldballoon.png", 256, 192},
        {"Texture/FieldMap/difficulty_text.png", 1280, 768},
        {"Texture/FieldMap/field_text.png", 1280, 256},
        {"Texture/FieldMap/status_board.png", 1280, 720},
        {"Texture/FieldMap/public_status_text.png", 4320, 544},
        {"Texture/FieldMap/menu.png", 256, 512},
        {"Texture/FieldMap/shop_board.png", 1280, 1024},
        {"Texture/FieldMap/equip_board.png", 1280, 1280},
        {"Texture/FieldMap/Equipment/Knights/Knights_equipment_name.png", 1632, 800},
        {"Texture/FieldMap/Equipment/Knights/Knights_equipment_text.png", 4800, 1536},
        {"Texture/FieldMap/Equipment/Accessory/accessory_name.png", 544, 480},
        {"Texture/FieldMap/Equipment/Accessory/accessory_text.png", 2880, 512},
        {"Texture/FieldMap/Equipment/ShotStyle/ShotStyle_Name.png", 544, 240},
        {"Texture/FieldMap/Equipment/ShotStyle/ShotStyle_Text.png", 1440, 512},
        {"Texture/FieldMap/cloud.png", 128, 128},
    };
    for (const Sheet& s : sheets) {
        out.push_back(MakeSheet(s.path, s.w, s.h, kKeyNone, PaintPlaceholder));
    }
}

}  // namespace assetgen
