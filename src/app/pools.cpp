// Every static pool and record of the game, defined in this one file so that
// their construction order at start-up is fixed: the order below.
#include "core/bullet.h"
#include "core/item.h"
#include "core/player.h"
#include "core/popups.h"
#include "enemy/enemy.h"
#include "enemy/enemy_gauge.h"
#include "field/field_state.h"
#include "species/cave/enemy_child.h"

DamagePopup DamageNumberPool[kDamagePopupCount];
EmotionNumber EmotionNumberPool[kEmotionNumberCount];
EnemyChild EnemyChildPool[kEnemyChildCount];
Bullet EnemyBulletPool[kEnemyBulletCount];
Bullet PlayerShotPool[kPlayerShotCount];
Enemy EnemyPool[kEnemyCount];
Item ItemPool[kItemCount];
EnemyGaugeRecord EnemyStatusTable[kEnemyStatusCount];
EnemyGaugeRecord EnemyChildStatusTable[kEnemyChildStatusCount];
Player ThePlayer;
ScorePopup ScorePopupPool[kScorePopupCount];
FieldState FieldGrassDayState;
FieldState FieldGrassNightState;
FieldState FieldCanyonDayState;
FieldState FieldCanyonNightState;
CaveFieldState FieldCaveState;
