// The part renderer of the world map: one numbered element per call.
#include <algorithm>

#include "core/common_textures.h"
#include "core/equipment.h"
#include "fieldmap/field_map_scene.h"
#include "fieldmap/field_map_sprites.h"
#include "fieldmap/field_map_tables.h"
#include "platform/graphics.h"

namespace {

constexpr int32_t kNameWidth = 544;
constexpr int32_t kNameHeight = 80;
constexpr int32_t kDescriptionWidth = 480;
constexpr int32_t kDescriptionHeight = 512;
constexpr int32_t kDigitSize = 32;
constexpr int32_t kSignCellX = 352;
constexpr int32_t kSeparatorCellX = 320;

Vec3 Add(Vec3 a, float dx, float dy) { return Vec3{a.x + dx, a.y + dy, a.z}; }

Rect MakeRect(int32_t left, int32_t top, int32_t width, int32_t height) {
    return Rect{left, top, left + width, top + height};
}

Rect WholeOf(const Texture* t) { return Rect{0, 0, t != nullptr ? t->Width() : 0, t != nullptr ? t->Height() : 0}; }

const Texture* DigitSheetFor(int32_t value) {
    if (value < 0) return DamageNumberTexture;
    if (value == 0) return NumberTexture;
    return UpNumberTexture;
}

// A cell that turns about its centre: the button hint of part 91.
void DrawRotatedAboutCentre(const Texture* texture, const Rect& source, Vec3 centre, Vec3 position,
                            float degrees) {
    SpriteBatch->SetTransform(
            MatrixMultiply(MatrixRotationZ(degrees * kDegToRad), MatrixTranslation(position.x, position.y, position.z)));
    SpriteBatch->Draw(texture, &source, &centre, nullptr, kOpaqueWhite);
    SpriteBatch->SetTransform(MatrixIdentity());
}

}  // namespace

uint32_t AlphaWhite(int32_t alpha) {
    const uint32_t a = static_cast<uint32_t>(std::clamp(alpha, 0, 255));
    return (a << 24) | 0x00FFFFFFu;
}

void DrawMapSprite(const Texture* texture, const Rect& source, const Vec3* centre, Vec3 position, uint32_t color) {
    SpriteBatch->Draw(texture, &source, centre, &position, color);
}

void DrawDigits(const Texture* sheet, int64_t value, int32_t count, float unitsX, float y, bool centred) {
    static const Vec3 kDigitCentre{16.0f, 16.0f, 0.0f};
    int64_t rest = value < 0 ? -value : value;
    for (int32_t i = 0; i < count; ++i) {
        const int32_t digit = static_cast<int32_t>(rest % 10);
        rest /= 10;
        DrawMapSprite(sheet, MakeRect(kDigitSize * digit, 0, kDigitSize, kDigitSize), centred ? &kDigitCentre : nullptr,
                      Vec3{unitsX - 24.0f * static_cast<float>(i), y, 0.0f});
    }
}

void DrawSignedDigits(int32_t value, float unitsX, float y, float signX) {
    static const Vec3 kDigitCentre{16.0f, 16.0f, 0.0f};
    const Texture* sheet = DigitSheetFor(value);
    DrawDigits(sheet, value, 2, unitsX, y, true);
    DrawMapSprite(sheet, MakeRect(kSignCellX, 0, kDigitSize, kDigitSize), &kDigitCentre, Vec3{signX, y, 0.0f});
}

void DrawMenuRowSprite(const Texture* texture, const Rect& source, Vec3 position, int32_t row) {
    static constexpr float kRowOffset[kEquipRowCount] = {0.0f, 64.0f, 128.0f, 192.0f, 224.0f, 288.0f};
    if (row < 0 || row >= kEquipRowCount) return;
    DrawMapSprite(texture, source, nullptr, Add(position, 0.0f, kRowOffset[row]));
}

void DrawListRowSprite(const Texture* texture, const Rect& source, Vec3 position, int32_t row) {
    DrawMapSprite(texture, source, nullptr, Add(position, 0.0f, 36.0f * static_cast<float>(row) + 60.0f));
}

void DrawSignedStatDelta(int32_t a, int32_t b, Vec3 position) {
    DrawSignedDigits(b - a, position.x, position.y, position.x - 48.0f);
}

