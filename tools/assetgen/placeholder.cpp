// Stand-in for the art and sound generator until it lands: only makes the
// output folder so the build and the programs can run.
#include <filesystem>
#include <system_error>

bool MakeAssetOutputFolder(const char* path) {
    std::error_code error;
    std::filesystem::create_directories(path, error);
    return !error;
}
