// 4 x 4 sprite matrices, row-vector convention, single precision throughout.
#include "platform/matrix.h"

#include <cmath>

Matrix MatrixIdentity() {
    return MatrixScaling(1.0f, 1.0f, 1.0f);
}

Matrix MatrixScaling(float sx, float sy, float sz) {
    Matrix r{};
    r.m[0][0] = sx;
    r.m[1][1] = sy;
    r.m[2][2] = sz;
    r.m[3][3] = 1.0f;
    return r;
}

Matrix MatrixRotationZ(float radians) {
    const float c = std::cos(radians);
    const float s = std::sin(radians);
    Matrix r = MatrixIdentity();
    r.m[0][0] = c;
    r.m[0][1] = s;
    r.m[1][0] = -s;
    r.m[1][1] = c;
    return r;
}

Matrix MatrixTranslation(float tx, float ty, float tz) {
    Matrix r = MatrixIdentity();
    r.m[3][0] = tx;
    r.m[3][1] = ty;
    r.m[3][2] = tz;
    return r;
}

Matrix MatrixMultiply(const Matrix& a, const Matrix& b) {
    Matrix r{};
    for (int i = 0; i < 4; ++i) {
        for (int j = 0; j < 4; ++j) {
            float sum = 0.0f;
            for (int k = 0; k < 4; ++k) sum += a.m[i][k] * b.m[k][j];
            r.m[i][j] = sum;
        }
    }
    return r;
}

Vec3 TransformPoint(const Vec3& p, const Matrix& m) {
    Vec3 r;
    r.x = p.x * m.m[0][0] + p.y * m.m[1][0] + p.z * m.m[2][0] + m.m[3][0];
    r.y = p.x * m.m[0][1] + p.y * m.m[1][1] + p.z * m.m[2][1] + m.m[3][1];
    r.z = p.x * m.m[0][2] + p.y * m.m[1][2] + p.z * m.m[2][2] + m.m[3][2];
    return r;
}
