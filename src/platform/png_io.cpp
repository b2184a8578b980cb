// PNG reading and writing with libpng.
#include <png.h>
#include <sys/mman.h>

#include <bit>
#include <csetjmp>
#include <cstdio>
#include <vector>

#include "platform/file_io.h"
#include "platform/sdl_internal.h"

namespace {

// Closes the file however the read or write ends.
struct FileCloser {
    FILE* file;
    ~FileCloser() {
        if (file != nullptr) std::fclose(file);
    }
};

// libpng reports errors by longjmp; keep its warnings off stderr.
void IgnoreWarning(png_structp, png_const_charp) {}

// libpng errors end the read or write quietly (no message on stderr).
[[noreturn]] void QuietError(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// The functions that call setjmp keep no C++ object with a destructor in their
// frame, so a longjmp out of libpng skips nothing.
bool ReadHeader(png_structp png, png_infop info, png_uint_32 maxWidth, png_uint_32 maxHeight, png_uint_32* width,
                png_uint_32* height) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_info(png, info);
    const png_uint_32 w = png_get_image_width(png, info);
    const png_uint_32 h = png_get_image_height(png, info);
    const int colorType = png_get_color_type(png, info);
    const int bitDepth = png_get_bit_depth(png, info);
    // Checked before anything is decoded: a small file can declare a huge picture.
    if (w == 0 || h == 0 || w > maxWidth || h > maxHeight) return false;

    // Everything becomes 8-bit colour with alpha, in the byte order of a
    // 0xAARRGGBB word on this machine, so rows decode straight into the pixels.
    constexpr bool kLittleEndian = std::endian::native == std::endian::little;
    const bool hasTrns = png_get_valid(png, info, PNG_INFO_tRNS) != 0;
    if (colorType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(png);
    if (colorType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(png);
    if (hasTrns) png_set_tRNS_to_alpha(png);
    if (bitDepth == 16) png_set_scale_16(png);
    if (colorType == PNG_COLOR_TYPE_GRAY || colorType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(png);
    if (!(colorType & PNG_COLOR_MASK_ALPHA) && !hasTrns) {
        png_set_add_alpha(png, 0xFF, kLittleEndian ? PNG_FILLER_AFTER : PNG_FILLER_BEFORE);
    }
    if (kLittleEndian) {
        png_set_bgr(png);  // B, G, R, A
    } else {
        png_set_swap_alpha(png);  // A, R, G, B
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != static_cast<size_t>(w) * 4) return false;
    *width = w;
    *height = h;
    return true;
}

bool ReadImage(png_structp png, png_bytepp rows) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_read_image(png, rows);
    png_read_end(png, nullptr);
    return true;
}

bool WriteRows(png_structp png, png_infop info, png_bytepp rows, int width, int height) {
    if (setjmp(png_jmpbuf(png))) return false;
    png_set_IHDR(png, info, static_cast<png_uint_32>(width), static_cast<png_uint_32>(height), 8,
                 PNG_COLOR_TYPE_RGB_ALPHA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    png_write_image(png, rows);
    png_write_end(png, nullptr);
    return true;
}

// Big sheets are tens of megabytes: asking for huge pages before the first
// touch saves most of the page faults of filling them.
void PreferHugePages(std::vector<uint32_t>* pixels, size_t count) {
    constexpr uintptr_t kHugePage = uintptr_t{2} << 20;
    pixels->reserve(count);
    const auto start = reinterpret_cast<uintptr_t>(pixels->data());
    const uintptr_t first = (start + kHugePage - 1) & ~(kHugePage - 1);
    const uintptr_t last = (start + count * sizeof(uint32_t)) & ~(kHugePage - 1);
    if (last > first) madvise(reinterpret_cast<void*>(first), last - first, MADV_HUGEPAGE);
}

}  // namespace

bool ReadPng(const char* path, std::vector<uint32_t>* pixels, int* width, int* height, int maxWidth,
             int maxHeight) {
    if (maxWidth <= 0 || maxHeight <= 0) return false;
    FileCloser file{OpenRegularFile(path)};
    if (file.file == nullptr) return false;
    png_byte signature[8];
    if (std::fread(signature, 1, 8, file.file) != 8 || png_sig_cmp(signature, 0, 8) != 0) return false;

    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, IgnoreWarning);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    png_init_io(png, file.file);
    png_set_sig_bytes(png, 8);
    png_uint_32 w = 0;
    png_uint_32 h = 0;
    std::vector<png_bytep> rows;
    bool ok = ReadHeader(png, info, static_cast<png_uint_32>(maxWidth), static_cast<png_uint_32>(maxHeight), &w, &h);
    if (ok) {
        PreferHugePages(pixels, static_cast<size_t>(w) * h);
        pixels->resize(static_cast<size_t>(w) * h);
        rows.resize(h);
        auto* bytes = reinterpret_cast<png_bytep>(pixels->data());
        for (png_uint_32 y = 0; y < h; ++y) rows[y] = bytes + static_cast<size_t>(y) * w * 4;
        ok = ReadImage(png, rows.data());
    }
    png_destroy_read_struct(&png, &info, nullptr);
    if (!ok) {
        pixels->clear();
        return false;
    }
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}

bool WritePng(const char* path, const uint32_t* pixels, int width, int height) {
    if (width <= 0 || height <= 0) return false;
    std::vector<uint8_t> rgba(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < static_cast<size_t>(width) * height; ++i) {
        const uint32_t c = pixels[i];
        rgba[i * 4 + 0] = static_cast<uint8_t>(c >> 16);
        rgba[i * 4 + 1] = static_cast<uint8_t>(c >> 8);
        rgba[i * 4 + 2] = static_cast<uint8_t>(c);
        rgba[i * 4 + 3] = static_cast<uint8_t>(c >> 24);
    }
    std::vector<png_bytep> rows(static_cast<size_t>(height));
    for (int y = 0; y < height; ++y) rows[y] = rgba.data() + static_cast<size_t>(y) * width * 4;

    FileCloser file{std::fopen(path, "wb")};
    if (file.file == nullptr) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, QuietError, IgnoreWarning);
    if (png == nullptr) return false;
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        return false;
    }
    png_init_io(png, file.file);
    const bool ok = WriteRows(png, info, rows.data(), width, height);
    png_destroy_write_struct(&png, &info);
    return ok;
}
