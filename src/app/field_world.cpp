#include "app/field_world.h"

#include "core/bullet.h"
#include "core/effects.h"
#include "core/emotion.h"
#include "core/equipment.h"
#include "core/item.h"
#include "core/player.h"
#include "core/popups.h"
#include "core/result.h"
#include "core/score.h"
#include "core/sound.h"
#include "core/user_interface.h"
#include "enemy/enemy.h"
#include "enemy/enemy_gauge.h"
#include "species/cave/enemy_child.h"

void ResetFieldWorld(UserInterface& hud) {
    ResetPlayerForField(GetEquippedShotStyle());
    hud.Reset();
    ResetEmotionGauges();
    ClearEnemyChildren();
    DefeatAllEnemies();
    ClearBullets();
    ResetItemsAndCounters();
    MagnetTimer = 0;
    ClearEnemyGauges();
    ClearEffects();
    ClearScorePopups();
    ClearEmotionNumbers();
    ClearDamagePopups();
    DamagePopupThrottle = PopupHold{};
    EmotionNumberHold1 = PopupHold{};
    EmotionNumberHold4 = PopupHold{};
    ResetResult();
    HitsTakenCount = 0;
    StopAllSounds();
}
