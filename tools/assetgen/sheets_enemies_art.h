#pragma once
// Drawing kit of the enemy sheets: shapes placed through a local frame,
// smooth outlines, hard-edged scanline fills with per-pixel colour, ink
// strokes, jointed limbs and flapping wings. Every fill here is hard-edged
// (pixel centres), so the sheets finish cleanly to their colour key.
#include <functional>
#include <vector>

#include "assetgen/art.h"
#include "assetgen/canvas.h"

namespace assetgen::creature {

using art::kPi;
using art::Rad;

// A local frame: local (x, y) -> sheet (ox + sx * x, oy + sy * y), then turned
// by rot degrees about (ox, oy). Negative sx mirrors (the left wing).
struct Xf {
    float ox = 0, oy = 0, sx = 1, sy = 1, rot = 0;
    Vec2 operator()(float x, float y) const;
    Vec2 operator()(Vec2 p) const { return (*this)(p.x, p.y); }
    std::vector<Vec2> operator()(const std::vector<Vec2>& pts) const;
    // Local coordinates of a sheet point (the inverse).
    Vec2 Local(float x, float y) const;
    float Scale() const;  // mean scale, for line widths
};

// A closed Catmull-Rom curve through the control points.
std::vector<Vec2> Smooth(const std::vector<Vec2>& ctrl, int steps = 5);
// An open Catmull-Rom curve through the control points.
std::vector<Vec2> SmoothOpen(const std::vector<Vec2>& ctrl, int steps = 5);
// Points pulled towards a centre by factor k (1 = unchanged).
std::vector<Vec2> Inset(const std::vector<Vec2>& pts, Vec2 centre, float k);
Vec2 Centroid(const std::vector<Vec2>& pts);
// An ellipse as a polygon (for fills with per-pixel colour).
std::vector<Vec2> EllipsePts(float cx, float cy, float rx, float ry, float angleDeg = 0, int n = 40);

using ColourFn = std::function<Argb(float x, float y)>;

// Hard-edged even-odd scanline fill; colour(x, y) is asked at pixel centres.
void Fill(Canvas& c, const std::vector<Vec2>& pts, const ColourFn& colour);
void Fill(Canvas& c, const std::vector<Vec2>& pts, Argb colour);
// A polyline stroked segment by segment (round joins).
void Stroke(Canvas& c, const std::vector<Vec2>& pts, float width, Argb colour, bool closed = true);
// Filled with a light falling off from a point, then outlined in ink.
void LitShape(Canvas& c, const std::vector<Vec2>& pts, Argb light, Argb dark, Vec2 lightAt, float reach,
              Argb ink, float inkWidth);
// Ellipse lit from the top left, outlined.
void LitEllipse(Canvas& c, float cx, float cy, float rx, float ry, float angleDeg, Argb light, Argb dark, Argb ink,
                float inkWidth);
// A jointed limb through the joints: tapered from w0 to w1, ink outlined,
// with the bands alternating between fill and band colours.
void Limb(Canvas& c, const std::vector<Vec2>& joints, float w0, float w1, Argb fill, Argb band, Argb ink,
          float inkWidth);

// One wing: an outline in wing space (x out from the body, y towards the
// head), a margin band drawn by insetting the outline, a field coloured by a
// wing-space function, veins from the root, and spots along the margin.
struct Wing {
    std::vector<Vec2> outline{};  // smoothed, wing space
    Vec2 root{0, 0};
    float inset = 0.82f;        // size of the field inside the margin
    float insetPull = 0.4f;     // the margin narrows towards the root: 0 none at the root, 1 even
    Argb margin = 0;            // 0: no margin band
    ColourFn field{};           // wing-space colour of the field
    Argb vein = 0;              // 0: no veins
    float veinWidth = 1.5f;
    int veinEvery = 4;          // a vein to every n-th outline point
    Argb marginSpot = 0;        // 0: none
    float marginSpotR = 1;
    int marginSpotEvery = 3;
    Argb ink = 0;
    float inkWidth = 1.5f;
};
// Draws the wing through the frame; shade darkens it (folded wings show less light).
void DrawWing(Canvas& c, const Wing& w, const Xf& xf, float shade = 1);

// A smooth flap: 1 fully spread at frame 0, down to `lowest` half way.
float Flap(int frame, float lowest, float lag = 0);

}  // namespace assetgen::creature

namespace assetgen::creature {

// The creatures, each drawn about the centre of its cell (cx, cy) for one
// animation frame 0..9 (one drawing for the still ones). Every creature that
// moves faces down the screen (+y), towards the player.
void SmallButterfly(Canvas& c, float cx, float cy, int frame);  // 64 x 64, warm
void SmallMoth(Canvas& c, float cx, float cy, int frame);       // 64 x 64, cool
void BigButterfly(Canvas& c, float cx, float cy, int frame);    // 256 x 256, warm swallowtail
void BigMoth(Canvas& c, float cx, float cy, int frame);         // 256 x 256, cool atlas moth
void Eagle(Canvas& c, float cx, float cy, int frame);           // 256 x 128, warm
void Bat(Canvas& c, float cx, float cy, int frame);             // 256 x 128, cool
void Scorpion(Canvas& c, float cx, float cy, int frame);        // 256 x 256, warm
void Spider(Canvas& c, float cx, float cy, int frame);          // 256 x 256, cool

void Cocoon(Canvas& c, float cx, float cy, bool night);          // 64 x 64
void Mushroom(Canvas& c, float cx, float cy, bool night);        // 64 x 64
void Rafflesia(Canvas& c, float cx, float cy, float radius, bool night, bool boss);  // 128 or 256 cell
void Element(Canvas& c, float cx, float cy);                     // 64 x 64, centre (32, 28)
void FloorCrystal(Canvas& c, float cx, float cy, int look);      // 128 x 64, looks 0..3
void MagicStone(Canvas& c, float cx, float cy);                  // 128 x 256

}  // namespace assetgen::creature
