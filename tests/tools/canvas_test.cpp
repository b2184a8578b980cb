// The generator's drawing surface: primitives, keyed finishing, noise, text
// and the PNG round trip.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "assetgen/art.h"
#include "assetgen/canvas.h"
#include "assetgen/writer.h"

using namespace assetgen;

namespace {

int CountAlpha(const Canvas& c, int lo, int hi) {
    int n = 0;
    for (Argb p : c.Pixels()) n += A(p) >= lo && A(p) <= hi;
    return n;
}

TEST(Canvas, PixelAlignedRectCoversExactlyItsPixels) {
    Canvas c(10, 10);
    c.FillRect(2, 3, 6, 8, Rgb(255, 0, 0));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            bool inside = x >= 2 && x < 6 && y >= 3 && y < 8;
            EXPECT_EQ(c.Get(x, y), inside ? Rgb(255, 0, 0) : 0u) << x << "," << y;
        }
}

TEST(Canvas, HalfCoverageBlendsAndHardModeThresholds) {
    Canvas soft(4, 1), hard(4, 1);
    hard.SetAntialias(false);
    // A rectangle ending half-way through pixel 2.
    soft.FillRect(0, 0, 2.5f, 1, Rgb(0, 0, 255));
    hard.FillRect(0, 0, 2.4f, 1, Rgb(0, 0, 255));
    EXPECT_EQ(A(soft.Get(2, 0)), 128);
    EXPECT_EQ(B(soft.Get(2, 0)), 255);
    EXPECT_EQ(hard.Get(1, 0), Rgb(0, 0, 255));
    EXPECT_EQ(hard.Get(2, 0), 0u);  // 40 % covered: left out entirely
    Canvas circle(40, 40);
    circle.SetAntialias(false);
    circle.FillCircle(20, 20, 13.3f, Rgb(10, 200, 30));
    EXPECT_EQ(CountAlpha(circle, 1, 254), 0);
}

TEST(Canvas, BlendOverTransparentKeepsColourAndOverOpaqueMixes) {
    Canvas c(2, 1);
    c.Blend(0, 0, Rgb(200, 100, 50, 128));
    EXPECT_EQ(c.Get(0, 0), Rgb(200, 100, 50, 128));
    c.Set(1, 0, Rgb(0, 0, 0));
    c.Blend(1, 0, Rgb(200, 100, 50), 0.5f);
    EXPECT_EQ(c.Get(1, 0), Rgb(100, 50, 25));
    c.SetClip({0, 0, 1, 1});
    c.Blend(1, 0, Rgb(255, 255, 255));
    EXPECT_EQ(c.Get(1, 0), Rgb(100, 50, 25));  // outside the clip: untouched
}

TEST(Canvas, FinishKeyedLeavesOnlyTheKeyOrClearlyDifferentOpaqueColours) {
    Canvas c(4, 1);
    c.Set(0, 0, Rgb(250, 10, 10, 100));   // mostly transparent: becomes key
    c.Set(1, 0, Rgb(20, 240, 20, 255));   // nearly the green key: pushed away
    c.Set(2, 0, Rgb(250, 10, 10, 200));   // drawn: becomes opaque
    c.Set(3, 0, Rgb(0, 255, 0, 255));     // a drawing may not use the key either
    c.FinishKeyed(0xFF00FF00u);
    EXPECT_EQ(c.Get(0, 0), 0xFF00FF00u);
    for (int x : {1, 3}) {
        Argb pushed = c.Get(x, 0);
        EXPECT_EQ(A(pushed), 255);
        EXPECT_GE(std::max({R(pushed), 255 - G(pushed), B(pushed)}), 40) << x;
    }
    EXPECT_EQ(c.Get(2, 0), Rgb(250, 10, 10));

    Canvas dark(1, 1, Rgb(12, 8, 20));
    dark.FinishKeyed(0xFF000000u);
    EXPECT_GE(std::max({R(dark.Get(0, 0)), G(dark.Get(0, 0)), B(dark.Get(0, 0))}), 40);
}

TEST(Canvas, TransformedDrawRotatesAboutTheCentrePoint) {
    Canvas src(8, 8);
    src.FillRect(4, 0, 8, 8, Rgb(255, 255, 255));  // right half white
    Canvas dst(8, 8);
    // A quarter turn clockwise on screen moves the right half to the bottom.
    dst.DrawTransformed(src, {0, 0, 8, 8}, 4, 4, 4, 4, 90, 1, 1);
    EXPECT_EQ(A(dst.Get(4, 7)), 255);
    EXPECT_EQ(A(dst.Get(4, 0)), 0);
    Canvas big(16, 16);
    big.DrawTransformed(src, {0, 0, 8, 8}, 0, 0, 0, 0, 0, 2, 2);
    EXPECT_EQ(A(big.Get(13, 3)), 255);
    EXPECT_EQ(A(big.Get(2, 3)), 0);
}

TEST(Canvas, ResizedAveragesWithAlphaWeighting) {
    Canvas c(2, 2);
    c.Set(0, 0, Rgb(255, 0, 0));
    c.Set(1, 0, Rgb(0, 0, 255));
    Canvas s = c.Resized(1, 1);
    // Transparent pixels do not darken the colour, but halve the alpha.
    EXPECT_EQ(s.Get(0, 0), Rgb(128, 0, 128, 128));
}

