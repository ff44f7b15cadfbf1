#pragma once
// The twenty figure formulas. Each is an iterated map of the plane; every
// expression is evaluated in exactly the written order and grouping, one
// rounded double operation at a time, because the maps are chaotic: a
// regrouped sum is a different figure after a few thousand steps.

#include <array>

namespace lumora {

using Params = std::array<int, 20>;  // P1..P20 at [0..19]

// Receives the scaled point (X, Y) with index i, in order.
class PointSink {
public:
    virtual ~PointSink() = default;
    virtual void point(int i, double X, double Y) = 0;
};

// Step count N = 500 * P1 of every formula.
inline int stepCount(const Params& p) { return p[0] * 500; }

// Index of the first point a formula hands over (0 for categories 0 and 7, else 1).
int firstIndex(int category);

// Runs formula (category, formula) and hands every point to the sink.
// Unknown pairs hand over nothing. Returns the number of points.
int runFormula(int category, int formula, const Params& p, PointSink& sink);

// The same loop with a statically bound sink: the Draw hot path.
template <class Sink>
int runFormulaWith(int category, int formula, const Params& p, Sink& sink);

}  // namespace lumora

#include "engine/FormulasImpl.h"
