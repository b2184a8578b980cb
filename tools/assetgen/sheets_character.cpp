// The player's sheets, the satellites, the shots and the enemy HP gauge strips
// (all green key).
#include "assetgen/manifest.h"

namespace assetgen {

void RegisterCharacterSheets(std::vector<TextureSpec>& out) {
    TextureSpec child = MakeSheet("Texture/Character/element_child.png", 64, 128, kKeyGreen, PaintPlaceholder);
    child.cells = {{"satellite101", 0, 0, 64, 64}, {"satellite102", 0, 64, 64, 128}};  // 101 is also the option
    out.push_back(child);

    TextureSpec gauge = MakeSheet("Texture/Character/StatusSet2.png", 512, 160, kKeyGreen, PaintPlaceholder);
    gauge.cells = {{"fill", 0, 0, 512, 32}, {"cover", 0, 96, 512, 128}, {"frame", 0, 128, 512, 160}};
    out.push_back(gauge);

    TextureSpec lance = MakeSheet("Texture/Character/lance.png", 64, 128, kKeyGreen, PaintPlaceholder);
    lance.cells = {{"lance", 0, 0, 64, 128}};
    out.push_back(lance);

    TextureSpec bullet = MakeSheet("Texture/Character/bullet.png", 128, 32, kKeyGreen, PaintPlaceholder);
    bullet.cells = {{"round_colour1", 0, 0, 32, 32},  // sprite types 4 and 5
                    {"round_colour2", 32, 0, 64, 32}, // types 7 and 8
                    {"large_colour1", 64, 0, 96, 32}, // type 6
                    {"large_colour2", 96, 0, 128, 32}}; // type 9
    out.push_back(bullet);

    TextureSpec player = MakeSheet("Texture/Character/player.png", 640, 64, kKeyGreen, PaintPlaceholder);
    AddCellRow(player, "frame", 0, 0, 64, 64, 10);
    out.push_back(player);

    TextureSpec sword = MakeSheet("Texture/Character/sword.png", 64, 128, kKeyGreen, PaintPlaceholder);
    sword.cells = {{"sword", 0, 0, 64, 128}};
    out.push_back(sword);
}

}  // namespace assetgen
