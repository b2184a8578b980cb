#pragma once
// Test helpers around the generated resource folder.
#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// The generated Resource_Mirelune folder of this build.
std::filesystem::path ResourceDir();

// A temporary mirror of the generated art and sound (every file a symbolic
// link to the generated one, but those named in `omit`) that a test may change
// freely; removed on destruction. Its `Data` folder starts empty: nothing a
// player saved in the build's folder is read or written through it. The
// mirror is named Resource_Mirelune inside a temporary folder of its own, so a
// program started in that folder finds it as it would beside the build. The
// current directory is restored on destruction too.
class ResourceMirror {
public:
    explicit ResourceMirror(const std::vector<std::string>& omit = {});
    ~ResourceMirror();
    ResourceMirror(const ResourceMirror&) = delete;
    ResourceMirror& operator=(const ResourceMirror&) = delete;

    // The mirror itself; its parent holds nothing else.
    const std::filesystem::path& Path() const { return root_; }
    // Makes the mirror the current directory (as the entry function does).
    void Enter();

private:
    std::filesystem::path root_;
    std::filesystem::path previous_;
};

// A fresh headless device and sprite batch in the game's globals.
void CreateHeadlessGraphics();
void ReleaseHeadlessGraphics();

}  // namespace testsupport
