// The asset generator: what it writes, how it writes it, and what the sheets hold.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <thread>

#include "assetgen/writer.h"

namespace fs = std::filesystem;
using namespace assetgen;

namespace {

std::vector<uint8_t> ReadFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

uint32_t Le32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 | uint32_t(b[at + 3]) << 24;
}
uint16_t Le16(const std::vector<uint8_t>& b, size_t at) { return uint16_t(b[at] | b[at + 1] << 8); }
uint32_t Be32(const std::vector<uint8_t>& b, size_t at) {
    return uint32_t(b[at]) << 24 | uint32_t(b[at + 1]) << 16 | uint32_t(b[at + 2]) << 8 | uint32_t(b[at + 3]);
}

// Content checks read the resource folder the build generated; the tests of
// the writer itself generate into temporary folders of their own.
class AssetGen : public ::testing::Test {
protected:
    static fs::path built;
    static fs::path scratch;

    static void SetUpTestSuite() {
        built = MIRELUNE_RESOURCE_DIR;
        scratch = fs::temp_directory_path() / ("assetgen_test_" + std::to_string(::getpid()));
        fs::remove_all(scratch);
        fs::create_directories(scratch);
    }
    static void TearDownTestSuite() { fs::remove_all(scratch); }

    static Canvas Load(const TextureSpec& t) {
        Canvas c;
        EXPECT_TRUE(DecodePng(ReadFile(built / t.path), c)) << t.path;
        return c;
    }
};
fs::path AssetGen::built;
fs::path AssetGen::scratch;

// The build generated its folder with every core; a second run here, with
// another thread count and into an empty folder, writes the same bytes.
TEST_F(AssetGen, OutputIsByteIdenticalAcrossRuns) {
    GenerateOptions opt;
    opt.outDir = scratch / "again";
    opt.threads = 3;
    GenerateReport r = GenerateAll(opt);
    ASSERT_TRUE(r.errors.empty());
    EXPECT_EQ(r.written, int(TextureManifest().size() + SoundManifest().size()));
    EXPECT_TRUE(fs::is_directory(opt.outDir / "Data"));  // ready for the high scores
    for (const auto& t : TextureManifest())
        EXPECT_TRUE(ReadFile(built / t.path) == ReadFile(opt.outDir / t.path)) << t.path;
    for (const auto& s : SoundManifest())
        EXPECT_TRUE(ReadFile(built / s.path) == ReadFile(opt.outDir / s.path)) << s.path;
}

