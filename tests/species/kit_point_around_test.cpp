// The kit's point round an ellipse: the muzzles out along an angle and the
// satellites' places round their commanders.
#include <gtest/gtest.h>

#include "enemy/species_kit.h"

namespace {

TEST(SpeciesKitPoint, PointAroundLiesOnTheEllipseAtTheAngle) {
    struct Case {
        float rx, ry, degrees, x, y;
    };
    const Case cases[] = {
        {50.0f, 50.0f, 0.0f, 550.0f, 300.0f},        {50.0f, 50.0f, 90.0f, 500.0f, 350.0f},
        {300.0f, 90.0f, 180.0f, 200.0f, 300.0f},     {300.0f, 90.0f, -90.0f, 500.0f, 210.0f},
        {30.0f, 30.0f, 45.0f, 521.2132f, 321.2132f},
    };
    for (const Case& c : cases) {
        const Muzzle p = SpeciesKit::PointAround(500.0f, 300.0f, c.rx, c.ry, c.degrees);
        EXPECT_NEAR(p.x, c.x, 1e-3f) << c.degrees;
        EXPECT_NEAR(p.y, c.y, 1e-3f) << c.degrees;
    }
}

}   // namespace
