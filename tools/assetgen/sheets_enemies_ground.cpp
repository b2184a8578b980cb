// The walking bosses (scorpion and spider, legs in step over the strip),
// the still turrets (cocoons, mushrooms, rafflesias, floor crystals) and the
// cave's floating stones, all seen from above and facing down the screen.
#include <cmath>

#include "assetgen/sheets_enemies_art.h"

namespace assetgen::creature {

namespace {

Vec2 Polar(Vec2 o, float deg, float r) { return {o.x + r * std::cos(Rad(deg)), o.y + r * std::sin(Rad(deg))}; }

// A faceted shard pointing from base towards tip: lit left face, dark right
// face, a bright ridge.
void Shard(Canvas& c, Vec2 base, Vec2 tip, float halfWidth, Argb light, Argb dark, Argb ink) {
    float dx = tip.x - base.x, dy = tip.y - base.y, len = std::hypot(dx, dy);
    float nx = -dy / len * halfWidth, ny = dx / len * halfWidth;
    Vec2 shoulderL{base.x + dx * 0.72f + nx, base.y + dy * 0.72f + ny};
    Vec2 shoulderR{base.x + dx * 0.72f - nx, base.y + dy * 0.72f - ny};
    Vec2 footL{base.x + nx, base.y + ny}, footR{base.x - nx, base.y - ny};
    std::vector<Vec2> all = {footL, shoulderL, tip, shoulderR, footR};
    Fill(c, all, ink);
    // The face on the left of the ridge (seen from above, the lit side).
    bool leftLit = nx < 0;
    std::vector<Vec2> left = {footL, shoulderL, tip, base};
    std::vector<Vec2> right = {base, tip, shoulderR, footR};
    Fill(c, Inset(left, Centroid(all), 0.92f), leftLit ? light : dark);
    Fill(c, Inset(right, Centroid(all), 0.92f), leftLit ? dark : light);
    c.Line(base.x + dx * 0.1f, base.y + dy * 0.1f, tip.x - dx * 0.06f, tip.y - dy * 0.06f, 1.5f,
           Mix(light, Rgb(255, 255, 255), 0.6f));
}

// Part of a ring seen at a slant: the ellipse from a0 to a1 degrees (0 = +x,
// 90 = the near side, at the bottom).
void EllipseArc(Canvas& c, float cx, float cy, float rx, float ry, float a0, float a1, float width, Argb col) {
    std::vector<Vec2> pts;
    int n = std::max(8, int(std::fabs(a1 - a0) / 6));
    for (int i = 0; i <= n; ++i) {
        float a = Rad(a0 + (a1 - a0) * i / n);
        pts.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    Stroke(c, pts, width, col, false);
}

void StrokeTri(Canvas& c, float x, float y, Argb col) {
    Stroke(c, {{x, y - 6}, {x + 5, y + 4}, {x - 5, y + 4}}, 2, col);
}

}  // namespace

// ------------------------------------------------------------ scorpion

void Scorpion(Canvas& c, float cx, float cy, int f) {
    const Argb ink = Rgb(50, 24, 12);
    const Argb shell = Rgb(214, 130, 50), shellLight = Rgb(255, 200, 110), shellDark = Rgb(130, 62, 24);
    float ph = 2 * kPi * f / 10;
    // Legs: four pairs walking in alternating step.
    static const float legY[4] = {10, 20, 30, 40}, legA[4] = {-38, -14, 14, 38};
    for (int side = -1; side <= 1; side += 2) {
        for (int k = 0; k < 4; ++k) {
            float swing = 11 * std::sin(ph + k * kPi / 2 + (side < 0 ? kPi : 0));
            float lift = 0.5f + 0.5f * std::cos(ph + k * kPi / 2 + (side < 0 ? kPi : 0));
            float a = legA[k] + swing;
            Vec2 hip{cx + side * 24, cy + legY[k]};
            float ad = side > 0 ? a : 180 - a;
            Vec2 knee = Polar(hip, ad, 34 + 3 * lift);
            float bendDir = (k < 2 ? -32.0f : 32.0f) * (side > 0 ? 1 : -1);
            Vec2 foot = Polar(knee, ad + bendDir, 30);
            Limb(c, {hip, knee, foot}, 9, 4, Rgb(196, 112, 44), Rgb(150, 80, 30), ink, 2);
        }
    }
    // Claws on their arms, pincers opening and closing.
    float open = 5 + 5 * std::sin(ph);
    for (int side = -1; side <= 1; side += 2) {
        Vec2 shoulder{cx + side * 18, cy + 44}, elbow{cx + side * 44, cy + 54}, wrist{cx + side * 48, cy + 68};
        Limb(c, {shoulder, elbow, wrist}, 12, 10, Rgb(200, 100, 44), Rgb(170, 80, 34), ink, 2);
        float hx = cx + side * 50, hy = cy + 80;
        LitEllipse(c, hx, hy, 15, 17, side * 10.0f, Rgb(250, 150, 80), Rgb(170, 70, 30), ink, 2);
        c.FillEllipse(hx - side * 4, hy - 6, 4, 6, Rgb(255, 200, 150), side * 10.0f);
        for (int s = -1; s <= 1; s += 2) {
            std::vector<Vec2> finger = SmoothOpen({{hx + s * 8, hy + 8}, {hx + s * (7 + open * 0.5f), hy + 22},
                                                   {hx + s * (1 + open * 0.35f), hy + 34}},
                                                  4);
            Limb(c, finger, 9, 3, Rgb(230, 120, 56), Rgb(230, 120, 56), ink, 2);
        }
    }
    // Abdomen: six plates narrowing towards the tail.
    for (int k = 5; k >= 0; --k) {
        float y = cy - 2 - 9.5f * k, hw = 31 - 1.8f * k;
        LitEllipse(c, cx, y, hw, 8.5f, 0, shellLight, shell, ink, 2);
        c.Line(cx - hw * 0.6f, y - 2, cx + hw * 0.6f, y - 2, 1.5f, shellDark);
        c.FillCircle(cx - hw * 0.45f, y + 1, 2, shellDark);
        c.FillCircle(cx + hw * 0.45f, y + 1, 2, shellDark);
    }
    // Head shield.
    std::vector<Vec2> head = Smooth({{cx - 26, cy + 2}, {cx + 26, cy + 2}, {cx + 32, cy + 22}, {cx + 28, cy + 42},
                                     {cx + 14, cy + 54}, {cx - 14, cy + 54}, {cx - 28, cy + 42}, {cx - 32, cy + 22}},
                                    5);
    LitShape(c, head, shellLight, shellDark, {cx - 10, cy + 14}, 50, ink, 2);
    c.Line(cx, cy + 6, cx, cy + 46, 2, shellDark);
    for (int s = -1; s <= 1; s += 2) {
        c.FillCircle(cx + s * 6, cy + 40, 4.5f, Rgb(30, 10, 8));
        c.FillCircle(cx + s * 6, cy + 40, 2.2f, Rgb(255, 60, 40));
        c.FillCircle(cx + s * 17, cy + 30, 2.6f, Rgb(30, 10, 8));
    }
    // The tail: five segments curling over to the right, then the sting.
    float sway = 9 * std::sin(ph);
    Vec2 p{cx, cy - 58};
    float ang = -90 + sway * 0.6f;
    static const float turn[5] = {0, 12, 36, 44, 46};
    std::vector<Vec2> joints = {p};
    for (int k = 0; k < 5; ++k) {
        ang += turn[k] + sway * 0.25f;
        p = Polar(p, ang, 17);
        joints.push_back(p);
    }
    for (int k = 0; k < 5; ++k) {
        Vec2 a = joints[k], b = joints[k + 1];
        float hw = 13 - 1.2f * k;
        LitEllipse(c, (a.x + b.x) / 2, (a.y + b.y) / 2, 12, hw, std::atan2(b.y - a.y, b.x - a.x) / kPi * 180,
                   shellLight, shell, ink, 2);
    }
    Vec2 bulb = Polar(joints.back(), ang + 20, 12);
    LitEllipse(c, bulb.x, bulb.y, 12, 9, ang + 20, Rgb(255, 150, 90), Rgb(190, 70, 40), ink, 2);
    Vec2 sting = Polar(bulb, ang + 70, 20);
    std::vector<Vec2> needle = {Polar(bulb, ang + 10, 6), sting, Polar(bulb, ang + 130, 6)};
    Fill(c, needle, Rgb(70, 20, 20));
    Stroke(c, needle, 1.5f, ink);
}

// ------------------------------------------------------------ spider

void Spider(Canvas& c, float cx, float cy, int f) {
    const Argb ink = Rgb(14, 10, 30);
    const Argb body = Rgb(64, 54, 120), bodyLight = Rgb(128, 116, 200), bodyDark = Rgb(30, 24, 64);
    const Argb glow = Rgb(90, 230, 255);
    float ph = 2 * kPi * f / 10;
    // Eight long legs, knees high, in alternating step.
    static const float legA[4] = {52, 20, -16, -48};
    for (int side = -1; side <= 1; side += 2) {
        for (int k = 0; k < 4; ++k) {
            float swing = 14 * std::sin(ph + k * kPi / 2 + (side < 0 ? kPi : 0));
            float a = legA[k] + swing;
            float ad = side > 0 ? a : 180 - a;
            Vec2 hip = Polar({cx, cy + 38}, ad, 26);
            Vec2 knee = Polar(hip, ad + (k < 2 ? -12 : 12) * side, 54);
            float bend = (k < 2 ? 32.0f : -32.0f) * side;
            Vec2 foot = Polar(knee, ad + bend, 52);
            Limb(c, {hip, knee, foot}, 11, 4, Rgb(74, 62, 136), Rgb(54, 44, 104), ink, 2);
            // Glowing bands at the knees.
            c.FillCircle(knee.x, knee.y, 4.5f, glow);
            c.FillCircle(knee.x, knee.y, 2.2f, Rgb(230, 252, 255));
        }
    }
    // Abdomen with the glowing mark.
    LitEllipse(c, cx, cy - 40, 52, 62, 0, bodyLight, bodyDark, ink, 2.5f);
    float pulse = 0.75f + 0.25f * std::cos(ph);
    Argb mark = Mix(Rgb(40, 120, 170), glow, pulse);
    std::vector<Vec2> hourglass = {{cx - 16, cy - 74}, {cx + 16, cy - 74}, {cx + 4, cy - 46},
                                   {cx + 18, cy - 14}, {cx - 18, cy - 14}, {cx - 4, cy - 46}};
    Fill(c, hourglass, mark);
    Stroke(c, hourglass, 2, Rgb(20, 60, 100));
    for (int k = 0; k < 3; ++k) {
        float y = cy - 86 + 28 * k;
        for (int s = -1; s <= 1; s += 2) {
            std::vector<Vec2> chevron = {{cx + s * 24, y}, {cx + s * 38, y + 10 - 2.0f * k}, {cx + s * 30, y + 14}};
            Fill(c, chevron, Mix(Rgb(120, 80, 200), Rgb(220, 140, 255), pulse));
        }
    }
    for (int i = 0; i < 18; ++i) {  // bristles on the rim
        float a = Rad(20.0f * i);
        Vec2 a0{cx + 50 * std::cos(a), cy - 40 + 60 * std::sin(a)}, a1{cx + 58 * std::cos(a), cy - 40 + 68 * std::sin(a)};
        c.Line(a0.x, a0.y, a1.x, a1.y, 2, ink);
    }
    // Head, fangs and palps.
    for (int side = -1; side <= 1; side += 2) {
        float tw = 4 * std::sin(ph * 2);
        Limb(c, {{cx + side * 16, cy + 64}, {cx + side * 32, cy + 84}, {cx + side * (26 + tw), cy + 104}}, 7, 5,
             Rgb(84, 70, 150), Rgb(84, 70, 150), ink, 1.5f);
        std::vector<Vec2> fang = {{cx + side * 4, cy + 70}, {cx + side * 15, cy + 72}, {cx + side * 12, cy + 92},
                                  {cx + side * 6, cy + 102}};
        Fill(c, fang, Rgb(210, 216, 246));
        Stroke(c, fang, 2, ink);
    }
    LitEllipse(c, cx, cy + 40, 32, 36, 0, bodyLight, body, ink, 2.5f);
    c.Line(cx, cy + 14, cx, cy + 36, 2, bodyDark);
    // Eight eyes: two big ones in front, six small behind.
    for (int side = -1; side <= 1; side += 2) {
        c.FillCircle(cx + side * 8, cy + 60, 6.5f, ink);
        c.FillCircle(cx + side * 8, cy + 60, 5, glow);
        c.FillCircle(cx + side * 7, cy + 58.5f, 1.8f, Rgb(255, 255, 255));
        for (int k = 0; k < 3; ++k) {
            Vec2 e{cx + side * (10.0f + 8 * k), cy + 50 - 5.0f * k};
            c.FillCircle(e.x, e.y, 3.2f, ink);
            c.FillCircle(e.x, e.y, 2.2f, Mix(glow, Rgb(200, 120, 255), k / 2.0f));
        }
    }
}

// ------------------------------------------------------------ turrets

void Cocoon(Canvas& c, float cx, float cy, bool night) {
    if (!night) {
        const Argb ink = Rgb(60, 36, 14);
        // A leaf under the chrysalis.
        std::vector<Vec2> leaf = Smooth({{cx, cy - 29}, {cx + 22, cy - 10}, {cx + 20, cy + 16}, {cx, cy + 30},
                                         {cx - 20, cy + 16}, {cx - 22, cy - 10}},
                                        5);
        leaf = Inset(leaf, {cx, cy}, 1.0f);
        Fill(c, leaf, [&](float x, float) { return Mix(Rgb(120, 170, 60), Rgb(70, 120, 40), std::fabs(x - cx) / 22); });
        Stroke(c, leaf, 1.5f, Rgb(40, 70, 24));
        c.Line(cx, cy - 28, cx, cy + 29, 1.5f, Rgb(160, 200, 90));
        for (int k = -2; k <= 2; ++k) {
            c.Line(cx, cy + 8.0f * k, cx + 14, cy + 8.0f * k - 8, 1.2f, Rgb(150, 190, 80));
            c.Line(cx, cy + 8.0f * k, cx - 14, cy + 8.0f * k - 8, 1.2f, Rgb(150, 190, 80));
        }
        // The golden chrysalis: pointed at the top, round below.
        std::vector<Vec2> pod = Smooth({{cx, cy - 24}, {cx + 9, cy - 12}, {cx + 13, cy + 4}, {cx + 10, cy + 17},
                                        {cx, cy + 23}, {cx - 10, cy + 17}, {cx - 13, cy + 4}, {cx - 9, cy - 12}},
                                       5);
        LitShape(c, pod, Rgb(255, 230, 130), Rgb(220, 140, 40), {cx - 5, cy - 4}, 24, ink, 1.5f);
        for (int k = 0; k < 4; ++k) c.Arc(cx, cy - 22 + 10.0f * k, 10 + 1.5f * k, 50, 130, 1.5f, Rgb(190, 110, 30));
        for (int s = -1; s <= 1; s += 2) c.FillCircle(cx + s * 5, cy + 10, 1.6f, Rgb(255, 250, 200));
        c.FillEllipse(cx, cy + 4, 3, 5, Rgb(150, 40, 30));  // the turret's eye
        c.FillCircle(cx - 1, cy + 2.5f, 1.2f, Rgb(255, 220, 160));
        return;
    }
    const Argb ink = Rgb(22, 22, 50);
    // A silk cocoon hung on threads, glowing from a slit.
    for (int s = -1; s <= 1; s += 2) c.Line(cx, cy - 20, cx + s * 20, cy - 30, 1.2f, Rgb(190, 200, 240));
    std::vector<Vec2> pod = Smooth({{cx, cy - 26}, {cx + 12, cy - 16}, {cx + 16, cy + 2}, {cx + 12, cy + 20},
                                    {cx, cy + 27}, {cx - 12, cy + 20}, {cx - 16, cy + 2}, {cx - 12, cy - 16}},
                                   5);
    LitShape(c, pod, Rgb(230, 236, 255), Rgb(120, 130, 190), {cx - 6, cy - 8}, 30, ink, 1.5f);
    for (int k = 0; k < 7; ++k) {
        float y = cy - 22 + 7.0f * k;
        float hw = 14 * std::sin(kPi * (k + 0.5f) / 7.2f);
        c.Line(cx - hw, y + 3, cx + hw, y - 3, 1.2f, Rgb(150, 160, 210));
    }
    std::vector<Vec2> slit = {{cx, cy - 8}, {cx + 5, cy + 4}, {cx, cy + 14}, {cx - 5, cy + 4}};
    Fill(c, slit, Rgb(190, 110, 255));
    Fill(c, Inset(slit, {cx, cy + 4}, 0.5f), Rgb(250, 220, 255));
    Stroke(c, slit, 1.2f, Rgb(70, 30, 110));
}

void Mushroom(Canvas& c, float cx, float cy, bool night) {
    const Argb ink = night ? Rgb(20, 18, 50) : Rgb(60, 24, 18);
    Argb stemL = night ? Rgb(220, 214, 250) : Rgb(255, 244, 220), stemD = night ? Rgb(140, 130, 200) : Rgb(200, 170, 130);
    Argb capL = night ? Rgb(120, 110, 250) : Rgb(255, 96, 64), capD = night ? Rgb(46, 36, 140) : Rgb(170, 30, 30);
    Argb gill = night ? Rgb(110, 230, 255) : Rgb(230, 190, 150);
    Argb spot = night ? Rgb(150, 250, 255) : Rgb(255, 250, 236);
    // Stem with a little skirt, and a scowling face.
    std::vector<Vec2> stem = {{cx - 9, cy + 4}, {cx + 9, cy + 4}, {cx + 12, cy + 26}, {cx + 6, cy + 30},
                              {cx - 6, cy + 30}, {cx - 12, cy + 26}};
    LitShape(c, stem, stemL, stemD, {cx - 4, cy + 10}, 22, ink, 1.5f);
    c.Arc(cx, cy + 10, 11, 20, 160, 2, stemD);
    for (int s = -1; s <= 1; s += 2) {
        c.FillEllipse(cx + s * 4, cy + 19, 2, 3, ink);
        c.Line(cx + s * 2, cy + 14, cx + s * 7, cy + 16, 1.5f, ink);
    }
    // Cap: gills underneath, the dome over them.
    c.FillEllipse(cx, cy + 4, 28, 8, ink);
    c.FillEllipse(cx, cy + 4, 26.5f, 6.5f, gill);
    for (int k = -5; k <= 5; ++k) c.Line(cx + 4.5f * k, cy + 2, cx + 5.0f * k, cy + 8, 1.2f, Shade(gill, 0.7f));
    std::vector<Vec2> dome;
    for (int i = 0; i <= 24; ++i) {
        float a = kPi + kPi * i / 24;
        dome.push_back({cx + 28 * std::cos(a), cy + 3 + 27 * std::sin(a)});
    }
    for (int i = 0; i <= 8; ++i) {
        float t = float(i) / 8;
        dome.push_back({cx + 28 - 56 * t, cy + 3 + 3.5f * std::sin(kPi * t)});
    }
    LitShape(c, dome, capL, capD, {cx - 8, cy - 14}, 34, ink, 1.8f);
    static const float sp[6][3] = {{-14, -8, 4}, {2, -17, 4.5f}, {14, -6, 3.5f}, {-4, -4, 3}, {-20, 0, 2.5f}, {20, 0, 2.5f}};
    for (const auto& s : sp) c.FillEllipse(cx + s[0], cy + s[1], s[2], s[2] * 0.8f, spot);
    c.FillEllipse(cx - 10, cy - 14, 5, 2.5f, Mix(capL, Rgb(255, 255, 255), 0.5f), -25);
}

void Rafflesia(Canvas& c, float cx, float cy, float R, bool night, bool boss) {
    const Argb ink = night ? Rgb(20, 12, 44) : Rgb(60, 16, 14);
    Argb petal = night ? Rgb(110, 70, 200) : Rgb(214, 72, 48), petalD = night ? Rgb(46, 24, 110) : Rgb(130, 30, 24);
    Argb wart = night ? Rgb(140, 240, 255) : Rgb(255, 226, 196);
    Argb lip = night ? Rgb(206, 196, 250) : Rgb(240, 206, 176), well = night ? Rgb(26, 10, 54) : Rgb(70, 16, 20);
    Argb spike = night ? Rgb(240, 110, 230) : Rgb(255, 170, 120);
    Rng rng(night ? 77 : 53);
    if (boss) {
        // Leaves and vines around the flower.
        for (int k = 0; k < 5; ++k) {
            float a = -54 + 72.0f * k;
            Vec2 tip = Polar({cx, cy}, a, R * 1.0f);
            std::vector<Vec2> leaf = Smooth({Polar({cx, cy}, a - 14, R * 0.5f), Polar({cx, cy}, a - 10, R * 0.85f), tip,
                                             Polar({cx, cy}, a + 10, R * 0.85f), Polar({cx, cy}, a + 14, R * 0.5f)},
                                            5);
            Argb lc = night ? Rgb(30, 90, 100) : Rgb(90, 130, 46), ld = night ? Rgb(14, 44, 60) : Rgb(46, 80, 26);
            LitShape(c, leaf, lc, ld, Polar({cx, cy}, a, R * 0.6f), R * 0.5f, ink, 2);
            Vec2 m0 = Polar({cx, cy}, a, R * 0.55f);
            c.Line(m0.x, m0.y, tip.x, tip.y, 2, Mix(lc, Rgb(255, 255, 255), 0.25f));
        }
    }
    // Five thick petals.
    for (int k = 0; k < 5; ++k) {
        float a = -90 + 72.0f * k;
        Vec2 pc = Polar({cx, cy}, a, R * 0.56f);
        std::vector<Vec2> shape = EllipsePts(pc.x, pc.y, R * 0.44f, R * 0.38f, a, 48);
        Fill(c, Inset(shape, pc, 1.0f + 4.0f / R), ink);
        Fill(c, shape, [&](float x, float y) {
            float d = std::hypot(x - cx, y - cy) / R;
            float rim = std::clamp((d - 0.25f) / 0.75f, 0.0f, 1.0f);
            return Mix(petalD, petal, std::pow(rim, 0.7f));
        });
        int warts = boss ? 14 : 7;
        for (int i = 0; i < warts; ++i) {
            float rr = rng.Uniform(0.2f, 0.8f), aa = rng.Uniform(-60, 60);
            Vec2 w = Polar(pc, a + aa, R * 0.36f * rr);
            float size = R * rng.Uniform(0.025f, 0.05f);
            c.FillCircle(w.x, w.y, size + 1, Shade(petal, 0.6f));
            c.FillCircle(w.x - size * 0.2f, w.y - size * 0.2f, size, wart);
        }
    }
    // The raised lip and the dark well with its spikes.
    float lr = R * 0.4f;
    c.FillCircle(cx, cy, lr + 2.5f, ink);
    c.Shape(cx - lr, cy - lr, cx + lr, cy + lr, [&](float x, float y) { return SdCircle(x, y, cx, cy, lr); },
            [&](float x, float y) { return Mix(lip, Shade(lip, 0.6f), std::clamp((x - cx + y - cy) / lr * 0.5f + 0.5f, 0.0f, 1.0f)); });
    for (int i = 0; i < 12; ++i) {
        Vec2 p = Polar({cx, cy}, 30.0f * i, lr * 0.82f);
        c.FillCircle(p.x, p.y, R * 0.03f + 1, Shade(lip, 0.75f));
    }
    float wr = R * 0.28f;
    c.FillCircle(cx, cy, wr + 2, ink);
    c.RadialGradient(cx, cy, wr, Shade(well, 0.6f), well);
    int spikes = boss ? 16 : 9;
    for (int i = 0; i < spikes; ++i) {
        Vec2 p = Polar({cx, cy}, 360.0f * i / spikes + 10, wr * rng.Uniform(0.2f, 0.7f));
        c.FillCircle(p.x, p.y, R * 0.035f + 1, spike);
        c.FillCircle(p.x - 0.5f, p.y - 0.5f, R * 0.015f + 0.6f, Rgb(255, 255, 255));
    }
    if (boss) {
        // A glowing maw at the heart.
        c.FillCircle(cx, cy, wr * 0.32f, night ? Rgb(250, 120, 255) : Rgb(255, 220, 90));
        c.FillCircle(cx, cy, wr * 0.16f, Rgb(255, 255, 240));
    }
}

// ------------------------------------------------------------ cave

void Element(Canvas& c, float cx, float cy) {
    const Argb ink = Rgb(16, 20, 50);
    // A thin ring of light tilted around the gem, back half first.
    EllipseArc(c, cx, cy + 4, 28, 9, 180, 360, 2, Rgb(120, 200, 255));
    // Orbiting shards.
    for (int k = 0; k < 4; ++k) {
        Vec2 p = Polar({cx, cy}, 45.0f + 90 * k, 22);
        std::vector<Vec2> s = {{p.x, p.y - 5}, {p.x + 3, p.y}, {p.x, p.y + 5}, {p.x - 3, p.y}};
        Fill(c, s, k % 2 ? Rgb(200, 130, 255) : Rgb(130, 230, 255));
        Stroke(c, s, 1.2f, ink);
    }
    // The faceted gem: an octahedron seen from the front.
    Vec2 top{cx, cy - 22}, bottom{cx, cy + 22}, l{cx - 15, cy}, r{cx + 15, cy}, mid{cx - 3, cy + 2};
    Fill(c, {top, r, bottom, l}, ink);
    std::vector<std::vector<Vec2>> faces = {{top, mid, l}, {top, r, mid}, {l, mid, bottom}, {mid, r, bottom}};
    const Argb faceCols[4] = {Rgb(200, 250, 255), Rgb(90, 180, 250), Rgb(60, 120, 220), Rgb(40, 70, 170)};
    std::vector<Vec2> outline = {top, r, bottom, l};
    for (int i = 0; i < 4; ++i) Fill(c, Inset(faces[i], Centroid(outline), 0.9f), faceCols[i]);
    Stroke(c, outline, 1.6f, ink);
    // The violet core.
    c.FillCircle(cx - 1, cy + 1, 6, Rgb(120, 50, 200));
    c.FillCircle(cx - 1, cy + 1, 3.6f, Rgb(240, 170, 255));
    c.FillCircle(cx - 2, cy - 0.5f, 1.4f, Rgb(255, 255, 255));
    EllipseArc(c, cx, cy + 4, 28, 9, 0, 180, 2, Rgb(170, 230, 255));
}

void FloorCrystal(Canvas& c, float cx, float cy, int look) {
    const Argb ink = Rgb(18, 16, 36);
    static const Argb light[4] = {Rgb(170, 250, 255), Rgb(220, 170, 255), Rgb(236, 246, 255), Rgb(255, 160, 220)};
    static const Argb dark[4] = {Rgb(40, 150, 200), Rgb(110, 50, 190), Rgb(120, 150, 210), Rgb(180, 40, 130)};
    Rng rng(400 + uint32_t(look) * 17);
    // A rocky bed.
    std::vector<Vec2> bed = Smooth({{cx - 54, cy + 14}, {cx - 30, cy + 4}, {cx, cy + 2}, {cx + 32, cy + 4},
                                    {cx + 56, cy + 14}, {cx + 40, cy + 26}, {cx, cy + 29}, {cx - 40, cy + 26}},
                                   4);
    LitShape(c, bed, Rgb(110, 100, 120), Rgb(50, 44, 64), {cx - 20, cy + 6}, 60, ink, 1.5f);
    for (int i = 0; i < 8; ++i) {
        float x = cx + rng.Uniform(-44, 44), y = cy + rng.Uniform(10, 24);
        c.FillCircle(x, y, rng.Uniform(1.5f, 3), Rgb(80, 72, 96));
    }
    // Shards fanning out of the bed; each look its own arrangement.
    int n = 5 + look % 2 * 2;
    for (int i = 0; i < n; ++i) {
        float t = n == 1 ? 0.5f : float(i) / (n - 1);
        float ang = -90 + (t - 0.5f) * (look == 2 ? 120.0f : 96.0f) + rng.Uniform(-6, 6);
        float len = (look == 3 ? 24.0f : 30.0f) + 16 * std::sin(kPi * t) + rng.Uniform(-3, 3);
        Vec2 base{cx + (t - 0.5f) * 60, cy + 16};
        Vec2 tip = Polar(base, ang, len);
        tip.y = std::max(tip.y, cy - 30);
        Shard(c, base, tip, 5.5f + 3 * std::sin(kPi * t), light[look], dark[look], ink);
    }
    // A glint.
    c.FillPolygon(art::StarPoints(cx - 6, cy - 14, 5, 1.5f, 4, 0), Rgb(255, 255, 255));
}

void MagicStone(Canvas& c, float cx, float cy) {
    const Argb ink = Rgb(14, 10, 30);
    // The halo ring: back half behind the stone.
    EllipseArc(c, cx, cy - 8, 60, 16, 180, 360, 4, Rgb(200, 150, 70));
    // Floating fragments at the sides.
    for (int s = -1; s <= 1; s += 2) {
        for (int k = 0; k < 3; ++k) {
            Vec2 p{cx + s * (50 + 4.0f * k), cy - 70 + 64.0f * k};
            std::vector<Vec2> frag = {{p.x, p.y - 10}, {p.x + 6, p.y - 2}, {p.x + 2, p.y + 9}, {p.x - 6, p.y + 3}};
            Fill(c, frag, Rgb(96, 80, 160));
            Fill(c, {{p.x, p.y - 10}, {p.x + 6, p.y - 2}, {p.x - 1, p.y}}, Rgb(150, 136, 220));
            Stroke(c, frag, 1.5f, ink);
        }
    }
    // The obelisk: a hexagonal prism pointed at both ends, two lit faces.
    Vec2 top{cx, cy - 122}, bot{cx, cy + 112};
    Vec2 lt{cx - 36, cy - 80}, rt{cx + 36, cy - 80}, lb{cx - 28, cy + 72}, rb{cx + 28, cy + 72};
    Vec2 mt{cx + 4, cy - 86}, mb{cx + 3, cy + 78};
    std::vector<Vec2> all = {top, rt, rb, bot, lb, lt};
    Fill(c, all, ink);
    std::vector<Vec2> left = {top, mt, mb, bot, lb, lt}, right = {top, rt, rb, bot, mb, mt};
    Vec2 cen = Centroid(all);
    Fill(c, Inset(left, cen, 0.96f), [&](float x, float y) {
        return Mix(Rgb(150, 130, 220), Rgb(70, 52, 130), std::clamp((y - cy + 120) / 240 + (cx - x) / 200, 0.0f, 1.0f));
    });
    Fill(c, Inset(right, cen, 0.96f), [&](float, float y) {
        return Mix(Rgb(80, 62, 150), Rgb(40, 28, 86), std::clamp((y - cy + 120) / 240, 0.0f, 1.0f));
    });
    c.Line(mt.x, mt.y, mb.x, mb.y, 2, Rgb(190, 176, 250));
    // Carved runes glowing down the faces.
    Rng rng(913);
    for (int k = 0; k < 7; ++k) {
        float y = cy - 70 + 20.0f * k;
        if (std::fabs(y - cy + 8) < 26) continue;  // the core sits there
        for (int s = -1; s <= 1; s += 2) {
            float x = cx + s * 14 - 1;
            int g = rng.Int(0, 3);
            Argb rune = Rgb(110, 236, 255);
            if (g == 0) c.Line(x - 4, y - 5, x + 4, y + 5, 2, rune), c.Line(x + 4, y - 5, x - 4, y + 5, 2, rune);
            if (g == 1) c.StrokeCircle(x, y, 4.5f, 2, rune), c.Line(x, y - 7, x, y + 7, 2, rune);
            if (g == 2) c.Line(x - 5, y - 5, x + 5, y - 5, 2, rune), c.Line(x, y - 5, x, y + 6, 2, rune);
            if (g == 3) StrokeTri(c, x, y, rune);
        }
    }
    // The core: an eye of light in a gem setting.
    float ey = cy - 8;
    c.FillEllipse(cx, ey, 24, 24, ink);
    c.FillEllipse(cx, ey, 21, 21, Rgb(240, 200, 110));
    c.FillEllipse(cx, ey, 17, 17, Rgb(60, 20, 90));
    c.RadialGradient(cx, ey, 14, Rgb(255, 200, 255), Rgb(200, 40, 180));
    c.FillEllipse(cx, ey, 4, 10, Rgb(30, 8, 40));
    c.FillCircle(cx - 5, ey - 6, 3, Rgb(255, 255, 255));
    // Front half of the halo.
    EllipseArc(c, cx, cy - 8, 60, 16, 0, 180, 4, Rgb(255, 226, 140));
    EllipseArc(c, cx, cy - 7, 60, 16, 30, 150, 1.5f, Rgb(255, 250, 220));
}

}  // namespace assetgen::creature
