#pragma once
// Reading and safely replacing the game's own files.
#include <cstdint>
#include <cstdio>

// Opens `path` for binary reading only when it is a regular file: a pipe would
// block start-up and a device may never end. Null otherwise. `size`, when
// given, gets the file's size in bytes.
std::FILE* OpenRegularFile(const char* path, uint64_t* size = nullptr);

// Fills an open file; false on failure.
using FileFiller = bool (*)(std::FILE* file, const void* context);

// Replaces `path` by way of `tempPath`: `fill` writes the temporary file, which
// is flushed to disk and then renamed over `path`, with the old file's
// permission bits. An existing `path` that is not a regular file or that may
// not be written is left as it is. On any failure the old file stays as it was
// and the temporary file is removed. False when nothing was replaced.
bool ReplaceFile(const char* path, const char* tempPath, FileFiller fill, const void* context);