EquipmentSheets SheetsOf(const FieldMapScene& scene, int32_t table) {
    switch (table) {
        case kTableWeaponA:
        case kTableWeaponB:
        case kTableArmour: return {scene.knightsEquipmentNameTexture, scene.knightsEquipmentTextTexture};
        case kTableAccessory: return {scene.accessoryNameTexture, scene.accessoryTextTexture};
        case kTableShotStyle: return {scene.shotStyleNameTexture, scene.shotStyleTextTexture};
        default: return {};
    }
}

Rect NameCellOf(int32_t table, int32_t index) {
    // The knights' sheet holds weapons A, weapons B and armour side by side.
    const int32_t column = (table == kTableWeaponB) ? 1 : (table == kTableArmour) ? 2 : 0;
    return MakeRect(kNameWidth * column, kNameHeight * index, kNameWidth, kNameHeight);
}

Rect DescriptionCellOf(int32_t table, int32_t index) {
    // The knights' sheet holds weapons A, weapons B and armour one band below the other.
    const int32_t band = (table == kTableWeaponB) ? 1 : (table == kTableArmour) ? 2 : 0;
    return MakeRect(kDescriptionWidth * index, kDescriptionHeight * band, kDescriptionWidth, kDescriptionHeight);
}

void FieldMapScene::DrawBoardRowSprite(const Texture* texture, const Rect& source, int32_t row) {
    DrawMapSprite(texture, source, nullptr, Add(boardPosition, 112.0f, 112.0f * static_cast<float>(row) + 130.0f));
}

void FieldMapScene::DrawBoardSprite(const Texture* texture, const Rect& source, Vec3 offset) {
    DrawMapSprite(texture, source, nullptr, Add(boardPosition, offset.x, offset.y));
}

void FieldMapScene::DrawPrice(int32_t price, int32_t row, int32_t owned) {
    const float rowY = 112.0f * static_cast<float>(row);
    DrawDigits(MoneyTexture, price, 6, boardPosition.x + 604.0f, boardPosition.y + rowY + 153.0f, false);
    const Vec3 overlayAt = Add(boardPosition, 112.0f, rowY + 128.0f);
    if (owned == 1) DrawMapSprite(shopBoardTexture, Rect{0, 944, 544, 1024}, nullptr, overlayAt);
    if (price > playerMoney) DrawMapSprite(shopBoardTexture, Rect{0, 864, 544, 944}, nullptr, overlayAt, kOpaqueBlack);
}

void FieldMapScene::DrawStatusNumbers() {
    struct NumberLine {
        int32_t value;
        int32_t digits;
        float dx;
        float dy;
    };
    const NumberLine lines[] = {
            {playerStatus.level, 2, 0.0f, 0.0f},
            {playerStatus.maxHp, 3, 24.0f, 32.0f},
            {playerStatus.maxSp, 3, 24.0f, 32.0f},
            {playerStatus.attack, 3, 24.0f, 64.0f},
            {playerStatus.defense, 3, 24.0f, 64.0f},
            {playerStatus.attack2, 3, 24.0f, 64.0f},
            {playerStatus.defense2, 3, 24.0f, 64.0f},
            {playerMoney, 6, 96.0f, 96.0f},
            {playerExperience, 5, 72.0f, 96.0f},
            {playerNextExperience, 5, 216.0f, 64.0f},
    };
    for (int32_t v = 0; v < static_cast<int32_t>(std::size(lines)); ++v) {
        const NumberLine& l = lines[v];
        DrawDigits(NumberTexture, l.value, l.digits, boardPosition.x + l.dx + 376.0f,
                   boardPosition.y + l.dy + 96.0f + 32.0f * static_cast<float>(v), true);
    }
    // The separator between the experience and the experience the next level needs.
    DrawMapSprite(NumberTexture, MakeRect(kSeparatorCellX, 0, kDigitSize, kDigitSize), nullptr,
                  Add(boardPosition, 472.0f, 448.0f));
}

void FieldMapScene::DrawEquipBoardNames() {
    const Vec3 namesAt = Add(boardPosition, 320.0f, 224.0f);
    for (int32_t row = 1; row <= kEquipRowCount; ++row) {
        const int32_t table = TableOfEquipRow(row);
        const int32_t index = *EquippedIndexOfRow(row);
        if (index < 0 || index >= TableSize(table)) continue;  // an empty accessory slot
        DrawMenuRowSprite(SheetsOf(*this, table).names, NameCellOf(table, index), namesAt, row - 1);
    }
    const int32_t table = TableOfEquipRow(boardRow);
    if (table == kTableNone) return;
    const int32_t index = *EquippedIndexOfRow(boardRow);
    if (index < 0 || index >= TableSize(table)) return;
    DrawMapSprite(SheetsOf(*this, table).descriptions, DescriptionCellOf(table, index), nullptr,
                  Add(boardPosition, 704.0f, 96.0f));
}

