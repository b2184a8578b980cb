#include "floors.h"

#include <benchmark/benchmark.h>

#include <cmath>

#include "core/object_base.h"

namespace benchsupport {

UpdateFloor::UpdateFloor(int objects) : bullets_(static_cast<size_t>(objects)) {
    // Slow bullets in mid-field, heading every way: none ever leaves it, so
    // every run does the same work.
    for (size_t i = 0; i < bullets_.size(); ++i) {
        Bullet& b = bullets_[i];
        b.active = 1;
        b.x = 640.0f;
        b.y = 360.0f;
        b.angle = static_cast<float>(i * 37 % 360);
        b.speed = 0.01f;
    }
}

void UpdateFloor::Run() {
    for (Bullet& b : bullets_) {
        if (b.x <= 190.0f || b.x >= 1090.0f || b.y <= -50.0f || b.y >= 770.0f) {
            b.active = 0;
            continue;
        }
        const float h = b.angle * kDegToRad;
        b.x += std::cos(h) * b.speed;
        b.y += std::sin(h) * b.speed;
    }
    benchmark::DoNotOptimize(bullets_.data());
    benchmark::ClobberMemory();
}

DrawFloor::DrawFloor(int sprites)
    : at_(static_cast<size_t>(sprites)),
      vertices_(static_cast<size_t>(sprites) * 4),
      indices_(static_cast<size_t>(sprites) * 6) {
    for (size_t i = 0; i < at_.size(); ++i)
        at_[i] = Vec3{static_cast<float>(i % 1280), static_cast<float>(i / 1280 * 8), 0.0f};
}

void DrawFloor::Run() {
    constexpr float kSide = 32.0f;
    constexpr uint32_t kWhite = 0xFFFFFFFFu;
    for (size_t i = 0; i < at_.size(); ++i) {
        const float x = at_[i].x;
        const float y = at_[i].y;
        Vertex* v = &vertices_[i * 4];
        v[0] = Vertex{x, y, kWhite, 0.0f, 0.0f};
        v[1] = Vertex{x + kSide, y, kWhite, 1.0f, 0.0f};
        v[2] = Vertex{x + kSide, y + kSide, kWhite, 1.0f, 1.0f};
        v[3] = Vertex{x, y + kSide, kWhite, 0.0f, 1.0f};
        constexpr int kCorners[6] = {0, 1, 2, 0, 2, 3};
        for (int k = 0; k < 6; ++k) indices_[i * 6 + k] = static_cast<int>(i * 4) + kCorners[k];
    }
    benchmark::DoNotOptimize(vertices_.data());
    benchmark::DoNotOptimize(indices_.data());
    benchmark::ClobberMemory();
}

}  // namespace benchsupport
