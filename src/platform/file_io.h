#pragma once
// Reading and safely replacing the game's own files.
#include <cstdint>
#include <cstdio>

// Opens `path` for binary reading only when it is a regular file: a pipe would
// block start-up and a device may never end. Null otherwise. `size`, when
// given, gets the file's size in bytes; `openError`, when given, gets errno
// when nothing at `path` could be opened at all (ENOENT when nothing is
// there), else 0.
std::FILE* OpenRegularFile(const char* path, uint64_t* size = nullptr, int* openError = nullptr);

// Fills an open file; false on failure.
using FileFiller = bool (*)(std::FILE* file, const void* context);

// Replaces `path` by way of a temporary file beside it, created new under a
// unique name ("<path>.tmp." and six letters or digits), so no path that
// already exists is ever opened: `fill` writes it, it is flushed to disk and
// renamed over `path`, with the old file's permission bits. An existing `path`
// that is not a regular file or that may not be written is left as it is. On
// any failure the old file stays as it was and the temporary file is removed.
// False when nothing was replaced.
bool ReplaceFile(const char* path, FileFiller fill, const void* context);

// Removes the temporary files of replacements of `path` that never finished
// (the process was killed midway): regular files in its folder named as
// ReplaceFile names them; links, pipes and folders of such a name stay. Call it
// only while holding the FileLock of `path`, so that no temporary another
// process is still writing goes.
void RemoveLeftoverTemporaries(const char* path);

// Serialises the read, merge and replacement of `path` between processes: an
// advisory lock (flock) on the folder holding it, so no file is added there.
// Waits at most `waitMs` for it; without it Held() is false and the caller goes
// on unlocked. Released on destruction.
class FileLock {
public:
    FileLock(const char* path, int waitMs);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return held_; }

private:
    int folder_ = -1;
    bool held_ = false;
};
