#pragma once
// Step functions of the twenty formulas; included by Formulas.h only.
// Brackets follow the written evaluation order exactly (see Formulas.h).

#include <cmath>

#include "engine/Truncate.h"

namespace lumora::formulas {

struct Shared {
    int N;
    double ct, st;  // cos and sin of the turning angle
    double c;       // stretch of the turning step
    double x0, y0;  // start point
    double k;       // contraction (k8 for category 8)
};

inline Shared shared(const Params& p, bool useK8) {
    const double theta = (static_cast<double>(p[2]) * 1e-6) + (6.283185307179586 / static_cast<double>(p[1]));
    Shared s;
    s.N = stepCount(p);
    s.ct = std::cos(theta);
    s.st = std::sin(theta);
    s.c = (static_cast<double>(p[3]) + 999999999600.0) / 1000000000000.0;
    s.x0 = static_cast<double>(p[4]) / 10.0;
    s.y0 = static_cast<double>(p[5]) / 10.0;
    s.k = useK8 ? ((static_cast<double>(p[6]) / 500.0) + 499.0) / 500.0
                : ((static_cast<double>(p[6]) / 1000.0) + 999.5) / 1000.0;
    return s;
}

inline double P(const Params& p, int row) { return static_cast<double>(p[static_cast<std::size_t>(row - 1)]); }

// The turning step shared by all formulas but one: turn by the step angle,
// stretch by k and c, then shift by +d or -d.
struct Turning {
    double ct, st, c, k;
    template <bool AddShift>
    void apply(double x, double v, double d, double& nx, double& ny) const {
        const double tx = (ct * x) - ((k * v) * st);
        const double ty = ((((k * x) * c) * st) + (ct * v));
        if constexpr (AddShift) {
            nx = tx + d;
            ny = ty + d;
        } else {
            nx = tx - d;
            ny = ty - d;
        }
    }
};

// Category 0: ダイヤモンド (Sapphire = false) and サファイア (true).
template <bool Sapphire>
struct Jewel {
    Turning t;
    double e, a, d, b11, b12, b13, b14, b14s, b15, b16, b17, b18, b19, b19s, b20;
    Jewel(const Params& p, const Shared& s) : t{s.ct, s.st, s.c, s.k} {
        e = (P(p, 8) / 50.0) * 0.0001;
        a = P(p, 9) / 100.0;
        d = P(p, 10) / 500.0;
        b11 = P(p, 11) / 500.0;
        b12 = P(p, 12) / 500.0;
        b13 = P(p, 13) / 500.0;
        b14 = P(p, 14) / 50.0;
        b14s = (P(p, 14) / 50.0) * 0.01;
        b15 = P(p, 15) / 500.0;
        b16 = P(p, 16) / 500.0;
        b17 = P(p, 17) / 500.0;
        b18 = P(p, 18) / 5000000000.0;
        b19 = P(p, 19) / 500.0;
        b19s = (P(p, 19) / 500.0) * 0.001;
        b20 = P(p, 20) / 50000.0;
    }
    void step(double& x, double y, double& nx, double& ny) const {
        const double s0 = std::fabs(std::sin(x));
        double r = std::sqrt(s0);
        if (r == 0) r = 1e-14;
        const double u = (b15 / r) + b13;
        const double f = std::fabs((u - truncD(u)) - 0.5);
        const double ex = (std::exp((b18 * x) - b17) * b16) * x;
        double den = std::fabs(ex * std::cos((b11 * x) * x)) + e;
        den = (den + (std::tan(x) * b20)) + (f * b14);
        if (den == 0) den = 1e-24;
        const double g = std::fabs((x - truncD(x)) - 0.5);
        const double w = (((b12 + y) - (b19s * g)) + (b14s * s0)) + (r * b19);
        double v;
        if constexpr (Sapphire) {
            v = w + ((std::cos(x) * a) / den);
        } else {
            v = w + (a / den);
        }
        t.apply<true>(x, v, d, nx, ny);
    }
};

// Category 1, formula 0: 太陽.
struct Sun {
    Turning t;
    double a8, a9, d, b11;
    Sun(const Params& p, const Shared& s) : t{s.ct, s.st, s.c, s.k} {
        a8 = P(p, 8) / 500.0;
        a9 = P(p, 9) / 50000.0;
        d = P(p, 10) / 50.0;
        b11 = (P(p, 11) / 500.0) * (-5.0);
    }
    void step(double& x, double y, double& nx, double& ny) const {
        const double sx = std::sin(x);
        const double p = (((std::sin(x * x) * (std::cos(x) * sx)) + sx) * a8) + y;
        const double E = std::exp((b11 * x) * x);
        const double v = (p + (E * (std::tan(x) * a9))) + d;
        t.apply<false>(x, v, d, nx, ny);
    }
};

// Category 1, formula 1: 地球.
struct Earth {
    Turning t;
    double e, a, d, b11, b12, b13, b14, b15, b16;
    Earth(const Params& p, const Shared& s) : t{s.ct, s.st, s.c, s.k} {
        e = (P(p, 8) / 500.0) * 0.01;
        a = P(p, 9) / 5.0;
        d = P(p, 10) / 500.0;
        b11 = P(p, 11) / 500.0;
        b12 = P(p, 12) / 500.0;
        b13 = P(p, 13) / 5000.0;
        b14 = P(p, 14) / 50.0;
        b15 = P(p, 15) / 50.0;
        b16 = P(p, 16) * 500.0;  // a product: P16 = 1 shifts u by 500
    }
    void step(double& x, double y, double& nx, double& ny) const {
        const double u = (b13 * x) - b16;
        const double w = (u - 1.0) - truncD(u);
        const double r = std::sqrt(std::fabs(1.0 - (w * w)));
        const double q2 = (b11 * x) * x;
        const double g = ((q2 - b14) * a) / (std::fabs(b14 + q2) + e);
        const double v = ((b15 * r) + (b12 + y)) + g;
        t.apply<false>(x, v, d, nx, ny);
    }
};

// Category 2: 桜 (Plum = false) and 梅 (true).
template <bool Plum>
struct Blossom {
    Turning t;
    double e, a, d, b1, b2, r, m, w;
    Blossom(const Params& p, const Shared& s) : t{s.ct, s.st, s.c, s.k} {
        e = (P(p, 8) / 500.0) * 0.00001;
        a = P(p, 9) / 50.0;
        d = P(p, 10) / 500.0;
        b1 = P(p, 11) / 500.0;
        b2 = P(p, 12) / 500.0;
        r = P(p, 13) / 10.0;
        m = P(p, 14) / 500.0;
        w = Plum ? 0.0 : P(p, 15) / 500.0;
    }
    void step(double& x, double y, double& nx, double& ny) const {
        double v;
        if constexpr (Plum) {
            const double tt = std::pow(std::fabs(x), 0.8571428571428571);  // nearest double to 6/7
            const double den = (std::fabs(((x - r) * x) * (x - b1)) * m) + e;
            v = ((tt * a) / den) + (b2 + y);
        } else {
            const double tt = std::pow(std::fabs(x), 1.0416666666666667) * a;  // nearest double to 25/24
            const double h = (std::sin(x) + 1.0001) + w;
            const double den = (std::fabs(((x - r) * x) * (x - b1)) * m) + e;
            v = ((tt * h) / den) + (b2 + y);
        }
        t.apply<false>(x, v, d, nx, ny);
    }
};

// Category 3: 愚者 (Factors = 8) and 魔術師 (Factors = 10).
template <int Factors>
struct Tarot {
    Turning t;
    double e, a, d, m, b2, g1, g2, h1, h2;
    Tarot(const Params& p, const Shared& s) : t{s.ct, s.st, s.c, s.k} {
        e = (P(p, 8) / 500.0) * 0.00001;
        a = P(p, 9) / 50.0;
        d = P(p, 10) / 500.0;
        m = P(p, 11) / 500.0;
        b2 = P(p, 12) / 500.0;
        g1 = P(p, 13) / 500.0;
        g2 = P(p, 14) / 500.0;
        h1 = P(p, 15) / 500.0;
        h2 = P(p, 16) / 500.0;
    }
    void step(double& x, double y, double& nx, double& ny) const {
        const double u = (h1 * x) - h2;
        const double f = u - truncD(u);
        const double den = (std::fabs((g1 * x) - g2) * m) + e;
        double fn = f;
        for (int n = 1; n < Factors; ++n) fn = fn * f;  // ((f * f) * f) * ...
        const double v = ((a * fn) / den) + (b2 + y);
        t.apply<false>(x, v, d, nx, ny);
    }
};

// Category 4, formula 0: チェス.
struct Chess {
    Turning t;
    double e, a, d, b1, b2, r1, m, r2, w1, w2, w3, w4;
    Chess(const Params& p, const Shared& s) : t{s.ct, s.st, s.c, s.k} {
        e = (P(p, 8) / 10.0) * 0.00001;
        a = P(p, 9) / 50.0;
        d = P(p, 10) / 500.0;
        b1 = P(p, 11) / 1000.0;
        b2 = P(p, 12) / 500.0;
        r1 = P(p, 13) / 100.0;
        m = P(p, 14) / 500.0;
        r2 = P(p, 15) / 500.0;
        w1 = P(p, 16) / 500.0;
        w2 = P(p, 17) / 500.0;
        w3 = P(p, 18) / 500.0;
        w4 = P(p, 19) / 500.0;
    }
    void step(double& x, double y, double& nx, double& ny) const {
        const double num = ((x - r2) * (a * x)) * (r2 + x);
        const double den = (std::fabs((((r1 + x) * x) * (x - r1)) * (x - b1)) * m) + e;
        const double g = num / den;
        const double v = g + (((std::sin(w2 * x) * w1) + (b2 + y)) + (std::atan(w3 * x) * w4));
        t.apply<false>(x, v, d, nx, ny);
    }
};

// Category 4, formula 1: オセロ.
struct Othello {
    Turning t;
    double e, a, d, b1, b2, r, m, r2, w1, w2, w3;
    Othello(const Params& p, const Shared& s) : t{s.ct, s.st, s.c, s.k} {
        e = (P(p, 8) / 10.0) * 0.00001;
        a = P(p, 9) / 50.0;
        d = P(p, 10) / 500.0;
        b1 = P(p, 11) / 500.0;
        b2 = P(p, 12) / 500.0;
        r = P(p, 13) / 5000.0;
        m = P(p, 14) / 5000.0;
        r2 = P(p, 15) / 500.0;
        w1 = P(p, 16) / 500.0;
        w2 = P(p, 17) / 500.0;
        w3 = P(p, 18) / 100.0;
    }
    void step(double& x, double y, double& nx, double& ny) const {
        const double g = (std::sqrt(std::fabs(x - r2)) * (a * x)) / ((std::fabs(((x - r) * x) * (x - b1)) * m) + e);
        const double v = g + (((std::exp(-(x * x)) * w1) + (y + b2)) + (std::sin(x * w2) * w3));
        t.apply<false>(x, v, d, nx, ny);
    }
};

// Category 5, formula 0: ゴールド.
struct Gold {
    Turning t;
    double e, a, d, b1, b2, r, m;
    Gold(const Params& p, const Shared& s) : t{s.ct, s.st, s.c, s.k} {
        e = (P(p, 8) / 500.0) * 1e-5;
        a = P(p, 9) / 50.0;
        d = P(p, 10) / 500.0;
        b1 = P(p, 11) / 500.0;
        b2 = P(p, 12) / 500.0;
        r = P(p, 13) / 10.0;
        m = P(p, 14) / 500.0;
    }
    void step(double& x, double y, double& nx, double& ny) const {
        const double tt = std::pow(std::fabs(x), 1.0588235294117647);  // nearest double to 18/17
        const double den = (std::fabs(((x - r) * x) * (x - b1)) * m) + e;
        const double v = ((tt * a) / den) + (b2 + y);
        t.apply<false>(x, v, d, nx, ny);
    }
};

// Category 5, formula 1: シルバー.
struct Silver {
    Turning t;
    double e, a, d, b1, b2, r2, g, r3, w, phi0, h;
    Silver(const Params& p, const Shared& s) : t{s.ct, s.st, s.c, s.k} {
        e = (P(p, 8) / 500.0) * 1e-4;
        a = P(p, 9) / 50.0;
        d = P(p, 10) / 500.0;
        b1 = P(p, 11) / 500.0;
        b2 = P(p, 12) / 500.0;
        r2 = P(p, 13) / 500.0;
        g = P(p, 14) / 50000.0;
        r3 = P(p, 15) / 500.0;
        w = P(p, 16) / 500.0;
        phi0 = P(p, 17) / 500.0;
        h = P(p, 18) / 500.0;
    }
    void step(double& x, double y, double& nx, double& ny) const {
        const double q = ((x - r3) * a) / (std::fabs(((x - b1) * x) * (x - r2)) + e);
        const double alpha = std::atan2(y, x);
        const double v = q + (((b2 + y) - (alpha * g)) + (std::sin((w * x) - phi0) * h));
        t.apply<false>(x, v, d, nx, ny);
    }
};

// Category 6, formula 0: バッハ.
struct Bach {
    Turning t;
    double e, a, d, b1, b2, w, m;
    Bach(const Params& p, const Shared& s) : t{s.ct, s.st, s.c, s.k} {
        e = (P(p, 8) / 500.0) * 1e-5;
        a = P(p, 9) / 50.0;
        d = P(p, 10) / 500.0;
        b1 = P(p, 11) / 500.0;
        b2 = P(p, 12) / 500.0;
        w = P(p, 13) / 500.0;
        m = P(p, 14) / 500.0;
    }
    void step(double& x, double y, double& nx, double& ny) const {
        const double n = (a * x) * x;
        const double den = ((std::fabs(std::tan(w * x) * b1) + (x * x)) * m) + e;
        const double v = (n / den) + (b2 + y);
        t.apply<false>(x, v, d, nx, ny);
    }
};

// Category 6, formula 1: ショパン.
struct Chopin {
    Turning t;
    double e, a, d, b1, b2, w, m, r1, r2, phi0;
    Chopin(const Params& p, const Shared& s) : t{s.ct, s.st, s.c, s.k} {
        e = (P(p, 8) / 500.0) * 1e-5;
        a = P(p, 9) / 50.0;
        d = P(p, 10) / 500.0;
        b1 = P(p, 11) / 500.0;
        b2 = P(p, 12) / 500.0;
        w = P(p, 13) / 500.0;
        m = P(p, 14) / 500.0;
        r1 = P(p, 15) / 500.0;
        r2 = P(p, 16) / 500.0;
        phi0 = P(p, 17) / 500.0;
    }
    void step(double& x, double y, double& nx, double& ny) const {
        const double n = (x - r1) * (a * x);
        const double den = ((std::fabs(std::tan((w * x) - phi0) * b1) + std::fabs((x - r2) * x)) * m) + e;
        const double v = (n / den) + (b2 + y);
        t.apply<false>(x, v, d, nx, ny);
    }
};

// Category 7, formula 0: レクサス.
struct Lexus {
    Turning t;
    double e, A, d, w, b2, r, m, q, h1, phi2, g, phi1, h2;
    Lexus(const Params& p, const Shared& s) : t{s.ct, s.st, s.c, s.k} {
        e = (P(p, 8) / 50.0) * 0.1;
        A = P(p, 9) / 100.0;
        d = P(p, 10) / 500.0;
        w = P(p, 11) / 500.0;
        b2 = P(p, 12) / 500.0;
        r = P(p, 13) / 500.0;
        m = P(p, 14) / 50.0;
        q = P(p, 15) / 500.0;
        h1 = P(p, 16) / 500.0;
        phi2 = P(p, 17) / 500.0;
        g = P(p, 18) / 500000.0;
        phi1 = P(p, 19) / 500.0;
        h2 = P(p, 20) / 500.0;
    }
    void step(double& x, double y, double& nx, double& ny) const {
        if (x == 0) x = 1e-14;  // the state itself changes
        const double u = (q / x) + r;
        const double f = std::fabs((u - truncD(u)) - 0.5);
        const double E = (std::exp((g * x) - phi2) * h1) * x;
        const double D = std::fabs(E * std::sin(((w * x) * x) - phi1)) + e;
        double den = (D - (std::cos(x) * (h2 * x))) + (m * f);
        if (den == 0) den = 1e-24;
        const double v = (A / den) + (b2 + y);
        t.apply<true>(x, v, d, nx, ny);
    }
};

// Category 7, formula 1: ロードスター.
struct Roadster {
    Turning t;
    double e, A, d, w, b2, r, m, q;
    Roadster(const Params& p, const Shared& s) : t{s.ct, s.st, s.c, s.k} {
        e = (P(p, 8) / 50.0) * 0.1;
        A = P(p, 9) / 100.0;
        d = P(p, 10) / 500.0;
        w = P(p, 11) / 500.0;
        b2 = P(p, 12) / 500.0;
        r = P(p, 13) / 500.0;
        m = P(p, 14) / 50.0;
        q = P(p, 15) / 500.0;
    }
    void step(double& x, double y, double& nx, double& ny) const {
        const double u = ((q * x) * x) + r;
        const double f = std::fabs((u - truncD(u)) - 0.5);
        const double L = std::log(std::fabs(x)) * x;
        const double den = (m * f) + (std::fabs(L * std::sin((w * x) * x)) + e);
        const double v = (A / den) + (b2 + y);
        t.apply<true>(x, v, d, nx, ny);
    }
};

// Category 8: 東京 (Kyoto = false) and 京都 (true); k8 in the turning step.
template <bool Kyoto>
struct City {
    Turning t;
    double p8, a, B, gk, b2, d, r, m, q;
    City(const Params& p, const Shared& s) : t{s.ct, s.st, s.c, s.k} {
        p8 = P(p, 8) / 500.0;
        a = (P(p, 9) / 500.0) * 3.0;
        B = P(p, 10) / 50.0;
        gk = (P(p, 11) / 500.0) * (-5.0);
        b2 = P(p, 12) / 500.0;
        d = P(p, 13) / 500.0;
        r = P(p, 14) / 500.0;
        m = P(p, 15) / 500.0;
        q = P(p, 16) / 5000.0;
    }
    void step(double& x, double y, double& nx, double& ny) const {
        const double u = (q * x) + r;
        const double G = std::exp((x * gk) * x);
        const double T = G * (std::tan(x) * ((p8 + x) * a));
        double v;
        if constexpr (Kyoto) {
            const double fr = u - truncD(u);
            const double rho2 = fr * fr;
            v = (((rho2 * m) + (b2 + y)) + T) + B;
        } else {
            const double rho = std::sqrt(std::fabs(u - truncD(u)));
            v = (((m * rho) + (b2 + y)) + T) + B;
        }
        t.apply<false>(x, v, d, nx, ny);
    }
};

// Category 9, formula 0: 仁.
struct Jin {
    Turning t;
    double e, a, d, b1, b2, r, m, q, h;
    Jin(const Params& p, const Shared& s) : t{s.ct, s.st, s.c, s.k} {
        e = (P(p, 8) / 500.0) * 1e-5;
        a = P(p, 9) / 50.0;
        d = P(p, 10) / 500.0;
        b1 = P(p, 11) / 500.0;
        b2 = P(p, 12) / 500.0;
        r = P(p, 13) / 10.0;
        m = P(p, 14) / 500.0;
        q = P(p, 15) / 500.0;
        h = P(p, 16) / 500.0;
    }
    void step(double& x, double y, double& nx, double& ny) const {
        const double u = q * x;
        const double f = std::fabs((u - truncD(u)) - 0.5);
        const double tt = std::pow(std::fabs(x), 1.0833333333333333);  // nearest double to 13/12
        const double num = ((h * f) + tt) * a;
        const double den = (std::fabs(((x - r) * x) * (x - b1)) * m) + e;
        const double v = (num / den) + (b2 + y);
        t.apply<false>(x, v, d, nx, ny);
    }
};

// Category 9, formula 1: 義 — a symmetric map with a turning step of its own.
struct Gi {
    double ct, st, c, k;
    double e, a, d, b1, b2, r, g, phi0;
    Gi(const Params& p, const Shared& s) : ct(s.ct), st(s.st), c(s.c), k(s.k) {
        e = (P(p, 8) / 500.0) * 1e-4;
        a = P(p, 9) / 500.0;
        d = P(p, 10) / 500.0;
        b1 = P(p, 11) / 500.0;
        b2 = P(p, 12) / 500.0;
        r = P(p, 13) / 500.0;
        g = P(p, 14) / 500.0;
        phi0 = P(p, 15) / 500.0;
    }
    void step(double& x, double y, double& nx, double& ny) const {
        const double U = ((((g * y) - phi0) * a) / (std::fabs(((b1 + y) * y) * (r + y)) + e)) + (b2 + x);
        const double V = ((((g * x) - phi0) * a) / (std::fabs(((x - b1) * x) * (x - r)) + e)) + (b2 + y);
        nx = ((U * ct) - ((k * V) * st)) - d;
        ny = ((((k * U) * c) * st) + (V * ct)) - d;
    }
};

template <class Step, class Sink>
int orbit(const Step& stepper, const Shared& s, int first, double scale, Sink& sink) {
    if (s.N < first) return 0;
    double x = s.x0;
    double y = s.y0;
    int count = 0;
    for (int i = first; i <= s.N; ++i) {
        double nx, ny;
        stepper.step(x, y, nx, ny);
        sink.point(i, scale * nx, scale * ny);
        x = nx;
        y = ny;
        ++count;
    }
    return count;
}

template <class Step, class Sink>
int run(const Params& p, int first, double scale, Sink& sink, bool useK8 = false) {
    const Shared s = shared(p, useK8);
    const Step stepper(p, s);
    return orbit(stepper, s, first, scale, sink);
}

}  // namespace lumora::formulas

