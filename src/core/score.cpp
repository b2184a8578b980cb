#include "core/score.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "app/common_textures.h"
#include "core/field_globals.h"
#include "core/item.h"
#include "field/field_state.h"
#include "field/fields.h"
#include "platform/graphics.h"

int32_t BaseScore = 0;
int32_t HighScoreTable[kFieldCount] = {};
Texture* BonusTextTexture = nullptr;
int32_t HitsTakenCount = 0;
int32_t ResultPending = 0;
int32_t ResultField = 0;
ResultRecord ResultState;
Rect GradeMarkRect;
Texture* ResultTexture = nullptr;
Texture* ResultNumberTexture = nullptr;

const char* const kHighScorePath = "Data/HighScore.txt";
const char* const kHighScoreTempPath = "Data/HighScore.txt.tmp";
HighScoreWriter HighScoreWrite = WriteHighScoreLines;

namespace {

constexpr uint32_t kOpaqueWhite = 0xFFFFFFFFu;
constexpr int32_t kMaxShownDigits = 7;
constexpr int32_t kFirstUnshownValue = 10000000;

// The panel's rows and the frame each one appears on.
constexpr int32_t kPanelOpenFrames = 31;
constexpr float kPanelOpenStep = 0.0333f;
constexpr int32_t kHeadingFrame = 60;
constexpr int32_t kBonusLabelFrame = 90;
constexpr int32_t kBonusFrame = 120;
constexpr int32_t kItemLabelFrame = 150;
constexpr int32_t kItemFrame = 180;
constexpr int32_t kTotalLabelFrame = 210;
constexpr int32_t kTotalFrame = 240;
constexpr int32_t kGradeLabelFrame = 270;
constexpr int32_t kGradeFrame = 300;

constexpr float kLastDigitX = 832.0f;
constexpr float kDigitPitch = 24.0f;
constexpr int32_t kDigitCell = 32;
constexpr float kLabelX = 432.0f;
constexpr float kMarkX = 768.0f;
constexpr float kMarkY = 512.0f;
constexpr int32_t kMarkTop = 576;
constexpr int32_t kMarkBottom = 608;
constexpr int32_t kExtraMarkLeft = 448;

// Lower bounds of the totals for three marks (no hit), two marks (fewer than
// four hits), and one mark in the top, second and third cell.
struct GradeRow {
    int32_t three, two, top, second, third;
};
constexpr GradeRow kGrassDayGrades{350000, 310000, 270000, 240000, 210000};
constexpr GradeRow kGrassNightGrades{400000, 350000, 310000, 280000, 250000};
constexpr GradeRow kCanyonGrades{800000, 730000, 670000, 620000, 580000};
constexpr GradeRow kCaveGrades{1500000, 1350000, 1100000, 1000000, 950000};
constexpr int32_t kTwoMarkHitLimit = 4;
// Left edges of the four cells of a single mark, best first.
constexpr int32_t kMarkCellLeft[4] = {320, 352, 384, 416};

int32_t Clamp32(int64_t v) {
    if (v > INT32_MAX) return INT32_MAX;
    if (v < INT32_MIN) return INT32_MIN;
    return static_cast<int32_t>(v);
}

Rect MarkCell(int32_t left) { return Rect{left, kMarkTop, left + kDigitCell, kMarkBottom}; }

void DrawPiece(const Rect& source, float cx, float cy, float x, float y) {
    const Vec3 centre{cx, cy, 0.0f};
    const Vec3 at{x, y, 0.0f};
    SpriteBatch->Draw(ResultTexture, &source, &centre, &at, kOpaqueWhite);
}

void DrawLabel(int32_t top, int32_t right, int32_t bottom, float y) {
    DrawPiece(Rect{0, top, right, bottom}, 0.0f, 16.0f, kLabelX, y);
}

// Right-aligned digits with the ones at x 832; nothing from ten million on.
void DrawNumber(int32_t value, float y) {
    if (value < 0) return;
    const int32_t n = CountDigits(value);
    int32_t rest = value;
    const Vec3 centre{0.0f, 16.0f, 0.0f};
    for (int32_t i = 0; i < n; ++i) {
        const int32_t d = rest % 10;
        rest /= 10;
        const Rect cell{d * kDigitCell, 0, d * kDigitCell + kDigitCell, kDigitCell};
        const Vec3 at{kLastDigitX - kDigitPitch * static_cast<float>(i), y, 0.0f};
        SpriteBatch->Draw(ResultNumberTexture, &cell, &centre, &at, kOpaqueWhite);
    }
}

void DrawPanel(int32_t frame) {
    const float widen = frame < kPanelOpenFrames ? static_cast<float>(frame) * kPanelOpenStep : 1.0f;
    SpriteBatch->SetTransform(MatrixMultiply(MatrixScaling(widen, 1.0f, 1.0f), MatrixTranslation(640.0f, 320.0f, 0.0f)));
    const Rect panel{0, 0, 512, 512};
    const Vec3 centre{256.0f, 256.0f, 0.0f};
    SpriteBatch->Draw(ResultTexture, &panel, &centre, nullptr, kOpaqueWhite);
    SpriteBatch->SetTransform(MatrixIdentity());
}

void DrawGrade() {
    const int32_t marks = GradeResult();
    for (int32_t i = 0; i < marks; ++i) {
        const Rect cell = i == 0 ? GradeMarkRect : MarkCell(kExtraMarkLeft);
        DrawPiece(cell, 0.0f, 16.0f, kMarkX + kDigitPitch * static_cast<float>(i), kMarkY);
    }
}

const GradeRow* GradeRowFor(int32_t fieldId) {
    switch (fieldId) {
        case 1: return &kGrassDayGrades;
        case 2: return &kGrassNightGrades;
        case 3:
        case 4: return &kCanyonGrades;
        case 5: return &kCaveGrades;
        default: return nullptr;
    }
}

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// One line without its newline; false at the end of the file.
bool ReadLine(std::FILE* file, std::string& line) {
    line.clear();
    int c = 0;
    while ((c = std::fgetc(file)) != EOF) {
        if (c == '\n') return true;
        line.push_back(static_cast<char>(c));
    }
    return !line.empty();
}

void ReadHighScores() {
    std::FILE* file = std::fopen(kHighScorePath, "r");
    if (file == nullptr) return;
    std::string line;
    // A line the file does not have reads as 0.
    for (int32_t& score : HighScoreTable) score = ReadLine(file, line) ? ParseHighScoreLine(line.c_str()) : 0;
    std::fclose(file);
}

// The five bests go to a file beside the old one, which is replaced only once
// the new one is complete; on any failure the old file stays as it was.
void WriteHighScoreFile() {
    std::FILE* file = std::fopen(kHighScoreTempPath, "w");
    if (file == nullptr) return;
    const bool written = HighScoreWrite(file, HighScoreTable, kFieldCount);
    const bool closed = std::fclose(file) == 0;
    if (!written || !closed || std::rename(kHighScoreTempPath, kHighScorePath) != 0) std::remove(kHighScoreTempPath);
}

int32_t RunFieldScript(int32_t fieldId) {
    switch (fieldId) {
        case 1: return FieldGrassDay::Update();
        case 2: return FieldGrassNight::Update();
        case 3: return FieldCanyonDay::Update();
        case 4: return FieldCanyonNight::Update();
        case 5: return FieldCave::Update();
        default: return 0;
    }
}

}  // namespace

