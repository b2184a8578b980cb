#include "assetgen/manifest.h"

#include <stdexcept>

namespace assetgen {

const Cell* TextureSpec::FindCell(std::string_view name) const {
    for (const Cell& c : cells)
        if (c.name == name) return &c;
    return nullptr;
}

const Cell& TextureSpec::CellNamed(std::string_view name) const {
    const Cell* c = FindCell(name);
    if (!c) throw std::out_of_range(path + " has no cell " + std::string(name));
    return *c;
}

const std::vector<TextureSpec>& TextureManifest() {
    static const std::vector<TextureSpec> list = [] {
        std::vector<TextureSpec> v;
        RegisterCommonSheets(v);
        RegisterFieldSheets(v);
        RegisterScreenSheets(v);
        RegisterInterfaceSheets(v);
        RegisterCharacterSheets(v);
        RegisterEffectSheets(v);
        RegisterEnemySheets(v);
        RegisterFieldMapSheets(v);
        return v;
    }();
    return list;
}

const std::vector<SoundSpec>& SoundManifest() {
    static const std::vector<SoundSpec> list = [] {
        std::vector<SoundSpec> v;
        RegisterSounds(v);
        return v;
    }();
    return list;
}

const TextureSpec* FindTexture(std::string_view path) {
    for (const TextureSpec& t : TextureManifest())
        if (t.path == path) return &t;
    return nullptr;
}

const SoundSpec* FindSound(std::string_view path) {
    for (const SoundSpec& s : SoundManifest())
        if (s.path == path) return &s;
    return nullptr;
}

Canvas PaintTexture(const TextureSpec& spec) {
    Canvas c(spec.width, spec.height, 0);
    if (spec.paint) spec.paint(c, spec);
    c.ClearClip();
    c.SetAntialias(true);
    if (spec.colorKey != kKeyNone) c.FinishKeyed(spec.colorKey, spec.softEdges);
    return c;
}

TextureSpec MakeSheet(std::string path, int width, int height, uint32_t colorKey, Painter paint) {
    TextureSpec t;
    t.path = std::move(path);
    t.width = width;
    t.height = height;
    t.colorKey = colorKey;
    t.paint = std::move(paint);
    return t;
}

void AddCellRow(TextureSpec& spec, const std::string& prefix, int x, int y, int w, int h, int count) {
    for (int i = 0; i < count; ++i)
        spec.cells.push_back({prefix + std::to_string(i), x + i * w, y, x + (i + 1) * w, y + h});
}

void AddCellColumn(TextureSpec& spec, const std::string& prefix, int x, int y, int w, int h, int count) {
    for (int i = 0; i < count; ++i)
        spec.cells.push_back({prefix + std::to_string(i), x, y + i * h, x + w, y + (i + 1) * h});
}

void PaintPlaceholder(Canvas& canvas, const TextureSpec& spec) {
    if (spec.colorKey == kKeyNone) canvas.Fill(Rgb(96, 96, 104));
    std::string name = spec.path.substr(spec.path.find_last_of('/') + 1);
    TextStyle st;
    st.color = Rgb(250, 240, 200);
    st.outline = Rgb(40, 30, 60);
    st.outlineWidth = 2;
    st.halign = HAlign::Center;
    st.size = 28;
    canvas.TextFit(name, 4, 0, float(canvas.Width() - 4), float(std::min(canvas.Height(), 64)), st);
}

}  // namespace assetgen
