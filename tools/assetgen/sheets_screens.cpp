// Whole screens and their overlays: title, credits, ending captions, the fade
// sheets, the result panel and the score popup digits.
#include "assetgen/manifest.h"

namespace assetgen {

void RegisterScreenSheets(std::vector<TextureSpec>& out) {
    TextureSpec title = MakeSheet("Texture/Title/title.png", 1280, 784, kKeyNone, PaintPlaceholder);
    title.cells = {{"screen", 0, 0, 1280, 720}, {"selection_strip", 0, 720, 640, 784}};
    out.push_back(title);

    out.push_back(MakeSheet("Texture/Credits/credits.png", 1280, 720, kKeyNone, PaintPlaceholder));

    TextureSpec ending = MakeSheet("Texture/Ending/Ending_text.png", 1280, 1152, kKeyNone, PaintPlaceholder);
    ending.cells = {
        {"caption1", 0, 0, 1280, 128},     {"caption2", 640, 128, 1280, 192},  {"caption3", 0, 192, 448, 256},
        {"caption4", 0, 256, 448, 320},    {"caption5", 640, 192, 1088, 256},  {"caption6", 640, 256, 1088, 320},
        {"caption7", 0, 320, 448, 384},    {"caption8", 0, 512, 448, 576},     {"caption9", 0, 384, 448, 448},
        {"caption10", 0, 448, 640, 512},   {"caption11", 0, 576, 512, 640},    {"caption14", 0, 640, 576, 704},
        {"caption15", 0, 704, 448, 768},   {"caption16", 0, 768, 576, 832},    {"caption17", 0, 832, 448, 896},
        {"caption18", 640, 320, 1088, 384}, {"caption19", 640, 384, 1088, 448}, {"caption20", 576, 512, 1280, 576},
        {"caption21", 0, 896, 1280, 1024}, {"caption22", 0, 1024, 1280, 1152},
    };
    // Captions 12 and 13 show the sheet's captions 5 and 6 again.
    out.push_back(ending);

    out.push_back(MakeSheet("Texture/Fade/blackout.png", 1280, 720, kKeyNone, PaintPlaceholder));
    out.push_back(MakeSheet("Texture/Fade/whiteout.png", 1280, 720, kKeyNone, PaintPlaceholder));

    TextureSpec result = MakeSheet("Texture/Result/result.png", 512, 720, kKeyNone, PaintPlaceholder);
    result.cells = {{"panel", 0, 0, 512, 512},        {"heading", 0, 512, 384, 576},   {"label_bonus", 0, 576, 288, 608},
                    {"label_items", 0, 608, 224, 640}, {"label_total", 0, 640, 256, 672}, {"label_grade", 0, 672, 320, 706},
                    {"grade_top", 320, 576, 352, 608}, {"grade_second", 352, 576, 384, 608},
                    {"grade_third", 384, 576, 416, 608}, {"grade_fourth", 416, 576, 448, 608},
                    {"grade_extra", 448, 576, 480, 608}};
    out.push_back(result);

    TextureSpec resultNumber = MakeSheet("Texture/Result/result_number.png", 384, 32, kKeyNone, PaintPlaceholder);
    AddCellRow(resultNumber, "digit", 0, 0, 32, 32, 10);
    out.push_back(resultNumber);

    TextureSpec bonus = MakeSheet("Texture/ScoreBonus/bonus_text.png", 704, 64, kKeyNone, PaintPlaceholder);
    AddCellRow(bonus, "digit", 0, 0, 64, 64, 10);
    out.push_back(bonus);
}

}  // namespace assetgen
