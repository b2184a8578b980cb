#pragma once
// Spawn schedules: the waves of small and middle enemies of a field, kept as
// data and fired by the field's frame counter.
//
// A wave is one line of a schedule: its frames first..last every `period`
// frames, a species and variant, the spawn points at its first frame, and how
// far each point moves from one frame of the wave to the next. `spawns` is the
// number of enemies the wave brings in all (frames x points); the tests hold
// every wave to it.
#include <cstdint>
#include <initializer_list>

#include "enemy/enemy_ids.h"

struct WavePoint {
    float x = 0.0f;
    float y = 0.0f;
};

constexpr int kWavePointMax = 8;

// Up to eight points (spawn points or their per-frame steps).
struct WavePoints {
    int32_t count = 0;
    WavePoint at[kWavePointMax] = {};

    constexpr WavePoints() = default;
    constexpr WavePoints(std::initializer_list<WavePoint> points) {
        for (const WavePoint& p : points) {
            if (count < kWavePointMax) at[count] = p;
            ++count;  // an overlong list shows as count > kWavePointMax and fails validation
        }
    }
    // A row at height y from x0 to x1 (inclusive) every dx pixels.
    static constexpr WavePoints Row(float x0, float x1, float dx, float y) {
        WavePoints row;
        for (float x = x0; x <= x1 && row.count < kWavePointMax; x += dx) row.at[row.count++] = {x, y};
        return row;
    }
};

struct SpawnWave {
    int32_t first = 0;
    int32_t last = 0;
    int32_t period = 1;
    int32_t species = 0;
    int32_t variant = 0;
    WavePoints points;
    WavePoints steps;      // none: the points stay put; one: shared by all points; else one per point
    int32_t spawns = 0;
    int32_t route1 = 0;    // 1: passes route 1 whatever the field's route
};

// first-last/period, species, variant, points, steps, spawns.
constexpr SpawnWave Wave(int32_t first, int32_t last, int32_t period, int32_t species, int32_t variant,
                         WavePoints points, WavePoints steps, int32_t spawns) {
    SpawnWave w;
    w.first = first;
    w.last = last;
    w.period = period;
    w.species = species;
    w.variant = variant;
    w.points = points;
    w.steps = steps;
    w.spawns = spawns;
    return w;
}
// A wave on one frame.
constexpr SpawnWave Once(int32_t frame, int32_t species, int32_t variant, WavePoints points, int32_t spawns) {
    return Wave(frame, frame, 1, species, variant, points, WavePoints(), spawns);
}
// The same wave, passing route 1 whatever the field's route.
constexpr SpawnWave Route1(SpawnWave w) {
    w.route1 = 1;
    return w;
}

struct SpawnSchedule {
    const SpawnWave* waves = nullptr;
    int32_t waveCount = 0;
    int32_t level = 1;       // the field's class, given to every spawn as its grade
    int32_t fixedRoute = 0;  // 0: the field's route; else this route for every event (the cave: 1)
};

template <int32_t N>
constexpr SpawnSchedule MakeSchedule(const SpawnWave (&waves)[N], int32_t level, int32_t fixedRoute = 0) {
    return SpawnSchedule{waves, N, level, fixedRoute};
}

// One event as it fires: the spawn's species, variant, position and route.
struct SpawnEvent {
    int32_t frame = 0;
    int32_t species = 0;
    int32_t variant = 0;
    float x = 0.0f;
    float y = 0.0f;
    int32_t route = 1;
    int32_t level = 1;
};

constexpr SpawnEvent MakeSpawnEvent(int32_t frame, int32_t species, int32_t variant, float x, float y,
                                    int32_t route, int32_t level) {
    SpawnEvent e;
    e.frame = frame;
    e.species = species;
    e.variant = variant;
    e.x = x;
    e.y = y;
    e.route = route;
    e.level = level;
    return e;
}

// The events of one wave at one of its frames (index k = 0 for its first frame).
inline SpawnEvent WaveEvent(const SpawnWave& w, int32_t k, int32_t point, int32_t fieldRoute, int32_t level) {
    const WavePoint& p = w.points.at[point];
    WavePoint step;
    if (w.steps.count == 1) step = w.steps.at[0];
    else if (w.steps.count > point) step = w.steps.at[point];
    const float fk = static_cast<float>(k);
    return MakeSpawnEvent(w.first + k * w.period, w.species, w.variant, p.x + fk * step.x, p.y + fk * step.y,
                          w.route1 != 0 ? 1 : fieldRoute, level);
}

inline int32_t EventRoute(const SpawnSchedule& s, int32_t fieldRoute) {
    return s.fixedRoute != 0 ? s.fixedRoute : fieldRoute;
}

// Visits the events of one wave at its k-th frame, point by point.
template <class Visit>
void VisitWaveFrame(const SpawnWave& w, int32_t k, int32_t route, int32_t level, Visit& visit) {
    const int32_t points = w.points.count < kWavePointMax ? w.points.count : kWavePointMax;
    for (int32_t p = 0; p < points; ++p) visit(WaveEvent(w, k, p, route, level));
}

// Visits every event of the schedule whose frame is `frame`, wave by wave.
template <class Visit>
void ForEachEventAt(const SpawnSchedule& s, int32_t frame, int32_t fieldRoute, Visit&& visit) {
    const int32_t route = EventRoute(s, fieldRoute);
    for (int32_t i = 0; i < s.waveCount; ++i) {
        const SpawnWave& w = s.waves[i];
        if (frame < w.first || frame > w.last || w.period <= 0) continue;
        if ((frame - w.first) % w.period != 0) continue;
        VisitWaveFrame(w, (frame - w.first) / w.period, route, s.level, visit);
    }
}

// Visits every event of the schedule, wave by wave (not in frame order).
template <class Visit>
void ForEachEvent(const SpawnSchedule& s, int32_t fieldRoute, Visit&& visit) {
    const int32_t route = EventRoute(s, fieldRoute);
    for (int32_t i = 0; i < s.waveCount; ++i) {
        const SpawnWave& w = s.waves[i];
        if (w.period <= 0) continue;
        for (int32_t k = 0; w.first + k * w.period <= w.last; ++k) VisitWaveFrame(w, k, route, s.level, visit);
    }
}

// Spawns every event of the schedule at the counter's value.
void RunSchedule(const SpawnSchedule& s, int32_t frame, int32_t fieldRoute);

// Every spawn of the field scripts goes through here, to SpawnEnemy.
void SpawnFieldEnemy(const SpawnEvent& event);
