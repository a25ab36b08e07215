#pragma once

#include <array>
#include <span>

#include "common/dialogs.h"
#include "geometry/point.h"
#include "geometry/vector.h"
#include "model/grid_file.h"
#include "strings/string_ids.h"

namespace zarvek {

// The seat-pattern checks. Each verdict is a string-table id: a caller recognises a pass by
// comparing it with the pass id and shows any other id as the failure message. None of the checks
// changes its arguments or shows anything, except that SeatVector reports coincident seats through
// `dialogs`; a pattern that passed CheckLengths has no coincident seats.

// Are the seat-to-seat lengths L12, L23, L31 clearly different? Each |difference|, rounded to
// single precision, must be greater than 1.5 mm. Tests L12-L23 (kLengths12And23), then L12-L31
// (kLengths12And13), then L23-L31 (kLengths13And23); kLengthsAreGood on a pass.
StringId CheckLengths(const Point& P1, const Point& P2, const Point& P3);

// Do the seats run P1 -> P2 -> P3 counter-clockwise seen from the side into which the mean seat
// direction points? True when DotProduct(mean direction, CrossProduct(P1->P2, P2->P3)) > 0.
// A mean direction that is exactly zero gives false.
bool CheckRotation(const Point& P1, const Point& P2, const Point& P3, const Vector& V1,
                   const Vector& V2, const Vector& V3, Dialogs& dialogs);

// Does each seat lie farther from the line through the other two than half their distance?
// Lengths and distances are rounded to single precision; equality fails. Tests seat 3
// (kSpreadPoint3), then seat 1 (kSpreadPoint1), then seat 2 (kSpreadPoint2); kSpreadIsOk on a
// pass.
StringId CheckSpread(const Point& P1, const Point& P2, const Point& P3, Dialogs& dialogs);

// Do at most two of the new lengths match lengths of the parts already in `gridFile`? A match is
// a |difference|, rounded to single precision, below 1.5 mm; one new length may match several
// stored ones. Returns kTooManyLengthsMatch as soon as the count exceeds 2, else kLengthsAreGood.
// Every part is compared, however many the file holds.
StringId CheckLengthsAgainstGridFile(const GridFile& gridFile, const Point& P1, const Point& P2,
                                     const Point& P3);

// The same against the lengths of the parts already stored, three per part as SeatLengths gives
// them, so that a file need not be held in memory to be checked.
StringId CheckLengthsAgainstStored(std::span<const double> stored, const Point& P1, const Point& P2,
                                   const Point& P3);

// A part's seat-to-seat lengths P1-P2, P2-P3 and P3-P1, as the checks against stored parts take
// them.
std::array<double, 3> SeatLengths(const Part& part);

}  // namespace zarvek
