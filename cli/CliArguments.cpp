#include "cli/CliArguments.h"

#include <charconv>

namespace lumora::cli {

const char* const kUsage =
    "usage: lumora-cli render FIGURE.lmfig -o OUT.png|.bmp|.jpg [--size N]\n"
    "       lumora-cli points FIGURE.lmfig\n"
    "       lumora-cli info FIGURE.lmfig\n"
    "       lumora-cli defaults C F\n"
    "  render, points and info also take HISTORY.lmhis --entry K (1 = newest) or FAVOURITES.lmfav --line L\n"
    "       lumora-cli favourites FILE.lmfav tree|repair|move S T|remove L|rename L NAME\n"
    "       lumora-cli history FILE.lmhis list|repair\n";

namespace {

// A whole decimal integer, nothing else.
bool parseInt(const std::string& text, int& out) {
    if (text.empty()) return false;
    const char* end = text.data() + text.size();
    const auto res = std::from_chars(text.data(), end, out);
    return res.ec == std::errc() && res.ptr == end;
}

ParseResult fail(std::string message) {
    ParseResult r;
    r.error = std::move(message);
    return r;
}

}  // namespace

ParseResult parseArguments(const std::vector<std::string>& args) {
    if (args.empty()) return fail("missing command (render, points, info or defaults)");
    const std::string& verb = args[0];
    ParseResult r;
    if (verb == "defaults") {
        if (args.size() != 3) return fail("defaults takes a category and a formula: defaults C F");
        if (!parseInt(args[1], r.args.category) || r.args.category < 0 || r.args.category > 9)
            return fail("category must be 0 to 9: " + args[1]);
        if (!parseInt(args[2], r.args.formula) || r.args.formula < 0 || r.args.formula > 1)
            return fail("formula must be 0 or 1: " + args[2]);
        r.args.command = Command::Defaults;
        r.ok = true;
        return r;
    }
    if (verb == "favourites" || verb == "history") {
        const bool fav = verb == "favourites";
        r.args.command = fav ? Command::Favourites : Command::History;
        if (args.size() < 3) return fail(verb + " needs a file and an operation");
        r.args.figure = args[1];
        if (r.args.figure.empty()) return fail("empty file name");
        const std::string& op = args[2];
        std::size_t want = 3;
        if (fav && op == "tree") {
            r.args.op = StoreOp::Tree;
        } else if (op == "repair") {
            r.args.op = StoreOp::Repair;
        } else if (!fav && op == "list") {
            r.args.op = StoreOp::List;
        } else if (fav && op == "move") {
            r.args.op = StoreOp::Move;
            want = 5;
        } else if (fav && op == "remove") {
            r.args.op = StoreOp::Remove;
            want = 4;
        } else if (fav && op == "rename") {
            r.args.op = StoreOp::Rename;
            want = 5;
        } else {
            return fail("unknown " + verb + " operation: " + op);
        }
        if (args.size() != want) return fail(verb + " " + op + ": wrong number of arguments");
        if (want >= 4 && (!parseInt(args[3], r.args.first) || r.args.first < 1))
            return fail("line numbers count from 1: " + args[3]);
        if (r.args.op == StoreOp::Move && (!parseInt(args[4], r.args.second) || r.args.second < 1))
            return fail("line numbers count from 1: " + args[4]);
        if (r.args.op == StoreOp::Rename) r.args.name = args[4];
        r.ok = true;
        return r;
    }
    if (verb == "points") {
        r.args.command = Command::Points;
    } else if (verb == "info") {
        r.args.command = Command::Info;
    } else if (verb == "render") {
        r.args.command = Command::Render;
    } else {
        return fail("unknown command: " + verb);
    }
    bool haveSize = false;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (r.args.command == Command::Render && (a == "-o" || a == "--output")) {
            if (i + 1 >= args.size()) return fail("-o needs a file name");
            if (!r.args.output.empty()) return fail("-o given twice");
            r.args.output = args[++i];
            if (r.args.output.empty()) return fail("-o needs a file name");
        } else if (r.args.command == Command::Render && a == "--size") {
            if (i + 1 >= args.size()) return fail("--size needs a number");
            if (haveSize) return fail("--size given twice");
            haveSize = true;
            if (!parseInt(args[++i], r.args.size) || r.args.size < 10 || r.args.size > 6000)
                return fail("--size must be a whole number from 10 to 6000: " + args[i]);
        } else if (a == "--entry" || a == "--line") {
            if (r.args.source != Source::Document) return fail("--entry and --line go once");
            if (i + 1 >= args.size()) return fail(a + " needs a number");
            r.args.source = a == "--entry" ? Source::HistoryEntry : Source::FavouriteLine;
            if (!parseInt(args[++i], r.args.entry) || r.args.entry < 1)
                return fail(a + " must be a whole number from 1: " + args[i]);
        } else if (!a.empty() && a[0] == '-' && a != "-") {
            return fail("unknown option: " + a);
        } else if (r.args.figure.empty()) {
            r.args.figure = a;
            if (a.empty()) return fail("empty figure file name");
        } else {
            return fail("unexpected argument: " + a);
        }
    }
    if (r.args.figure.empty()) return fail(verb + " needs a figure document (.lmfig)");
    if (r.args.command == Command::Render && r.args.output.empty()) return fail("render needs -o OUT.png|.bmp|.jpg");
    r.ok = true;
    return r;
}

}  // namespace lumora::cli
