#pragma once
// The high-score file read strictly, as the game writes it: five lines, one
// per field, each a 32-bit decimal score ("%d") ended by a newline, and
// nothing after the fifth line.
#include <cstdint>
#include <string>

namespace testsupport {

enum class HighScoreFileState { kMissing, kMalformed, kRead };

// Reads the file at `path` into `scores` (five entries). On kMalformed,
// `fault` says what is wrong with it.
HighScoreFileState ReadHighScoreFile(const char* path, int32_t* scores, std::string* fault);

}  // namespace testsupport
