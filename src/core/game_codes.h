#pragma once
// The codes the whole game passes around: effect types, item kinds, popup
// kinds, enemy retire modes, fade codes, sound ids and the playfield's bounds.
#include <cstdint>

// Effect types of the effect pool (0 is a free entry).
constexpr int32_t kEffectPlayerHit = 1;         // a hit on the player
constexpr int32_t kEffectEnemyDeath = 2;        // an ordinary enemy's death
constexpr int32_t kEffectRisingExplosion = 3;   // a dying boss's explosion, rising
constexpr int32_t kEffectFlyingExplosion = 4;   // an explosion flying off at a random angle
constexpr int32_t kEffectRingExplosion = 5;     // ten blasts on a growing ring
constexpr int32_t kEffectMidBossDeath = 6;
constexpr int32_t kEffectBossDeath = 7;
constexpr int32_t kEffectSlash = 8;             // the sword's strike on an enemy
constexpr int32_t kEffectBulletSlash = 9;       // the sword cutting a bullet
constexpr int32_t kEffectLanceHit = 10;
constexpr int32_t kEffectSkill1Aura = 11;
constexpr int32_t kEffectSkill3Aura = 12;
constexpr int32_t kEffectCancelCoin = 13;       // a cancelled bullet that leaves a coin
constexpr int32_t kEffectCancelBigCoin = 14;    // ... a big coin
constexpr int32_t kEffectCancelPlain = 15;      // ... nothing
constexpr int32_t kEffectLevelUp = 16;

// Item kinds.
constexpr int32_t kItemCoin = 1;
constexpr int32_t kItemBigCoin = 2;
constexpr int32_t kItemExperience = 3;
constexpr int32_t kItemBigExperience = 4;

// Score popup kinds: size and timing class of the number.
constexpr int32_t kPopupSmall = 1;     // a cancelled small bullet
constexpr int32_t kPopupReward = 2;    // an enemy's reward
constexpr int32_t kPopupDoubled = 3;   // a doubled reward, a cancelled middle bullet
constexpr int32_t kPopupBoss = 4;      // a boss's reward

// Modes of EnemyBase::Retire.
constexpr int32_t kRetireKilled = 1;   // reward, popup, reset
constexpr int32_t kRetirePhase = 2;    // next boss phase, no reset
constexpr int32_t kRetireSilent = 3;   // reset without credit

// Codes of the blackout fade: the scene change it is timing.
constexpr int32_t kFadeTitleChoice = 1;
constexpr int32_t kFadeFieldEntry = 2;
constexpr int32_t kFadeFieldEnd = 3;
constexpr int32_t kFadeCreditsDone = 4;
constexpr int32_t kFadeEndingDone = 5;
// The overlay's counter: the screen is black at the midpoint, clear again at the end.
constexpr int32_t kFadeMidpoint = 60;
constexpr int32_t kFadeLength = 120;

// Sound ids of PlaySoundById: music loops 1..4, effects 11..14 and 21..25.
constexpr int32_t kSoundFieldMapBgm = 1;
constexpr int32_t kSoundFieldDayBgm = 2;
constexpr int32_t kSoundFieldNightBgm = 3;
constexpr int32_t kSoundField3Bgm = 4;
constexpr int32_t kSoundItemGet = 11;
constexpr int32_t kSoundLevelUp = 12;
constexpr int32_t kSoundPlayerHit = 13;
constexpr int32_t kSoundSword = 14;
constexpr int32_t kSoundEnemyDestroy = 21;
constexpr int32_t kSoundBossDying = 22;
constexpr int32_t kSoundBossDying2 = 23;
constexpr int32_t kSoundMidBossDestroy = 24;
constexpr int32_t kSoundBossDestroy = 25;

// The playfield where enemies live, and the bonus area inside it where an
// enemy's bonus timer runs (bounds excluded).
constexpr float kFieldLeft = 240.0f;
constexpr float kFieldRight = 1040.0f;
constexpr float kFieldTop = 0.0f;
constexpr float kFieldBottom = 720.0f;
constexpr float kBonusLeft = 288.0f;
constexpr float kBonusRight = 992.0f;
constexpr float kBonusTop = 0.0f;
constexpr float kBonusBottom = 720.0f;
