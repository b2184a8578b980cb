#include "field/fields.h"

#include "core/common_textures.h"
#include "core/emotion.h"
#include "core/fade.h"
#include "core/field_globals.h"
#include "core/game_codes.h"
#include "core/item.h"
#include "core/result.h"
#include "enemy/enemy.h"
#include "field/field_state.h"
#include "field/schedule.h"
#include "platform/platform.h"

namespace {

constexpr FieldTimeline kGrassDay{1, 1800, kSpeciesBigButterFly, 1890, 2010, 3600, kSpeciesScorpion, 3750, 4110, 1, false};
constexpr FieldTimeline kGrassNight{2, 1800, kSpeciesBigMoth, 1890, 2010, 3600, kSpeciesSpider, 3750, 4110, 1, false};
constexpr FieldTimeline kCanyonDay{3, 2700, kSpeciesEagle, 2790, 2910, 5400, kSpeciesBigDayRafflesia, 5550, 5910, 2, true};
constexpr FieldTimeline kCanyonNight{4, 2700, kSpeciesBat, 2790, 2910, 5400, kSpeciesBigNightRafflesia, 5550, 5910, 2, true};

constexpr float kBackgroundHeight = 720.0f;
// Where the final boss rises when no position of the last boss on the screen
// is on record: the point the broken stone drifts to.
constexpr float kFinalBossFallbackX = 640.0f;
constexpr float kFinalBossFallbackY = 160.0f;

bool InWindow(int32_t t, int32_t spawnFrame) {
    return t >= spawnFrame + 1 && t <= spawnFrame + kHoldWindowLength;
}

// The last active enemy of the species in slot order, or -1.
int32_t LastActiveOf(int32_t species) {
    int32_t found = -1;
    for (int32_t i = 0; i < kEnemyCount; ++i)
        if (EnemyPool[i].active != 0 && EnemyPool[i].species == species) found = i;
    return found;
}

// Bosses always pass route 1.
void SpawnBoss(int32_t frame, int32_t species, int32_t variant, float x, float y, int32_t level) {
    SpawnFieldEnemy(MakeSpawnEvent(frame, species, variant, x, y, 1, level));
}

void ShowResult(FieldState& state, int32_t fieldId) {
    ClearItems();
    ResultPending = 1;
    ResultField = fieldId;
    state.cleared = 1;
}

void AdvanceScroll(FieldState& state) {
    state.scroll.y += state.scrollSpeed;
    if (state.scroll.y >= kBackgroundHeight) state.scroll = Vec3{};
}

int32_t FieldOver() { return TransitionFadeReached(kFadeFieldEnd) ? 1 : 0; }

// The mid-boss or boss that holds the counter at frame t: the last of its
// species alive in its window; -1 outside the windows or once it is gone.
int32_t TimelineHolder(const FieldTimeline& f, int32_t t) {
    if (InWindow(t, f.midBossFrame)) return LastActiveOf(f.midBossSpecies);
    if (InWindow(t, f.bossFrame)) return LastActiveOf(f.bossSpecies);
    return -1;
}

// Each cave window tests only its own boss; the first form's window overlaps
// the stone's, so the first form holds from the frame after the stone's.
int32_t CaveHolder(int32_t t) {
    if (InWindow(t, kCaveBigElementFrame)) return LastActiveOf(kSpeciesBigElement);
    if (InWindow(t, kCaveMagicStoneFrame)) return LastActiveOf(kSpeciesMagicStone);
    if (InWindow(t, kCaveFirstFormFrame) || InWindow(t, kCaveSecondFormFrame))
        return LastActiveOf(kSpeciesGrandMagicStone);
    return -1;
}

// The final boss rises where the last boss was seen, as long as that is on
// the screen between the panels; a record from nowhere (the stone lost to a
// full pool before anything was seen, or one left over from another play)
// would put it out of every lance's reach, so it rises where the broken stone
// drifts to instead.
Vec3 FinalBossRisePoint(const Vec3& recorded) {
    if (InsideBonusArea(recorded.x, recorded.y)) return recorded;
    return Vec3{kFinalBossFallbackX, kFinalBossFallbackY, 0.0f};
}

int32_t RunTimeline(const FieldTimeline& f, FieldState& state, const SpawnSchedule& route1,
                    const SpawnSchedule& route2, const SpawnSchedule& route3) {
    const int32_t t = state.frame;
    const SpawnSchedule& schedule = state.route == 2 ? route2 : state.route == 3 ? route3 : route1;
    RunSchedule(schedule, t, state.route);

    if (t == f.midBossFrame) SpawnBoss(t, f.midBossSpecies, 0, kMidBossX, kMidBossY, f.level);
    if (t == f.flashFrame) WhiteoutActive = 1;
    if (t == f.routeFrame) state.route = ChooseRoute();
    if (t == f.bossFrame) SpawnBoss(t, f.bossSpecies, 0, kBossX, kBossY, f.level);
    if (t == f.resultFrame) ShowResult(state, f.fieldId);
    if (t == f.fadeFrame) BeginTransitionFade(kFadeFieldEnd);

    AdvanceScroll(state);

    const int32_t holder = TimelineHolder(f, t);
    if (holder < 0) state.frame = t + 1;
    if (holder >= 0 && InWindow(t, f.bossFrame) && f.bossBrakesScroll && state.scrollSpeed > 0.0f) {
        state.scrollSpeed -= kScrollBrake;
        if (state.scrollSpeed <= 0.0f) state.scrollSpeed = 0.0f;
    }
    return FieldOver();
}

void DrawBackground(int32_t fieldIndex, const FieldState& state) {
    Texture* texture = FieldBackgroundTextures[fieldIndex];
    SpriteBatch->SetTransform(MatrixIdentity());
    const Vec3 upper{state.scroll.x, state.scroll.y - kBackgroundHeight, 0.0f};
    const Vec3 lower{state.scroll.x, state.scroll.y, 0.0f};
    SpriteBatch->Draw(texture, nullptr, nullptr, &lower, 0xFFFFFFFFu);
    SpriteBatch->Draw(texture, nullptr, nullptr, &upper, 0xFFFFFFFFu);
    if (WhiteoutActive == 1) DrawWhiteFlash();
}

}  // namespace

