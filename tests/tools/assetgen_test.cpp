// The asset generator: what it writes, how it writes it, and what the sheets hold.
#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cmath>
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
    // Start from a copy of the build's art and sound, as a developer's rebuild
    // would; the high scores are this test's own, never the player's.
    fs::path dir = scratch / "rerun";
    fs::create_directories(dir);
    for (const auto& entry : fs::directory_iterator(built)) {
        const fs::path name = entry.path().filename();
        if (name != "Data") fs::copy(entry.path(), dir / name, fs::copy_options::recursive);
    }
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

// A keyed sheet holds its exact key or colours well away from it: nothing is
// blended or anti-aliased into the key. Only the sheets drawn magnified keep
// partly transparent edges, and the effects drawn three times or more are
// among them.
TEST_F(AssetGen, KeyedSheetsNeverBleedIntoTheirKey) {
    for (const char* path : {"Texture/Effects/skill1.png", "Texture/Effects/skill3.png",
                             "Texture/Effects/enemy_destroy.png"})
        EXPECT_TRUE(FindTexture(path)->softEdges) << path;
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
            bool near = (A(p) < 255 && !t.softEdges) ||
                        (std::abs(R(p) - R(t.colorKey)) < 24 && std::abs(G(p) - G(t.colorKey)) < 24 &&
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

// The cuts the game takes from the sheets, with the numbers it draws with.
TEST_F(AssetGen, CellsSitWhereTheGameCutsThem) {
    struct Expect {
        const char* path;
        const char* cell;
        Rect r;
    };
    const Expect cuts[] = {
        {"Texture/Title/title.png", "selection_strip", {0, 720, 640, 784}},
        {"Texture/Result/result.png", "heading", {0, 512, 384, 576}},
        {"Texture/Result/result.png", "label_grade", {0, 672, 320, 706}},
        {"Texture/Result/result.png", "grade_top", {320, 576, 352, 608}},
        {"Texture/Result/result.png", "grade_extra", {448, 576, 480, 608}},
        {"Texture/UserInterface/status_bar.png", "sword_fill", {288, 96, 416, 128}},
        {"Texture/UserInterface/status_bar.png", "exp_fill", {320, 128, 352, 592}},
        {"Texture/Ending/Ending_text.png", "caption20", {576, 512, 1280, 576}},
        {"Texture/Ending/Ending_text.png", "caption22", {0, 1024, 1280, 1152}},
        {"Texture/Common/ItemChip.png", "exp3", {192, 128, 256, 192}},
        {"Texture/Common/ItemChip.png", "coin0", {0, 64, 64, 128}},
        {"Texture/Common/number.png", "separator", {320, 0, 352, 32}},
        {"Texture/Common/emotion_number.png", "exp_point", {352, 96, 384, 128}},
        {"Texture/Common/input_set.png", "right_hint", {64, 256, 128, 320}},
        {"Texture/Character/StatusSet2.png", "cover", {0, 96, 512, 128}},
        {"Texture/Character/bullet.png", "large_colour2", {96, 0, 128, 32}},
        {"Texture/Effects/skill1.png", "frame29", {0, 7424, 256, 7680}},
        {"Texture/Effects/spear_hit.png", "frame9", {0, 900, 100, 1000}},
        {"Texture/Effects/bullet_delete.png", "frame19", {0, 1900, 100, 2000}},
    };
    for (const Expect& e : cuts) {
        const TextureSpec* t = FindTexture(e.path);
        ASSERT_NE(t, nullptr) << e.path;
        const Cell* c = t->FindCell(e.cell);
        ASSERT_NE(c, nullptr) << e.path << " " << e.cell;
        EXPECT_TRUE(c->left == e.r.left && c->top == e.r.top && c->right == e.r.right && c->bottom == e.r.bottom)
            << e.path << " " << e.cell;
    }
    EXPECT_EQ(FindTexture("Texture/Ending/Ending_text.png")->cells.size(), 20u);  // 22 captions, two shown twice
    EXPECT_EQ(FindTexture("Texture/Effects/skill3.png")->cells.size(), 50u);
}

// Sheets drawn over other things are see-through where the game shows what
// lies beneath.
TEST_F(AssetGen, OverlaySheetsAreTransparentWhereThePlayfieldShows) {
    auto alphaIn = [](const Canvas& c, Rect r, int& lo, int& hi) {
        lo = 255, hi = 0;
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x) {
                lo = std::min(lo, A(c.Get(x, y)));
                hi = std::max(hi, A(c.Get(x, y)));
            }
    };
    int lo, hi;
    Canvas ui = Load(*FindTexture("Texture/UserInterface/ui.png"));
    alphaIn(ui, {288, 0, 992, 720}, lo, hi);
    EXPECT_EQ(hi, 0);
    alphaIn(ui, {992, 0, 1280, 720}, lo, hi);
    EXPECT_EQ(lo, 255);
    // The left panel's windows over the HP, SP and sword gauges, the
    // experience bar, and the level-up rows (labels from x 53, values to x
    // 197, rows 231-545) with the field money's digits above them.
    Canvas bar = Load(*FindTexture("Texture/UserInterface/status_bar.png"));
    for (Rect r : {Rect{160, 32, 288, 64}, Rect{160, 80, 288, 112}, Rect{160, 128, 288, 160}, Rect{16, 256, 48, 720},
                   Rect{53, 231, 197, 545}, Rect{100, 208, 252, 240}}) {
        alphaIn(bar, r, lo, hi);
        EXPECT_EQ(hi, 0) << r.left << "," << r.top;
    }
    // The title's selection strip is translucent.
    Canvas title = Load(*FindTexture("Texture/Title/title.png"));
    alphaIn(title, {40, 740, 600, 764}, lo, hi);
    EXPECT_GT(lo, 0);
    EXPECT_LT(hi, 255);
    alphaIn(title, {640, 720, 1280, 784}, lo, hi);
    EXPECT_EQ(hi, 0);
    // Ending captions: ink inside each caption, nothing between them.
    const TextureSpec* ending = FindTexture("Texture/Ending/Ending_text.png");
    Canvas cap = Load(*ending);
    alphaIn(cap, {0, 128, 640, 192}, lo, hi);
    EXPECT_EQ(hi, 0);
    for (const Cell& c : ending->cells) {
        alphaIn(cap, c.rect(), lo, hi);
        EXPECT_EQ(hi, 255) << c.name;
    }
}

TEST_F(AssetGen, DigitCellsAreAllDifferent) {
    for (const char* path : {"Texture/Common/number.png", "Texture/Common/money.png", "Texture/Common/up_number.png",
                             "Texture/Common/damage_number.png", "Texture/Common/emotion_number.png",
                             "Texture/Result/result_number.png", "Texture/ScoreBonus/bonus_text.png"}) {
        const TextureSpec* t = FindTexture(path);
        Canvas c = Load(*t);
        std::vector<const Cell*> digits;
        for (const Cell& cell : t->cells)
            if (cell.name.find("digit") != std::string::npos) digits.push_back(&cell);
        ASSERT_GE(digits.size(), 10u) << path;
        for (size_t i = 0; i < digits.size(); ++i)
            for (size_t j = i + 1; j < digits.size(); ++j) {
                if (digits[i]->top != digits[j]->top) continue;  // other rows differ only in colour
                EXPECT_FALSE(c.Crop(digits[i]->rect()).Pixels() == c.Crop(digits[j]->rect()).Pixels())
                    << path << " " << digits[i]->name << " " << digits[j]->name;
            }
    }
}

// Every sound is audible, and the four tracks are four different pieces.
TEST_F(AssetGen, SoundsAreAudibleAndTracksDistinct) {
    std::vector<std::vector<uint8_t>> tracks;
    for (const auto& s : SoundManifest()) {
        std::vector<uint8_t> b = ReadFile(built / s.path);
        ASSERT_GT(b.size(), 44u);
        double sum = 0;
        size_t n = (b.size() - 44) / 2;
        for (size_t i = 0; i < n; ++i) {
            double v = int16_t(Le16(b, 44 + 2 * i)) / 32768.0;
            sum += v * v;
        }
        EXPECT_GT(std::sqrt(sum / n), 0.05) << s.path;
        if (s.loops) tracks.push_back(b);
    }
    ASSERT_EQ(tracks.size(), 4u);
    for (size_t i = 0; i < 4; ++i)
        for (size_t j = i + 1; j < 4; ++j) EXPECT_NE(tracks[i].size(), tracks[j].size());
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
