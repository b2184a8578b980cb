#include "support/test_png.h"

#include <png.h>
#include <unistd.h>

#include <cstdio>
#include <stdexcept>

namespace {

void Write(const std::string& path, int w, int h, int colorType, int bitDepth, int rowBytes,
           const uint8_t* data, const std::vector<png_color>* palette, const std::vector<png_byte>* alphas) {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (file == nullptr) throw std::runtime_error("cannot write " + path);
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_init_io(png, file);
    png_set_IHDR(png, info, static_cast<png_uint_32>(w), static_cast<png_uint_32>(h), bitDepth, colorType,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    if (palette != nullptr) png_set_PLTE(png, info, palette->data(), static_cast<int>(palette->size()));
    if (alphas != nullptr) png_set_tRNS(png, info, alphas->data(), static_cast<int>(alphas->size()), nullptr);
    png_write_info(png, info);
    for (int y = 0; y < h; ++y) png_write_row(png, data + static_cast<size_t>(y) * rowBytes);
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    std::fclose(file);
}

}  // namespace

void WriteRgbPng(const std::string& path, int w, int h, const std::vector<uint32_t>& argb, bool withAlpha) {
    const int channels = withAlpha ? 4 : 3;
    std::vector<uint8_t> bytes;
    for (uint32_t c : argb) {
        bytes.push_back(static_cast<uint8_t>(c >> 16));
        bytes.push_back(static_cast<uint8_t>(c >> 8));
        bytes.push_back(static_cast<uint8_t>(c));
        if (withAlpha) bytes.push_back(static_cast<uint8_t>(c >> 24));
    }
    Write(path, w, h, withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, 8, w * channels, bytes.data(),
          nullptr, nullptr);
}

void WriteRgba16Png(const std::string& path, int w, int h, const std::vector<uint16_t>& rgba) {
    std::vector<uint8_t> bytes;
    for (uint16_t v : rgba) {  // big-endian samples
        bytes.push_back(static_cast<uint8_t>(v >> 8));
        bytes.push_back(static_cast<uint8_t>(v));
    }
    Write(path, w, h, PNG_COLOR_TYPE_RGB_ALPHA, 16, w * 8, bytes.data(), nullptr, nullptr);
}

void WritePalettePng(const std::string& path, int w, int h, const std::vector<uint32_t>& palette,
                     const std::vector<uint8_t>& indices) {
    std::vector<png_color> colours;
    std::vector<png_byte> alphas;
    for (uint32_t c : palette) {
        colours.push_back(png_color{static_cast<png_byte>(c >> 16), static_cast<png_byte>(c >> 8),
                                    static_cast<png_byte>(c)});
        alphas.push_back(static_cast<png_byte>(c >> 24));
    }
    Write(path, w, h, PNG_COLOR_TYPE_PALETTE, 8, w, indices.data(), &colours, &alphas);
}

void WriteGreyPng(const std::string& path, int w, int h, const std::vector<uint8_t>& grey) {
    Write(path, w, h, PNG_COLOR_TYPE_GRAY, 8, w, grey.data(), nullptr, nullptr);
}

TempFolder::TempFolder() {
    static int counter = 0;
    path_ = std::filesystem::temp_directory_path() /
            ("mirelune_test_" + std::to_string(getpid()) + "_" + std::to_string(counter++));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}
