#pragma once
// Shots of both sides, kept in two static pools.
#include <cstdint>

#include "core/object_base.h"

class Texture;

class BulletBase : public ObjectBase {};

class Bullet : public BulletBase {
public:
    // Moves the bullet one frame, or removes it once it is past the playfield's
    // bounds (x <= 190 or >= 1090, y <= -50 or >= 770).
    void Update() override;
    // Frees the slot: every field from texture to spin is zeroed; position and
    // matrix keep their last values.
    void Deactivate();
    void Draw() override;

    Texture* texture = nullptr;
    int32_t active = 0;
    int32_t side = 0;          // 1 player shot, 2 enemy bullet
    int32_t patternFlag = 0;   // enemy bullets: 0 steered by the route handler, 1 pattern bullet
    float angle = 0.0f;        // degrees, 0 = +x, 90 = down the screen
    float speed = 0.0f;        // pixels per frame
    int32_t spriteType = 0;    // enemy 4..9 = 3 * (colour - 1) + size + 3; player shots 0
    int32_t aimed = 0;         // 1: heading is angle + aimAngle
    int32_t behaviourId = 0;
    float aimAngle = 0.0f;     // radians, towards the player at spawn
    int32_t age = 0;
    int32_t colour = 0;        // 1 or 2: picks the damage pair
    int32_t power = 0;         // the shooter's attack at spawn
    int32_t power2 = 0;        // the shooter's attack2 at spawn
    float speedScale = 0.0f;   // BulletSpeedScale at spawn
    int32_t spin = 0;          // degrees of the sprite's own rotation
};

constexpr int kEnemyBulletCount = 1000;
constexpr int kPlayerShotCount = 30;
extern Bullet EnemyBulletPool[kEnemyBulletCount];
extern Bullet PlayerShotPool[kPlayerShotCount];

extern Texture* PlayerShotTexture;   // the knight's lances
extern Texture* EnemyBulletTexture;

extern float BulletSpeedScale;   // the gauges' enemy-bullet speed factor, copied into bullets at spawn
extern Vec3 BulletTargetPos;     // the player's position, for aiming
extern int32_t BulletRoute;      // the current field's route, picks the route handler

enum BulletSide : int32_t {
    kSidePlayer = 1,
    kSideEnemy = 2,
};

// An enemy bullet's colour picks its damage pair: the first hits the player's
// defense with the shooter's attack, the second defense2 with attack2.
enum class BulletColour : int32_t {
    kFirst = 1,
    kSecond = 2,
};

// One shot as its shooter describes it.
struct BulletShot {
    float x = 0.0f;        // where it starts
    float y = 0.0f;
    float angle = 0.0f;    // degrees, 90 straight down; an offset from the aim when aimed
    float speed = 0.0f;    // pixels per frame
    int32_t size = 1;      // enemy bullets 1..3; the knight's lances 0
    BulletColour colour = BulletColour::kFirst;
    bool aimed = false;    // flies along angle + the direction to the player at spawn
    int32_t behaviour = 0;
    int32_t power = 0;     // the shooter's attack
    int32_t power2 = 0;    // the shooter's attack2
};

// Places an enemy bullet (side 2) in the first free slot, as both spawners
// do: pattern bullets follow their own behaviour, ordinary ones the field
// route's handler. Returns the slot, or -1 when the pool is full.
int32_t PlaceEnemyBullet(bool pattern, const BulletShot& shot);
// The search for a free enemy-bullet slot keeps its place between calls and
// relies on slots being freed through Bullet::Deactivate; after writing the
// pool directly, restart it.
void RestartEnemyBulletSearch();
// Enemy bullet sprite type from size (1..3) and colour (1, 2); 0 for any other pair.
int32_t EnemyBulletSpriteType(int32_t size, int32_t colour);
// An enemy bullet (kSideEnemy, ordinary) or one of the knight's lances
// (kSidePlayer); any other side places nothing.
void SpawnBullet(int32_t side, const BulletShot& shot);
void SpawnPatternBullet(const BulletShot& shot);
// Mode 1 turns every enemy bullet into coins and score; other modes only remove them.
void CancelEnemyBullets(int32_t mode);
void UpdateBullets();
void ClearBullets();

// Steering of enemy bullets by behaviour id, run for each enemy slot after its
// move: ordinary bullets by the handler of the field's route, pattern bullets
// by the pattern handler.
void RunBulletBehaviourRoute1(int32_t slot);
void RunBulletBehaviourRoute2(int32_t slot);
void RunBulletBehaviourRoute3(int32_t slot);
void RunPatternBulletBehaviour(int32_t slot);

// Loads the lance and bullet sheets; false as soon as one fails.
bool LoadBulletTextures();
// At shutdown: deactivates every shot and bullet, then releases both sheets.
void ReleaseBullets();