TEST(Canvas, PolygonFillMatchesItsShape) {
    Canvas c(20, 20);
    c.FillPolygon({{0, 0}, {20, 0}, {0, 20}}, Rgb(255, 255, 255));
    EXPECT_EQ(A(c.Get(2, 2)), 255);
    EXPECT_EQ(A(c.Get(17, 17)), 0);
    EXPECT_NEAR(A(c.Get(9, 10)), 128, 40);  // the diagonal edge is half covered
    EXPECT_LT(SdPolygon(5, 5, {{0, 0}, {20, 0}, {0, 20}}), 0);
    EXPECT_GT(SdPolygon(15, 15, {{0, 0}, {20, 0}, {0, 20}}), 0);
}

TEST(Noise, IsDeterministicAndRepeatsWithItsPeriod) {
    EXPECT_EQ(Hash01(3, 4, 9), Hash01(3, 4, 9));
    EXPECT_NE(Hash01(3, 4, 9), Hash01(3, 4, 10));
    for (float y : {0.0f, 37.5f, 200.0f}) {
        EXPECT_FLOAT_EQ(ValueNoise(10, y, 60, 5, 0, 12), ValueNoise(10, y + 720, 60, 5, 0, 12));
        EXPECT_FLOAT_EQ(Fbm(10, y, 120, 4, 5, 0, 6), Fbm(10, y + 720, 120, 4, 5, 0, 6));
    }
    Rng a(1), b(1);
    for (int i = 0; i < 50; ++i) {
        int v = a.Int(3, 7);
        EXPECT_EQ(v, b.Int(3, 7));
        EXPECT_TRUE(v >= 3 && v <= 7);
    }
}

TEST(Text, DrawsInkWhereAskedAndFitsItsBox) {
    TextStyle st;
    st.size = 20;
    st.color = Rgb(255, 255, 255);
    EXPECT_GT(TextWidth("MIRELUNE", st), TextWidth("MIRE", st));
    Canvas c(200, 40);
    c.SetAntialias(false);
    c.TextFit("A rather long caption for a small box", 10, 5, 110, 35, st);
    EXPECT_EQ(CountAlpha(c, 1, 254), 0);  // hard-edged
    int ink = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 200; ++x)
            if (A(c.Get(x, y))) {
                ++ink;
                EXPECT_TRUE(x >= 10 && x < 110 && y >= 5 && y < 35) << x << "," << y;
            }
    EXPECT_GT(ink, 50);

    Canvas g(60, 60);
    TextStyle grad = st;
    grad.size = 50;
    grad.color = Rgb(255, 0, 0);
    grad.colorBottom = Rgb(0, 0, 255);
    grad.halign = HAlign::Center;
    g.Text("I", 30, 30, grad);
    Argb top = 0, bottom = 0;
    for (int y = 0; y < 60; ++y)
        if (A(g.Get(30, y)) == 255) {
            if (!top) top = g.Get(30, y);
            bottom = g.Get(30, y);
        }
    EXPECT_GT(R(top), B(top));
    EXPECT_GT(B(bottom), R(bottom));
}

TEST(Art, WrappedDrawsFeaturesAcrossTheSeam) {
    Canvas c(10, 100);
    art::Wrapped(98, 5, 100, [&](float dy) { c.FillCircle(5.5f, 98 + dy, 4, Rgb(255, 255, 255)); });
    EXPECT_EQ(A(c.Get(5, 99)), 255);
    EXPECT_EQ(A(c.Get(5, 1)), 255);  // the part below the bottom edge shows at the top
    EXPECT_EQ(A(c.Get(5, 50)), 0);
}

TEST(Png, RoundTripsPixelsAndCarriesNoTimeStamp) {
    Canvas c(5, 3);
    c.Set(0, 0, Rgb(1, 2, 3, 4));
    c.Set(4, 2, Rgb(250, 128, 7, 255));
    std::vector<uint8_t> bytes = EncodePng(c);
    Canvas back;
    ASSERT_TRUE(DecodePng(bytes, back));
    EXPECT_EQ(back.Pixels(), c.Pixels());
    EXPECT_TRUE(EncodePng(c) == bytes);
    std::string all(bytes.begin(), bytes.end());
    EXPECT_EQ(all.find("tIME"), std::string::npos);
    EXPECT_FALSE(DecodePng({1, 2, 3}, back));
}

TEST(Writer, WritesOnlyWhenTheBytesDiffer) {
    namespace fs = std::filesystem;
    fs::path dir = fs::temp_directory_path() / ("assetgen_writer_" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::path file = dir / "deep/inside/file.bin";
    EXPECT_TRUE(WriteIfChanged(file, {1, 2, 3}));
    EXPECT_FALSE(WriteIfChanged(file, {1, 2, 3}));
    EXPECT_TRUE(WriteIfChanged(file, {1, 2, 4}));
    EXPECT_TRUE(WriteIfChanged(file, {1, 2}));
    std::ifstream in(file, std::ios::binary);
    std::vector<uint8_t> got((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(got, (std::vector<uint8_t>{1, 2}));
    EXPECT_FALSE(fs::exists(dir / "deep/inside/file.bin.tmp"));
    fs::remove_all(dir);
}

}  // namespace
