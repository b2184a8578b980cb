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

Matrix MatrixIdentity();
Matrix MatrixScaling(float sx, float sy, float sz);
// Rotation about Z by `radians`; (1, 0, 0) maps to (cos, sin, 0).
Matrix MatrixRotationZ(float radians);
Matrix MatrixTranslation(float tx, float ty, float tz);
// a * b: apply a first, then b.
Matrix MatrixMultiply(const Matrix& a, const Matrix& b);
// p * M with w = 1 (the w of the result is ignored).
Vec3 TransformPoint(const Vec3& p, const Matrix& m);
