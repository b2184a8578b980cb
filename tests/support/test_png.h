#pragma once
// Small PNG files written with libpng, in the colour types the loader must
// expand, inside a temporary folder that is removed afterwards.
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

// 8-bit RGBA (or RGB when `withAlpha` is false) from 0xAARRGGBB pixels.
void WriteRgbPng(const std::string& path, int w, int h, const std::vector<uint32_t>& argb, bool withAlpha);
// 16-bit RGBA: each channel given as a 16-bit value.
void WriteRgba16Png(const std::string& path, int w, int h, const std::vector<uint16_t>& rgba);
// 8-bit palette with a tRNS chunk: `palette` holds 0xAARRGGBB entries.
void WritePalettePng(const std::string& path, int w, int h, const std::vector<uint32_t>& palette,
                     const std::vector<uint8_t>& indices);
// 8-bit grey.
void WriteGreyPng(const std::string& path, int w, int h, const std::vector<uint8_t>& grey);

// A fresh folder under the system's temporary folder, removed with the object.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string File(const char* name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};
