#include "core/item.h"

#include <cmath>
#include <cstdlib>

#include "core/common_textures.h"
#include "core/emotion.h"
#include "core/field_globals.h"
#include "core/game_codes.h"
#include "core/player.h"
#include "core/popups.h"
#include "core/random.h"
#include "core/saturate.h"
#include "core/score.h"
#include "core/sound.h"
#include "core/user_interface.h"
#include "platform/graphics.h"

int32_t MagnetTimer = 0;
int32_t CoinCount = 0;
int32_t BigCoinCount = 0;
int32_t ExpItemCount = 0;
int32_t BigExpItemCount = 0;

namespace {

constexpr float kLostBelow = 770.0f;
constexpr int32_t kPopOutFrames = 30;
constexpr float kHomingSpeed = 12.0f;
constexpr int32_t kLastAnimFrame = 19;
constexpr float kPi = 3.1415927f;
// While the first 40 frames of a sword swing run, items come from 101 pi
// (about 317 px) away.
constexpr int32_t kSwordMagnetAbove = 140;
constexpr float kSwordMagnetRadiusSq = 100679.84f;
// Plain attraction within 37 pi (about 116 px); pickup within 17 pi (about
// 53 px) for the four kinds, pi for anything else.
constexpr float kMagnetRadius = 37.0f * kPi;
constexpr float kPickupRadius = 17.0f * kPi;
constexpr float kOtherPickupRadius = 1.0f * kPi;
constexpr float kNumberBelowPlayer = 96.0f;

bool ValidSlot(int32_t slot) { return slot >= 0 && slot < kItemCount; }

// A circle hit: the squared distance strictly below the squared radius.
bool Within(const Item& item, const Vec3& p, float radius) {
    const float dx = p.x - item.x;
    const float dy = p.y - item.y;
    return radius * radius > dx * dx + dy * dy;
}

void LoseItem(int32_t kind) {
    switch (kind) {
        case kItemCoin: ChangeEmotion(3, 7, 1.0f); ChangeEmotion(5, 7, 1.0f); break;
        case kItemBigCoin: ChangeEmotion(3, 8, 1.0f); ChangeEmotion(5, 8, 1.0f); break;
        case kItemExperience: ChangeEmotion(2, 4, 1.0f); ChangeEmotion(5, 4, 1.0f); break;
        case kItemBigExperience: ChangeEmotion(2, 5, 1.0f); ChangeEmotion(5, 5, 1.0f); break;
        default: break;
    }
}

// trunc(value + gain) in single precision, kept inside the 32-bit range.
int32_t AddGain(int32_t value, float gain) { return TruncToInt32(static_cast<float>(value) + gain); }

void GainMoney(float gain) {
    Player& p = ThePlayer;
    p.Money = AddGain(p.Money, gain);
    p.FieldMoney = AddGain(p.FieldMoney, gain);
}

void CountUp(int32_t& counter, int32_t step) {
    if (counter <= INT32_MAX - step) counter += step;
}

// A coin (base 10) or big coin (base 100).
void CollectCoin(int32_t base, int32_t& counter, bool big, float m, float f, const Vec3& at) {
    ChangeEmotion(4, 10, 1.0f);
    ChangeEmotion(6, 10, 1.0f);
    GainMoney(m * static_cast<float>(base) * f);
    CountUp(BaseScore, base);
    CountUp(counter, 1);
    // While a money number shows, a big coin brings neither a number nor the
    // sound; a coin still sounds.
    const bool hold = GetEmotionNumberHold1() != 0;
    if (!big || !hold) PlaySoundById(kSoundItemGet);
    if (!hold) SpawnEmotionNumber(1, m, at.x, at.y + kNumberBelowPlayer, 0.0f);
}

// An orb (base 10, score 20) or big orb (base 100, score 200); at most one level.
void CollectOrb(int32_t base, int32_t& counter, UserInterface& hud, float x, float e, const Vec3& at) {
    Player& p = ThePlayer;
    ChangeEmotion(1, 1, 1.0f);
    ChangeEmotion(6, 1, 1.0f);
    p.exp = AddGain(p.exp, x * static_cast<float>(base) * e);
    CountUp(BaseScore, 2 * base);
    CountUp(counter, 1);
    PlaySoundById(kSoundItemGet);
    if (GetEmotionNumberHold4() == 0) SpawnEmotionNumber(4, x, at.x, at.y + kNumberBelowPlayer, 0.0f);
    if (p.nextLevelExp <= p.exp) {
        const StatusBlock& s = p.status;
        hud.SetLevelUpRecord(s.maxHp, s.maxSp, s.attack, s.defense, s.attack2, s.defense2);
        LevelUpPlayer();
        p.RecalcStatus();
    }
}

}  // namespace

