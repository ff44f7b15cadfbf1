#include "engine/Formulas.h"

namespace lumora {

namespace {
struct VirtualSink {
    PointSink& target;
    void point(int i, double X, double Y) { target.point(i, X, Y); }
};
}  // namespace

int runFormula(int category, int formula, const Params& p, PointSink& sink) {
    VirtualSink s{sink};
    return runFormulaWith(category, formula, p, s);
}

}  // namespace lumora
