// assetgen: writes every texture and sound of MIRELUNE into a resource folder.
//
//   assetgen --out <dir> [--contact-sheet <file.png>] [--threads N] [--only <path part>]
// --only writes just the entries whose path contains the text (for artists).
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "assetgen/writer.h"

static int Usage(const char* self) {
    std::fprintf(stderr, "usage: %s --out DIR [--contact-sheet FILE.png] [--threads N] [--only PATH-PART]\n", self);
    return 2;
}

int main(int argc, char** argv) {
    assetgen::GenerateOptions opt;
    for (int i = 1; i < argc; ++i) {
        std::string a = argv[i];
        if (a == "--out" && i + 1 < argc) opt.outDir = argv[++i];
        else if (a == "--contact-sheet" && i + 1 < argc) opt.contactSheet = argv[++i];
        else if (a == "--threads" && i + 1 < argc) opt.threads = std::atoi(argv[++i]);
        else if (a == "--only" && i + 1 < argc) opt.only = argv[++i];
        else
            return Usage(argv[0]);
    }
    if (opt.outDir.empty()) return Usage(argv[0]);
    auto start = std::chrono::steady_clock::now();
    assetgen::GenerateReport r;
    try {
        r = assetgen::GenerateAll(opt);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetgen: %s\n", e.what());
        return 1;
    }
    for (const auto& e : r.errors) std::fprintf(stderr, "assetgen: %s\n", e.c_str());
    double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("assetgen: %d files written, %d unchanged, %.2f s\n", r.written, r.unchanged, secs);
    return r.errors.empty() ? 0 : 1;
}