const FieldTimeline& GrassDayTimeline() { return kGrassDay; }
const FieldTimeline& GrassNightTimeline() { return kGrassNight; }
const FieldTimeline& CanyonDayTimeline() { return kCanyonDay; }
const FieldTimeline& CanyonNightTimeline() { return kCanyonNight; }

int32_t FieldGrassDay::Update() {
    return RunTimeline(kGrassDay, FieldGrassDayState, ScheduleRoute1, ScheduleRoute2, ScheduleRoute3);
}
int32_t FieldGrassNight::Update() {
    return RunTimeline(kGrassNight, FieldGrassNightState, ScheduleRoute1, ScheduleRoute2, ScheduleRoute3);
}
int32_t FieldCanyonDay::Update() {
    return RunTimeline(kCanyonDay, FieldCanyonDayState, ScheduleRoute1, ScheduleRoute2, ScheduleRoute3);
}
int32_t FieldCanyonNight::Update() {
    return RunTimeline(kCanyonNight, FieldCanyonNightState, ScheduleRoute1, ScheduleRoute2, ScheduleRoute3);
}

int32_t FieldGrassDay::Holder() { return TimelineHolder(kGrassDay, FieldGrassDayState.frame); }
int32_t FieldGrassNight::Holder() { return TimelineHolder(kGrassNight, FieldGrassNightState.frame); }
int32_t FieldCanyonDay::Holder() { return TimelineHolder(kCanyonDay, FieldCanyonDayState.frame); }
int32_t FieldCanyonNight::Holder() { return TimelineHolder(kCanyonNight, FieldCanyonNightState.frame); }
int32_t FieldCave::Holder() { return CaveHolder(FieldCaveState.frame); }

// The cave has one schedule and no route choice; at Difficulty 3 the final
// boss rises where the stone was last seen, and its second form where the
// first fell, each on the screen (FinalBossRisePoint).
int32_t FieldCave::Update() {
    CaveFieldState& state = FieldCaveState;
    const int32_t t = state.frame;
    RunSchedule(Schedule, t, state.route);

    if (t == kCaveBigElementFrame) SpawnBoss(t, kSpeciesBigElement, 0, kMidBossX, kMidBossY, 3);
    if (t == kCaveMagicStoneFrame) SpawnBoss(t, kSpeciesMagicStone, 0, kMidBossX, kMidBossY, 3);
    if (Difficulty == 3 && (t == kCaveFirstFormFrame || t == kCaveSecondFormFrame)) {
        const Vec3 rise = FinalBossRisePoint(state.bossPosition);
        SpawnBoss(t, kSpeciesGrandMagicStone, t == kCaveFirstFormFrame ? 0 : 1, rise.x, rise.y, 3);
    }
    if (t == kCaveResultFrame) ShowResult(state, 5);
    if (t == kCaveFadeFrame) BeginTransitionFade(kFadeFieldEnd);

    AdvanceScroll(state);

    // The stone and the final boss are followed while they hold; the
    // BigElement is not.
    const int32_t holder = CaveHolder(t);
    if (holder >= 0 && !InWindow(t, kCaveBigElementFrame)) state.bossPosition = GetEnemyPosition(holder);
    if (holder < 0) state.frame = t + 1;
    return FieldOver();
}

void FieldGrassDay::Draw() { DrawBackground(0, FieldGrassDayState); }
void FieldGrassNight::Draw() { DrawBackground(1, FieldGrassNightState); }
void FieldCanyonDay::Draw() { DrawBackground(2, FieldCanyonDayState); }
void FieldCanyonNight::Draw() { DrawBackground(3, FieldCanyonNightState); }
void FieldCave::Draw() { DrawBackground(4, FieldCaveState); }
