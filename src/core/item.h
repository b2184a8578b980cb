#pragma once
// Dropped pickups: coins and experience orbs.
#include <cstdint>

#include "core/object_base.h"

class Texture;

class ItemBase : public ObjectBase {};

class Item : public ItemBase {
public:
    // One frame of movement: the pop-out jump, then falling or homing; an item
    // below y 770 is lost (with its gauge events) and freed.
    void Update() override;
    // Frees the slot; the homing angle keeps its last value.
    void Deactivate();
    void SetAttracted();
    void Draw() override;

    Texture* texture = nullptr;
    int32_t active = 0;
    int32_t kind = 0;          // 1 coin, 2 big coin, 3 experience orb, 4 big experience orb
    int32_t value = 0;
    float angle = 0.0f;        // direction of travel in degrees
    float homingAngle = 0.0f;  // radians, towards the player while attracted
    float speed = 0.0f;
    int32_t attracted = 0;
    int32_t animFrame = 0;     // 0..19
    int32_t age = 0;
};

constexpr int kItemCount = 1000;
extern Item ItemPool[kItemCount];

extern int32_t MagnetTimer;      // while above 0 every item is pulled to the player
extern int32_t CoinCount;        // items of kinds 1..4 picked up in this field
extern int32_t BigCoinCount;
extern int32_t ExpItemCount;
extern int32_t BigExpItemCount;

class UserInterface;

// Takes the first free slot: coins jump out at a random angle and speed, an
// orb leaves 2 px along `angle`, a big orb drops straight down.
void SpawnItem(int32_t kind, float x, float y, float angle);
// Counts the magnet down and moves every item.
void UpdateItems();
void DrawItems();
// Clears every active item.
void ClearItems();
// Zeroes the four pickup counters, then clears the items.
void ResetItemsAndCounters();

// The in-field frame's item step: attraction and pickup of every item near
// the player, with this frame's money and experience multipliers and the
// field's money and experience factors. An orb that fills the experience bar
// gives one level, recorded first on the HUD's level-up panel.
void CollectItems(UserInterface& hud, float moneyMultiplier, float expMultiplier, float fieldMoneyFactor,
                  float expFactor);

// Slot accessors of the in-field frame.
Vec3 GetItemPosition(int32_t slot);
int32_t GetItemKind(int32_t slot);
void SetItemAttracted(int32_t slot);
// Clears the slot (as Item::Deactivate).
void ResetItem(int32_t slot);

int32_t GetCoinSmallCount();
int32_t GetCoinBigCount();
int32_t GetExpSmallCount();
int32_t GetExpBigCount();
void SetCoinSmallCount(int32_t value);
void SetCoinBigCount(int32_t value);
void SetExpSmallCount(int32_t value);
void SetExpBigCount(int32_t value);
