#include "fieldmap/field_map_scene.h"

#include <cmath>

#include "core/equipment.h"
#include "core/fade.h"
#include "core/field_globals.h"
#include "core/game_codes.h"
#include "core/player.h"
#include "fieldmap/field_map_tables.h"
#include "platform/input.h"

const Vec3 kMapLocations[kMapLocationCount] = {
        {213.0f, 360.0f, 0.0f},   // grass plain
        {640.0f, 360.0f, 0.0f},   // canyon
        {1067.0f, 360.0f, 0.0f},  // cave
};

const float kEquipRowY[6] = {254.0f, 318.0f, 382.0f, 446.0f, 478.0f, 542.0f};

namespace {

constexpr int16_t kStickThreshold = 15000;
// Pad buttons whose release frees the latch: X, A, LB, RB and START.
constexpr uint16_t kLatchPadMask = PAD_X | PAD_A | PAD_LB | PAD_RB | PAD_START;
// Keys whose release frees the latch; the arrow keys Left and Right are not among them.
constexpr uint8_t kLatchKeys[] = {KEY_Q,      KEY_W,     KEY_E,  KEY_A,    KEY_S,     KEY_D,
                                  KEY_LSHIFT, KEY_SPACE, KEY_UP, KEY_DOWN, KEY_RETURN};

constexpr int32_t kSlideFrames = 30;  // rings, arrow moves and board slides
constexpr int32_t kStepFrames = 10;   // row moves and menu actions
constexpr float kRingRadius = 80.0f;
constexpr float kRingGrowth = 2.666f;
constexpr int32_t kRingAlphaStep = 8;
constexpr float kBoardSlideStep = 24.0f;

bool KeyDown(uint8_t key) { return (KeyboardState[key] & 0x80) != 0; }
bool PadDown(uint16_t mask) { return (PadState.gamepad.buttons & mask) != 0; }

bool LeftHeld() { return PadState.gamepad.thumbLX < -kStickThreshold || KeyDown(KEY_A); }
bool RightHeld() { return PadState.gamepad.thumbLX > kStickThreshold || KeyDown(KEY_D); }
bool DownHeld() { return PadState.gamepad.thumbLY < -kStickThreshold || KeyDown(KEY_S); }
bool UpHeld() { return PadState.gamepad.thumbLY > kStickThreshold || KeyDown(KEY_W); }
bool ConfirmHeld() { return PadDown(PAD_X) || KeyDown(KEY_SPACE); }
bool MenuHeld() { return PadDown(PAD_START) || KeyDown(KEY_RETURN); }
bool CancelHeld() { return PadDown(PAD_A) || KeyDown(KEY_LSHIFT); }
bool PreviousTabHeld() { return PadDown(PAD_LB) || KeyDown(KEY_LEFT); }
bool NextTabHeld() { return PadDown(PAD_RB) || KeyDown(KEY_RIGHT); }

bool KeyboardIdle() {
    for (uint8_t key : kLatchKeys) {
        if (KeyDown(key)) return false;
    }
    return true;
}

bool Cleared(int32_t field) { return FieldClearFlags[field - 1] == 1; }

// Field id from the location 1..3 and the time of day: the cave has no night.
int32_t FieldIdOf(int32_t location, int32_t timeOfDay) {
    if (location == 3) return 5;
    return 2 * (location - 1) + (timeOfDay == 1 ? 1 : 2);
}

}  // namespace

FieldMapScene::FieldMapScene() = default;

void FieldMapScene::StartAnimation(int32_t id, int32_t frames) {
    animationId = id;
    cooldown = frames;
}

