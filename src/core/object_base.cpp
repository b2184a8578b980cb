#include "core/object_base.h"

ObjectBase::ObjectBase() : world(MatrixIdentity()) {}

bool ObjectBase::Init() { return false; }
void ObjectBase::Release() {}
void ObjectBase::Update() {}
void ObjectBase::Draw() {}

void ObjectBase::SetTransform(float sx, float sy, float sz, float tx, float ty, float tz) {
    world = MatrixMultiply(MatrixMultiply(MatrixIdentity(), MatrixScaling(sx, sy, sz)),
                           MatrixTranslation(tx, ty, tz));
}

void ObjectBase::SetTransformRotZ(float sx, float sy, float sz, float tx, float ty, float tz,
                                  float angleDegrees) {
    const float radians = angleDegrees * kDegToRad;
    Matrix m = MatrixMultiply(MatrixIdentity(), MatrixScaling(sx, sy, sz));
    m = MatrixMultiply(m, MatrixRotationZ(radians));
    world = MatrixMultiply(m, MatrixTranslation(tx, ty, tz));
}
