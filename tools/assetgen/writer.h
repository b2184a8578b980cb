#pragma once
// Writes the manifest to disk: PNGs and WAVs, deterministic bytes, and only
// files whose bytes changed are rewritten.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "assetgen/manifest.h"

namespace assetgen {

// The canonical 44-byte-header WAV file of 16-bit PCM samples.
std::vector<uint8_t> EncodeWav(const Pcm& pcm);

// Writes bytes to path unless the file already holds exactly these bytes.
// Creates missing folders. Returns true when the file was (re)written.
bool WriteIfChanged(const std::filesystem::path& path, const std::vector<uint8_t>& bytes);

struct GenerateOptions {
    std::filesystem::path outDir;
    std::filesystem::path contactSheet;  // empty: none
    int threads = 0;                     // 0: all cores
    std::string only;                    // when set: only entries whose path contains it
};

struct GenerateReport {
    int written = 0;
    int unchanged = 0;
    std::vector<std::string> errors;
};

// Writes every texture and sound of the manifest under outDir and creates
// outDir/Data (never touching what is inside it).
GenerateReport GenerateAll(const GenerateOptions& options);

// One overview picture: every sheet scaled into a tile, labelled with its path.
Canvas BuildContactSheet(const std::vector<const TextureSpec*>& specs, const std::vector<Canvas>& sheets);

}  // namespace assetgen