namespace lumora {

inline int firstIndex(int category) { return (category == 0 || category == 7) ? 0 : 1; }

template <class Sink>
int runFormulaWith(int category, int formula, const Params& p, Sink& sink) {
    using namespace formulas;
    if (formula != 0 && formula != 1) return 0;
    const int first = firstIndex(category);
    switch (category * 2 + formula) {
        case 0:
            return run<Jewel<false>>(p, first, 8.0, sink);
        case 1:
            return run<Jewel<true>>(p, first, 8.0, sink);
        case 2:
            return run<Sun>(p, first, 10.0, sink);
        case 3:
            return run<Earth>(p, first, 0.222, sink);
        case 4:
            return run<Blossom<false>>(p, first, 0.615, sink);
        case 5:
            return run<Blossom<true>>(p, first, 0.8, sink);
        case 6:
            return run<Tarot<8>>(p, first, 5.0, sink);
        case 7:
            return run<Tarot<10>>(p, first, 6.67, sink);
        case 8:
            return run<Chess>(p, first, 0.267, sink);
        case 9:
            return run<Othello>(p, first, 0.133, sink);
        case 10:
            return run<Gold>(p, first, 2.0, sink);
        case 11:
            return run<Silver>(p, first, 1.33, sink);
        case 12:
            return run<Bach>(p, first, 5.0, sink);
        case 13:
            return run<Chopin>(p, first, 4.0, sink);
        case 14:
            return run<Lexus>(p, first, 13.3, sink);
        case 15:
            return run<Roadster>(p, first, 8.0, sink);
        case 16:
            return run<City<false>>(p, first, 4.44, sink, true);
        case 17:
            return run<City<true>>(p, first, 4.0, sink, true);
        case 18:
            return run<Jin>(p, first, 0.444, sink);
        case 19:
            return run<Gi>(p, first, 1.0, sink);
        default:
            return 0;
    }
}

}  // namespace lumora
