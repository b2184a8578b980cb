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

namespace {

// Little-endian fields written in place into a buffer sized up front (g++ 12
// at -O3 misreads the growth paths of push_back and insert on a fresh vector
// as overflows).
struct LittleEndianWriter {
    uint8_t* at;
    void Bytes(const char (&text)[5]) {
        std::copy(text, text + 4, at);
        at += 4;
    }
    void Put16(uint32_t v) {
        *at++ = uint8_t(v);
        *at++ = uint8_t(v >> 8);
    }
    void Put32(uint32_t v) {
        Put16(v & 0xFFFF);
        Put16(v >> 16);
    }
};

}  // namespace

std::vector<uint8_t> EncodeWav(const Pcm& pcm) {
    constexpr uint32_t kHeaderBytes = 44;
    uint32_t dataBytes = uint32_t(pcm.samples.size() * 2);
    uint32_t blockAlign = uint32_t(pcm.channels * 2);
    std::vector<uint8_t> b(kHeaderBytes + dataBytes);
    LittleEndianWriter w{b.data()};
    w.Bytes("RIFF");
    w.Put32(kHeaderBytes - 8 + dataBytes);
    w.Bytes("WAVE");
    w.Bytes("fmt ");
    w.Put32(16);                                    // fmt chunk size
    w.Put16(1);                                     // PCM
    w.Put16(uint32_t(pcm.channels));                // channels
    w.Put32(uint32_t(pcm.sampleRate));              // samples per second
    w.Put32(uint32_t(pcm.sampleRate) * blockAlign); // bytes per second
    w.Put16(blockAlign);                            // block align
    w.Put16(16);                                    // bits per sample
    w.Bytes("data");
    w.Put32(dataBytes);
    for (int16_t s : pcm.samples) w.Put16(uint16_t(s));
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

constexpr int kBoxSide = 400;         // a mid-sized sheet's long side in the overview
constexpr float kMaxFitScale = 2;     // enlargement to fill that box
constexpr float kMaxScale = 4;        // enlargement to reach the minimum short side
constexpr double kFoldAspect = 3;     // sheets up to this long for their breadth stay whole
constexpr double kCutCellsAspect = 8; // strips longer than this are cut even through cells
constexpr int kTileGap = 12, kLabelHeight = 36, kMinLabelWidth = 220;

// Band edges along the sheet's long side. A sheet more than three times as
// long as it is broad is folded; about sqrt(length / breadth) bands make the
// folded picture near square. Cuts go only where no cell is
// straddled: first as equal bands (the first band length, from length / bands
// up to twice that, whose every multiple is such a place, so rows of frames
// read like lines of text), else each cut at the nearest such place within
// half a band. A strip whose cells leave no such place stays whole, unless it
// is so long that it would be unreadable; then it is cut evenly.
std::vector<int> FoldEdges(const TextureSpec& spec) {
    const bool wide = spec.width > spec.height;
    const int length = wide ? spec.width : spec.height;
    const int breadth = std::max(1, wide ? spec.height : spec.width);
    const double aspect = double(length) / breadth;
    const int bands = int(std::lround(std::sqrt(aspect)));
    if (aspect <= kFoldAspect || bands < 2) return {0, length};
    auto clean = [&](int at) {
        return std::none_of(spec.cells.begin(), spec.cells.end(), [&](const Cell& c) {
            const int lo = wide ? c.left : c.top, hi = wide ? c.right : c.bottom;
            return lo < at && at < hi;
        });
    };
    auto even = [&](int band) {
        std::vector<int> edges;
        for (int at = 0; at < length; at += band) edges.push_back(at);
        edges.push_back(length);
        return edges;
    };
    const int first = (length + bands - 1) / bands;
    for (int band = first; band <= 2 * first && band < length; ++band) {
        bool ok = true;
        for (int at = band; at < length && ok; at += band) ok = clean(at);
        if (ok) return even(band);
    }
    const double band = double(length) / bands;
    std::vector<int> edges = {0};
    for (int i = 1; i < bands; ++i) {
        const int target = int(std::lround(band * i));
        int cut = -1;
        for (int d = 0; d <= int(band / 2) && cut < 0; ++d) {
            if (target - d > edges.back() && clean(target - d)) cut = target - d;
            else if (target + d < length && clean(target + d)) cut = target + d;
        }
        if (cut < 0) {
            if (aspect > kCutCellsAspect) return even(first);
            return {0, length};
        }
        if (cut > edges.back()) edges.push_back(cut);
    }
    edges.push_back(length);
    return edges;
}

// The folded picture's size in sheet pixels; `breadth` is the sheet's short side.
void FoldedSize(int breadth, const std::vector<int>& edges, bool wide, int& w, int& h) {
    int longest = 0;
    for (size_t i = 1; i < edges.size(); ++i) longest = std::max(longest, edges[i] - edges[i - 1]);
    const int bands = int(edges.size()) - 1;
    const int across = breadth * bands + kContactFoldGap * (bands - 1);
    w = wide ? longest : across;
    h = wide ? across : longest;
}

Canvas Fold(const Canvas& c, const ContactTile& tile) {
    if (tile.Bands() <= 1) return c;
    int w = 0, h = 0;
    FoldedSize(tile.wide ? c.Height() : c.Width(), tile.edges, tile.wide, w, h);
    Canvas out(w, h, 0);
    for (int i = 0; i < tile.Bands(); ++i) {
        const int a = tile.edges[size_t(i)], b = tile.edges[size_t(i) + 1];
        if (tile.wide)
            out.Blit(c, {a, 0, b, c.Height()}, 0, i * (c.Height() + kContactFoldGap));
        else
            out.Blit(c, {0, a, c.Width(), b}, i * (c.Width() + kContactFoldGap), 0);
    }
    return out;
}

}  // namespace

