#ifndef OE_MATH3D_H_INCLUDED
#define OE_MATH3D_H_INCLUDED

// The mathematics core: scalar constants, vectors, matrices and rotations.
//
// Conventions, the same everywhere in this folder:
// - Frame: x points right, y up, z forward; a left-handed frame with y up.
// - Points and directions are row vectors multiplied from the left: v' = v M.
//   In a bCMatrix rows 0, 1, 2 are the x, y, z axes of the transformed frame
//   and row 3 is the translation; column 3 is (0, 0, 0, 1) for an affine
//   matrix. Elements are stored row by row.
// - SetToProduct(a, b) applies b first, then a, for matrices and quaternions
//   alike; so p * q applies q first. Rotate... forms turn after the current
//   transform, RotateLocal... forms before it.
// - Positive angles (radians): about x turns y towards z, about y turns z
//   towards x, about z turns x towards y.
// - bCEulerAngles are stored yaw (about y), pitch (about x), roll (about z)
//   and applied roll first, then pitch, then yaw.
// - A bCMatrix built from a bCAxisAngle turns the other way round from the
//   bCQuaternion of the same axis-angle and from SetToRotationAxisX/Y/Z.
// - Equality operators compare exactly, without tolerance. Tolerances where
//   an operation needs one: 1.0e-5 (g_fEpsilon) in general, FLT_EPSILON in the
//   ray-triangle test, 0.05 for falling back from slerp to lerp, 0.99999 for
//   the rotation between two vectors, 0.1 for bCQuaternion::IsNormalized, 0.01
//   and lengths within [0.99, 1.01] for the orthogonality tests.
// - Value types: no virtual functions, copied by value, never allocate;
//   default constructors leave the values uninitialised. Stream forms are the
//   raw floats in field order without header (bCMatrix3 and bCMatrix2 write
//   and read their element (0, 0) only).
// - Nothing here keeps shared state: products and inverses use temporaries
//   of their own call, so every operation is safe on different objects from
//   different threads.
//
// Example: place an object and move a point into the world.
//     bCMatrix matWorld(bCEulerAngles(g_fPIDiv2, 0.0f, 0.0f), bCVector(10.0f, 0.0f, 0.0f));
//     bCVector vecWorld = bCVector(0.0f, 0.0f, 1.0f) * matWorld; // (11, 0, 0)

#include <vellmark/math/3d/oe_mathconstants.h>
#include <vellmark/math/3d/oe_vector.h>
#include <vellmark/math/3d/oe_vector2.h>
#include <vellmark/math/3d/oe_vector4.h>
#include <vellmark/math/3d/oe_matrix.h>
#include <vellmark/math/3d/oe_matrix3.h>
#include <vellmark/math/3d/oe_matrix2.h>
#include <vellmark/math/3d/oe_quaternion.h>
#include <vellmark/math/3d/oe_eulerangles.h>
#include <vellmark/math/3d/oe_axisangle.h>
#include <vellmark/math/3d/oe_sphericalrotation.h>
#include <vellmark/math/3d/oe_motion.h>

#endif
