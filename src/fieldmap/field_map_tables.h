#pragma once
// How the map's boards reach the equipment catalogue: the table behind each
// equip-board row and shop tab, its records, and the equipped index of a row.
#include <cstdint>

#include "core/equipment.h"

enum MapEquipmentTable : int32_t {
    kTableNone = -1,
    kTableWeaponA = 0,
    kTableWeaponB = 1,
    kTableArmour = 2,
    kTableAccessory = 3,
    kTableShotStyle = 4,
};

// Equip rows 1..6: weapon A, weapon B, armour, accessory slot 1, slot 2, shot style.
constexpr int32_t kEquipRowCount = 6;
// Shop tabs 1..4: weapons A, weapons B, armour, accessories.
constexpr int32_t kShopTabCount = 4;

int32_t TableOfEquipRow(int32_t row);
int32_t TableOfShopTab(int32_t tab);
int32_t TableSize(int32_t table);
// The record's six stats and price through the catalogue's getter; zeros for
// an index outside the table.
EquipmentStatus TableStatus(int32_t table, int32_t index);
// The catalogue record itself, or null outside the table.
EquipmentStatusBase* TableRecord(int32_t table, int32_t index);
// The equipped index that row 1..6 changes, or null for another row.
int32_t* EquippedIndexOfRow(int32_t row);
// Stat 1 max HP, 2 max SP, 3 attack, 4 defense, 5 attack2, 6 defense2.
int32_t StatOf(const EquipmentStatus& s, int32_t statIndex);