ContactLayout LayoutContactSheet(const std::vector<const TextureSpec*>& specs) {
    ContactLayout layout;
    struct Slot {
        int w, h;  // picture
        int slotW, slotH;
    };
    std::vector<Slot> slots;
    double area = 0;
    int widest = 0;
    for (const TextureSpec* spec : specs) {
        ContactTile tile;
        tile.wide = spec->width > spec->height;
        tile.edges = FoldEdges(*spec);
        int fw = 0, fh = 0;
        FoldedSize(tile.wide ? spec->height : spec->width, tile.edges, tile.wide, fw, fh);
        const int longSide = std::max(1, std::max(fw, fh)), shortSide = std::max(1, std::min(fw, fh));
        float s = std::clamp(float(kBoxSide) / float(longSide), kContactMinScale, kMaxFitScale);
        if (float(shortSide) * s < float(kContactMinShortSide))
            s = std::max(s, std::min(kMaxScale, float(kContactMinShortSide) / float(shortSide)));
        tile.scale = s;
        Slot slot;
        slot.w = std::max(1, int(std::lround(float(fw) * s)));
        slot.h = std::max(1, int(std::lround(float(fh) * s)));
        slot.slotW = std::max(slot.w, kMinLabelWidth);
        slot.slotH = slot.h + kLabelHeight;
        area += double(slot.slotW + kTileGap) * (slot.slotH + kTileGap);
        widest = std::max(widest, slot.slotW);
        slots.push_back(slot);
        layout.tiles.push_back(std::move(tile));
    }
    // Shelves in manifest order; of a range of page widths, the one that
    // wastes the least room.
    auto shelve = [&](int width, bool place) {
        int x = kTileGap, y = kTileGap, rowHeight = 0;
        for (size_t i = 0; i < slots.size(); ++i) {
            const Slot& s = slots[i];
            if (x > kTileGap && x + s.slotW + kTileGap > width) {
                x = kTileGap;
                y += rowHeight + kTileGap;
                rowHeight = 0;
            }
            const int left = x + (s.slotW - s.w) / 2;
            if (place) layout.tiles[i].picture = {left, y, left + s.w, y + s.h};
            x += s.slotW + kTileGap;
            rowHeight = std::max(rowHeight, s.slotH);
        }
        return y + rowHeight + kTileGap;
    };
    double best = 0;
    for (int step = 0; step <= 20; ++step) {
        const int width = std::max(widest + 2 * kTileGap, int(std::sqrt(area) * (0.9 + 0.05 * step)));
        const double room = double(width) * shelve(width, false);
        if (step == 0 || room < best) best = room, layout.width = width;
    }
    layout.height = shelve(layout.width, true);
    return layout;
}

Canvas BuildContactSheet(const std::vector<const TextureSpec*>& specs, const std::vector<Canvas>& sheets) {
    const ContactLayout layout = LayoutContactSheet(specs);
    Canvas out(layout.width, layout.height, Rgb(34, 36, 44));
    for (size_t i = 0; i < specs.size(); ++i) {
        const ContactTile& tile = layout.tiles[i];
        const Rect& r = tile.picture;
        Canvas shown = Fold(ForDisplay(sheets[i], specs[i]->colorKey), tile).Resized(r.Width(), r.Height());
        out.Blit(shown, {0, 0, r.Width(), r.Height()}, r.left, r.top);
        // Labels under the picture, at least kMinLabelWidth wide.
        const float cx = 0.5f * float(r.left + r.right);
        const float half = 0.5f * float(std::max(r.Width(), kMinLabelWidth));
        TextStyle st;
        st.face = FontFace::Condensed;
        st.size = 13;
        st.color = Rgb(235, 235, 240);
        st.halign = HAlign::Center;
        std::string p = specs[i]->path;
        if (p.rfind("Texture/", 0) == 0) p = p.substr(8);
        std::string about = std::to_string(specs[i]->width) + "x" + std::to_string(specs[i]->height);
        if (tile.Bands() > 1) about += ", in " + std::to_string(tile.Bands()) + " bands";
        about += ", " + std::to_string(int(std::lround(tile.scale * 100))) + "%";
        const float y0 = float(r.bottom);
        out.TextFit(p, cx - half, y0 + 2, cx + half, y0 + 18, st);
        st.color = Rgb(160, 170, 190);
        out.TextFit(about, cx - half, y0 + 18, cx + half, y0 + 34, st);
    }
    return out;
}

}  // namespace assetgen
