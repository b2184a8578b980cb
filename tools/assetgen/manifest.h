#pragma once
// The one list of every texture and sound the game loads: path (relative to
// Resource_Mirelune/), exact size, colour key, the named cells the game cuts
// from each sheet, and the function that paints or synthesizes it. The
// generator writes from it and the game's tests check their loads against it.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "assetgen/canvas.h"

namespace assetgen {

// Colour keys of the keyed sheets.
constexpr uint32_t kKeyNone = 0;
constexpr uint32_t kKeyGreen = 0xFF00FF00u;
constexpr uint32_t kKeyBlack = 0xFF000000u;
constexpr uint32_t kKeyBlue = 0xFF0000FFu;

struct Cell {
    std::string name;
    int left = 0, top = 0, right = 0, bottom = 0;
    Rect rect() const { return {left, top, right, bottom}; }
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

struct TextureSpec;
// Paints a sheet. The canvas arrives transparent at the sheet's size; keyed
// sheets are finished to their key by the writer afterwards (FinishKeyed), so
// painters simply leave unused areas transparent.
using Painter = std::function<void(Canvas&, const TextureSpec&)>;

struct TextureSpec {
    std::string path;  // e.g. "Texture/Common/number.png"
    int width = 0;
    int height = 0;
    uint32_t colorKey = kKeyNone;
    // Keyed sheets the game draws magnified keep soft, partly transparent
    // edges in their own colours (the key only replaces exactly keyed pixels),
    // so their outlines do not turn into stairs; the others are hard-edged.
    bool softEdges = false;
    std::vector<Cell> cells;
    Painter paint;

    const Cell* FindCell(std::string_view name) const;
    // The cell by name; throws when the sheet has no such cell.
    const Cell& CellNamed(std::string_view name) const;
};

// 16-bit PCM samples, interleaved when there are two channels.
struct Pcm {
    int sampleRate = 44100;
    int channels = 1;
    std::vector<int16_t> samples;
};

struct SoundSpec {
    std::string path;  // e.g. "Sound/BGM/FieldMap.wav"
    std::function<Pcm()> synth;
    bool loops = false;  // music: must join its end to its start without a click
};

const std::vector<TextureSpec>& TextureManifest();
const std::vector<SoundSpec>& SoundManifest();
const TextureSpec* FindTexture(std::string_view path);
const SoundSpec* FindSound(std::string_view path);

// Builds the painted canvas of a sheet: the painter's drawing, finished to the
// sheet's colour key.
Canvas PaintTexture(const TextureSpec& spec);

// Registration of the sheet groups (one file each).
void RegisterCommonSheets(std::vector<TextureSpec>& out);
void RegisterFieldSheets(std::vector<TextureSpec>& out);
void RegisterScreenSheets(std::vector<TextureSpec>& out);
void RegisterInterfaceSheets(std::vector<TextureSpec>& out);
void RegisterCharacterSheets(std::vector<TextureSpec>& out);
void RegisterEffectSheets(std::vector<TextureSpec>& out);
void RegisterEnemySheets(std::vector<TextureSpec>& out);
void RegisterFieldMapSheets(std::vector<TextureSpec>& out);
void RegisterSounds(std::vector<SoundSpec>& out);

// Helpers for registering sheets.
TextureSpec MakeSheet(std::string path, int width, int height, uint32_t colorKey, Painter paint);
// A row of `count` equal cells named prefix0, prefix1, ... starting at (x, y).
void AddCellRow(TextureSpec& spec, const std::string& prefix, int x, int y, int cellW, int cellH, int count);
// A column of `count` equal cells named prefix0, prefix1, ... starting at (x, y).
void AddCellColumn(TextureSpec& spec, const std::string& prefix, int x, int y, int cellW, int cellH, int count);
// A plain stand-in painter: the sheet's name in text (for sheets still to be drawn).
void PaintPlaceholder(Canvas& canvas, const TextureSpec& spec);

}  // namespace assetgen