int32_t FieldMapScene::Update() {
    spriteFrameCounter = spriteFrameCounter >= 19 ? 0 : spriteFrameCounter + 1;
    pulseCounter = pulseCounter >= 120 ? 0 : pulseCounter + 1;
    swingCounter = swingCounter >= 119 ? 0 : swingCounter + 1;

    // Either device being idle frees the latch.
    if (cooldown == 0 && !PadDown(kLatchPadMask)) inputLatch = 0;
    if (cooldown == 0 && KeyboardIdle()) inputLatch = 0;

    // Clouds lift over a newly reached location; no input while they move.
    bool lifting = false;
    if ((Cleared(1) || Cleared(2)) && canyonCloudTimer > 0) {
        --canyonCloudTimer;
        lifting = true;
    }
    if ((Cleared(3) || Cleared(4)) && caveCloudTimer > 0) {
        --caveCloudTimer;
        lifting = true;
    }
    if (lifting) inputLatch = 1;

    if (TransitionFadeActive == 0 && cooldown == 0 && inputLatch == 0) {
        animationId = 0;
        if (LeftHeld()) {
            RunHorizontal(true);
        } else if (RightHeld()) {
            RunHorizontal(false);
        }
        if (cooldown == 0) {
            if (DownHeld()) {
                RunVertical(true);
            } else if (UpHeld()) {
                RunVertical(false);
            }
        }
        if (cooldown == 0 && ConfirmHeld()) {
            inputLatch = 1;
            RunConfirm();
        }
        if (cooldown == 0 && MenuHeld()) {
            inputLatch = 1;
            if (mode == kMapLocationSelect) {
                mode = kMapMainMenu;
                StartAnimation(10, kStepFrames);
            }
        }
        if (cooldown == 0 && CancelHeld()) {
            inputLatch = 1;
            RunCancel();
        }
        if (cooldown == 0 && PreviousTabHeld()) {
            inputLatch = 1;
            ChangeShopTab(-1);
        }
        if (cooldown == 0 && NextTabHeld()) {
            inputLatch = 1;
            ChangeShopTab(1);
        }
    }

    // The arrow bobs on a 120-frame cycle whose offsets cancel out.
    const int32_t c = arrowBobCounter;
    if (c < 30) {
        arrowPosition.y += 1.2f - 0.04f * static_cast<float>(c);
    } else if (c < 60) {
        arrowPosition.y -= 0.04f * static_cast<float>(c - 30);
    } else if (c < 90) {
        arrowPosition.y -= 1.2f - 0.04f * static_cast<float>(c - 60);
    } else if (c < 120) {
        arrowPosition.y += 0.04f * static_cast<float>(c - 90);
    }
    arrowBobCounter = c < 120 ? c + 1 : 0;

    if (cooldown > 0) {
        StepAnimation(cooldown);
        --cooldown;
    }

    // The entry fade is black at 60: the field starts now.
    if (TransitionFadeReached(kFadeFieldEntry)) {
        Difficulty = difficultyChoice;
        mode = kMapLocationSelect;
        cooldown = 0;
        animationId = 0;
        timeRingAlpha = 0;
        difficultyRingAlpha = 0;
        selectedField = FieldIdOf(selectedField, timeOfDay);
        return selectedField;
    }
    return 0;
}

void FieldMapScene::RunHorizontal(bool left) {
    switch (mode) {
        case kMapLocationSelect: {
            const bool canMove = left ? locationCursor > 0
                                      : (locationCursor == 0 && (Cleared(1) || Cleared(2))) ||
                                                (locationCursor == 1 && (Cleared(3) || Cleared(4)));
            if (!canMove) return;
            arrowFrom = kMapLocations[locationCursor];
            locationCursor += left ? -1 : 1;
            arrowTo = kMapLocations[locationCursor];
            StartAnimation(1, kSlideFrames);
            return;
        }
        case kMapTimeRing:
            timeOfDay = timeOfDay == 1 ? 2 : 1;
            StartAnimation(left ? 3 : 4, kSlideFrames);
            return;
        case kMapDifficultyRing:
            // Left turns 1 -> 2 -> 3 -> 1, right the other way.
            difficultyChoice = left ? difficultyChoice % 3 + 1 : (difficultyChoice + 1) % 3 + 1;
            StartAnimation(left ? 7 : 8, kSlideFrames);
            return;
        case kMapBuyConfirm:
            if (left && buyChoice == 0) {
                buyChoice = 1;
                StartAnimation(32, kStepFrames);
            } else if (!left && buyChoice == 1) {
                buyChoice = 0;
                StartAnimation(33, kStepFrames);
            }
            return;
        default:
            return;
    }
}

