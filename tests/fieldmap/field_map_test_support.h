#pragma once
// A world map on a clean slate: no input, no fade, nothing cleared, the
// catalogue as a new game leaves it (first weapons and armour owned, all shot
// styles owned), nothing equipped but the first records.
#include <gtest/gtest.h>

#include <cstring>

#include "core/equipment.h"
#include "core/fade.h"
#include "core/field_globals.h"
#include "core/player.h"
#include "fieldmap/field_map_scene.h"
#include "platform/input.h"

class FieldMapTest : public ::testing::Test {
protected:
    void SetUp() override { ResetWorld(); }
    void TearDown() override { ResetWorld(); }

    static void ResetWorld() {
        std::memset(KeyboardState, 0, sizeof(KeyboardState));
        PadState = PadStateRecord{};
        TransitionFadeActive = 0;
        TransitionFadeCounter = 0;
        TransitionFadeCode = 0;
        for (int32_t& f : FieldClearFlags) f = 0;
        Difficulty = 0;
        EquippedSlots = EquippedSlotSet{};
        auto clear = [](EquipmentStatusBase& r, int32_t owned) {
            r.status = EquipmentStatus{};
            r.owned = owned;
        };
        for (int i = 0; i < kWeaponCount; ++i) {
            clear(EquipmentCatalogue.weaponA[i], i == 0);
            clear(EquipmentCatalogue.weaponB[i], i == 0);
        }
        for (int i = 0; i < kArmourCount; ++i) clear(EquipmentCatalogue.armour[i], i == 0);
        for (Accessory& a : EquipmentCatalogue.accessories) clear(a, 0);
        for (ShotStyle& s : EquipmentCatalogue.shotStyles) clear(s, 1);
        ThePlayer.Money = 0;
    }

    // Runs frames with no input until the running animation has ended.
    void Settle() {
        for (int i = 0; i < 400 && scene.cooldown > 0; ++i) scene.Update();
    }
    // One frame with the key held, then the animation it started plays out.
    int32_t Tap(uint8_t key) {
        KeyboardState[key] = 0x80;
        const int32_t r = scene.Update();
        KeyboardState[key] = 0;
        Settle();
        return r;
    }
    void OpenMenuRow(int32_t row) {
        Tap(KEY_RETURN);
        for (int32_t r = 1; r < row; ++r) Tap(KEY_S);
        Tap(KEY_SPACE);
    }
    void SetRecord(EquipmentStatusBase& r, EquipmentStatus s, int32_t owned) {
        r.status = s;
        r.owned = owned;
    }

    FieldMapScene scene;
};
