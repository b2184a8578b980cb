#include "core/equipment.h"

EquippedSlotSet EquippedSlots;
EquipmentCatalogueTables EquipmentCatalogue;

int32_t EquipmentStatusBase::Buy() { return 0; }
void EquipmentStatusBase::SetStatus(int32_t, int32_t, int32_t, int32_t, int32_t, int32_t, int32_t) {}
EquipmentStatus GetWeaponAStatus(int32_t) { return {}; }
EquipmentStatus GetWeaponBStatus(int32_t) { return {}; }
EquipmentStatus GetEquipmentStatus(int32_t) { return {}; }
EquipmentStatus GetAccessoryStatus(int32_t) { return {}; }
EquipmentStatus GetShotStyleStatus(int32_t) { return {}; }
int32_t GetEquippedShotStyle() { return EquippedSlots.shotStyle; }
int32_t GetMoney() { return 0; }
void SetMoney(int32_t) {}
void ResetWeaponTables() {}
void ResetEquipmentTable() {}
void ResetAccessoryTable() {}
void ResetShotStyleTable() {}

ShotStyleTableInitializer::ShotStyleTableInitializer() = default;
