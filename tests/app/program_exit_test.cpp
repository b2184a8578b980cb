// The windowed program as a launcher sees it: run under the dummy drivers, its
// stdout and stderr read through pipes, its exit status collected.
#include <gtest/gtest.h>

#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "support/resource_dir.h"

namespace {

namespace fs = std::filesystem;

constexpr int kStuckMs = 120000;  // only a program that hangs comes near it

// One run of the program started in `folder`. It reports its first frame.
class ProgramRun {
public:
    explicit ProgramRun(const fs::path& folder) {
        int out[2];
        int err[2];
        if (pipe(out) != 0 || pipe(err) != 0) return;
        // Everything the child needs is built before the fork.
        const std::string program = std::string(MIRELUNE_BUILD_DIR) + "/velmora_windowed";
        const std::string dir = folder.string();
        const char* argv[] = {program.c_str(), nullptr};
        // The test's own environment (sanitizer options among it) with the
        // headless drivers and the first-frame report.
        std::vector<std::string> env = {"SDL_VIDEODRIVER=dummy", "SDL_AUDIODRIVER=dummy",
                                        "MIRELUNE_REPORT_FIRST_FRAME=1"};
        for (char** e = environ; *e != nullptr; ++e) {
            const std::string entry = *e;
            if (entry.rfind("SDL_", 0) != 0 && entry.rfind("MIRELUNE_", 0) != 0) env.push_back(entry);
        }
        std::vector<const char*> envp;
        for (const std::string& entry : env) envp.push_back(entry.c_str());
        envp.push_back(nullptr);
        pid_ = fork();
        if (pid_ == 0) {
            dup2(out[1], STDOUT_FILENO);
            dup2(err[1], STDERR_FILENO);
            for (int fd : {out[0], out[1], err[0], err[1]}) close(fd);
            if (chdir(dir.c_str()) == 0) execve(argv[0], const_cast<char* const*>(argv), const_cast<char* const*>(envp.data()));
            _exit(127);
        }
        close(out[1]);
        close(err[1]);
        out_ = out[0];
        err_ = err[0];
    }
    ~ProgramRun() {
        if (pid_ > 0) {
            kill(pid_, SIGKILL);
            waitpid(pid_, nullptr, 0);
        }
        for (int fd : {out_, err_}) {
            if (fd >= 0) close(fd);
        }
    }
    ProgramRun(const ProgramRun&) = delete;
    ProgramRun& operator=(const ProgramRun&) = delete;

    bool Started() const { return pid_ > 0; }
    // Reads stdout until the program reports its first frame; false when it
    // closes stdout (ends) first.
    bool WaitForFirstFrame() {
        std::string text;
        while (text.find("first frame shown\n") == std::string::npos) {
            if (!ReadSome(out_, &text)) return false;
        }
        return true;
    }
    void Signal(int signal) const { kill(pid_, signal); }
    // Waits for the end; the exit status, or 128 + the signal that ended it.
    // `stderrText` gets all the program wrote there.
    int Finish(std::string* stderrText) {
        while (ReadSome(err_, stderrText)) {
        }
        int status = 0;
        waitpid(pid_, &status, 0);
        pid_ = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }

private:
    // Appends what the pipe holds; false at its end (or when the program is stuck).
    static bool ReadSome(int fd, std::string* text) {
        pollfd p{fd, POLLIN, 0};
        if (poll(&p, 1, kStuckMs) != 1) return false;
        char buffer[512];
        const ssize_t n = read(fd, buffer, sizeof(buffer));
        if (n <= 0) return false;
        text->append(buffer, static_cast<size_t>(n));
        return true;
    }

    pid_t pid_ = -1;
    int out_ = -1;
    int err_ = -1;
};

TEST(ProgramExit, AFailedStartUpIsAFailureAndAQuitFromTheLoopASuccess) {
    // No Resource_Mirelune beside the program: the first asset fails.
    const fs::path empty = fs::temp_directory_path() / ("mirelune_empty_" + std::to_string(getpid()));
    fs::create_directories(empty);
    {
        ProgramRun run(empty);
        ASSERT_TRUE(run.Started());
        EXPECT_FALSE(run.WaitForFirstFrame());
        std::string errors;
        EXPECT_EQ(run.Finish(&errors), EXIT_FAILURE);
        // The step's message, and the file that failed (the last common texture tried).
        EXPECT_EQ(errors, "汎用テクスチャの作成に失敗: Texture/Common/barrier.png\n");
    }
    fs::remove_all(empty);

    // SIGTERM in the main loop quits as the window's close does: status 0.
    testsupport::ResourceMirror resources;
    ProgramRun run(resources.Path().parent_path());
    ASSERT_TRUE(run.Started());
    ASSERT_TRUE(run.WaitForFirstFrame());
    run.Signal(SIGTERM);
    std::string errors;
    EXPECT_EQ(run.Finish(&errors), EXIT_SUCCESS);
    EXPECT_EQ(errors, "");
}

}  // namespace
