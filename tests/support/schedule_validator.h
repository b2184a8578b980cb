#pragma once
// Checks every spawn schedule against the fields' window tables: per 600-frame
// window the first and last frame, each species' count, variants and route-1
// events; the schedule's totals; no event on a frame where a boss holds the
// counter; no FloorCrystal; no enemy that its species' playfield bounds
// would remove in its first frame; and, for the schedules known by their
// windows, the formation conventions (periods, shifts, entry points).
#include <cstdint>
#include <string>
#include <vector>

namespace testsupport {

// Every problem found, one line each; empty when all schedules hold.
std::vector<std::string> ValidateSchedules();

// The number of schedules the validator knows: three routes of each of the
// four open fields, and the cave.
int32_t ValidatedScheduleCount();

// Whether the enemy spawned at (x, y) is removed by its species' bounds after
// its first frame of movement (scroll: the field's scroll speed).
bool RemovedInFirstFrame(int32_t species, int32_t variant, float x, float y, float scroll);

}  // namespace testsupport
