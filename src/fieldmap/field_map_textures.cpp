#include <iterator>

#include "core/common_textures.h"
#include "fieldmap/field_map_scene.h"

namespace {

struct MapTexture {
    Texture* FieldMapScene::*slot;
    const char* path;
    int width;
    int height;
};

// In creation order.
const MapTexture kMapTextures[] = {
        {&FieldMapScene::worldMapDayTexture, "Texture/FieldMap/worldmap_day.png", 1280, 720},
        {&FieldMapScene::worldMapNightTexture, "Texture/FieldMap/worldmap_night.png", 1280, 720},
        {&FieldMapScene::arrowTexture, "Texture/FieldMap/arrow.png", 64, 128},
        {&FieldMapScene::timeTexture, "Texture/FieldMap/time.png", 256, 128},
        {&FieldMapScene::timeTextTexture, "Texture/FieldMap/time_text.png", 1280, 512},
        {&FieldMapScene::difficultyIconTexture, "Texture/FieldMap/difficulty_icon.png", 384, 128},
        {&FieldMapScene::textBoxTexture, "Texture/FieldMap/textbox.png", 1280, 256},
        {&FieldMapScene::fieldBalloonTexture, "Texture/FieldMap/fieldballoon.png", 256, 192},
        {&FieldMapScene::difficultyTextTexture, "Texture/FieldMap/difficulty_text.png", 1280, 768},
        {&FieldMapScene::fieldTextTexture, "Texture/FieldMap/field_text.png", 1280, 256},
        {&FieldMapScene::statusBoardTexture, "Texture/FieldMap/status_board.png", 1280, 720},
        {&FieldMapScene::publicStatusTextTexture, "Texture/FieldMap/public_status_text.png", 4320, 544},
        {&FieldMapScene::menuTexture, "Texture/FieldMap/menu.png", 256, 512},
        {&FieldMapScene::shopBoardTexture, "Texture/FieldMap/shop_board.png", 1280, 1024},
        {&FieldMapScene::equipBoardTexture, "Texture/FieldMap/equip_board.png", 1280, 1280},
        {&FieldMapScene::knightsEquipmentNameTexture, "Texture/FieldMap/Equipment/Knights/Knights_equipment_name.png", 1632, 800},
        {&FieldMapScene::knightsEquipmentTextTexture, "Texture/FieldMap/Equipment/Knights/Knights_equipment_text.png", 4800, 1536},
        {&FieldMapScene::accessoryNameTexture, "Texture/FieldMap/Equipment/Accessory/accessory_name.png", 544, 480},
        {&FieldMapScene::accessoryTextTexture, "Texture/FieldMap/Equipment/Accessory/accessory_text.png", 2880, 512},
        {&FieldMapScene::shotStyleNameTexture, "Texture/FieldMap/Equipment/ShotStyle/ShotStyle_Name.png", 544, 240},
        {&FieldMapScene::shotStyleTextTexture, "Texture/FieldMap/Equipment/ShotStyle/ShotStyle_Text.png", 1440, 512},
        {&FieldMapScene::cloudTexture, "Texture/FieldMap/cloud.png", 128, 128},
};

}  // namespace

bool FieldMapScene::LoadTextures() {
    for (const MapTexture& t : kMapTextures) {
        this->*t.slot = LoadTexture(t.path, t.width, t.height, 0);
        if (this->*t.slot == nullptr) return false;
    }
    return true;
}

void FieldMapScene::ReleaseTextures() {
    // The cloud sheet first, then the others in reverse order of loading; a
    // texture that was never created is skipped.
    for (int i = static_cast<int>(std::size(kMapTextures)) - 1; i >= 0; --i) ReleaseTexture(this->*kMapTextures[i].slot);
}
