#include "core/high_score.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "core/common_textures.h"
#include "core/saturate.h"
#include "core/score.h"
#include "platform/graphics.h"

int32_t HighScoreTable[kFieldCount] = {};
Texture* BonusTextTexture = nullptr;

const char* const kHighScorePath = "Data/HighScore.txt";
const char* const kHighScoreTempPath = "Data/HighScore.txt.tmp";
HighScoreWriter HighScoreWrite = WriteHighScoreLines;

namespace {

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

}  // namespace

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
    return SaturateToInt32(negative ? -value : value);
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

bool LoadBonusAndHighScores() {
    BonusTextTexture = LoadTexture("Texture/ScoreBonus/bonus_text.png", 704, 64, 0);
    if (BonusTextTexture == nullptr) return false;
    ReadHighScores();
    return true;
}