void FieldMapScene::RunVertical(bool down) {
    const int32_t step = down ? 1 : -1;
    switch (mode) {
        case kMapMainMenu:
            if (down ? menuRow < 3 : menuRow > 1) {
                menuRow += step;
                StartAnimation(down ? 13 : 12, kStepFrames);
            }
            return;
        case kMapStatusBoard:
            if (down ? statusRow < 9 : statusRow > 1) {
                statusRow += step;
                StartAnimation(down ? 16 : 15, kStepFrames);
            }
            return;
        case kMapEquipBoard:
            if (down ? boardRow < kEquipRowCount : boardRow > 1) {
                boardRow += step;
                StartAnimation(down ? 20 : 19, kStepFrames);
            }
            return;
        case kMapEquipChoice: {
            if (choiceIndex == -1) return;
            const int32_t next = NextEligible(choiceSlot, choiceIndex, step);
            animationId = 0;
            if (next != -1) {
                choiceIndex = next;
                animationId = down ? 24 : 23;
            }
            cooldown = kStepFrames;
            return;
        }
        case kMapShop: {
            // The list shows five rows; the cursor stays in the middle slot
            // while the list scrolls.
            const bool accessories = boardRow == 4;
            if (down) {
                if (shopRow >= (accessories ? 5 : 6)) return;
                ++shopRow;
                const bool scrolls = accessories ? shopRow == 3 : (shopRow == 3 || shopRow == 4);
                if (!scrolls) ++shopCursorSlot;
                StartAnimation(28, kStepFrames);
            } else {
                if (shopRow <= 0) return;
                --shopRow;
                const bool scrolls = accessories ? shopRow == 2 : (shopRow == 2 || shopRow == 3);
                if (!scrolls) --shopCursorSlot;
                StartAnimation(27, kStepFrames);
            }
            return;
        }
        default:
            return;
    }
}

void FieldMapScene::RunConfirm() {
    switch (mode) {
        case kMapLocationSelect:
            selectedField = locationCursor + 1;
            if (selectedField == 3) {
                mode = kMapDifficultyRing;  // the cave has no time ring
                StartAnimation(6, kSlideFrames);
            } else {
                mode = kMapTimeRing;
                StartAnimation(2, kSlideFrames);
            }
            return;
        case kMapTimeRing:
            mode = kMapDifficultyRing;
            StartAnimation(6, kSlideFrames);
            return;
        case kMapDifficultyRing:
            mode = kMapEntering;
            BeginTransitionFade(kFadeFieldEntry);
            StartAnimation(34, kSlideFrames);
            return;
        case kMapMainMenu:
            if (menuRow == 1) {
                mode = kMapStatusBoard;
                highlightPosition = Vec3{64.0f, -626.0f, 0.0f};
                StartAnimation(14, kSlideFrames);
            } else if (menuRow == 2) {
                mode = kMapEquipBoard;
                highlightPosition = Vec3{64.0f, -466.0f, 0.0f};
                boardRow = 1;
                StartAnimation(18, kSlideFrames);
            } else if (menuRow == 3) {
                mode = kMapShop;
                boardRow = 1;
                shopRow = 0;
                shopCursorSlot = 0;
                StartAnimation(26, kSlideFrames);
            }
            return;
        case kMapEquipBoard:
            mode = kMapEquipChoice;
            choiceSlot = boardRow;
            highlightPosition = Vec3{260.0f, 320.0f, 0.0f};
            choiceIndex = NextEligible(choiceSlot, -1, 1);
            StartAnimation(22, kStepFrames);
            return;
        case kMapEquipChoice:
            if (choiceIndex == -1) return;
            if (int32_t* equipped = EquippedIndexOfRow(choiceSlot)) *equipped = choiceIndex;
            ApplyEquipment(choiceSlot);
            ReturnToEquipBoard();
            return;
        case kMapShop: {
            // An owned or unaffordable record does nothing at all.
            const EquipmentStatusBase* record = TableRecord(TableOfShopTab(boardRow), shopRow);
            if (record == nullptr || record->owned == 1) return;
            if (TableStatus(TableOfShopTab(boardRow), shopRow).price > ThePlayer.Money) return;
            mode = kMapBuyConfirm;
            buyChoice = 1;
            StartAnimation(31, kStepFrames);
            return;
        }
        case kMapBuyConfirm:
            if (buyChoice == 1) {
                if (EquipmentStatusBase* record = TableRecord(TableOfShopTab(boardRow), shopRow)) {
                    record->owned = 1;
                    ThePlayer.Money -= TableStatus(TableOfShopTab(boardRow), shopRow).price;
                }
                mode = kMapShop;
                StartAnimation(33, kStepFrames);
            } else {
                mode = kMapShop;
                StartAnimation(33, 20);
            }
            return;
        default:
            return;
    }
}

