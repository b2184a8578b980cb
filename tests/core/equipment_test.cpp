#include <gtest/gtest.h>

#include "core/equipment.h"

namespace {

void ExpectStatus(const EquipmentStatus& s, const EquipmentStatus& e) {
    EXPECT_EQ(s.maxHp, e.maxHp);
    EXPECT_EQ(s.maxSp, e.maxSp);
    EXPECT_EQ(s.attack, e.attack);
    EXPECT_EQ(s.attack2, e.attack2);
    EXPECT_EQ(s.defense, e.defense);
    EXPECT_EQ(s.defense2, e.defense2);
    EXPECT_EQ(s.price, e.price);
}

TEST(EquipmentCatalogue, AccessoryThreeTradesHpForPower) {
    ResetAccessoryTable();
    ExpectStatus(GetAccessoryStatus(3), {-50, 20, 5, 5, -5, -5, 60000});
}

TEST(EquipmentCatalogue, AnIndexOutsideItsTableReadsAsZeros) {
    ResetWeaponTables();
    ResetEquipmentTable();
    ResetAccessoryTable();
    ResetShotStyleTable();
    const EquipmentStatus zero{};
    ExpectStatus(GetAccessoryStatus(-1), zero);  // an empty accessory slot
    ExpectStatus(GetAccessoryStatus(6), zero);
    ExpectStatus(GetWeaponAStatus(7), zero);
    ExpectStatus(GetWeaponBStatus(-1), zero);
    ExpectStatus(GetEquipmentStatus(7), zero);
    ExpectStatus(GetShotStyleStatus(3), zero);
    // The last record of each table is still read.
    ExpectStatus(GetWeaponAStatus(6), {0, 0, 0, 20, 0, -15, 192000});
    ExpectStatus(GetAccessoryStatus(5), {30, 0, -3, -3, 5, 5, 60000});
    ExpectStatus(GetShotStyleStatus(2), {0, 0, 5, 5, 0, 0, 0});
}

}  // namespace
