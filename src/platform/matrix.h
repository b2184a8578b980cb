#pragma once
// 4 x 4 float matrices in the row-vector convention: a point p maps to p * M,
// so the translation lives in the fourth row and "A then B" is A * B.
#include <cstdint>

struct Vec3 {
    float x = 0.0f;
    float y = 0.0f;
    float z = 0.0f;
};

struct Matrix {
    float m[4][4];
};

// Integer rectangle (left, top) inclusive, (right, bottom) exclusive.
struct Rect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// Every sprite draw multiplies a few of these, so the builders and the product
// are inline: the matrices then stay in registers on their way to the sprite
// batch instead of being written out and read back piecemeal.
inline Matrix MatrixScaling(float sx, float sy, float sz) {
    return Matrix{{{sx, 0.0f, 0.0f, 0.0f}, {0.0f, sy, 0.0f, 0.0f}, {0.0f, 0.0f, sz, 0.0f}, {0.0f, 0.0f, 0.0f, 1.0f}}};
}
inline Matrix MatrixIdentity() { return MatrixScaling(1.0f, 1.0f, 1.0f); }
// Rotation about Z by `radians`; (1, 0, 0) maps to (cos, sin, 0).
Matrix MatrixRotationZ(float radians);
inline Matrix MatrixTranslation(float tx, float ty, float tz) {
    return Matrix{{{1.0f, 0.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f, 0.0f}, {0.0f, 0.0f, 1.0f, 0.0f}, {tx, ty, tz, 1.0f}}};
}
// a * b: apply a first, then b. Each element sums its four products in order,
// from 0, so the result is the same to the bit however the loops are laid out.
inline Matrix MatrixMultiply(const Matrix& a, const Matrix& b) {
    Matrix r;
#pragma GCC unroll 4
    for (int i = 0; i < 4; ++i) {
        const float a0 = a.m[i][0], a1 = a.m[i][1], a2 = a.m[i][2], a3 = a.m[i][3];
#pragma GCC unroll 4
        for (int j = 0; j < 4; ++j)
            r.m[i][j] = 0.0f + a0 * b.m[0][j] + a1 * b.m[1][j] + a2 * b.m[2][j] + a3 * b.m[3][j];
    }
    return r;
}
// p * M with w = 1 (the w of the result is ignored).
Vec3 TransformPoint(const Vec3& p, const Matrix& m);
