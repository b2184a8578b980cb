#include "core/equipment.h"

#include <iterator>

#include "core/player.h"

EquippedSlotSet EquippedSlots;
EquipmentCatalogueTables EquipmentCatalogue;

namespace {

// Max HP, max SP, attack, attack2, defense, defense2, price.
constexpr EquipmentStatus kWeaponAValues[kWeaponCount] = {
    {0, 0, 1, 0, 0, 0, 0},
    {0, 0, 2, 0, 0, 0, 11000},
    {0, 0, 3, 0, 0, 0, 17000},
    {0, 5, 4, 0, 0, 0, 50000},
    {30, 0, 1, 0, 5, 5, 75000},
    {0, 15, 6, 0, 0, 0, 156000},
    {0, 0, 0, 20, 0, -15, 192000},
};
constexpr EquipmentStatus kWeaponBValues[kWeaponCount] = {
    {0, 0, 1, 0, 0, 0, 0},
    {0, 0, 2, 0, 0, 0, 12000},
    {0, 0, 3, 0, 0, 0, 23000},
    {0, 5, 4, 0, 0, 0, 65000},
    {0, 0, 5, 0, 2, 2, 80000},
    {0, 15, 7, 0, 0, 0, 150000},
    {0, 0, 12, 0, -15, 0, 192000},
};
constexpr EquipmentStatus kArmourValues[kArmourCount] = {
    {0, 0, 0, 0, 1, 0, 0},
    {0, 0, 0, 0, 3, 0, 12000},
    {0, 0, 0, 0, 4, 1, 22000},
    {0, 0, 0, 0, 7, 4, 65000},
    {0, 0, 5, 5, 1, 1, 72000},
    {0, 0, 0, 0, 10, 6, 150000},
    {0, 0, 0, 0, 1, 18, 192000},
};
constexpr EquipmentStatus kAccessoryValues[kAccessoryCount] = {
    {-20, 10, 3, 3, -3, -3, 20000},
    {10, 5, 1, 1, 1, 1, 20000},
    {20, 0, -1, -1, 3, 3, 20000},
    {-50, 20, 5, 5, -5, -5, 60000},
    {20, 10, 2, 2, 2, 2, 60000},
    {30, 0, -3, -3, 5, 5, 60000},
};
constexpr EquipmentStatus kShotStyleValues[kShotStyleCount] = {
    {0, 0, 1, 1, 0, 0, 0},
    {0, 0, 3, 3, 0, 0, 0},
    {0, 0, 5, 5, 0, 0, 0},
};

// Writes every record of a table through its virtual SetStatus.
template <typename Record, size_t N>
void WriteTable(Record (&table)[N], const EquipmentStatus (&values)[N]) {
    for (size_t i = 0; i < N; ++i) {
        EquipmentStatusBase& record = table[i];
        const EquipmentStatus& v = values[i];
        record.SetStatus(v.maxHp, v.maxSp, v.attack, v.attack2, v.defense, v.defense2, v.price);
    }
}

// Record `index` of a table; an index outside it (an empty accessory slot is -1)
// yields all zeros.
template <typename Record, size_t N>
EquipmentStatus ReadTable(const Record (&table)[N], int32_t index) {
    if (index < 0 || static_cast<size_t>(index) >= N) return EquipmentStatus{};
    return table[index].status;
}

}  // namespace

int32_t EquipmentStatusBase::Buy() {
    owned = 1;
    return status.price;
}

void EquipmentStatusBase::SetStatus(int32_t maxHp, int32_t maxSp, int32_t attack, int32_t attack2, int32_t defense,
                                    int32_t defense2, int32_t price) {
    status = EquipmentStatus{maxHp, maxSp, attack, attack2, defense, defense2, price};
}

EquipmentStatus GetWeaponAStatus(int32_t index) { return ReadTable(EquipmentCatalogue.weaponA, index); }
EquipmentStatus GetWeaponBStatus(int32_t index) { return ReadTable(EquipmentCatalogue.weaponB, index); }
EquipmentStatus GetEquipmentStatus(int32_t index) { return ReadTable(EquipmentCatalogue.armour, index); }
EquipmentStatus GetAccessoryStatus(int32_t index) { return ReadTable(EquipmentCatalogue.accessories, index); }
EquipmentStatus GetShotStyleStatus(int32_t index) { return ReadTable(EquipmentCatalogue.shotStyles, index); }

int32_t GetEquippedShotStyle() { return EquippedSlots.shotStyle; }
int32_t GetMoney() { return ThePlayer.Money; }
void SetMoney(int32_t value) { ThePlayer.Money = value; }

// The resets never clear an owned flag: a bought record stays owned for the run.
void ResetWeaponTables() {
    WriteTable(EquipmentCatalogue.weaponA, kWeaponAValues);
    WriteTable(EquipmentCatalogue.weaponB, kWeaponBValues);
    EquipmentCatalogue.weaponA[0].owned = 1;
    EquipmentCatalogue.weaponB[0].owned = 1;
}

void ResetEquipmentTable() {
    WriteTable(EquipmentCatalogue.armour, kArmourValues);
    EquipmentCatalogue.armour[0].owned = 1;
}

void ResetAccessoryTable() { WriteTable(EquipmentCatalogue.accessories, kAccessoryValues); }

void ResetShotStyleTable() {
    WriteTable(EquipmentCatalogue.shotStyles, kShotStyleValues);
    for (ShotStyle& s : EquipmentCatalogue.shotStyles) s.owned = 1;
    EquippedSlots.shotStyle = 0;
}

ShotStyleTableInitializer::ShotStyleTableInitializer() { ResetShotStyleTable(); }
