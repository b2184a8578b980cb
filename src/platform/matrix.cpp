// 4 x 4 sprite matrices, row-vector convention, single precision throughout.
#include "platform/matrix.h"

#include <cmath>

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

Vec3 TransformPoint(const Vec3& p, const Matrix& m) {
    Vec3 r;
    r.x = p.x * m.m[0][0] + p.y * m.m[1][0] + p.z * m.m[2][0] + m.m[3][0];
    r.y = p.x * m.m[0][1] + p.y * m.m[1][1] + p.z * m.m[2][1] + m.m[3][1];
    r.z = p.x * m.m[0][2] + p.y * m.m[1][2] + p.z * m.m[2][2] + m.m[3][2];
    return r;
}
