#pragma once
// The floors the in-field frame is measured against: the same amount of the
// plainest work of its kind, written as a bare loop that the compiler may not
// drop. A machine that is slower at the frame is slower at its floor too, so
// the ratio of the two holds where absolute times do not.
#include <cstdint>
#include <vector>

#include "core/bullet.h"
#include "platform/matrix.h"

namespace benchsupport {

// The floor of UpdatePlay: one bullet move (the bounds test, cos and sin of
// the heading, the step) per object, on copies of the game's Bullet, so that
// as much memory is read and written per object as the pools hold.
class UpdateFloor {
public:
    explicit UpdateFloor(int objects);
    void Run();

private:
    std::vector<Bullet> bullets_;
};

// The floor of a DrawPlay submission: the four vertices and six indices the
// renderer is handed per sprite, written from each sprite's own position.
class DrawFloor {
public:
    explicit DrawFloor(int sprites);
    void Run();

private:
    // A renderer vertex: position, colour, texture coordinates (20 bytes).
    struct Vertex {
        float x, y;
        uint32_t colour;
        float u, v;
    };
    std::vector<Vec3> at_;
    std::vector<Vertex> vertices_;
    std::vector<int> indices_;
};

}  // namespace benchsupport
