#include "core/high_score.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <iterator>

#include "core/common_textures.h"
#include "core/saturate.h"
#include "core/score.h"
#include "platform/file_io.h"
#include "platform/graphics.h"

int32_t HighScoreTable[kFieldCount] = {};
Texture* BonusTextTexture = nullptr;

const char* const kHighScorePath = "Data/HighScore.txt";
HighScoreWriter HighScoreWrite = WriteHighScoreLines;

namespace {

// The game writes at most 11 characters a line ("-2147483648"); a line longer
// than this is not a score and reads 0.
constexpr int kMaxLineLength = 32;
// Five lines need far fewer bytes; the file is never read further than this.
constexpr int kMaxFileBytes = 4096;
// How long a save waits while another copy of the game saves before it goes on
// without its turn: a field's end must never hang on it.
constexpr int kSaveLockWaitMs = 2000;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

// The lines of the high-score file, each ended by "\n", "\r\n" or a lone "\r",
// read with a bounded budget of bytes.
class LineReader {
public:
    explicit LineReader(std::FILE* file) : file_(file) {}

    // One line into `text` (at most kMaxLineLength characters and a NUL). False
    // when no line is left: at the end of the file, or when the budget ends
    // before the line does. A longer line comes back as "", which reads 0.
    bool Read(char (&text)[kMaxLineLength + 1]) {
        int length = 0;
        bool tooLong = false;
        bool any = false;
        for (;;) {
            const int c = Next();
            if (c == EOF) {
                if (cut_ || !any) return false;
                break;
            }
            any = true;
            if (c == '\n') break;
            if (c == '\r') {
                SkipLineFeed();
                break;
            }
            if (length < kMaxLineLength) {
                text[length++] = static_cast<char>(c);
            } else {
                tooLong = true;
            }
        }
        text[tooLong ? 0 : length] = '\0';
        return true;
    }

private:
    // The next byte, or EOF at the end of the file or of the budget.
    int Next() {
        const int c = std::fgetc(file_);
        if (c == EOF) return EOF;
        if (budget_ == 0) {
            cut_ = true;
            return EOF;
        }
        --budget_;
        return c;
    }
    // A "\n" right after a "\r" ends the same line.
    void SkipLineFeed() {
        const int c = std::fgetc(file_);
        if (c == '\n' && budget_ > 0) {
            --budget_;
        } else if (c != EOF) {
            std::ungetc(c, file_);
        }
    }

    std::FILE* file_;
    int budget_ = kMaxFileBytes;
    bool cut_ = false;
};

// What ReadHighScoreFile returns instead of a count of lines.
constexpr int kNoFile = -1;      // nothing there, or no regular file
constexpr int kUnreadable = -2;  // something there that cannot be opened

// A file that is there but cannot be read is named on stderr, with the reason,
// the first time only: the game may save many times.
void ReportUnreadable(int error) {
    static bool reported = false;
    if (reported) return;
    reported = true;
    std::fprintf(stderr, "HighScore: cannot read %s: %s\n", kHighScorePath, std::strerror(error));
}

// Reads the file's scores into `scores` in field order; returns how many lines
// the file supplied, kNoFile or kUnreadable.
int ReadHighScoreFile(int32_t (&scores)[kFieldCount]) {
    int error = 0;
    std::FILE* file = OpenRegularFile(kHighScorePath, nullptr, &error);
    if (file == nullptr && error != 0 && error != ENOENT) {
        ReportUnreadable(error);
        return kUnreadable;
    }
    if (file == nullptr) return kNoFile;
    LineReader reader(file);
    char text[kMaxLineLength + 1];
    int lines = 0;
    while (lines < kFieldCount && reader.Read(text)) scores[lines++] = ParseHighScoreLine(text);
    std::fclose(file);
    return lines;
}

void ReadHighScores() {
    int32_t scores[kFieldCount] = {};
    // A line the file does not have reads as 0.
    if (ReadHighScoreFile(scores) < 0) return;
    std::copy(std::begin(scores), std::end(scores), HighScoreTable);
}

// Another copy of the game may have saved since this one read the file: the
// stored scores are read again and, line by line, the better one is kept. True
// when the table holds a score the file does not.
bool MergeStoredScores() {
    int32_t stored[kFieldCount] = {};
    const int lines = ReadHighScoreFile(stored);
    // Bests this copy cannot see are never written over.
    if (lines == kUnreadable) return false;
    bool beaten = lines < kFieldCount;
    for (int i = 0; i < lines; ++i) {
        beaten = beaten || HighScoreTable[i] > stored[i];
        HighScoreTable[i] = std::max(HighScoreTable[i], stored[i]);
    }
    return beaten;
}

// The five bests go to a file beside the old one, which is replaced only once
// the new one is complete; on any failure the old file stays as it was.
void WriteHighScoreFile() {
    ReplaceFile(
        kHighScorePath, [](std::FILE* file, const void*) { return HighScoreWrite(file, HighScoreTable, kFieldCount); },
        nullptr);
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
    // Copies of the game running at once read, merge and write one after the
    // other, so neither loses the other's best. Leftovers of a killed save are
    // removed only in turn: unlocked, they may be another copy's work.
    const FileLock turn(kHighScorePath, kSaveLockWaitMs);
    if (turn.Held()) RemoveLeftoverTemporaries(kHighScorePath);
    if (MergeStoredScores()) WriteHighScoreFile();
}

bool LoadBonusAndHighScores() {
    BonusTextTexture = LoadTexture("Texture/ScoreBonus/bonus_text.png", 704, 64, 0);
    if (BonusTextTexture == nullptr) return false;
    ReadHighScores();
    return true;
}
