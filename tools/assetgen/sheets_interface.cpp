// The in-field status display (HUD) sheets.
#include "assetgen/manifest.h"

namespace assetgen {

void RegisterInterfaceSheets(std::vector<TextureSpec>& out) {
    out.push_back(MakeSheet("Texture/UserInterface/ui.png", 1280, 720, kKeyNone, PaintPlaceholder));

    TextureSpec bar = MakeSheet("Texture/UserInterface/status_bar.png", 416, 720, kKeyNone, PaintPlaceholder);
    bar.cells = {{"panel", 0, 0, 288, 720},        {"gauge_frame", 288, 0, 416, 32}, {"hp_fill", 288, 32, 416, 64},
                 {"sp_fill", 288, 64, 416, 96},    {"sword_fill", 288, 96, 416, 128}, {"exp_frame", 288, 128, 320, 592},
                 {"exp_fill", 320, 128, 352, 592}};
    out.push_back(bar);

    TextureSpec skills = MakeSheet("Texture/UserInterface/knights_skill_icons.png", 50, 150, kKeyNone, PaintPlaceholder);
    skills.cells = {{"skill1", 0, 0, 50, 50}, {"skill2", 0, 50, 50, 100}, {"skill3", 0, 100, 50, 150}};
    out.push_back(skills);

    out.push_back(MakeSheet("Texture/UserInterface/selectframe.png", 50, 50, kKeyNone, PaintPlaceholder));
    out.push_back(MakeSheet("Texture/UserInterface/score_text.png", 704, 32, kKeyNone, PaintPlaceholder));

    TextureSpec faces = MakeSheet("Texture/UserInterface/emotion_set.png", 576, 96, kKeyNone, PaintPlaceholder);
    AddCellRow(faces, "face", 0, 0, 96, 96, 6);  // face0 is category 1
    out.push_back(faces);

    TextureSpec captions =
        MakeSheet("Texture/UserInterface/emotion_description.png", 128, 192, kKeyNone, PaintPlaceholder);
    AddCellColumn(captions, "caption", 0, 0, 128, 32, 6);  // caption0 is category 1
    out.push_back(captions);

    TextureSpec ring = MakeSheet("Texture/UserInterface/ring.png", 64, 16, kKeyNone, PaintPlaceholder);
    AddCellRow(ring, "dot", 0, 0, 16, 16, 4);  // dots 0-2 skills 1-3, dot 3 the plain ring
    out.push_back(ring);
}

}  // namespace assetgen
