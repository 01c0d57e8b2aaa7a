// Rotation and transformation matrices.
#include <cmath>

#include "host/msgeom.h"

void mdlRMatrix_getIdentity(RotMatrix* r) { *r = RotMatrix{}; }

void mdlRMatrix_fromAngle(RotMatrix* r, double radians) {
  double c = std::cos(radians), s = std::sin(radians);
  *r = RotMatrix{};
  r->form3d[0][0] = c;
  r->form3d[0][1] = -s;
  r->form3d[1][0] = s;
  r->form3d[1][1] = c;
}

double mdlRMatrix_toAngle(const RotMatrix* r) { return std::atan2(r->form3d[1][0], r->form3d[0][0]); }

void mdlRMatrix_multiply(RotMatrix* product, const RotMatrix* a, const RotMatrix* b) {
  RotMatrix p;
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) {
      double sum = 0;
      for (int k = 0; k < 3; ++k) sum += a->form3d[i][k] * b->form3d[k][j];
      p.form3d[i][j] = sum;
    }
  *product = p;
}

int mdlRMatrix_invert(RotMatrix* inverse, const RotMatrix* r) {
  const auto& m = r->form3d;
  double det = m[0][0] * (m[1][1] * m[2][2] - m[1][2] * m[2][1]) - m[0][1] * (m[1][0] * m[2][2] - m[1][2] * m[2][0]) +
               m[0][2] * (m[1][0] * m[2][1] - m[1][1] * m[2][0]);
  if (!std::isfinite(det) || std::fabs(det) < 1e-300) return 0;
  RotMatrix inv;
  inv.form3d[0][0] = (m[1][1] * m[2][2] - m[1][2] * m[2][1]) / det;
  inv.form3d[0][1] = (m[0][2] * m[2][1] - m[0][1] * m[2][2]) / det;
  inv.form3d[0][2] = (m[0][1] * m[1][2] - m[0][2] * m[1][1]) / det;
  inv.form3d[1][0] = (m[1][2] * m[2][0] - m[1][0] * m[2][2]) / det;
  inv.form3d[1][1] = (m[0][0] * m[2][2] - m[0][2] * m[2][0]) / det;
  inv.form3d[1][2] = (m[0][2] * m[1][0] - m[0][0] * m[1][2]) / det;
  inv.form3d[2][0] = (m[1][0] * m[2][1] - m[1][1] * m[2][0]) / det;
  inv.form3d[2][1] = (m[0][1] * m[2][0] - m[0][0] * m[2][1]) / det;
  inv.form3d[2][2] = (m[0][0] * m[1][1] - m[0][1] * m[1][0]) / det;
  *inverse = inv;
  return 1;
}

void mdlRMatrix_multiplyPoint(DPoint3d* p, const RotMatrix* r) {
  const auto& m = r->form3d;
  DPoint3d q{m[0][0] * p->x + m[0][1] * p->y + m[0][2] * p->z, m[1][0] * p->x + m[1][1] * p->y + m[1][2] * p->z,
             m[2][0] * p->x + m[2][1] * p->y + m[2][2] * p->z};
  *p = q;
}

void mdlTMatrix_getIdentity(Transform* t) { *t = Transform{}; }

void mdlTMatrix_fromRMatrix(Transform* t, const RotMatrix* r) {
  *t = Transform{};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) t->form3d[i][j] = r->form3d[i][j];
}

void mdlTMatrix_getMatrix(RotMatrix* r, const Transform* t) {
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) r->form3d[i][j] = t->form3d[i][j];
}

void mdlTMatrix_scale(Transform* out, const Transform* in, double xScale, double yScale, double zScale) {
  Transform t = *in;
  const double s[3] = {xScale, yScale, zScale};
  for (int i = 0; i < 3; ++i)
    for (int j = 0; j < 3; ++j) t.form3d[i][j] *= s[j];
  *out = t;
}

void mdlTMatrix_setTranslation(Transform* t, const DPoint3d* p) {
  t->form3d[0][3] = p->x;
  t->form3d[1][3] = p->y;
  t->form3d[2][3] = p->z;
}

void mdlTMatrix_getTranslation(DPoint3d* p, const Transform* t) {
  *p = {t->form3d[0][3], t->form3d[1][3], t->form3d[2][3]};
}

void mdlTMatrix_setOrigin(Transform* t, const DPoint3d* o) {
  const double v[3] = {o->x, o->y, o->z};
  for (int i = 0; i < 3; ++i) {
    double mo = 0;
    for (int j = 0; j < 3; ++j) mo += t->form3d[i][j] * v[j];
    t->form3d[i][3] = v[i] - mo;
  }
}

void mdlTMatrix_multiply(Transform* product, const Transform* a, const Transform* b) {
  Transform p;
  for (int i = 0; i < 3; ++i) {
    for (int j = 0; j < 3; ++j) {
      double sum = 0;
      for (int k = 0; k < 3; ++k) sum += a->form3d[i][k] * b->form3d[k][j];
      p.form3d[i][j] = sum;
    }
    double tr = a->form3d[i][3];
    for (int k = 0; k < 3; ++k) tr += a->form3d[i][k] * b->form3d[k][3];
    p.form3d[i][3] = tr;
  }
  *product = p;
}

int mdlTMatrix_invert(Transform* inverse, const Transform* t) {
  RotMatrix m, inv;
  mdlTMatrix_getMatrix(&m, t);
  if (!mdlRMatrix_invert(&inv, &m)) return 0;
  Transform r;
  mdlTMatrix_fromRMatrix(&r, &inv);
  DPoint3d tr{-t->form3d[0][3], -t->form3d[1][3], -t->form3d[2][3]};
  mdlRMatrix_multiplyPoint(&tr, &inv);
  mdlTMatrix_setTranslation(&r, &tr);
  *inverse = r;
  return 1;
}

void mdlTMatrix_transformPoint(DPoint3d* p, const Transform* t) {
  const auto& m = t->form3d;
  DPoint3d q{m[0][0] * p->x + m[0][1] * p->y + m[0][2] * p->z + m[0][3],
             m[1][0] * p->x + m[1][1] * p->y + m[1][2] * p->z + m[1][3],
             m[2][0] * p->x + m[2][1] * p->y + m[2][2] * p->z + m[2][3]};
  *p = q;
}

void mdlTMatrix_transformPointArray(DPoint3d* points, const Transform* t, int n) {
  for (int i = 0; i < n; ++i) mdlTMatrix_transformPoint(&points[i], t);
}
