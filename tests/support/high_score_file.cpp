#include "support/high_score_file.h"

#include <cstdio>

#include "core/score.h"

namespace testsupport {

namespace {

constexpr size_t kMaxDigits = 10;

// One line without its newline as "%d" writes it: an optional '-' and digits
// of a 32-bit value.
bool ParseLine(const std::string& line, int32_t* value) {
    const bool negative = !line.empty() && line[0] == '-';
    const size_t first = negative ? 1 : 0;
    const size_t digits = line.size() - first;
    if (digits < 1 || digits > kMaxDigits) return false;
    int64_t v = 0;
    for (size_t i = first; i < line.size(); ++i) {
        if (line[i] < '0' || line[i] > '9') return false;
        v = v * 10 + (line[i] - '0');
    }
    if (negative) v = -v;
    if (v < INT32_MIN || v > INT32_MAX) return false;
    *value = static_cast<int32_t>(v);
    return true;
}

}  // namespace

HighScoreFileState ReadHighScoreFile(const char* path, int32_t* scores, std::string* fault) {
    std::FILE* f = std::fopen(path, "rb");
    if (f == nullptr) return HighScoreFileState::kMissing;
    char buffer[256];
    const size_t size = std::fread(buffer, 1, sizeof(buffer), f);
    std::fclose(f);
    const std::string text(buffer, size);
    size_t start = 0;
    for (int field = 0; field < kFieldCount; ++field) {
        const size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            *fault = "line " + std::to_string(field + 1) + " is missing or has no newline";
            return HighScoreFileState::kMalformed;
        }
        if (!ParseLine(text.substr(start, end - start), &scores[field])) {
            *fault = "line " + std::to_string(field + 1) + " is not a score: \"" + text.substr(start, end - start) + "\"";
            return HighScoreFileState::kMalformed;
        }
        start = end + 1;
    }
    if (start != text.size()) {
        *fault = "text after the fifth line";
        return HighScoreFileState::kMalformed;
    }
    return HighScoreFileState::kRead;
}

}  // namespace testsupport