void SpawnItem(int32_t kind, float x, float y, float angle) {
    for (Item& item : ItemPool) {
        if (item.active != 0) continue;
        item.kind = kind;
        item.value = 100;
        item.x = x;
        item.y = y;
        item.z = 0.0f;
        item.texture = ItemChipTexture;
        switch (kind) {
            case kItemCoin:
            case kItemBigCoin: {
                const int32_t spread = GameRandom() % 30;
                const int32_t tenths = GameRandom() % 20;
                item.angle = 75.0f + static_cast<float>(spread);
                item.speed = 5.0f + static_cast<float>(tenths) / 10.0f;
                break;
            }
            case kItemExperience: {
                const float radians = angle * kDegToRad;
                item.x += 2.0f * std::cos(radians);
                item.y += 2.0f * std::sin(radians);
                item.speed = 1.0f;
                item.angle = angle;
                break;
            }
            case kItemBigExperience:
                item.angle = 90.0f;
                item.speed = 5.0f;
                break;
            default:
                break;
        }
        item.active = 1;
        return;
    }
}

void Item::Deactivate() {
    x = y = z = 0.0f;
    texture = nullptr;
    active = 0;
    kind = 0;
    value = 0;
    angle = 0.0f;
    speed = 0.0f;
    attracted = 0;
    animFrame = 0;
    age = 0;
}

void Item::SetAttracted() { attracted = 1; }

void Item::Update() {
    if (y >= kLostBelow) {
        LoseItem(kind);
        Deactivate();
        return;  // the freed slot starts its next item at age 0
    }
    if (age < kPopOutFrames) {
        // The pop-out: a jump that slows, turns at age 17.5 and falls.
        const float jump = 7.0f - 0.4f * static_cast<float>(age);
        if (kind == kItemExperience) {
            angle += 1.0f;
            const float radians = angle * kDegToRad;
            x += std::cos(radians) * speed;
            y += std::sin(radians) * speed - jump;
        } else {
            const float radians = angle * kDegToRad;
            x -= std::cos(radians) * jump;
            y -= std::sin(radians) * jump;
        }
    } else {
        if (kind == kItemExperience) {
            angle += 1.0f;
            y += 5.0f;
        }
        if (attracted != 0) {
            x += kHomingSpeed * std::cos(homingAngle);
            y += kHomingSpeed * std::sin(homingAngle);
        } else {
            const float radians = angle * kDegToRad;
            x += std::cos(radians) * speed;
            y += std::sin(radians) * speed;
        }
    }
    if (age < INT32_MAX) age += 1;
    animFrame = animFrame < kLastAnimFrame ? animFrame + 1 : 0;
}

void Item::Draw() {
    int32_t row;
    switch (kind) {
        case kItemBigCoin: row = 0; break;
        case kItemCoin: row = 1; break;
        case kItemExperience:
        case kItemBigExperience: row = 2; break;
        default: return;
    }
    const int32_t column = animFrame / 2;
    const Rect cell{64 * column, 64 * row, 64 * column + 64, 64 * row + 64};
    const Vec3 centre{32.0f, 32.0f, 0.0f};
    const float scale = kind == kItemBigExperience ? 1.5f : 0.75f;
    SetTransform(scale, scale, 1.0f, x, y, 0.0f);
    SpriteBatch->SetTransform(world);
    SpriteBatch->Draw(texture, &cell, &centre, nullptr, 0xFFFFFFFFu);
    SpriteBatch->SetTransform(MatrixIdentity());
}

