#include "fieldmap/field_map_tables.h"

int32_t TableOfEquipRow(int32_t row) {
    switch (row) {
        case 1: return kTableWeaponA;
        case 2: return kTableWeaponB;
        case 3: return kTableArmour;
        case 4:
        case 5: return kTableAccessory;
        case 6: return kTableShotStyle;
        default: return kTableNone;
    }
}

int32_t TableOfShopTab(int32_t tab) {
    return (tab >= 1 && tab <= kShopTabCount) ? tab - 1 : kTableNone;
}

int32_t TableSize(int32_t table) {
    switch (table) {
        case kTableWeaponA:
        case kTableWeaponB: return kWeaponCount;
        case kTableArmour: return kArmourCount;
        case kTableAccessory: return kAccessoryCount;
        case kTableShotStyle: return kShotStyleCount;
        default: return 0;
    }
}

EquipmentStatus TableStatus(int32_t table, int32_t index) {
    if (index < 0 || index >= TableSize(table)) return EquipmentStatus{};
    switch (table) {
        case kTableWeaponA: return GetWeaponAStatus(index);
        case kTableWeaponB: return GetWeaponBStatus(index);
        case kTableArmour: return GetEquipmentStatus(index);
        case kTableAccessory: return GetAccessoryStatus(index);
        case kTableShotStyle: return GetShotStyleStatus(index);
        default: return EquipmentStatus{};
    }
}

EquipmentStatusBase* TableRecord(int32_t table, int32_t index) {
    if (index < 0 || index >= TableSize(table)) return nullptr;
    switch (table) {
        case kTableWeaponA: return &EquipmentCatalogue.weaponA[index];
        case kTableWeaponB: return &EquipmentCatalogue.weaponB[index];
        case kTableArmour: return &EquipmentCatalogue.armour[index];
        case kTableAccessory: return &EquipmentCatalogue.accessories[index];
        case kTableShotStyle: return &EquipmentCatalogue.shotStyles[index];
        default: return nullptr;
    }
}

int32_t* EquippedIndexOfRow(int32_t row) {
    switch (row) {
        case 1: return &EquippedSlots.weaponA;
        case 2: return &EquippedSlots.weaponB;
        case 3: return &EquippedSlots.armour;
        case 4: return &EquippedSlots.accessory1;
        case 5: return &EquippedSlots.accessory2;
        case 6: return &EquippedSlots.shotStyle;
        default: return nullptr;
    }
}

int32_t StatOf(const EquipmentStatus& s, int32_t statIndex) {
    switch (statIndex) {
        case 1: return s.maxHp;
        case 2: return s.maxSp;
        case 3: return s.attack;
        case 4: return s.defense;
        case 5: return s.attack2;
        case 6: return s.defense2;
        default: return 0;
    }
}