int32_t GetBaseScore() { return BaseScore; }
void SetBaseScore(int32_t value) { BaseScore = value; }
int32_t GetFieldClearFlag() { return ResultPending; }
int32_t GetCurrentField() { return CurrentField; }

int32_t NoHitBonus(int32_t fieldId, int32_t hitsTaken) {
    int32_t bonus = 0;
    switch (fieldId) {
        case 1:
        case 2: bonus = 50000; break;
        case 3:
        case 4: bonus = 100000; break;
        case 5: bonus = 150000; break;
        default: return -1;
    }
    return hitsTaken != 0 ? 0 : bonus;
}

int32_t ItemScore() {
    return Clamp32(10 * static_cast<int64_t>(CoinCount) + 20 * static_cast<int64_t>(ExpItemCount) +
                   100 * static_cast<int64_t>(BigCoinCount) + 200 * static_cast<int64_t>(BigExpItemCount));
}

int32_t FieldTotal(int32_t bonus) {
    return Clamp32(static_cast<int64_t>(BaseScore) + ItemScore() + bonus);
}

void ResetResult() {
    ResultPending = 0;
    ResultState = ResultRecord{};
}

void ComputeResultScore() {
    const int32_t bonus = NoHitBonus(ResultField, HitsTakenCount);
    if (bonus >= 0) ResultState.bonus = bonus;
    ++ResultState.frame;
    ResultState.total = FieldTotal(ResultState.bonus);
}

int32_t CountDigits(int32_t value) {
    int32_t limit = 10;
    for (int32_t n = 1; n <= kMaxShownDigits; ++n, limit *= 10)
        if (value < limit) return n;
    return 0;
}

