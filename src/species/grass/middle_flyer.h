#pragma once
// What the two middle flyers, MiddleButterFly (species 2) and MiddleMoth
// (species 7), share: their frame and death, their four paths, the windows of
// the phase timer their fire routines run in, the burst aim and their draw.
#include <cstdint>
#include <limits>

#include "enemy/species_kit.h"

// The horizontal speed on the arcs of paths 2 and 3: start - slowdown x t,
// which reaches 0 at t = 120.
struct MiddleArcSpeed {
    float start = 0.0f;
    float slowdown = 0.0f;
};

// A window of the phase timer in which a fire routine runs and counts: first
// to last inclusive. After the routine's checks a shot counter of `wrapAt` or
// more starts a new cycle (counter -1, then the frame's count brings it to
// 0), flipping the toggle when asked; the burst aim is taken whenever the
// counter is 0 as the window's frame starts.
struct MiddleWindow {
    int32_t first = 0;
    int32_t last = 0;
    int32_t wrapAt = std::numeric_limits<int32_t>::max();
    bool flipsToggle = false;
    bool takesAim = false;
};

// Path 0 of every routine of both species: t = 20..179, an 81-frame cycle,
// the aim taken at its start; volleys on counts 0, 3, 6 and 9.
inline constexpr MiddleWindow kMiddleBurstWindow{.first = 20, .last = 179, .wrapAt = 80, .takesAim = true};

class MiddleFlyer : public virtual SpeciesKit {
public:
    // The middle-flyer draw: a 256 x 256 cell of the sheet's first row at
    // column animation frame / 4, 1.5 times wider than tall, upright,
    // hit-tinted.
    void DrawMiddleButterFlyMoth();

protected:
    // The ordinary frame of a middle flyer: the middle burst with one big orb
    // and a ring by grade and Difficulty, no bullet cancel; the animation; no
    // facing; removal 200 pixels outside the playfield.
    static const OrdinaryRules kMiddleFlyerRules;

    // One frame along the path of the variant (0..3; any other stands).
    void FlyMiddlePath(const MiddleArcSpeed& arc);

    // One frame of a routine inside `window`: nothing at all (the counter
    // unchanged) outside it or for a Difficulty other than 1..3; else the aim
    // when the window takes it, fire(column) with the counter as it stands,
    // the wrap and the count.
    template <class Fire>
    void RunMiddleWindow(const MiddleWindow& window, Fire&& fire) {
        const int32_t column = DifficultyColumn();
        if (column < 0 || phaseTimer < window.first || phaseTimer > window.last) return;
        if (window.takesAim && shotCounter == 0) SaveAim();
        fire(column);
        if (shotCounter >= window.wrapAt) {
            shotCounter = -1;
            if (window.flipsToggle) toggle ^= 1;
        }
        ++shotCounter;
    }
    // A path-0 volley is due: counts 0, 3, 6 and 9 of the cycle.
    bool MiddleBurstVolleyDue() const { return shotCounter < 10 && VolleyDue(0, 3); }
    // The speed of a burst bullet: base + 0.2 per counter step.
    float MiddleBurstSpeed(float base) const { return base + 0.2f * static_cast<float>(shotCounter); }
};
