#pragma once

#include <optional>
#include <span>

#include "geometry/point.h"
#include "geometry/point_vector_line.h"
#include "geometry/vector.h"

namespace zarvek {

// The vector arithmetic every seat check rests on. All arithmetic is in double precision; no
// operation changes its arguments. Each lives in a source file named after its task.

// v / |v|, or no vector when |v| is exactly 0.0 (there is no tolerance: only (0, 0, 0) is no
// vector, however short or long the vector is).
std::optional<Vector> Unitize(const Vector& v);

// The unit vector from p1 towards p2, or no vector for coincident points (the seat checks show
// their own warning for those: the geometry shows nothing).
std::optional<Vector> MakeVector(const Point& p1, const Point& p2);

// The component-wise mean of `vs`, not normalised; (0, 0, 0) for none.
Vector AverageVector(std::span<const Vector> vs);

// The cross product of Unitize(a) and Unitize(b), where each component that comes out exactly
// 0.0 is replaced by the same component of `a` itself (not of its unit vector). So parallel
// arguments give `a`, and (1,0,0) x (0,1,0) gives (1,0,1). A zero argument counts as (0,0,0).
Vector CrossProduct(const Vector& a, const Vector& b);

// The cosine of the angle between a and b: both are normalised first. A zero argument gives 0.
double DotProduct(const Vector& a, const Vector& b);

// The distance between p and q in millimetres.
double LthPointToPoint(const Point& p, const Point& q);

// p + v * dist, with v used as given (not normalised).
Point MovePoint(const Point& p, const Vector& v, double dist);

// The foot of the perpendicular from p onto `line` (for a unit LineVector). When p lies on the
// line's own point, that point is returned. Unset line parts count as the origin and the zero
// vector.
Point ProjPointToLine(const Point& p, const PointVectorLine& line);

}  // namespace zarvek
