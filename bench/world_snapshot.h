#pragma once
// A copy of the in-field world that a frame changes: every pool and record,
// the draw list, the knight, the field states, the globals of the frame and
// the place in the scripted random numbers. Restoring it puts the world back
// exactly, so one heavy frame can be timed again and again.
#include <memory>

namespace benchsupport {

// Random numbers from a script of the benchmark's own (a fixed sequence
// whose place a snapshot keeps), from its first number on.
void StartScriptedRandom();

class WorldSnapshot {
public:
    WorldSnapshot();
    ~WorldSnapshot();
    WorldSnapshot(const WorldSnapshot&) = delete;
    WorldSnapshot& operator=(const WorldSnapshot&) = delete;

    void Take();
    void Restore() const;

private:
    struct World;
    std::unique_ptr<World> world_;
};

}  // namespace benchsupport
