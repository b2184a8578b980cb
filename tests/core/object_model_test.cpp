#include <gtest/gtest.h>

#include <cmath>

#include "core/object_base.h"
#include "enemy/enemy_base.h"

namespace {

class Plain : public ObjectBase {};

TEST(ObjectModel, NewObjectSitsAtTheOriginWithIdentityMatrix) {
    Plain o;
    EXPECT_EQ(o.x, 0.0f);
    EXPECT_EQ(o.y, 0.0f);
    EXPECT_EQ(o.z, 0.0f);
    const Matrix m = o.GetWorldMatrix();
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(m.m[r][c], r == c ? 1.0f : 0.0f);
    EXPECT_FALSE(o.Init());
}

TEST(ObjectModel, RotatedTransformTurnsAQuarterAndMoves) {
    Plain o;
    o.SetTransformRotZ(1.0f, 1.0f, 1.0f, 10.0f, 20.0f, 0.0f, 90.0f);
    const Vec3 p = TransformPoint(Vec3{1.0f, 0.0f, 0.0f}, o.GetWorldMatrix());
    EXPECT_NEAR(p.x, 10.0f, 1e-5f);
    EXPECT_NEAR(p.y, 21.0f, 1e-5f);
    EXPECT_NEAR(p.z, 0.0f, 1e-5f);
}

TEST(ObjectModel, TransformScalesBeforeTranslating) {
    Plain o;
    o.SetTransform(2.0f, 1.5f, 1.0f, 100.0f, 50.0f, 0.0f);
    const Vec3 p = TransformPoint(Vec3{10.0f, 10.0f, 0.0f}, o.GetWorldMatrix());
    EXPECT_FLOAT_EQ(p.x, 120.0f);
    EXPECT_FLOAT_EQ(p.y, 65.0f);
}

TEST(ObjectModel, AimAngleLooksFromTheMuzzleToTheTarget) {
    class Aimer : public EnemyBase {} e;
    e.target = Vec3{100.0f, 300.0f, 0.0f};
    EXPECT_FLOAT_EQ(e.AimAngle(100.0f, 100.0f), static_cast<float>(M_PI / 2));
    e.target = Vec3{400.0f, 100.0f, 0.0f};
    EXPECT_FLOAT_EQ(e.AimAngle(100.0f, 100.0f), 0.0f);
}

}  // namespace
