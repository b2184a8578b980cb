#include "assetgen/writer.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <fstream>
#include <iterator>
#include <mutex>
#include <system_error>
#include <thread>

namespace assetgen {

namespace fs = std::filesystem;

static void Put16(std::vector<uint8_t>& b, uint32_t v) {
    b.push_back(uint8_t(v));
    b.push_back(uint8_t(v >> 8));
}
static void Put32(std::vector<uint8_t>& b, uint32_t v) {
    Put16(b, v & 0xFFFF);
    Put16(b, v >> 16);
}

std::vector<uint8_t> EncodeWav(const Pcm& pcm) {
    uint32_t dataBytes = uint32_t(pcm.samples.size() * 2);
    uint32_t blockAlign = uint32_t(pcm.channels * 2);
    std::vector<uint8_t> b;
    b.reserve(44 + dataBytes);
    b.insert(b.end(), {'R', 'I', 'F', 'F'});
    Put32(b, 36 + dataBytes);
    b.insert(b.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    Put32(b, 16);                                   // fmt chunk size
    Put16(b, 1);                                    // PCM
    Put16(b, uint32_t(pcm.channels));               // channels
    Put32(b, uint32_t(pcm.sampleRate));             // samples per second
    Put32(b, uint32_t(pcm.sampleRate) * blockAlign);  // bytes per second
    Put16(b, blockAlign);                           // block align
    Put16(b, 16);                                   // bits per sample
    b.insert(b.end(), {'d', 'a', 't', 'a'});
    Put32(b, dataBytes);
    for (int16_t s : pcm.samples) Put16(b, uint16_t(s));
    return b;
}

bool WriteIfChanged(const fs::path& path, const std::vector<uint8_t>& bytes) {
    std::error_code ec;
    if (fs::exists(path, ec) && fs::file_size(path, ec) == bytes.size()) {
        std::ifstream in(path, std::ios::binary);
        std::vector<uint8_t> old((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        if (old == bytes) return false;
    }
    fs::create_directories(path.parent_path());
    // Write next to the target and rename, so a reader never sees half a file.
    fs::path tmp = path;
    tmp += ".tmp";
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        if (!out) throw std::runtime_error("cannot write " + tmp.string());
    }
    fs::rename(tmp, path);
    return true;
}

GenerateReport GenerateAll(const GenerateOptions& opt) {
    const auto& textures = TextureManifest();
    const auto& sounds = SoundManifest();
    GenerateReport report;
    fs::create_directories(opt.outDir / "Data");

    bool wantSheet = !opt.contactSheet.empty();
    std::vector<Canvas> painted(wantSheet ? textures.size() : 0);
    std::mutex mu;
    std::atomic<size_t> next{0};
    size_t total = textures.size() + sounds.size();
    // Big sheets first so the threads finish together.
    std::vector<size_t> order;
    for (size_t i = 0; i < total; ++i) {
        const std::string& p = i < textures.size() ? textures[i].path : sounds[i - textures.size()].path;
        if (opt.only.empty() || p.find(opt.only) != std::string::npos) order.push_back(i);
    }
    total = order.size();
    auto cost = [&](size_t i) -> double {
        if (i < textures.size()) return double(textures[i].width) * textures[i].height;
        return 4e6;
    };
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return cost(a) > cost(b); });

    auto work = [&] {
        for (;;) {
            size_t k = next.fetch_add(1);
            if (k >= total) return;
            size_t i = order[k];
            std::string path;
            try {
                std::vector<uint8_t> bytes;
                if (i < textures.size()) {
                    path = textures[i].path;
                    Canvas c = PaintTexture(textures[i]);
                    bytes = EncodePng(c);
                    if (wantSheet) painted[i] = std::move(c);
                } else {
                    const SoundSpec& s = sounds[i - textures.size()];
                    path = s.path;
                    bytes = EncodeWav(s.synth());
                }
                bool w = WriteIfChanged(opt.outDir / path, bytes);
                std::lock_guard<std::mutex> lock(mu);
                (w ? report.written : report.unchanged)++;
            } catch (const std::exception& e) {
                std::lock_guard<std::mutex> lock(mu);
                report.errors.push_back(path + ": " + e.what());
            }
        }
    };
    int n = opt.threads > 0 ? opt.threads : int(std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::thread> pool;
    for (int t = 0; t < n; ++t) pool.emplace_back(work);
    for (auto& t : pool) t.join();

    if (wantSheet && report.errors.empty()) {
        std::vector<const TextureSpec*> specs;
        std::vector<Canvas> shown;
        for (size_t i = 0; i < textures.size(); ++i)
            if (painted[i].Width() > 0) {
                specs.push_back(&textures[i]);
                shown.push_back(std::move(painted[i]));
            }
        Canvas sheet = BuildContactSheet(specs, shown);
        WriteIfChanged(opt.contactSheet, EncodePng(sheet));
    }
    return report;
}

namespace {

// Shows keyed pixels and transparency over a checkerboard.
Canvas ForDisplay(const Canvas& c, uint32_t key) {
    Canvas out(c.Width(), c.Height(), 0);
    for (int y = 0; y < c.Height(); ++y)
        for (int x = 0; x < c.Width(); ++x) {
            Argb check = ((x / 8 + y / 8) & 1) ? Rgb(200, 200, 206) : Rgb(150, 150, 158);
            Argb p = c.Get(x, y);
            if (key != kKeyNone && p == key) p = 0;
            out.Set(x, y, check);
            out.Blend(x, y, p);
        }
    return out;
}

// Very tall strips, and wide rows of square cells, are folded into several
// pieces side by side so the frames stay visible in a square tile.
Canvas Fold(const Canvas& c, const TextureSpec& spec) {
    int w = c.Width(), h = c.Height();
    if (h > 3 * w) {
        int k = int(std::lround(std::sqrt(double(h) / w)));
        int piece = (h + k - 1) / k;
        if (piece % w == 0 || w >= 64) piece = ((piece + w - 1) / w) * w;  // whole square frames
        k = (h + piece - 1) / piece;
        Canvas out(w * k + 4 * (k - 1), piece, 0);
        for (int i = 0; i < k; ++i) out.Blit(c, {0, i * piece, w, std::min(h, (i + 1) * piece)}, i * (w + 4), 0);
        return out;
    }
    bool squareCells = !spec.cells.empty() && std::all_of(spec.cells.begin(), spec.cells.end(), [](const Cell& cell) {
        return cell.Width() == cell.Height();
    });
    if (w > 3 * h && squareCells) {
        int k = int(std::lround(std::sqrt(double(w) / h)));
        int piece = (w + k - 1) / k;
        piece = ((piece + h - 1) / h) * h;
        k = (w + piece - 1) / piece;
        Canvas out(piece, h * k + 4 * (k - 1), 0);
        for (int i = 0; i < k; ++i) out.Blit(c, {i * piece, 0, std::min(w, (i + 1) * piece), h}, 0, i * (h + 4));
        return out;
    }
    return c;
}

}  // namespace

Canvas BuildContactSheet(const std::vector<const TextureSpec*>& specs, const std::vector<Canvas>& sheets) {
    const int tile = 300, label = 36, gap = 10, cols = 8;
    int rows = int((specs.size() + cols - 1) / cols);
    Canvas out(cols * (tile + gap) + gap, rows * (tile + label + gap) + gap, Rgb(34, 36, 44));
    for (size_t i = 0; i < specs.size(); ++i) {
        int col = int(i % cols), row = int(i / cols);
        int x0 = gap + col * (tile + gap), y0 = gap + row * (tile + label + gap);
        Canvas shown = Fold(ForDisplay(sheets[i], specs[i]->colorKey), *specs[i]);
        float s = std::min(float(tile) / shown.Width(), float(tile) / shown.Height());
        s = std::min(s, 2.0f);
        int w = std::max(1, int(shown.Width() * s)), h = std::max(1, int(shown.Height() * s));
        Canvas small = shown.Resized(w, h);
        out.Blit(small, {0, 0, w, h}, x0 + (tile - w) / 2, y0 + (tile - h) / 2);
        TextStyle st;
        st.face = FontFace::Condensed;
        st.size = 13;
        st.color = Rgb(235, 235, 240);
        st.halign = HAlign::Center;
        std::string p = specs[i]->path;
        if (p.rfind("Texture/", 0) == 0) p = p.substr(8);
        std::string size = std::to_string(specs[i]->width) + "x" + std::to_string(specs[i]->height);
        out.TextFit(p, float(x0), float(y0 + tile + 2), float(x0 + tile), float(y0 + tile + 18), st);
        st.color = Rgb(160, 170, 190);
        out.TextFit(size, float(x0), float(y0 + tile + 18), float(x0 + tile), float(y0 + tile + 34), st);
    }
    return out;
}

}  // namespace assetgen
