// The world map's layers, the cloud cover and the stat lines.
#include "core/equipment.h"
#include "fieldmap/field_map_scene.h"
#include "fieldmap/field_map_sprites.h"
#include "fieldmap/field_map_tables.h"
#include "platform/graphics.h"

void FieldMapScene::Draw() {
    const Vec3 origin{};
    SpriteBatch->SetTransform(MatrixIdentity());

    DrawPart(1, origin);
    DrawPart(5, origin);
    DrawCloudCover();
    // The rings stay on screen while they close.
    if (selectedField != 3 && (mode == kMapTimeRing || animationId == 5 || animationId == 6)) DrawPart(2, origin);
    if (mode == kMapDifficultyRing || animationId == 9 || animationId == 34) DrawPart(3, origin);
    DrawPart(4, origin);
    DrawPart(6, origin);
    DrawPart(7, origin);
    DrawPart(91, Vec3{1184.0f, 96.0f, 0.0f});

    // The left/right hint beside the location balloon.
    const Vec3& here = kMapLocations[locationCursor];
    if (mode == kMapLocationSelect || mode == kMapMainMenu) {
        DrawPart(94, Vec3{here.x, here.y + 60.0f, here.z});
    } else if (mode == kMapTimeRing || mode == kMapDifficultyRing) {
        DrawPart(94, Vec3{here.x, here.y + 120.0f, here.z});
    }

    // Boards stay drawn while they slide out.
    if (mode == kMapStatusBoard || animationId == 17) {
        DrawPart(10, origin);
        DrawPart(11, origin);
        DrawPart(12, origin);
        DrawPart(13, origin);
    } else if (mode == kMapEquipBoard || mode == kMapEquipChoice || animationId == 21) {
        DrawPart(14, origin);
        DrawPart(15, origin);
        if (mode == kMapEquipBoard) {
            // An empty accessory slot shows no stat lines.
            const int32_t* worn = EquippedIndexOfRow(boardRow);
            if (worn != nullptr && *worn != -1) DrawItemStatLines(TableOfEquipRow(boardRow), *worn, false);
        } else if (mode == kMapEquipChoice && choiceIndex != -1) {
            DrawItemStatLines(TableOfEquipRow(choiceSlot), choiceIndex, false);
        }
        if (mode == kMapEquipChoice) DrawPart(16, origin);
        DrawPart(17, origin);
    } else if (mode == kMapShop || mode == kMapBuyConfirm || animationId == 29) {
        DrawPart(18, origin);
        for (int32_t tab = 1; tab <= kShopTabCount; ++tab) {
            if (tab != boardRow) DrawPart(18 + tab, origin);
        }
        // While the board slides out no tab is current (boardRow -1).
        if (boardRow >= 1 && boardRow <= kShopTabCount) {
            DrawPart(18 + boardRow, origin);
            DrawPart(22 + boardRow, origin);
            DrawItemStatLines(TableOfShopTab(boardRow), shopRow, true);
        }
        DrawPart(27, origin);
        if (mode == kMapBuyConfirm) {
            DrawPart(28, Vec3{640.0f, 360.0f, 0.0f});
            DrawPart(31, buyChoice == 1 ? Vec3{544.0f, 392.0f, 0.0f} : Vec3{736.0f, 392.0f, 0.0f});
        }
    } else if (mode == kMapMainMenu) {
        DrawPart(29, origin);
    }
}

void FieldMapScene::DrawItemStatLines(int32_t table, int32_t index, bool shop) {
    if (table == kTableNone) return;
    const EquipmentStatus s = TableStatus(table, index);
    // statIndex 1..6 on the equip board; the shop's lines sit 32 px right and 16 px down.
    static constexpr float kAt[6][2] = {{752.0f, 496.0f}, {752.0f, 560.0f}, {912.0f, 496.0f},
                                        {1072.0f, 496.0f}, {912.0f, 560.0f}, {1072.0f, 560.0f}};
    const float dx = shop ? 32.0f : 0.0f;
    const float dy = shop ? 16.0f : 0.0f;
    for (int32_t stat = 1; stat <= 6; ++stat) {
        DrawStatLine(StatOf(s, stat), stat,
                     Vec3{boardPosition.x + kAt[stat - 1][0] + dx, boardPosition.y + kAt[stat - 1][1] + dy, 0.0f});
    }
}

void FieldMapScene::DrawStatLine(int32_t value, int32_t statIndex, Vec3 position) {
    DrawPart(32 + statIndex, position);
    DrawSignedDigits(value, position.x + 88.0f, position.y, position.x + 40.0f);
}

void FieldMapScene::DrawCloudCover() {
    if (cloudTexture == nullptr) return;
    const Rect whole{0, 0, cloudTexture->Width(), cloudTexture->Height()};
    static const Vec3 kCentre{64.0f, 64.0f, 0.0f};
    const int32_t timers[2] = {canyonCloudTimer, caveCloudTimer};
    for (int32_t i = 0; i < 2; ++i) {
        const int32_t n = timers[i];
        if (n == 0) continue;
        const uint32_t color = AlphaWhite(static_cast<int32_t>(1.416 * n));
        const float lift = static_cast<float>(720 - 4 * n);
        for (int32_t row = 0; row < 10; ++row) {
            for (int32_t col = 0; col < 6; ++col) {
                const Vec3 at{491.0f + 427.0f * static_cast<float>(i) + 64.0f * static_cast<float>(col),
                              64.0f * static_cast<float>(row) - 64.0f - lift, 0.0f};
                DrawMapSprite(cloudTexture, whole, &kCentre, at, color);
            }
        }
    }
}
