#include <gtest/gtest.h>

#include <numbers>

#include "platform/matrix.h"

namespace {

constexpr float kQuarterTurn = static_cast<float>(std::numbers::pi / 2.0);

TEST(SpriteMatrix, ScaleRotateTranslateInThatOrder) {
    // Scaling(1,1,1) * RotationZ(90 degrees) * Translation(10, 20, 0): (1, 0, 0) -> (10, 21, 0).
    const Matrix m = MatrixMultiply(MatrixMultiply(MatrixScaling(1.0f, 1.0f, 1.0f), MatrixRotationZ(kQuarterTurn)),
                                    MatrixTranslation(10.0f, 20.0f, 0.0f));
    const Vec3 p = TransformPoint(Vec3{1.0f, 0.0f, 0.0f}, m);
    EXPECT_NEAR(p.x, 10.0f, 1e-5f);
    EXPECT_FLOAT_EQ(p.y, 21.0f);
    EXPECT_FLOAT_EQ(p.z, 0.0f);
}

TEST(SpriteMatrix, MultiplyAppliesLeftThenRight) {
    // Translate then scale differs from scale then translate.
    const Matrix translateThenScale = MatrixMultiply(MatrixTranslation(5.0f, 0.0f, 0.0f), MatrixScaling(2.0f, 2.0f, 0.0f));
    const Vec3 p = TransformPoint(Vec3{1.0f, 1.0f, 7.0f}, translateThenScale);
    EXPECT_FLOAT_EQ(p.x, 12.0f);
    EXPECT_FLOAT_EQ(p.y, 2.0f);
    EXPECT_FLOAT_EQ(p.z, 0.0f);  // a z scale of 0 flattens z and leaves x, y alone
}

}  // namespace
