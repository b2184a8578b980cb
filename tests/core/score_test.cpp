#include "core/high_score.h"
#include "core/result.h"
#include "core/score.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "app/in_field_test_support.h"
#include "core/item.h"
#include "platform/graphics.h"
#include "support/resource_dir.h"

namespace {

namespace fs = std::filesystem;
using infield_test::PlayTest;

TEST(ResultScore, CountDigitsUpToSevenDigits) {
    EXPECT_EQ(CountDigits(0), 1);
    EXPECT_EQ(CountDigits(9), 1);
    EXPECT_EQ(CountDigits(10), 2);
    EXPECT_EQ(CountDigits(150000), 6);
    EXPECT_EQ(CountDigits(9999999), 7);
    EXPECT_EQ(CountDigits(10000000), 0);
    EXPECT_EQ(CountDigits(INT32_MAX), 0);
}

using ResultTest = PlayTest;

TEST_F(ResultTest, TotalAddsItemsAndTheNoHitBonusOfTheField) {
    BaseScore = 1234;
    CoinCount = 3;
    BigCoinCount = 2;
    ExpItemCount = 5;
    BigExpItemCount = 1;
    const int32_t items = 30 + 200 + 100 + 200;
    const struct {
        int32_t field;
        int32_t bonus;
    } fields[] = {{1, 50000}, {2, 50000}, {3, 100000}, {4, 100000}, {5, 150000}};
    for (const auto& f : fields) {
        ResetResult();
        ResultField = f.field;
        HitsTakenCount = 0;
        ComputeResultScore();
        EXPECT_EQ(ResultState.frame, 1);
        EXPECT_EQ(ResultState.bonus, f.bonus) << "field " << f.field;
        EXPECT_EQ(ResultState.total, 1234 + items + f.bonus) << "field " << f.field;
        HitsTakenCount = 1;
        ComputeResultScore();
        EXPECT_EQ(ResultState.frame, 2);
        EXPECT_EQ(ResultState.total, 1234 + items) << "field " << f.field;
    }
    // Another field keeps the bonus it had.
    HitsTakenCount = 0;
    ComputeResultScore();
    ResultField = 9;
    ComputeResultScore();
    EXPECT_EQ(ResultState.bonus, 150000);
}

// The total thresholds of one field: 3 marks, 2 marks, then one mark in the
// top, second and third cell.
struct GradeTable {
    int32_t field;
    int32_t thresholds[5];
};
const GradeTable kGradeTables[] = {
    {1, {350000, 310000, 270000, 240000, 210000}},
    {2, {400000, 350000, 310000, 280000, 250000}},
    {3, {800000, 730000, 670000, 620000, 580000}},
    {4, {800000, 730000, 670000, 620000, 580000}},
    {5, {1500000, 1350000, 1100000, 1000000, 950000}},
};

// Marks and first-mark cell (0 top .. 3 fourth) at a threshold and one below
// it, for 0, 3 and 4 hits.
struct GradeExpectation {
    int32_t marks;
    int32_t cell;
};
const GradeExpectation kAtThreshold[5][3] = {
    {{3, 0}, {2, 0}, {1, 0}},
    {{2, 0}, {2, 0}, {1, 0}},
    {{1, 0}, {1, 0}, {1, 0}},
    {{1, 1}, {1, 1}, {1, 1}},
    {{1, 2}, {1, 2}, {1, 2}},
};
const GradeExpectation kBelowThreshold[5][3] = {
    {{2, 0}, {2, 0}, {1, 0}},
    {{1, 0}, {1, 0}, {1, 0}},
    {{1, 1}, {1, 1}, {1, 1}},
    {{1, 2}, {1, 2}, {1, 2}},
    {{1, 3}, {1, 3}, {1, 3}},
};

TEST_F(ResultTest, GradeAtEveryThresholdAndOneBelow) {
    const int32_t hits[3] = {0, 3, 4};
    const int32_t cellLeft[4] = {320, 352, 384, 416};
    for (const GradeTable& t : kGradeTables) {
        ResultField = t.field;
        for (int row = 0; row < 5; ++row) {
            for (int h = 0; h < 3; ++h) {
                HitsTakenCount = hits[h];
                for (int below = 0; below < 2; ++below) {
                    ResultState.total = t.thresholds[row] - below;
                    const GradeExpectation want = below ? kBelowThreshold[row][h] : kAtThreshold[row][h];
                    EXPECT_EQ(GradeResult(), want.marks) << "field " << t.field << " total " << ResultState.total
                                                         << " hits " << hits[h];
                    EXPECT_EQ(GradeMarkRect.left, cellLeft[want.cell]);
                    EXPECT_EQ(GradeMarkRect.right, cellLeft[want.cell] + 32);
                    EXPECT_EQ(GradeMarkRect.top, 576);
                    EXPECT_EQ(GradeMarkRect.bottom, 608);
                }
            }
        }
    }
    for (int32_t field : {0, 6}) {
        ResultField = field;
        ResultState.total = 99999999;
        EXPECT_EQ(GradeResult(), 0);
    }
}

class ResultDrawTest : public ResultTest {
protected:
    void SetUp() override {
        ResultTest::SetUp();
        testsupport::CreateHeadlessGraphics();
        ResultTexture = Make(512, 720);
        ResultNumberTexture = Make(384, 32);
    }
    void TearDown() override {
        ResultTexture->Release();
        ResultNumberTexture->Release();
        ResultTexture = ResultNumberTexture = nullptr;
        testsupport::ReleaseHeadlessGraphics();
        ResultTest::TearDown();
    }
    static Texture* Make(int w, int h) {
        return CreateTextureFromPixels(Direct3DDevice, w, h, std::vector<uint32_t>(w * h, 0xFFFFFFFFu), "result");
    }
    static std::vector<DrawRecord> Draw() {
        SpriteBatch->ClearRecords();
        SpriteBatch->StartRecording();
        DrawResult();
        SpriteBatch->StopRecording();
        return SpriteBatch->Records();
    }
};

TEST_F(ResultDrawTest, RowsAppearByFrame) {
    ResultField = 1;
    BaseScore = 100000;
    CoinCount = 7;  // item score 70: two digits
    ResultState.bonus = 50000;
    ResultState.total = 150070;
    // Pieces of result.png and digits drawn at each frame.
    const struct {
        int32_t frame;
        size_t panelPieces;
        size_t digits;
    } rows[] = {
        {0, 1, 0},     {30, 1, 0},    {59, 1, 0},    {60, 2, 0},    {90, 3, 0},   {119, 3, 0},
        {120, 3, 5},   {150, 4, 5},   {180, 4, 7},   {210, 5, 7},   {240, 5, 13}, {270, 6, 13},
        {299, 6, 13},  {300, 7, 13},  {5000, 7, 13},
    };
    for (const auto& r : rows) {
        ResultState.frame = r.frame;
        size_t pieces = 0;
        size_t digits = 0;
        for (const DrawRecord& d : Draw()) {
            pieces += d.texture == ResultTexture ? 1 : 0;
            digits += d.texture == ResultNumberTexture ? 1 : 0;
        }
        EXPECT_EQ(pieces, r.panelPieces) << "frame " << r.frame;
        EXPECT_EQ(digits, r.digits) << "frame " << r.frame;
    }
    EXPECT_EQ(SpriteBatch->GetTransform().m[0][0], 1.0f);
}

TEST_F(ResultDrawTest, PanelOpensSidewaysAndDigitsAlignRight) {
    ResultField = 1;
    ResultState.bonus = 50000;
    ResultState.frame = 15;
    std::vector<DrawRecord> d = Draw();
    ASSERT_EQ(d.size(), 1u);
    EXPECT_FLOAT_EQ(d[0].transform.m[0][0], 15.0f * 0.0333f);
    EXPECT_FLOAT_EQ(d[0].transform.m[1][1], 1.0f);
    EXPECT_FLOAT_EQ(d[0].transform.m[3][0], 640.0f);
    EXPECT_FLOAT_EQ(d[0].transform.m[3][1], 320.0f);
    EXPECT_EQ(d[0].source.right, 512);
    EXPECT_EQ(d[0].source.bottom, 512);

    ResultState.frame = 120;
    d = Draw();
    ASSERT_EQ(d.size(), 8u);
    // 50000 from the ones at x 832 leftwards: 0 0 0 0 5.
    for (int i = 0; i < 5; ++i) {
        const DrawRecord& digit = d[3 + i];
        EXPECT_FLOAT_EQ(digit.position.x, 832.0f - 24.0f * static_cast<float>(i));
        EXPECT_FLOAT_EQ(digit.position.y, 224.0f);
        EXPECT_EQ(digit.source.left, i == 4 ? 160 : 0);
        EXPECT_FLOAT_EQ(digit.centre.y, 16.0f);
    }

    // Ten million or more shows no digits.
    ResultState.frame = 240;
    ResultState.bonus = 0;
    ResultState.total = 10000000;
    size_t digits = 0;
    for (const DrawRecord& r : Draw()) digits += r.texture == ResultNumberTexture ? 1 : 0;
    EXPECT_EQ(digits, 2u);  // the bonus 0 and the item score 0

    // Three marks: the top cell first, then the extra cell.
    HitsTakenCount = 0;
    ResultState.total = 350000;
    ResultState.frame = 300;
    d = Draw();
    const DrawRecord& last = d.back();
    EXPECT_EQ(last.source.left, 448);
    EXPECT_FLOAT_EQ(last.position.x, 768.0f + 48.0f);
    EXPECT_EQ(d[d.size() - 3].source.left, 320);
    EXPECT_FLOAT_EQ(d[d.size() - 3].position.y, 512.0f);
}

// Root may read and write anything: a copy of the game that must meet file
// permissions drops to the ordinary user "nobody" (65534) first.
bool BecomeOrdinaryUser() { return geteuid() != 0 || (setgid(65534) == 0 && setuid(65534) == 0); }

// High scores: the files live in a temporary copy of the resource folder.
class HighScoreTest : public PlayTest {
protected:
    void SetUp() override {
        PlayTest::SetUp();
        testsupport::CreateHeadlessGraphics();
        mirror.Enter();
        // The mirror links to the build's files: never write through a link.
        fs::remove(kHighScorePath);
        for (int32_t& s : HighScoreTable) s = 0;
    }
    void TearDown() override {
        HighScoreWrite = WriteHighScoreLines;
        if (BonusTextTexture != nullptr) BonusTextTexture->Release();
        BonusTextTexture = nullptr;
        for (int32_t& s : HighScoreTable) s = 0;
        testsupport::ReleaseHeadlessGraphics();
        PlayTest::TearDown();
    }
    static void WriteFile(const std::string& bytes) {
        std::ofstream out(kHighScorePath, std::ios::binary | std::ios::trunc);
        out << bytes;
    }
    static std::string ReadFile() {
        std::ifstream in(kHighScorePath, std::ios::binary);
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    static std::vector<int32_t> Table() { return std::vector<int32_t>(HighScoreTable, HighScoreTable + kFieldCount); }
    // What lies in Data beside the file under its name: temporaries and leftovers.
    static std::vector<std::string> Temporaries() {
        std::vector<std::string> names;
        for (const fs::directory_entry& e : fs::directory_iterator("Data")) {
            const std::string name = e.path().filename().string();
            if (name.rfind("HighScore.txt", 0) == 0 && name != "HighScore.txt") names.push_back(name);
        }
        std::sort(names.begin(), names.end());
        return names;
    }
    // Another copy of the game: a child process that runs `body` once it reads
    // a byte from `go` (a pipe's read end, or -1), stopped after five seconds.
    static pid_t StartCopy(const std::function<int()>& body, int go = -1) {
        const pid_t copy = fork();
        if (copy != 0) return copy;
        alarm(5);
        char byte;
        if (go >= 0 && read(go, &byte, 1) != 1) _exit(3);
        _exit(body());
    }
    // The copy's exit status, or -1 when it was stopped.
    static int Finish(pid_t copy) {
        int status = 0;
        if (copy <= 0 || waitpid(copy, &status, 0) != copy || !WIFEXITED(status)) return -1;
        return WEXITSTATUS(status);
    }
    static std::vector<int32_t> Load() {
        EXPECT_TRUE(LoadBonusAndHighScores());
        return Table();
    }
    testsupport::ResourceMirror mirror;
};

TEST_F(HighScoreTest, FilesOfEveryShapeRead) {
    const struct {
        const char* what;
        std::string bytes;
        std::vector<int32_t> scores;
    } cases[] = {
        {"plain", "1\n22\n333\n4444\n55555\n", {1, 22, 333, 4444, 55555}},
        {"CRLF endings", "1\r\n22\r\n333\r\n4444\r\n55555\r\n", {1, 22, 333, 4444, 55555}},
        {"eight digits and negatives", "12345678\n-1234567\n-87654321\n99999999\n7\n",
         {12345678, -1234567, -87654321, 99999999, 7}},
        {"short", "120000\n340000\n", {120000, 340000, 0, 0, 0}},
        {"no final newline", "5\n6\n7\n8\n9", {5, 6, 7, 8, 9}},
        {"blanks, signs and trailing words", "  \t+42abc\n\n-\nx9\n 0017 \n", {42, 0, 0, 0, 17}},
        {"beyond 32 bits", "99999999999\n-99999999999\n2147483647\n-2147483648\n2147483648\n",
         {INT32_MAX, INT32_MIN, INT32_MAX, INT32_MIN, INT32_MAX}},
        {"empty", "", {0, 0, 0, 0, 0}},
        {"CR-only endings, as old editors wrote", "1\r22\r333\r4444\r55555\r", {1, 22, 333, 4444, 55555}},
        {"a line too long to be a score", "1\n" + std::string(40, '9') + "\n3\n4\n5\n", {1, 0, 3, 4, 5}},
        {"one endless line", std::string(1 << 20, '7'), {0, 0, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        for (int32_t& s : HighScoreTable) s = 777;
        WriteFile(c.bytes);
        EXPECT_EQ(Load(), c.scores) << c.what;
        BonusTextTexture->Release();
        BonusTextTexture = nullptr;
    }
    // No file: the table stays as the game was built (all 0).
    fs::remove(kHighScorePath);
    for (int32_t& s : HighScoreTable) s = 0;
    EXPECT_EQ(Load(), (std::vector<int32_t>{0, 0, 0, 0, 0}));
}

TEST_F(HighScoreTest, ParsingOneLine) {
    EXPECT_EQ(ParseHighScoreLine("123\r"), 123);
    EXPECT_EQ(ParseHighScoreLine("\r"), 0);
    EXPECT_EQ(ParseHighScoreLine("12\r34"), 12);
    EXPECT_EQ(ParseHighScoreLine("--5"), 0);
    EXPECT_EQ(ParseHighScoreLine("   -0"), 0);
    EXPECT_EQ(ParseHighScoreLine("1e5"), 1);
}

TEST_F(HighScoreTest, ABetterTotalRewritesAllFiveLinesAnEqualOneNothing) {
    WriteFile("10\n20\n30\n40\n50\n");
    ASSERT_TRUE(LoadBonusAndHighScores());
    // Canyon day (index 2): base 1000, no hit: 1000 + 100000.
    BaseScore = 1000;
    HitsTakenCount = 0;
    SaveHighScore(2);
    EXPECT_EQ(ReadFile(), "10\n20\n101000\n40\n50\n");
    EXPECT_EQ(Temporaries(), std::vector<std::string>{});

    // The same total again leaves the file alone, even its spelling.
    WriteFile("10\n20\n+101000 \n40\n50\n");
    SaveHighScore(2);
    EXPECT_EQ(ReadFile(), "10\n20\n+101000 \n40\n50\n");
    // A lower one too.
    HitsTakenCount = 2;
    SaveHighScore(2);
    EXPECT_EQ(ReadFile(), "10\n20\n+101000 \n40\n50\n");
    EXPECT_EQ(HighScoreTable[2], 101000);

    // Negative and eight-digit bests survive a save of another field.
    WriteFile("-5\n20\n101000\n40\n12345678\n");
    ASSERT_TRUE(LoadBonusAndHighScores());
    BaseScore = 60000;
    SaveHighScore(1);
    EXPECT_EQ(ReadFile(), "-5\n60000\n101000\n40\n12345678\n");
}

// Two copies of the game read the same file at start-up; each saves its own
// best later from the table it read.
TEST_F(HighScoreTest, TwoCopiesSavingFromStaleTablesKeepBothBests) {
    WriteFile("100\r200\r300\r400\r500\r");  // old-style line ends are read as five lines too
    fs::permissions(kHighScorePath, fs::perms(0640));
    const std::vector<int32_t> atStart = Load();
    HitsTakenCount = 0;
    BaseScore = 1000;
    SaveHighScore(0);  // the first copy: grass day 1000 + 50000
    std::copy(atStart.begin(), atStart.end(), HighScoreTable);
    SaveHighScore(4);  // the second copy, still with the old table: cave 1000 + 150000
    EXPECT_EQ(ReadFile(), "51000\n200\n300\n400\n151000\n");
    EXPECT_EQ(Table(), (std::vector<int32_t>{51000, 200, 300, 400, 151000}));
    EXPECT_EQ(fs::status(kHighScorePath).permissions(), fs::perms(0640));

    // A best another copy saved meanwhile that is higher than this one's stays,
    // and with nothing to add the file is left as it is.
    WriteFile("51000\n200\n300\n400\n 900000\n");
    std::copy(atStart.begin(), atStart.end(), HighScoreTable);
    SaveHighScore(4);
    EXPECT_EQ(ReadFile(), "51000\n200\n300\n400\n 900000\n");
    EXPECT_EQ(HighScoreTable[4], 900000);

    // A file the player may not write is left as it is (tried as an ordinary
    // user: root may write anything).
    fs::permissions(kHighScorePath, fs::perms(0444));
    fs::permissions("Data", fs::perms::all);
    EXPECT_EQ(Finish(StartCopy([] {
                  if (!BecomeOrdinaryUser()) return 2;
                  BaseScore = 5000000;
                  SaveHighScore(1);
                  return ReadFile() == "51000\n200\n300\n400\n 900000\n" && Temporaries().empty() ? 0 : 1;
              })),
              0)
        << "the read-only file was replaced";
}

// Two copies of the game ending fields at the same moment, as real processes:
// both start from the same file, and each saves a best of its own field.
TEST_F(HighScoreTest, TwoCopiesSavingAtOnceLoseNoBest) {
    HitsTakenCount = 1;  // no bonus: a total is the base score
    for (int trial = 0; trial < 20; ++trial) {
        WriteFile("0\n0\n0\n0\n0\n");
        int go[2];
        ASSERT_EQ(pipe(go), 0);
        pid_t copies[2];
        for (int c = 0; c < 2; ++c) {
            copies[c] = StartCopy(
                [c] {
                    BaseScore = 1000 * (c + 1);
                    SaveHighScore(c == 0 ? 0 : 4);
                    return 0;
                },
                go[0]);
        }
        ASSERT_EQ(write(go[1], "gg", 2), 2);  // both copies go
        close(go[0]);
        close(go[1]);
        EXPECT_EQ(Finish(copies[0]), 0);
        EXPECT_EQ(Finish(copies[1]), 0);
        ASSERT_EQ(ReadFile(), "1000\n0\n0\n0\n2000\n") << "trial " << trial;
    }
    EXPECT_EQ(Temporaries(), std::vector<std::string>{});
}

// What an older build, another copy or a killed save left beside the file: the
// save opens no path that exists, so a pipe there cannot stall it, and removes
// only the regular files named as its own temporaries.
TEST_F(HighScoreTest, ASaveOpensNoExistingPathAndRemovesOnlyItsLeftovers) {
    WriteFile("1\n2\n3\n4\n5\n");
    std::ofstream("outside") << "kept";
    ASSERT_EQ(mkfifo("Data/HighScore.txt.tmp", 0600), 0);
    ASSERT_EQ(mkfifo("Data/HighScore.txt.tmp.Fifo00", 0600), 0);
    fs::create_symlink("../outside", "Data/HighScore.txt.tmp.Link00");
    fs::create_directory("Data/HighScore.txt.tmp.Fold00");
    std::ofstream("Data/HighScore.txt.tmp.Left00") << "9\n";
    std::ofstream("Data/HighScore.txt.tmp.Left0") << "9\n";  // not a name a save gives
    HitsTakenCount = 1;
    EXPECT_EQ(Finish(StartCopy([] {
                  BaseScore = 777;
                  SaveHighScore(1);
                  return 0;
              })),
              0)
        << "the save did not return";
    EXPECT_EQ(ReadFile(), "1\n777\n3\n4\n5\n");
    EXPECT_EQ(Temporaries(), (std::vector<std::string>{"HighScore.txt.tmp", "HighScore.txt.tmp.Fifo00",
                                                       "HighScore.txt.tmp.Fold00", "HighScore.txt.tmp.Left0",
                                                       "HighScore.txt.tmp.Link00"}));
    EXPECT_TRUE(fs::is_fifo("Data/HighScore.txt.tmp.Fifo00"));
    EXPECT_TRUE(fs::is_symlink("Data/HighScore.txt.tmp.Link00"));
    std::ifstream outside("outside");
    std::string kept;
    outside >> kept;
    EXPECT_EQ(kept, "kept");
}

// Another copy holding the lock (here the test itself) delays a save by about
// two seconds at most; then it merges and saves anyway, and leaves alone the
// temporaries the holder may be writing.
TEST_F(HighScoreTest, ASaveWaitsAboutTwoSecondsForTheLockThenSavesAnyway) {
    WriteFile("1\n2\n3\n4\n5\n");
    std::ofstream("Data/HighScore.txt.tmp.Busy00") << "6\n";
    const int folder = open("Data", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    ASSERT_GE(folder, 0);
    ASSERT_EQ(flock(folder, LOCK_EX), 0);
    HitsTakenCount = 1;
    BaseScore = 777;
    const auto start = std::chrono::steady_clock::now();
    SaveHighScore(1);
    const std::chrono::duration<double> waited = std::chrono::steady_clock::now() - start;
    close(folder);
    EXPECT_GE(waited.count(), 1.9);
    EXPECT_LT(waited.count(), 4.0);
    EXPECT_EQ(ReadFile(), "1\n777\n3\n4\n5\n");
    EXPECT_EQ(Temporaries(), std::vector<std::string>{"HighScore.txt.tmp.Busy00"});
}

// A file the player may write but not read holds bests this copy cannot see: it
// is left alone, and stderr names it once however often the game saves.
TEST_F(HighScoreTest, AFileThatCannotBeReadIsLeftAloneAndNamedOnce) {
    WriteFile("1\n2\n3\n4\n5\n");
    fs::permissions(kHighScorePath, fs::perms(0200));
    fs::permissions("Data", fs::perms::all);
    // Root reads anything: the copy runs as an ordinary user owning the file.
    if (geteuid() == 0) {
        ASSERT_EQ(chown(kHighScorePath, 65534, 65534), 0);
    }
    int errors[2];
    ASSERT_EQ(pipe(errors), 0);
    HitsTakenCount = 1;
    const pid_t copy = StartCopy([&errors] {
        dup2(errors[1], STDERR_FILENO);
        if (!BecomeOrdinaryUser()) return 2;
        for (int32_t total : {777, 778}) {
            BaseScore = total;
            SaveHighScore(1);
        }
        return 0;
    });
    close(errors[1]);
    std::string said;
    char buffer[256];
    for (ssize_t n; (n = read(errors[0], buffer, sizeof(buffer))) > 0;) said.append(buffer, static_cast<size_t>(n));
    close(errors[0]);
    EXPECT_EQ(Finish(copy), 0);
    EXPECT_EQ(said, "HighScore: cannot read Data/HighScore.txt: Permission denied\n");
    fs::permissions(kHighScorePath, fs::perms(0600));
    EXPECT_EQ(ReadFile(), "1\n2\n3\n4\n5\n");
    EXPECT_EQ(Temporaries(), std::vector<std::string>{});
}

// Files that never end or block: start-up reads no score from them and returns.
TEST_F(HighScoreTest, AnEndlessStreamOrAPipeReadsAsNoFile) {
    fs::create_symlink("/dev/zero", kHighScorePath);
    EXPECT_EQ(Load(), (std::vector<int32_t>{0, 0, 0, 0, 0}));
    BonusTextTexture->Release();
    BonusTextTexture = nullptr;
    fs::remove(kHighScorePath);
    ASSERT_EQ(mkfifo(kHighScorePath, 0600), 0);
    EXPECT_EQ(Load(), (std::vector<int32_t>{0, 0, 0, 0, 0}));
    // Nor is a save written over it.
    HitsTakenCount = 0;
    BaseScore = 1000;
    SaveHighScore(0);
    EXPECT_TRUE(fs::is_fifo(kHighScorePath));
}

bool FailingWriter(std::FILE* file, const int32_t*, int) {
    std::fputs("1", file);  // half a file, then the disk is full
    return false;
}

TEST_F(HighScoreTest, ASaveThatFailsBeforeTheRenameKeepsTheOldFile) {
    const std::string old = "310000\n350000\n0\n0\n0\n";
    WriteFile(old);
    ASSERT_TRUE(LoadBonusAndHighScores());
    HighScoreWrite = FailingWriter;
    BaseScore = 900000;
    SaveHighScore(0);
    EXPECT_EQ(ReadFile(), old);
    EXPECT_EQ(Temporaries(), std::vector<std::string>{});

    // Without a Data folder the save is skipped silently.
    HighScoreWrite = WriteHighScoreLines;
    fs::remove_all("Data");
    BaseScore = 950000;
    SaveHighScore(0);
    EXPECT_FALSE(fs::exists(kHighScorePath));
}

}  // namespace
