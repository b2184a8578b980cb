// The player's stats: the level table, level-ups and the sum of the seven
// contribution blocks.
#include "core/effects.h"
#include "core/player.h"
#include "core/sound.h"

namespace {

constexpr int32_t kTopLevel = 30;
constexpr int32_t kLevelMaxSp = 60;
constexpr int32_t kLevelUpEffect = 16;
constexpr int32_t kLevelUpDisplayFrames = 180;

struct LevelRow {
    int32_t maxHp, attack, attack2, defense, defense2;
    int32_t expToNext;  // experience needed to leave the level
};

// Levels 1..30: the level's contribution to the stats.
constexpr LevelRow kLevelTable[kTopLevel] = {
    {100, 9, 7, 11, 5, 3000},    {110, 10, 8, 12, 6, 3125},   {120, 12, 10, 13, 7, 3250},
    {130, 13, 11, 14, 7, 3375},  {140, 15, 12, 16, 8, 3500},  {160, 18, 15, 19, 10, 3700},
    {175, 19, 16, 21, 11, 3900}, {190, 21, 17, 23, 12, 4100}, {205, 22, 17, 25, 13, 4300},
    {220, 23, 18, 26, 13, 4500}, {250, 26, 19, 28, 16, 4800}, {270, 27, 21, 29, 17, 5100},
    {290, 29, 22, 31, 18, 5400}, {310, 31, 22, 32, 19, 5700}, {330, 32, 23, 34, 19, 6000},
    {370, 35, 25, 36, 20, 6400}, {395, 36, 25, 36, 20, 6800}, {420, 37, 26, 37, 21, 7200},
    {445, 37, 27, 38, 22, 7600}, {470, 39, 27, 38, 22, 8000}, {520, 43, 30, 41, 24, 8600},
    {550, 44, 31, 42, 25, 9200}, {580, 45, 31, 43, 25, 9800}, {610, 45, 32, 44, 26, 10400},
    {640, 45, 32, 44, 26, 11000}, {700, 48, 34, 47, 28, 12000}, {735, 49, 34, 48, 29, 13000},
    {770, 50, 35, 49, 29, 14000}, {805, 50, 35, 50, 30, 15000}, {900, 53, 38, 53, 33, 99999},
};

// The first free effect shows "level up" over the player for 180 frames with
// its sound; with the pool full nothing is shown or heard.
void ShowLevelUp(const Player& p) {
    for (int i = 0; i < kEffectCount; ++i) {
        if (EffectPool.active[i] != 0) continue;
        EffectPool.type[i] = kLevelUpEffect;
        EffectPool.timer[i] = 0;
        EffectPool.active[i] = 1;
        EffectPool.x[i] = p.x;
        EffectPool.y[i] = p.y;
        EffectPool.z[i] = p.z;
        LevelUpDisplayCounter = kLevelUpDisplayFrames;
        LevelUpSound.Play(2, 0);
        return;
    }
}

int32_t AtLeastOne(int32_t v) { return v < 1 ? 1 : v; }

}  // namespace

bool OptionTypeBaseSpeed(int32_t optionType, float* speed) {
    switch (optionType) {
        case 0: *speed = 4.0f; return true;
        case 1: *speed = 5.2f; return true;
        case 2: *speed = 4.6f; return true;
        default: return false;
    }
}

void Player::LevelUp() {
    const int32_t oldLevel = status.level;
    exp -= nextLevelExp;
    status.level += 1;
    if (oldLevel >= 1 && oldLevel < kTopLevel) {
        const LevelRow& row = kLevelTable[status.level - 1];
        StatusBlock& base = statusParts[0];
        base.maxHp = row.maxHp;
        base.maxSp = kLevelMaxSp;
        base.attack = row.attack;
        base.attack2 = row.attack2;
        base.defense = row.defense;
        base.defense2 = row.defense2;
        OptionTypeBaseSpeed(OptionType, &base.speed);
    }
    SetNextLevelExp(status.level);
    ShowLevelUp(*this);
}

void Player::SetNextLevelExp(int32_t level) {
    if (level < 2 || level > kTopLevel) return;
    nextLevelExp = kLevelTable[level - 1].expToNext;
}

void Player::RecalcStatus() {
    StatusBlock sum;
    for (const StatusBlock& part : statusParts) {
        sum.maxHp += part.maxHp;
        sum.maxSp += part.maxSp;
        sum.attack += part.attack;
        sum.attack2 += part.attack2;
        sum.defense += part.defense;
        sum.defense2 += part.defense2;
        sum.speed += part.speed;
    }
    // HP keeps its fraction of the old max HP.
    const float ratio = static_cast<float>(status.hp) / static_cast<float>(status.maxHp);
    status.maxHp = AtLeastOne(sum.maxHp);
    status.maxSp = AtLeastOne(sum.maxSp);
    status.attack = AtLeastOne(sum.attack);
    status.attack2 = AtLeastOne(sum.attack2);
    status.defense = AtLeastOne(sum.defense);
    status.defense2 = AtLeastOne(sum.defense2);
    status.speed = sum.speed < 1.0f ? 1.0f : sum.speed;
    status.hp = static_cast<int32_t>(static_cast<float>(status.maxHp) * ratio);
}

void SetPlayerEquipmentStatus(int32_t slot, int32_t accessoryIndex, int32_t maxHp, int32_t maxSp, int32_t attack,
                              int32_t attack2, int32_t defense, int32_t defense2, float speed) {
    int part;
    switch (slot) {
        case 0: part = 1; break;
        case 1: part = 2; break;
        case 2: part = 3; break;
        case 3:
            if (accessoryIndex != 0 && accessoryIndex != 1) return;
            part = 4 + accessoryIndex;
            break;
        case 4: part = 6; break;
        default: return;
    }
    StatusBlock& block = ThePlayer.statusParts[part];
    block.maxHp = maxHp;
    block.maxSp = maxSp;
    block.attack = attack;
    block.attack2 = attack2;
    block.defense = defense;
    block.defense2 = defense2;
    block.speed = speed;
}
