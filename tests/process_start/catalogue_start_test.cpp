// The equipment catalogue as the first game of the process finds it.
#include <gtest/gtest.h>

#include "app/scene_flow.h"
#include "core/equipment.h"
#include "support/game_holder.h"

namespace {

template <typename Record, size_t N>
int OwnedMask(const Record (&table)[N]) {
    int mask = 0;
    for (size_t i = 0; i < N; ++i) mask |= table[i].owned << i;
    return mask;
}

TEST(CatalogueAtProcessStart, ANewGameOwnsTheFirstWeaponsArmourAndEveryShotStyle) {
    testsupport::GameHolder game;
    StartNewGame();
    EXPECT_EQ(OwnedMask(EquipmentCatalogue.weaponA), 0b1);
    EXPECT_EQ(OwnedMask(EquipmentCatalogue.weaponB), 0b1);
    EXPECT_EQ(OwnedMask(EquipmentCatalogue.armour), 0b1);
    EXPECT_EQ(OwnedMask(EquipmentCatalogue.accessories), 0);
    EXPECT_EQ(OwnedMask(EquipmentCatalogue.shotStyles), 0b111);
    EXPECT_EQ(EquippedSlots.accessory1, -1);
    EXPECT_EQ(EquippedSlots.accessory2, -1);
    EXPECT_EQ(EquippedSlots.shotStyle, 0);
}

}  // namespace