TEST_F(AssetGen, RerunRewritesOnlyChangedFilesAndKeepsHighScores) {
    // Start from a copy of the build's folder, as a developer's rebuild would.
    fs::path dir = scratch / "rerun";
    fs::copy(built, dir, fs::copy_options::recursive);
    fs::create_directories(dir / "Data");
    std::ofstream(dir / "Data/HighScore.txt") << "123\n0\n0\n0\n77\n";
    GenerateOptions opt;
    opt.outDir = dir;

    fs::path kept = dir / "Texture/Common/number.png";
    fs::path damaged = dir / "Sound/SoundEffect/item_get.wav";
    auto old = fs::file_time_type::clock::now() - std::chrono::hours(1);
    fs::last_write_time(kept, old);
    std::ofstream(damaged, std::ios::binary | std::ios::trunc) << "broken";

    GenerateReport r = GenerateAll(opt);
    ASSERT_TRUE(r.errors.empty());
    EXPECT_EQ(r.written, 1);
    EXPECT_EQ(r.unchanged, int(TextureManifest().size() + SoundManifest().size()) - 1);
    EXPECT_EQ(fs::last_write_time(kept), old);
    EXPECT_TRUE(ReadFile(damaged) == ReadFile(built / "Sound/SoundEffect/item_get.wav"));
    std::ifstream in(dir / "Data/HighScore.txt");
    std::string all((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(all, "123\n0\n0\n0\n77\n");
}

TEST_F(AssetGen, ManifestIsConsistent) {
    EXPECT_EQ(TextureManifest().size(), 77u);
    EXPECT_EQ(SoundManifest().size(), 13u);
    std::set<std::string> paths;
    for (const auto& t : TextureManifest()) {
        EXPECT_TRUE(paths.insert(t.path).second) << "twice: " << t.path;
        EXPECT_TRUE(t.colorKey == kKeyNone || t.colorKey == kKeyGreen || t.colorKey == kKeyBlack ||
                    t.colorKey == kKeyBlue)
            << t.path;
        for (const Cell& c : t.cells) {
            EXPECT_TRUE(c.left >= 0 && c.top >= 0 && c.right <= t.width && c.bottom <= t.height &&
                        c.left < c.right && c.top < c.bottom)
                << t.path << " " << c.name;
        }
    }
    const TextureSpec* barrier = FindTexture("Texture/Common/barrier.png");
    ASSERT_NE(barrier, nullptr);
    EXPECT_EQ(barrier->colorKey, kKeyBlue);
    EXPECT_EQ(FindTexture("Texture/Common/nothing.png"), nullptr);
    EXPECT_EQ(FindTexture("Texture/Effects/skill3.png")->CellNamed("frame27").left, 400);
    EXPECT_EQ(FindTexture("Texture/Effects/skill3.png")->CellNamed("frame27").top, 200);
}

TEST_F(AssetGen, EveryTextureIsWrittenAtItsSize) {
    for (const auto& t : TextureManifest()) {
        std::vector<uint8_t> b = ReadFile(built / t.path);
        ASSERT_GE(b.size(), 33u) << t.path;
        EXPECT_EQ(std::string(b.begin() + 12, b.begin() + 16), "IHDR") << t.path;
        EXPECT_EQ(Be32(b, 16), uint32_t(t.width)) << t.path;
        EXPECT_EQ(Be32(b, 20), uint32_t(t.height)) << t.path;
        EXPECT_EQ(b[24], 8) << t.path;  // 8 bits per channel
        EXPECT_EQ(b[25], 6) << t.path;  // RGBA
    }
}

// A keyed sheet holds its exact key or opaque colours well away from it:
// nothing is blended or anti-aliased into the key.
TEST_F(AssetGen, KeyedSheetsNeverBleedIntoTheirKey) {
    int checked = 0;
    for (const auto& t : TextureManifest()) {
        if (t.colorKey == kKeyNone) continue;
        Canvas c = Load(t);
        size_t keyed = 0, bad = 0;
        for (Argb p : c.Pixels()) {
            if (p == t.colorKey) {
                ++keyed;
                continue;
            }
            bool near = A(p) < 255 || (std::abs(R(p) - R(t.colorKey)) < 24 && std::abs(G(p) - G(t.colorKey)) < 24 &&
                                       std::abs(B(p) - B(t.colorKey)) < 24);
            bad += near;
        }
        EXPECT_EQ(bad, 0u) << t.path;
        EXPECT_GT(keyed, 0u) << t.path << " has no key colour at all";
        ++checked;
    }
    EXPECT_GE(checked, 26);
}

// Every cell the game cuts shows something, and what lies outside every cell
// of a keyed effect strip stays key colour.
TEST_F(AssetGen, CellsHoldDrawingsAndUnusedFramesStayKey) {
    for (const char* path : {"Texture/Effects/bullet_hit.png", "Texture/Effects/enemy_destroy.png",
                             "Texture/Effects/slash_h.png", "Texture/Effects/slash_e.png",
                             "Texture/Effects/spear_hit.png", "Texture/Effects/skill1.png",
                             "Texture/Effects/skill3.png", "Texture/Effects/bullet_delete.png",
                             "Texture/Common/ItemChip.png", "Texture/Character/player.png",
                             "Texture/Character/bullet.png", "Texture/UserInterface/emotion_set.png"}) {
        const TextureSpec* t = FindTexture(path);
        ASSERT_NE(t, nullptr) << path;
        Canvas c = Load(*t);
        std::vector<char> inCell(c.Pixels().size(), 0);
        for (const Cell& cell : t->cells) {
            int drawn = 0;
            for (int y = cell.top; y < cell.bottom; ++y)
                for (int x = cell.left; x < cell.right; ++x) {
                    Argb p = c.Get(x, y);
                    inCell[size_t(y) * c.Width() + x] = 1;
                    drawn += (t->colorKey ? p != t->colorKey : A(p) > 0);
                }
            EXPECT_GT(drawn, 0) << path << " " << cell.name << " is empty";
        }
        if (t->colorKey == kKeyNone) continue;
        size_t stray = 0;
        for (size_t i = 0; i < inCell.size(); ++i) stray += !inCell[i] && c.Pixels()[i] != t->colorKey;
        EXPECT_EQ(stray, 0u) << path;
    }
}

// Animation strips animate: neighbouring frames differ.
TEST_F(AssetGen, AnimationFramesDiffer) {
    for (const char* path : {"Texture/Effects/enemy_destroy.png", "Texture/Effects/skill3.png",
                             "Texture/Character/player.png", "Texture/Common/ItemChip.png"}) {
        const TextureSpec* t = FindTexture(path);
        Canvas c = Load(*t);
        for (size_t i = 0; i + 1 < t->cells.size(); ++i) {
            const Cell& a = t->cells[i];
            const Cell& b = t->cells[i + 1];
            if (a.Width() != b.Width() || a.Height() != b.Height()) continue;
            if (a.name.substr(0, 3) != b.name.substr(0, 3)) continue;
            int diff = 0;
            for (int y = 0; y < a.Height(); ++y)
                for (int x = 0; x < a.Width(); ++x) diff += c.Get(a.left + x, a.top + y) != c.Get(b.left + x, b.top + y);
            EXPECT_GT(diff, a.Width() * a.Height() / 100) << path << " " << a.name << " and " << b.name;
        }
    }
}

TEST_F(AssetGen, BackgroundsJoinTopToBottom) {
    for (const char* path : {"Texture/Field/grass_field_day.png", "Texture/Field/grass_field_night.png",
                             "Texture/Field/canyon_day.png", "Texture/Field/canyon_night.png",
                             "Texture/Field/cave.png"}) {
        Canvas c = Load(*FindTexture(path));
        // The step from the last row to the first is no larger than the
        // steps between neighbouring rows inside the picture.
        auto rowDiff = [&](int y0, int y1) {
            double d = 0;
            for (int x = 0; x < c.Width(); ++x) {
                Argb a = c.Get(x, y0), b = c.Get(x, y1);
                d += std::abs(R(a) - R(b)) + std::abs(G(a) - G(b)) + std::abs(B(a) - B(b));
            }
            return d / c.Width();
        };
        double inside = 0;
        for (int y = 0; y + 1 < c.Height(); ++y) inside = std::max(inside, rowDiff(y, y + 1));
        EXPECT_LE(rowDiff(c.Height() - 1, 0), inside) << path;
        for (Argb p : c.Pixels()) ASSERT_EQ(A(p), 255) << path;
    }
}

TEST_F(AssetGen, WavFilesHaveTheCanonicalHeader) {
    for (const auto& s : SoundManifest()) {
        std::vector<uint8_t> b = ReadFile(built / s.path);
        ASSERT_GE(b.size(), 46u) << s.path;
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF");
        EXPECT_EQ(Le32(b, 4), b.size() - 8) << s.path;
        EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ");
        EXPECT_EQ(Le32(b, 16), 16u);
        EXPECT_EQ(Le16(b, 20), 1) << s.path;  // PCM
        uint16_t channels = Le16(b, 22);
        uint32_t rate = Le32(b, 24);
        EXPECT_TRUE(channels == 1 || channels == 2) << s.path;
        EXPECT_EQ(rate, 44100u) << s.path;
        EXPECT_EQ(Le16(b, 32), channels * 2) << s.path;
        EXPECT_EQ(Le32(b, 28), rate * channels * 2) << s.path;
        EXPECT_EQ(Le16(b, 34), 16) << s.path;
        EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data");
        EXPECT_EQ(Le32(b, 40), b.size() - 44) << s.path;
        double seconds = double(b.size() - 44) / (rate * channels * 2);
        if (s.loops) {
            EXPECT_GE(seconds, 20.0) << s.path;
            EXPECT_LE(seconds, 40.0) << s.path;
        } else {
            EXPECT_GT(seconds, 0.05) << s.path;
            EXPECT_LT(seconds, 6.0) << s.path;
        }
    }
}

// A music loop restarts without a click: the jump from its last sample to its
// first is no bigger than an ordinary step inside the track.
TEST_F(AssetGen, MusicLoopsJoinWithoutAClick) {
    int loops = 0;
    for (const auto& s : SoundManifest()) {
        if (!s.loops) continue;
        ++loops;
        std::vector<uint8_t> b = ReadFile(built / s.path);
        ASSERT_GT(b.size(), 46u) << s.path;
        int ch = Le16(b, 22);
        std::vector<int16_t> samples((b.size() - 44) / 2);
        for (size_t i = 0; i < samples.size(); ++i) samples[i] = int16_t(Le16(b, 44 + 2 * i));
        size_t frames = samples.size() / ch;
        for (int c = 0; c < ch; ++c) {
            int first = samples[c], last = samples[(frames - 1) * ch + c];
            EXPECT_LT(std::abs(first - last), 600) << s.path;
            // Typical step size inside the track.
            double steps = 0;
            for (size_t i = 1; i < frames; ++i) steps += std::abs(samples[i * ch + c] - samples[(i - 1) * ch + c]);
            steps /= double(frames - 1);
            EXPECT_LT(std::abs(first - last), 4 * steps + 50) << s.path;
        }
    }
    EXPECT_EQ(loops, 4);
}

TEST(AssetGenWav, EncodesTheHeaderFieldsOfTheSamples) {
    Pcm p;
    p.sampleRate = 22050;
    p.channels = 2;
    p.samples = {1, -1, 300, -300};
    std::vector<uint8_t> b = EncodeWav(p);
    ASSERT_EQ(b.size(), 52u);
    EXPECT_EQ(Le32(b, 24), 22050u);
    EXPECT_EQ(Le32(b, 28), 22050u * 4);
    EXPECT_EQ(Le16(b, 32), 4);
    EXPECT_EQ(Le32(b, 40), 8u);
    EXPECT_EQ(int16_t(Le16(b, 44 + 6)), -300);
}

}  // namespace