void FieldMapScene::DrawChoiceComparison() {
    const int32_t table = TableOfEquipRow(choiceSlot);
    if (choiceIndex == -1 || table == kTableNone) return;
    const EquipmentStatus candidate = TableStatus(table, choiceIndex);
    // An empty accessory slot compares against zeros.
    const EquipmentStatus worn = TableStatus(table, *EquippedIndexOfRow(choiceSlot));
    const int32_t current[7] = {0,
                                playerStatus.maxHp,
                                playerStatus.maxSp,
                                playerStatus.attack,
                                playerStatus.defense,
                                playerStatus.attack2,
                                playerStatus.defense2};
    // Rows: max HP / max SP, attack / attack2, defense / defense2. In each
    // 250 px cell: the label, the current value and the change, left to right.
    static constexpr int32_t kGrid[3][2] = {{1, 2}, {3, 5}, {4, 6}};
    for (int32_t r = 0; r < 3; ++r) {
        for (int32_t c = 0; c < 2; ++c) {
            const int32_t stat = kGrid[r][c];
            const float x = boardPosition.x + (c == 0 ? 100.0f : 350.0f);
            const float y = boardPosition.y + 64.0f * static_cast<float>(r + 1);
            DrawPart(32 + stat, Vec3{x, y, 0.0f});
            DrawDigits(NumberTexture, current[stat], 3, x + 96.0f, y, true);
            DrawSignedStatDelta(StatOf(worn, stat), StatOf(candidate, stat), Vec3{x + 184.0f, y, 0.0f});
        }
    }
    DrawMapSprite(SheetsOf(*this, table).descriptions, DescriptionCellOf(table, choiceIndex), nullptr,
                  Add(boardPosition, 704.0f, 96.0f));
}

void FieldMapScene::DrawChoicePanel() {
    const int32_t table = TableOfEquipRow(choiceSlot);
    if (table == kTableNone) return;
    const Vec3 panelAt = Add(boardPosition, 320.0f, 224.0f);
    DrawMapSprite(equipBoardTexture, Rect{0, 720, 352, 1168}, nullptr, panelAt);
    const Texture* names = SheetsOf(*this, table).names;
    // An empty accessory slot has no name to show.
    const int32_t worn = *EquippedIndexOfRow(choiceSlot);
    if (worn >= 0 && worn < TableSize(table)) DrawMapSprite(names, NameCellOf(table, worn), nullptr, panelAt);
    int32_t listRow = 0;
    for (int32_t i = 0; i < TableSize(table); ++i) {
        if (IsEligible(choiceSlot, i)) DrawListRowSprite(names, NameCellOf(table, i), panelAt, listRow++);
    }
}

void FieldMapScene::DrawShopTab(int32_t partId) {
    const int32_t tab = partId - 18;
    const bool current = boardRow == tab;
    const bool leftPair = tab <= 2;  // weapons A and B sit in the left pair of cells
    const int32_t x = leftPair ? (current ? 672 : 448) : (current ? 224 : 0);
    const int32_t y = (tab % 2 == 1) ? 736 : 800;
    static constexpr float kTabAt[kShopTabCount][2] = {{96.0f, 32.0f}, {144.0f, 64.0f}, {416.0f, 32.0f}, {464.0f, 60.0f}};
    DrawBoardSprite(shopBoardTexture, MakeRect(x, y, 208, 64), Vec3{kTabAt[tab - 1][0], kTabAt[tab - 1][1], 0.0f});
}

void FieldMapScene::DrawShopList(int32_t tab) {
    const int32_t table = TableOfShopTab(tab);
    const Texture* names = SheetsOf(*this, table).names;
    const int32_t first = shopRow - shopCursorSlot;
    for (int32_t k = 0; k < 5; ++k) {
        const EquipmentStatusBase* record = TableRecord(table, first + k);
        if (record == nullptr) continue;
        DrawBoardRowSprite(names, NameCellOf(table, first + k), k);
        DrawPrice(TableStatus(table, first + k).price, k, record->owned);
    }
    DrawPart(30, Vec3{});
    if (TableRecord(table, shopRow) == nullptr) return;
    DrawMapSprite(SheetsOf(*this, table).descriptions, DescriptionCellOf(table, shopRow), nullptr,
                  Add(boardPosition, 736.0f, 96.0f));
}

