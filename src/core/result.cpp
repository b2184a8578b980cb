#include "core/result.h"

#include <cstdint>

#include "core/common_textures.h"
#include "core/score.h"
#include "platform/graphics.h"

int32_t ResultPending = 0;
int32_t ResultField = 0;
ResultRecord ResultState;
Rect GradeMarkRect;
Texture* ResultTexture = nullptr;
Texture* ResultNumberTexture = nullptr;

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

}  // namespace

int32_t GetFieldClearFlag() { return ResultPending; }

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

bool LoadResultTextures() {
    ResultTexture = LoadTexture("Texture/Result/result.png", 512, 720, 0);
    if (ResultTexture == nullptr) return false;
    ResultNumberTexture = LoadTexture("Texture/Result/result_number.png", 384, 32, 0);
    return ResultNumberTexture != nullptr;
}
