// Regular files only for reading; replacement through a temporary file.
#include "platform/file_io.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

namespace {

// Mode bits a new file gets before the umask, as fopen would give it.
constexpr mode_t kNewFileMode = 0666;

// A stream on an open descriptor, which is closed when no stream can be had.
std::FILE* StreamOn(int fd, const char* mode) {
    std::FILE* file = fdopen(fd, mode);
    if (file == nullptr) close(fd);
    return file;
}

// Writes and flushes the temporary file to disk; false on any failure.
bool WriteTemporary(const char* tempPath, mode_t mode, bool keepMode, FileFiller fill, const void* context) {
    // Never through a link left at the temporary path.
    const int fd = open(tempPath, O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, kNewFileMode);
    if (fd < 0) return false;
    if (keepMode && fchmod(fd, mode) != 0) {
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

std::FILE* OpenRegularFile(const char* path, uint64_t* size) {
    if (path == nullptr) return nullptr;
    // Non-blocking, so that opening a pipe with no writer returns at once.
    const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || fcntl(fd, F_SETFL, 0) != 0) {
        close(fd);
        return nullptr;
    }
    std::FILE* file = StreamOn(fd, "rb");
    if (file != nullptr && size != nullptr) *size = static_cast<uint64_t>(st.st_size);
    return file;
}

bool ReplaceFile(const char* path, const char* tempPath, FileFiller fill, const void* context) {
    struct stat st {};
    const bool exists = stat(path, &st) == 0;
    if (exists && (!S_ISREG(st.st_mode) || access(path, W_OK) != 0)) return false;
    const mode_t mode = st.st_mode & 07777;
    if (!WriteTemporary(tempPath, mode, exists, fill, context) || std::rename(tempPath, path) != 0) {
        std::remove(tempPath);
        return false;
    }
    return true;
}