void FieldMapScene::DrawPart(int32_t partId, Vec3 position) {
    const int32_t p = pulseCounter;
    const uint32_t pulse = AlphaWhite(p < 60 ? 2 * p + 60 : 2 * (150 - p));
    const int32_t frame = spriteFrameCounter / 2;
    const int32_t s = swingCounter;
    const Vec3 b = boardPosition;

    switch (partId) {
        case 1: {
            const Texture* map = timeOfDay == 1 ? worldMapDayTexture : worldMapNightTexture;
            DrawMapSprite(map, WholeOf(map), nullptr, Vec3{});
            return;
        }
        case 2: {
            static const Vec3 kCentre{64.0f, 64.0f, 0.0f};
            for (int32_t i = 0; i < 2; ++i) {
                const int32_t alpha = (timeOfDay == i + 1) ? timeRingAlpha + 15 : timeRingAlpha / 2;
                DrawMapSprite(timeTexture, MakeRect(128 * i, 0, 128, 128), &kCentre, timeIconPositions[i],
                              AlphaWhite(alpha));
            }
            return;
        }
        case 3: {
            static const Vec3 kCentre{64.0f, 64.0f, 0.0f};
            for (int32_t k = 0; k < 3; ++k) {
                const int32_t alpha = (difficultyChoice == k + 1) ? difficultyRingAlpha + 15 : difficultyRingAlpha / 2;
                DrawMapSprite(difficultyIconTexture, MakeRect(128 * k, 0, 128, 128), &kCentre,
                              difficultyIconPositions[k], AlphaWhite(alpha));
            }
            return;
        }
        case 4: {
            static const Vec3 kCentre{32.0f, 128.0f, 0.0f};
            DrawMapSprite(arrowTexture, WholeOf(arrowTexture), &kCentre, arrowPosition);
            return;
        }
        case 5: {
            static const Vec3 kCentre{128.0f, 32.0f, 0.0f};
            for (int32_t i = 0; i < kMapLocationCount; ++i) {
                DrawMapSprite(fieldBalloonTexture, MakeRect(0, 64 * i, 256, 64), &kCentre, kMapLocations[i]);
            }
            return;
        }
        case 6: {
            static const Vec3 kCentre{0.0f, 256.0f, 0.0f};
            DrawMapSprite(textBoxTexture, WholeOf(textBoxTexture), &kCentre, Vec3{0.0f, 720.0f, 0.0f});
            return;
        }
        case 7: {
            static const Vec3 kCentre{0.0f, 256.0f, 0.0f};
            const Texture* text = nullptr;
            int32_t band = 0;
            if (mode == kMapLocationSelect) {
                text = fieldTextTexture;
            } else if (mode == kMapTimeRing) {
                text = timeTextTexture;
                band = timeOfDay == 1 ? 0 : 1;
            } else if (mode == kMapDifficultyRing) {
                text = difficultyTextTexture;
                band = std::clamp(difficultyChoice, 1, 3) - 1;
            }
            if (text != nullptr) DrawMapSprite(text, MakeRect(0, 256 * band, 1280, 256), &kCentre, Vec3{0.0f, 720.0f, 0.0f});
            return;
        }
        case 10: DrawMapSprite(statusBoardTexture, WholeOf(statusBoardTexture), nullptr, b); return;
        case 11:
            if (statusRow < 1 || statusRow > 9) return;
            DrawMapSprite(publicStatusTextTexture, MakeRect(480 * (statusRow - 1), 0, 480, 544), nullptr,
                          Add(b, 704.0f, 96.0f));
            DrawPart(31 + statusRow, Add(b, 784.0f, 144.0f));
            return;
        case 12: DrawStatusNumbers(); return;
        case 13:
        case 17: {
            static const Vec3 kCentre{32.0f, 0.0f, 0.0f};
            Matrix m = MatrixMultiply(MatrixScaling(0.5f, 0.5f, 0.5f), MatrixRotationZ(-90.0f * kDegToRad));
            m = MatrixMultiply(m, MatrixTranslation(highlightPosition.x, highlightPosition.y, highlightPosition.z));
            SpriteBatch->SetTransform(m);
            const Rect whole = WholeOf(arrowTexture);
            SpriteBatch->Draw(arrowTexture, &whole, &kCentre, nullptr, kOpaqueWhite);
            SpriteBatch->SetTransform(MatrixIdentity());
            return;
        }
        case 14:
            DrawMapSprite(equipBoardTexture, Rect{0, 0, 1280, 720}, nullptr, b);
            if (choiceSlot == -1) DrawEquipBoardNames();
            return;
        case 15: DrawChoiceComparison(); return;
        case 16: DrawChoicePanel(); return;
        case 18: DrawMapSprite(shopBoardTexture, Rect{0, 0, 1280, 720}, nullptr, b); return;
        case 19:
        case 20:
        case 21:
        case 22: DrawShopTab(partId); return;
        case 23:
        case 24:
        case 25:
        case 26: DrawShopList(partId - 22); return;
        case 27: {
            static const Vec3 kCoinCentre{32.0f, 32.0f, 0.0f};
            DrawMapSprite(ItemChipTexture, MakeRect(64 * frame, 0, 64, 64), &kCoinCentre, Add(b, 960.0f, 68.0f));
            DrawDigits(MoneyTexture, playerMoney, 6, b.x + 1136.0f, b.y + 68.0f, true);
            return;
        }
        case 28: {
            static const Vec3 kCentre{272.0f, 80.0f, 0.0f};
            DrawMapSprite(shopBoardTexture, Rect{544, 864, 1088, 1024}, &kCentre, Add(b, position.x, position.y));
            return;
        }
        case 29: {
            static const Vec3 kCentre{128.0f, 168.0f, 0.0f};
            DrawMapSprite(menuTexture, Rect{0, 0, 256, 336}, &kCentre, Vec3{640.0f, 360.0f, 0.0f});
            static constexpr float kRowY[3] = {48.0f, 144.0f, 240.0f};
            if (menuRow < 1 || menuRow > 3) return;
            DrawMapSprite(menuTexture, Rect{0, 336, 224, 384}, nullptr, Vec3{640.0f, 192.0f + kRowY[menuRow - 1], 0.0f},
                          pulse);
            return;
        }
        case 30:
            DrawMapSprite(shopBoardTexture, Rect{0, 864, 544, 944}, nullptr,
                          Add(b, 112.0f, 112.0f * static_cast<float>(shopCursorSlot) + 128.0f), pulse);
            return;
        case 31: {
            static const Vec3 kCentre{96.0f, 24.0f, 0.0f};
            DrawMapSprite(shopBoardTexture, Rect{896, 816, 1088, 864}, &kCentre, Add(b, position.x, position.y));
            return;
        }
        case 32:
        case 33:
        case 34:
        case 35:
        case 36:
        case 37:
        case 38: {
            static const Vec3 kCentre{32.0f, 32.0f, 0.0f};
            DrawMapSprite(StatusIconTexture, MakeRect(64 * (partId - 32), 0, 64, 64), &kCentre, position);
            return;
        }
        case 39:
        case 40: {
            static const Vec3 kCentre{32.0f, 32.0f, 0.0f};
            DrawMapSprite(ItemChipTexture, MakeRect(64 * frame, partId == 39 ? 64 : 128, 64, 64), &kCentre, position);
            return;
        }
        case 91:
            DrawRotatedAboutCentre(InputSetTexture, Rect{0, 0, 128, 128}, Vec3{64.0f, 64.0f, 0.0f}, position,
                                   static_cast<float>(s < 60 ? s - 30 : 90 - s));
            return;
        case 92:
        case 93: {
            static const Vec3 kCentre{32.0f, 32.0f, 0.0f};
            const int32_t top = partId == 92 ? 128 : 192;
            DrawMapSprite(InputSetTexture, MakeRect(s < 60 ? 0 : 64, top, 64, 64), &kCentre, position);
            return;
        }
        case 94: {
            // The two halves drift apart and back in over the swing.
            static const Vec3 kCentre{32.0f, 32.0f, 0.0f};
            const float out = static_cast<float>(s < 60 ? s / 2 : 30 - (s - 60) / 2);
            DrawMapSprite(InputSetTexture, Rect{0, 256, 64, 320}, &kCentre, Add(position, -30.0f - out, 0.0f));
            DrawMapSprite(InputSetTexture, Rect{64, 256, 128, 320}, &kCentre, Add(position, 30.0f + out, 0.0f));
            return;
        }
        default:
            return;
    }
}
