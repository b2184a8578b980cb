// Regular files only for reading; replacement through a temporary file.
#include "platform/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <thread>

namespace {

// Mode bits a new file gets before the umask, as fopen would give it.
constexpr mode_t kNewFileMode = 0666;
// A temporary file's name: the file's own, this mark, then six letters or
// digits that mkstemp picks in place of the X.
constexpr char kTemporaryMark[] = ".tmp.";
constexpr char kUniquePart[] = "XXXXXX";
constexpr size_t kUniqueLength = sizeof(kUniquePart) - 1;
// How soon a FileLock tries again while another process holds the lock.
constexpr auto kLockRetry = std::chrono::milliseconds(10);

// The folder holding `path` ("." when it names none) and the name within it.
struct PathParts {
    std::string folder;
    std::string name;
};
PathParts SplitPath(const char* path) {
    const std::string whole(path);
    const size_t slash = whole.rfind('/');
    if (slash == std::string::npos) return {".", whole};
    return {slash == 0 ? "/" : whole.substr(0, slash), whole.substr(slash + 1)};
}

bool IsLetterOrDigit(char c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

// True when `entry` is `prefix` followed by a unique part as mkstemp makes it.
bool IsTemporaryName(const char* entry, const std::string& prefix) {
    if (std::strncmp(entry, prefix.c_str(), prefix.size()) != 0) return false;
    const char* unique = entry + prefix.size();
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
    std::string tempPath = std::string(path) + kTemporaryMark + kUniquePart;
    const int fd = mkostemp(tempPath.data(), O_CLOEXEC);
    if (fd < 0) return false;
    if (!WriteTemporary(fd, mode, fill, context) || std::rename(tempPath.c_str(), path) != 0) {
        unlink(tempPath.c_str());
        return false;
    }
    return true;
}

void RemoveLeftoverTemporaries(const char* path) {
    const PathParts parts = SplitPath(path);
    const std::string prefix = parts.name + kTemporaryMark;
    DIR* folder = opendir(parts.folder.c_str());
    if (folder == nullptr) return;
    const int fd = dirfd(folder);
    while (const dirent* entry = readdir(folder)) {
        if (!IsTemporaryName(entry->d_name, prefix)) continue;
        // The entry itself, never what a link there points to.
        struct stat st {};
        if (fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode))
            unlinkat(fd, entry->d_name, 0);
    }
    closedir(folder);
}

FileLock::FileLock(const char* path, int waitMs) {
    folder_ = open(SplitPath(path).folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
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