void FieldMapScene::RunCancel() {
    switch (mode) {
        case kMapTimeRing:
            mode = kMapLocationSelect;
            StartAnimation(5, kSlideFrames);
            return;
        case kMapDifficultyRing:
            mode = selectedField == 3 ? kMapLocationSelect : kMapTimeRing;
            StartAnimation(9, kSlideFrames);
            return;
        case kMapMainMenu:
            mode = kMapLocationSelect;
            menuRow = 1;
            StartAnimation(11, kStepFrames);
            return;
        case kMapStatusBoard:
            mode = kMapLocationSelect;
            menuRow = 1;
            statusRow = 1;
            StartAnimation(17, kSlideFrames);
            return;
        case kMapEquipBoard:
            mode = kMapLocationSelect;
            menuRow = 1;
            StartAnimation(21, kSlideFrames);
            return;
        case kMapEquipChoice:
            ReturnToEquipBoard();
            return;
        case kMapShop:
            mode = kMapLocationSelect;
            menuRow = 1;
            boardRow = -1;
            StartAnimation(29, kSlideFrames);
            return;
        case kMapBuyConfirm:
            mode = kMapShop;
            StartAnimation(33, 20);
            return;
        default:
            return;
    }
}

void FieldMapScene::ReturnToEquipBoard() {
    mode = kMapEquipBoard;
    choiceSlot = -1;
    choiceIndex = -1;
    const float rowY = (boardRow >= 1 && boardRow <= kEquipRowCount) ? kEquipRowY[boardRow - 1] : 0.0f;
    highlightPosition = Vec3{64.0f, rowY, 0.0f};
    StartAnimation(25, kStepFrames);
}

void FieldMapScene::ChangeShopTab(int32_t step) {
    if (mode != kMapShop) return;
    const int32_t tab = boardRow + step;
    if (tab < 1 || tab > kShopTabCount) return;
    boardRow = tab;
    StartAnimation(30, kStepFrames);
    shopRow = 0;
    shopCursorSlot = 0;
}

bool FieldMapScene::IsEligible(int32_t row, int32_t index) const {
    const int32_t table = TableOfEquipRow(row);
    const EquipmentStatusBase* record = TableRecord(table, index);
    if (record == nullptr) return false;
    switch (table) {
        case kTableAccessory:
            // An accessory worn in either slot is never offered again.
            return record->owned == 1 && index != EquippedSlots.accessory1 && index != EquippedSlots.accessory2;
        case kTableShotStyle:
            // Every shot style is owned from the start.
            return index != EquippedSlots.shotStyle;
        default:
            return record->owned == 1 && index != *EquippedIndexOfRow(row);
    }
}

int32_t FieldMapScene::NextEligible(int32_t row, int32_t from, int32_t step) const {
    const int32_t size = TableSize(TableOfEquipRow(row));
    for (int32_t i = from + step; i >= 0 && i < size; i += step) {
        if (IsEligible(row, i)) return i;
    }
    return -1;
}

void FieldMapScene::ApplyEquipment(int32_t row) {
    if (row < 1 || row > kEquipRowCount) return;
    // Slot kinds: 0 weapon A, 1 weapon B, 2 armour, 3 accessory, 4 shot style.
    static constexpr int32_t kSlotKind[kEquipRowCount] = {0, 1, 2, 3, 3, 4};
    const EquipmentStatus s = TableStatus(TableOfEquipRow(row), choiceIndex);
    SetPlayerEquipmentStatus(kSlotKind[row - 1], row == 5 ? 1 : 0, s.maxHp, s.maxSp, s.attack, s.attack2,
                             s.defense, s.defense2, 0.0f);
}