int32_t GradeResult() {
    const GradeRow* row = GradeRowFor(ResultField);
    if (row == nullptr) return 0;
    const int32_t total = ResultState.total;
    const int32_t hits = HitsTakenCount;
    int32_t marks = 1;
    int32_t cell = 3;
    if (total >= row->three && hits == 0) {
        marks = 3;
        cell = 0;
    } else if (total >= row->two && hits < kTwoMarkHitLimit) {
        marks = 2;
        cell = 0;
    } else if (total >= row->top) {
        cell = 0;
    } else if (total >= row->second) {
        cell = 1;
    } else if (total >= row->third) {
        cell = 2;
    }
    GradeMarkRect = MarkCell(kMarkCellLeft[cell]);
    return marks;
}

void DrawResult() {
    const int32_t f = ResultState.frame;
    DrawPanel(f);
    if (f >= kHeadingFrame) DrawPiece(Rect{0, 512, 384, 576}, 192.0f, 32.0f, 640.0f, 128.0f);
    if (f >= kBonusLabelFrame) DrawLabel(576, 288, 608, 176.0f);
    if (f >= kBonusFrame) DrawNumber(ResultState.bonus, 224.0f);
    if (f >= kItemLabelFrame) DrawLabel(608, 224, 640, 272.0f);
    if (f >= kItemFrame) DrawNumber(ItemScore(), 320.0f);
    if (f >= kTotalLabelFrame) DrawLabel(640, 256, 672, 368.0f);
    if (f >= kTotalFrame) DrawNumber(ResultState.total, 416.0f);
    if (f >= kGradeLabelFrame) DrawLabel(672, 320, 706, 464.0f);
    if (f >= kGradeFrame) DrawGrade();
}

int32_t ParseHighScoreLine(const char* line) {
    size_t n = std::strlen(line);
    if (n > 0 && line[n - 1] == '\r') --n;
    size_t i = 0;
    while (i < n && IsBlank(line[i])) ++i;
    bool negative = false;
    if (i < n && (line[i] == '+' || line[i] == '-')) {
        negative = line[i] == '-';
        ++i;
    }
    // Past the 32-bit range the value only saturates.
    constexpr int64_t kCap = static_cast<int64_t>(INT32_MAX) + 1;
    int64_t value = 0;
    for (; i < n && line[i] >= '0' && line[i] <= '9'; ++i) {
        value = value * 10 + (line[i] - '0');
        if (value > kCap) value = kCap;
    }
    return Clamp32(negative ? -value : value);
}

bool WriteHighScoreLines(std::FILE* file, const int32_t* scores, int count) {
    for (int i = 0; i < count; ++i)
        if (std::fprintf(file, "%d\n", static_cast<int>(scores[i])) < 0) return false;
    return std::fflush(file) == 0 && std::ferror(file) == 0;
}

void SaveHighScore(int32_t fieldIndex) {
    if (fieldIndex < 0 || fieldIndex >= kFieldCount) return;
    const int32_t total = FieldTotal(NoHitBonus(fieldIndex + 1, HitsTakenCount));
    if (HighScoreTable[fieldIndex] >= total) return;
    HighScoreTable[fieldIndex] = total;
    WriteHighScoreFile();
}

FieldState* FieldStateFor(int32_t fieldId) {
    switch (fieldId) {
        case 1: return &FieldGrassDayState;
        case 2: return &FieldGrassNightState;
        case 3: return &FieldCanyonDayState;
        case 4: return &FieldCanyonNightState;
        case 5: return &FieldCaveState;
        default: return nullptr;
    }
}

int32_t UpdateFieldScript() {
    const int32_t fieldId = CurrentField;
    FieldState* state = FieldStateFor(fieldId);
    if (state == nullptr || RunFieldScript(fieldId) == 0) return 0;
    state->frame = 0;
    state->scrollSpeed = 2.0f;
    state->route = 1;
    SaveHighScore(fieldId - 1);
    FieldClearFlags[fieldId - 1] = state->cleared;
    return 1;
}

bool LoadResultTextures() {
    ResultTexture = LoadTexture("Texture/Result/result.png", 512, 720, 0);
    if (ResultTexture == nullptr) return false;
    ResultNumberTexture = LoadTexture("Texture/Result/result_number.png", 384, 32, 0);
    return ResultNumberTexture != nullptr;
}

bool LoadBonusAndHighScores() {
    BonusTextTexture = LoadTexture("Texture/ScoreBonus/bonus_text.png", 704, 64, 0);
    if (BonusTextTexture == nullptr) return false;
    ReadHighScores();
    return true;
}
