#include "support/resource_dir.h"

#include <atomic>
#include <cstdlib>
#include <unistd.h>

#include "platform/graphics.h"

namespace fs = std::filesystem;

namespace testsupport {

fs::path ResourceDir() { return fs::path(MIRELUNE_RESOURCE_DIR); }

ResourceMirror::ResourceMirror(const std::vector<std::string>& omit) {
    static std::atomic<int> counter{0};
    const fs::path parent = fs::temp_directory_path() /
                            ("mirelune_res_" + std::to_string(::getpid()) + "_" + std::to_string(counter++));
    fs::remove_all(parent);
    root_ = parent / "Resource_Mirelune";
    const fs::path source = ResourceDir();
    for (auto it = fs::recursive_directory_iterator(source); it != fs::recursive_directory_iterator(); ++it) {
        const fs::path rel = fs::relative(it->path(), source);
        // The player's saves stay where they are, unseen.
        if (rel == "Data") {
            if (it->is_directory()) it.disable_recursion_pending();
            continue;
        }
        if (it->is_directory()) {
            fs::create_directories(root_ / rel);
            continue;
        }
        bool skip = false;
        for (const std::string& o : omit) skip = skip || rel.generic_string() == o;
        if (skip) continue;
        fs::create_directories((root_ / rel).parent_path());
        fs::create_symlink(it->path(), root_ / rel);
    }
    fs::create_directories(root_ / "Data");
}

ResourceMirror::~ResourceMirror() {
    if (!previous_.empty()) fs::current_path(previous_);
    std::error_code ec;
    fs::remove_all(root_.parent_path(), ec);
}

void ResourceMirror::Enter() {
    if (previous_.empty()) previous_ = fs::current_path();
    fs::current_path(root_);
}

void CreateHeadlessGraphics() {
    Direct3DDevice = GraphicsDevice::CreateHeadless();
    SpriteBatch = CreateSpriteBatch(Direct3DDevice);
}

void ReleaseHeadlessGraphics() {
    if (SpriteBatch != nullptr) SpriteBatch->Release();
    SpriteBatch = nullptr;
    if (Direct3DDevice != nullptr) Direct3DDevice->Release();
    Direct3DDevice = nullptr;
}

}  // namespace testsupport