namespace {

// Ring icons sit on a circle around the location under the arrow, 20 px above it.
void PlaceRingIcons(const Vec3& location, const float* angles, Vec3* positions, int count, float radius) {
    for (int i = 0; i < count; ++i) {
        const double a = static_cast<double>(angles[i] * kDegToRad);
        positions[i] = Vec3{location.x + radius * static_cast<float>(std::cos(a)),
                            location.y - 20.0f + radius * static_cast<float>(std::sin(a)), 0.0f};
    }
}

}  // namespace

void FieldMapScene::PlaceTimeIcons(float radius) {
    PlaceRingIcons(kMapLocations[locationCursor], timeIconAngles, timeIconPositions, 2, radius);
}

void FieldMapScene::PlaceDifficultyIcons(float radius) {
    PlaceRingIcons(kMapLocations[locationCursor], difficultyIconAngles, difficultyIconPositions, 3, radius);
}

void FieldMapScene::StepAnimation(int32_t cd) {
    const float growing = kRingRadius - kRingGrowth * static_cast<float>(cd);
    const float shrinking = kRingGrowth * static_cast<float>(cd);
    auto turnTime = [this](float by) {
        timeIconAngles[0] += by;
        timeIconAngles[1] += by;
    };
    auto turnDifficulty = [this](float by) {
        for (float& a : difficultyIconAngles) a += by;
    };
    auto openTime = [&] {
        turnTime(12.0f);
        PlaceTimeIcons(growing);
        timeRingAlpha += kRingAlphaStep;
    };
    auto closeTime = [&] {
        turnTime(-12.0f);
        PlaceTimeIcons(shrinking);
        timeRingAlpha -= kRingAlphaStep;
    };
    auto closeDifficulty = [&] {
        turnDifficulty(18.0f);
        PlaceDifficultyIcons(shrinking);
        difficultyRingAlpha -= kRingAlphaStep;
    };
    auto slideHighlight = [this](float by) { highlightPosition.y += by; };

    switch (animationId) {
        case 1:
            arrowPosition.x += (arrowTo.x - arrowFrom.x) / 30.0f;
            arrowPosition.y += (arrowTo.y - arrowFrom.y) / 30.0f;
            break;
        case 2: openTime(); break;
        case 3:
            turnTime(-6.0f);
            PlaceTimeIcons(kRingRadius);
            break;
        case 4:
            turnTime(6.0f);
            PlaceTimeIcons(kRingRadius);
            break;
        case 5: closeTime(); break;
        case 6:
            closeTime();
            turnDifficulty(-18.0f);
            PlaceDifficultyIcons(growing);
            difficultyRingAlpha += kRingAlphaStep;
            break;
        case 7:
            turnDifficulty(-4.0f);
            PlaceDifficultyIcons(kRingRadius);
            break;
        case 8:
            turnDifficulty(4.0f);
            PlaceDifficultyIcons(kRingRadius);
            break;
        case 9:
            openTime();
            closeDifficulty();
            break;
        case 14:
        case 18:
        case 26:
            boardPosition.y += kBoardSlideStep;
            slideHighlight(kBoardSlideStep);
            break;
        case 17:
        case 21:
        case 29:
            boardPosition.y -= kBoardSlideStep;
            slideHighlight(-kBoardSlideStep);
            break;
        case 15:  // status rows are 64 px apart around the level, money and attack lines
            slideHighlight(statusRow == 1 || statusRow == 3 || statusRow == 7 || statusRow == 9 ? -6.4f : -3.2f);
            break;
        case 16:
            slideHighlight(statusRow == 2 || statusRow == 4 || statusRow == 8 ? 6.4f : 3.2f);
            break;
        case 19:  // equip rows are 64 px apart except between the two accessory slots
            slideHighlight(boardRow == 1 || boardRow == 2 || boardRow == 3 || boardRow == 5 ? -6.4f : -3.2f);
            break;
        case 20:
            slideHighlight(boardRow == 2 || boardRow == 3 || boardRow == 4 || boardRow == 6 ? 6.4f : 3.2f);
            break;
        case 23: slideHighlight(-3.6f); break;
        case 24: slideHighlight(3.6f); break;
        case 34: closeDifficulty(); break;
        default:
            break;  // the other ids only mark an action for the drawing
    }
}
