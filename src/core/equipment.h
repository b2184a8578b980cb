#pragma once
// The equipment catalogue and what is equipped.
#include <cstdint>

// Six stat deltas added while equipped, then the price.
struct EquipmentStatus {
    int32_t maxHp = 0;
    int32_t maxSp = 0;
    int32_t attack = 0;
    int32_t attack2 = 0;
    int32_t defense = 0;
    int32_t defense2 = 0;
    int32_t price = 0;
};

class EquipmentStatusBase {
public:
    // Marks the record owned and returns its price.
    virtual int32_t Buy();
    virtual void SetStatus(int32_t maxHp, int32_t maxSp, int32_t attack, int32_t attack2, int32_t defense,
                           int32_t defense2, int32_t price);

    EquipmentStatus status;
    int32_t owned = 0;
};

class Weapon : public EquipmentStatusBase {
public:
    int32_t reserved = 0;
};
class Equipment : public EquipmentStatusBase {
public:
    int32_t reserved = 0;
};
class ShotStyle : public EquipmentStatusBase {
public:
    int32_t reserved = 0;
};
class Accessory : public EquipmentStatusBase {
public:
    int32_t reserved[2] = {};
};

constexpr int kWeaponCount = 7;
constexpr int kArmourCount = 7;
constexpr int kAccessoryCount = 6;
constexpr int kShotStyleCount = 3;

struct EquipmentCatalogueTables {
    Weapon weaponA[kWeaponCount];
    Weapon weaponB[kWeaponCount];
    Equipment armour[kArmourCount];
    Accessory accessories[kAccessoryCount];
    ShotStyle shotStyles[kShotStyleCount];
};
extern EquipmentCatalogueTables EquipmentCatalogue;

// Copy record `index` out; an index outside the table (an empty accessory slot
// is -1) yields all zeros.
EquipmentStatus GetWeaponAStatus(int32_t index);
EquipmentStatus GetWeaponBStatus(int32_t index);
EquipmentStatus GetEquipmentStatus(int32_t index);
EquipmentStatus GetAccessoryStatus(int32_t index);
EquipmentStatus GetShotStyleStatus(int32_t index);
int32_t GetEquippedShotStyle();
// The player's money.
int32_t GetMoney();
void SetMoney(int32_t value);
// New-game set-up of the shop tables: stats and prices written afresh, the first
// record of each weapon table and of the armour table owned. Owned flags are
// never cleared and the equipped indices are not touched.
void ResetWeaponTables();
void ResetEquipmentTable();
void ResetAccessoryTable();
// Once, with the game object: all three shot styles owned, style 0 equipped.
void ResetShotStyleTable();

// The equipped indices: weapons and armour 0..6, accessories 0..5 or -1 (empty),
// shot style 0..2 (also the player's option type).
struct EquippedSlotSet {
    int32_t weaponA = 0;
    int32_t weaponB = 0;
    int32_t armour = 0;
    int32_t accessory1 = -1;
    int32_t accessory2 = -1;
    int32_t shotStyle = 0;
};
extern EquippedSlotSet EquippedSlots;

// A member of Game whose construction resets the shot-style table.
struct ShotStyleTableInitializer {
    ShotStyleTableInitializer();
};
