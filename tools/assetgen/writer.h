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

// Where the contact sheet shows one sheet. A long strip is cut across its
// length into bands, between its cells wherever it can be, and the bands are
// laid side by side (tall strips) or stacked (wide strips); the result is
// scaled to stay legible and placed in the overview with its label below.
struct ContactTile {
    Rect picture;            // where the (folded, scaled) picture stands
    float scale = 1;         // overview pixels per sheet pixel
    bool wide = false;       // bands are columns of a wide sheet (else rows of a tall one)
    std::vector<int> edges;  // band edges along the sheet's long side, 0 to its length
    int Bands() const { return int(edges.size()) - 1; }
};

struct ContactLayout {
    int width = 0, height = 0;
    std::vector<ContactTile> tiles;  // one per sheet, in the order given
};

// Smallest picture scale and short side of a tile: every sheet is shown at
// half size or more, and no tile is thinner than this many pixels unless its
// sheet is tiny (small sheets are enlarged up to 4 times).
constexpr float kContactMinScale = 0.5f;
constexpr int kContactMinShortSide = 96;
// Gap between the bands of a folded sheet, in sheet pixels.
constexpr int kContactFoldGap = 4;

ContactLayout LayoutContactSheet(const std::vector<const TextureSpec*>& specs);

// One overview picture of every sheet, laid out as above, labelled with its
// path, size, folding and scale.
Canvas BuildContactSheet(const std::vector<const TextureSpec*>& specs, const std::vector<Canvas>& sheets);

}  // namespace assetgen
