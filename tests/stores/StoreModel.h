#pragma once
// A plain, line-by-line model of the favourites table operations, written
// the slow and obvious way (whole-table scans, fixed working arrays), and a
// generator of damaged tables. The store's own faster code must produce the
// same files.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "StoreFixture.h"
#include "engine/TextFields.h"

namespace lumora::test {

using Fields = std::vector<std::string>;

inline std::vector<Fields> parseTable(const std::string& bytes) {
    std::vector<Fields> rows;
    for (auto line : splitLines(bytes)) {
        Fields f;
        for (auto x : splitFields(line)) f.emplace_back(x);
        rows.push_back(std::move(f));
    }
    return rows;
}

inline std::int32_t num(const Fields& f, std::size_t k) { return k <= f.size() ? atoiClamped(f[k - 1]) : 0; }

inline std::string joinRow(const Fields& f) {
    std::string s;
    for (std::size_t i = 0; i < f.size(); ++i) {
        if (i) s += ",";
        s += f[i];
    }
    return s;
}

inline std::string topLine(std::int32_t e) { return "1,0," + kTop + ",1," + std::to_string(e) + ",1"; }

struct ModelFiles {
    std::string table;
    std::string check, orphan, renumber;
    bool orphanWritten = false, renumberWritten = false;
};

inline void modelPass(ModelFiles& m) {
    // Check.
    auto rows = parseTable(m.table);
    const std::size_t N = rows.size();
    std::string out;
    bool changed = false;
    if (N >= 1 && rows[0].size() == 6 && num(rows[0], 1) == 1 && num(rows[0], 2) == 0 && num(rows[0], 4) == 1 &&
        (num(rows[0], 5) == 0 || num(rows[0], 5) == 1) && num(rows[0], 6) == 1) {
        out += topLine(num(rows[0], 5)) + "\r\n";
    } else {
        out += topLine(1) + "\r\n";
        changed = true;
    }
    for (std::size_t j = 1; j < N; ++j) {
        const auto& f = rows[j];
        bool keep = false;
        if (f.size() == 6) keep = num(f, 4) == num(f, 6);
        if (f.size() == 75) {
            std::uint32_t s = static_cast<std::uint32_t>(num(f, 4));
            for (std::size_t k = 6; k <= 74; ++k) s += static_cast<std::uint32_t>(num(f, k));
            keep = num(f, 75) == static_cast<std::int32_t>(s);
        }
        if (keep)
            out += joinRow(f) + "\r\n";
        else
            changed = true;
    }
    m.check = out;
    if (changed) m.table = out;
    // Orphan runs.
    for (std::size_t run = 0; run < N; ++run) {
        rows = parseTable(m.table);
        std::string o = topLine(num(rows[0], 5)) + "\r\n";
        bool removed = false;
        for (std::size_t j = 1; j < rows.size(); ++j) {
            const bool known = rows[j].size() == 6 || rows[j].size() == 75;
            if (removed) {
                if (known) o += joinRow(rows[j]) + "\r\n";
                continue;
            }
            bool hasParent = false;
            for (const auto& k : rows)
                if (num(k, 1) == num(rows[j], 2)) hasParent = true;
            if (hasParent && known)
                o += joinRow(rows[j]) + "\r\n";
            else
                removed = true;
        }
        m.orphan = o;
        m.orphanWritten = true;
        if (!removed) break;
        m.table = o;
    }
    // Renumbering.
    rows = parseTable(m.table);
    const std::size_t n = rows.size();
    bool inOrder = true;
    for (std::size_t k = 2; k <= n; ++k)
        if (num(rows[k - 1], 1) != static_cast<std::int32_t>(k)) inOrder = false;
    if (n <= 1 || inOrder) return;
    std::vector<std::string> parent(n);
    parent[0] = "0";
    for (std::size_t j = 1; j < n; ++j)
        if (num(rows[j], 2) == 1) parent[j] = "1";
    for (std::size_t k = 2; k <= n; ++k)
        for (std::size_t j = 1; j < n; ++j)
            if (num(rows[j], 2) != 1 && num(rows[j], 2) == num(rows[k - 1], 1)) parent[j] = std::to_string(k);
    std::string r;
    for (std::size_t j = 0; j < n; ++j) {
        r += std::to_string(j + 1) + "," + parent[j];
        for (std::size_t k = 2; k < rows[j].size(); ++k) r += "," + rows[j][k];
        r += "\r\n";
    }
    m.renumber = r;
    m.renumberWritten = true;
    m.table = r;
}

// The move as plain arrays: slots, a new order, the remapping scan per folder.
inline bool modelMove(ModelFiles& m, std::size_t S, std::size_t T) {
    auto rows = parseTable(m.table);
    const std::size_t n = rows.size();
    if (S == T || T < 2 || S < 2 || S > n || T > n || num(rows[S - 1], 4) != 0) return false;
    std::vector<std::size_t> order{0};
    if (S > T) {
        for (std::size_t k = 1; k <= T; ++k) order.push_back(k);
        order.push_back(S);
        for (std::size_t k = T + 1; k < S; ++k) order.push_back(k);
        for (std::size_t k = S + 1; k <= n; ++k) order.push_back(k);
    } else {
        for (std::size_t k = 1; k < S; ++k) order.push_back(k);
        for (std::size_t k = S + 1; k <= T; ++k) order.push_back(k);
        order.push_back(S);
        for (std::size_t k = T + 1; k <= n; ++k) order.push_back(k);
    }
    std::vector<std::int32_t> slot(n + 1);
    for (std::size_t p = 1; p <= n; ++p) slot[p] = num(rows[order[p] - 1], 2);
    const bool targetFolder = num(rows[T - 1], 4) == 1;
    const std::size_t movedAt = S > T ? T + 1 : T;
    slot[movedAt] = targetFolder ? num(rows[T - 1], 1) : num(rows[T - 1], 2);
    std::vector<char> done(n + 1, 0);
    for (std::size_t f = 2; f <= n; ++f) {
        if (num(rows[f - 1], 4) != 1) continue;
        const std::int32_t c = num(rows[f - 1], 1);
        std::int64_t d = static_cast<std::int64_t>(f);
        bool consult = true;
        if (S > T) {
            if (f > S)
                consult = false;
            else if (f > T)
                d = static_cast<std::int64_t>(f) + 1;
        } else {
            if (f > T)
                consult = false;
            else if (f > S)
                d = static_cast<std::int64_t>(f) - 1;
        }
        for (std::size_t p = 2; p <= n; ++p) {
            if (slot[p] != c || (consult && done[p])) continue;
            slot[p] = static_cast<std::int32_t>(d);
            done[p] = 1;
        }
    }
    std::string out = topLine(num(rows[0], 5)) + "\r\n";
    int id = 2;
    for (std::size_t p = 2; p <= n; ++p) {
        const auto& f = rows[order[p] - 1];
        if (f.size() != 6 && f.size() != 75) continue;
        out += std::to_string(id++) + "," + std::to_string(slot[p]);
        for (std::size_t k = 2; k < f.size(); ++k)
            out += "," + ((k == 4 && order[p] == T && targetFolder) ? std::string("1") : f[k]);
        out += "\r\n";
    }
    m.table = out;
    modelPass(m);
    return true;
}

// A random table with damage: wrong sums and lengths, repeated and
// out-of-order ids, parents naming nothing, odd top lines.
inline std::string randomTable(std::mt19937& rng, int maxRows, bool damaged) {
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const int n = pick(0, maxRows);
    std::string out;
    for (int line = 1; line <= n; ++line) {
        if (line == 1) {
            const int kind = damaged ? pick(0, 9) : 0;
            if (kind <= 6)
                out += topLine(pick(0, 1));
            else if (kind == 7)
                out += "1,0,Other,1," + std::to_string(pick(0, 1)) + ",1";
            else if (kind == 8)
                out += "1,0,x,1,3,1";
            else
                out += "garbage";
            out += "\r\n";
            continue;
        }
        const int id = damaged && pick(0, 5) == 0 ? pick(0, n + 1) : line;
        const int parent = damaged && pick(0, 4) == 0 ? pick(-1, n + 2) : pick(1, std::max(1, line - 1));
        const int kind = pick(0, damaged ? 12 : 9);
        std::string row = std::to_string(id) + "," + std::to_string(parent) + ",n" + std::to_string(line);
        if (kind <= 4) {
            row += ",1," + std::to_string(pick(0, 1)) + ",1";
        } else if (kind <= 9) {
            std::uint32_t sum = 0;
            row += ",0,0";
            for (int k = 0; k < 69; ++k) {
                const int v = pick(-3, 300);
                sum += static_cast<std::uint32_t>(v);
                row += "," + std::to_string(v);
            }
            row +=
                "," + std::to_string(static_cast<std::int32_t>(sum + (kind == 9 && damaged && pick(0, 1) ? 1u : 0u)));
        } else if (kind == 10) {
            row += ",0,0,0";  // a 6-field row without a record
        } else if (kind == 11) {
            row += ",1,1";  // too short
        } else {
            row = "";
        }
        out += row + "\r\n";
    }
    if (damaged && pick(0, 6) == 0 && !out.empty()) out.resize(out.size() - 2);  // last line end missing
    return out;
}

}  // namespace lumora::test
