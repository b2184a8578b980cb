// Regular files only for reading; replacement through a temporary file.
#include "platform/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstring>
#include <thread>

namespace {

// Mode bits a new file gets before the umask, as fopen would give it.
constexpr mode_t kNewFileMode = 0666;
// A temporary file's name: the file's own, this mark, then six letters or
// digits that mkstemp picks in place of the X.
constexpr char kTemporaryMark[] = ".tmp.";
constexpr size_t kMarkLength = sizeof(kTemporaryMark) - 1;
constexpr char kUniquePart[] = "XXXXXX";
constexpr size_t kUniqueLength = sizeof(kUniquePart) - 1;
// How soon a FileLock tries again while another process holds the lock.
constexpr auto kLockRetry = std::chrono::milliseconds(10);

// Paths are built in buffers of this size on the stack: the frame that ends a
// field saves, and the game's frames take no memory from the heap.
using PathBuffer = char[PATH_MAX];

// Writes the folder holding `path` ("." when it names none) into `folder` and
// returns the name within it; null when the folder's path does not fit.
const char* SplitPath(const char* path, PathBuffer& folder) {
    const char* slash = std::strrchr(path, '/');
    if (slash == nullptr) {
        std::strcpy(folder, ".");
        return path;
    }
    const size_t length = slash == path ? 1 : static_cast<size_t>(slash - path);
    if (length >= sizeof(folder)) return nullptr;
    std::memcpy(folder, path, length);
    folder[length] = '\0';
    return slash + 1;
}

bool IsLetterOrDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// True when `entry` is a name ReplaceFile gives a temporary of the file `name`.
bool IsTemporaryName(const char* entry, const char* name) {
    const size_t nameLength = std::strlen(name);
    if (std::strncmp(entry, name, nameLength) != 0) return false;
    if (std::strncmp(entry + nameLength, kTemporaryMark, kMarkLength) != 0) return false;
    const char* unique = entry + nameLength + kMarkLength;
    if (std::strlen(unique) != kUniqueLength) return false;
    for (const char* c = unique; *c != '\0'; ++c)
        if (!IsLetterOrDigit(*c)) return false;
    return true;
}

// The mode bits fopen would give a new file under the current umask.
mode_t NewFileMode() {
    // The umask is read by setting it, and put back at once.
    const mode_t mask = umask(0);
    umask(mask);
    return kNewFileMode & ~mask;
}

// A stream on an open descriptor, which is closed when no stream can be had.
std::FILE* StreamOn(int fd, const char* mode) {
    std::FILE* file = fdopen(fd, mode);
    if (file == nullptr) close(fd);
    return file;
}

// Fills the new temporary file open on `fd`, gives it `mode` and flushes it to
// disk; closes it; false on any failure.
bool WriteTemporary(int fd, mode_t mode, FileFiller fill, const void* context) {
    if (fchmod(fd, mode) != 0) {
        close(fd);
        return false;
    }
    std::FILE* file = StreamOn(fd, "w");
    if (file == nullptr) return false;
    const bool written = fill(file, context) && std::fflush(file) == 0 && fsync(fileno(file)) == 0;
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

}   // namespace

std::FILE* OpenRegularFile(const char* path, uint64_t* size, int* openError) {
    if (openError != nullptr) *openError = 0;
    if (path == nullptr) return nullptr;
    // Non-blocking, so that opening a pipe with no writer returns at once.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        if (openError != nullptr) *openError = errno;
        return nullptr;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || fcntl(fd, F_SETFL, 0) != 0) {
        close(fd);
        return nullptr;
    }
    std::FILE* file = StreamOn(fd, "rb");
    if (file != nullptr && size != nullptr) *size = static_cast<uint64_t>(st.st_size);
    return file;
}

bool ReplaceFile(const char* path, FileFiller fill, const void* context) {
    struct stat st {};
    const bool exists = stat(path, &st) == 0;
    if (exists && (!S_ISREG(st.st_mode) || access(path, W_OK) != 0)) return false;
    const mode_t mode = exists ? st.st_mode & 07777 : NewFileMode();
    // Created exclusively under a name no other file has: a pipe, a link or
    // another process's temporary is never opened.
    PathBuffer tempPath;
    const int length = std::snprintf(tempPath, sizeof(tempPath), "%s%s%s", path, kTemporaryMark, kUniquePart);
    if (length < 0 || static_cast<size_t>(length) >= sizeof(tempPath)) return false;
    const int fd = mkostemp(tempPath, O_CLOEXEC);
    if (fd < 0) return false;
    if (!WriteTemporary(fd, mode, fill, context) || std::rename(tempPath, path) != 0) {
        unlink(tempPath);
        return false;
    }
    return true;
}

void RemoveLeftoverTemporaries(const char* path) {
    PathBuffer folderPath;
    const char* name = SplitPath(path, folderPath);
    DIR* folder = name != nullptr ? opendir(folderPath) : nullptr;
    if (folder == nullptr) return;
    const int fd = dirfd(folder);
    while (const dirent* entry = readdir(folder)) {
        if (!IsTemporaryName(entry->d_name, name)) continue;
        // The entry itself, never what a link there points to.
        struct stat st {};
        if (fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
            unlinkat(fd, entry->d_name, 0);
    }
    closedir(folder);
}

FileLock::FileLock(const char* path, int waitMs) {
    PathBuffer folderPath;
    if (SplitPath(path, folderPath) == nullptr) return;
    folder_ = open(folderPath, O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder_ < 0) return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (flock(folder_, LOCK_EX | LOCK_NB) == 0) {
            held_ = true;
            return;
        }
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) return;
        std::this_thread::sleep_for(kLockRetry);
    }
}

FileLock::~FileLock() {
    // Closing the folder releases the lock.
    if (folder_ >= 0) close(folder_);
}