void UpdateItems() {
    const bool magnet = MagnetTimer > 0;
    if (magnet) --MagnetTimer;
    for (Item& item : ItemPool) {
        if (item.active == 0) continue;
        if (magnet && item.attracted == 0) item.SetAttracted();
        if (item.attracted != 0) item.homingAngle = std::atan2(ItemTargetPos.y - item.y, ItemTargetPos.x - item.x);
        item.Update();
    }
}

void DrawItems() {
    for (Item& item : ItemPool) {
        if (item.active != 0) item.Draw();
    }
}

void ClearItems() {
    for (Item& item : ItemPool) {
        if (item.active != 0) item.Deactivate();
    }
}

void ResetItemsAndCounters() {
    CoinCount = 0;
    BigCoinCount = 0;
    ExpItemCount = 0;
    BigExpItemCount = 0;
    ClearItems();
}

void CollectItems(UserInterface& hud, float moneyMultiplier, float expMultiplier, float fieldMoneyFactor,
                  float expFactor) {
    const Vec3 player{ThePlayer.x, ThePlayer.y, ThePlayer.z};
    for (int32_t i = 0; i < kItemCount; ++i) {
        Item& item = ItemPool[i];
        if (item.active == 0) continue;
        if (item.attracted == 0) {
            if (ThePlayer.swordTimer > kSwordMagnetAbove) {
                const float dx = player.x - item.x;
                const float dy = player.y - item.y;
                if (dx * dx + dy * dy < kSwordMagnetRadiusSq) item.SetAttracted();
            } else if (Within(item, player, kMagnetRadius)) {
                item.SetAttracted();
            }
        }
        const bool known = item.kind >= kItemCoin && item.kind <= kItemBigExperience;
        if (!Within(item, player, known ? kPickupRadius : kOtherPickupRadius)) continue;
        switch (item.kind) {
            case kItemCoin: CollectCoin(10, CoinCount, false, moneyMultiplier, fieldMoneyFactor, player); break;
            case kItemBigCoin: CollectCoin(100, BigCoinCount, true, moneyMultiplier, fieldMoneyFactor, player); break;
            case kItemExperience: CollectOrb(10, ExpItemCount, hud, expMultiplier, expFactor, player); break;
            case kItemBigExperience: CollectOrb(100, BigExpItemCount, hud, expMultiplier, expFactor, player); break;
            default: break;
        }
        ResetItem(i);
    }
}

Vec3 GetItemPosition(int32_t slot) {
    if (!ValidSlot(slot)) return Vec3{};
    const Item& item = ItemPool[slot];
    return Vec3{item.x, item.y, item.z};
}

int32_t GetItemKind(int32_t slot) { return ValidSlot(slot) ? ItemPool[slot].kind : 0; }

void SetItemAttracted(int32_t slot) {
    if (ValidSlot(slot)) ItemPool[slot].SetAttracted();
}

void ResetItem(int32_t slot) {
    if (ValidSlot(slot)) ItemPool[slot].Deactivate();
}

int32_t GetCoinSmallCount() { return CoinCount; }
int32_t GetCoinBigCount() { return BigCoinCount; }
int32_t GetExpSmallCount() { return ExpItemCount; }
int32_t GetExpBigCount() { return BigExpItemCount; }
void SetCoinSmallCount(int32_t value) { CoinCount = value; }
void SetCoinBigCount(int32_t value) { BigCoinCount = value; }
void SetExpSmallCount(int32_t value) { ExpItemCount = value; }
void SetExpBigCount(int32_t value) { BigExpItemCount = value; }
