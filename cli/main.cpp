// lumora-cli: draws figure documents without a window, for batch work and
// scripting. Bad input gets one line on standard error and exit status 2;
// nothing is written then.

#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/CliArguments.h"
#include "cli/StoreCommands.h"
#include "engine/DocumentLine.h"
#include "engine/DrawPipeline.h"
#include "engine/FormulaCatalogue.h"
#include "engine/PaintCrop.h"
#include "engine/PictureScale.h"
#include "engine/PlainPanes.h"
#include "engine/PointListing.h"
#include "engine/RecordPanes.h"

namespace {

using namespace lumora;

constexpr int kExitBadInput = 2;
constexpr std::streamoff kLargestDocument = 64 * 1024 * 1024;

int badInput(const std::string& message) {
    std::fprintf(stderr, "lumora-cli: %s\n", message.c_str());
    return kExitBadInput;
}

struct NoMessages : MessageSink {
    std::string last;
    void showMessage(const std::string& text, const std::string&, MessageIcon) override { last = text; }
};

bool applyFigure(const FigureRecord& record, const std::string& what, PlainPanes& panes, ViewColours& view,
                 std::string& error) {
    NoMessages messages;
    if (applyRecord(record, panes.panes(), view, messages) != ApplyOutcome::Applied) {
        error = what + ": the figure's formula is not in this program's catalogue";
        return false;
    }
    return true;
}

// Reads a figure document and sets plain panes from it, as Open does.
bool loadFigure(const std::string& path, PlainPanes& panes, ViewColours& view, std::string& error) {
    std::ifstream in(path, std::ios::binary | std::ios::ate);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    const std::streamoff size = in.tellg();
    if (size < 0 || size > kLargestDocument) {
        error = path + " is too large to be a figure document";
        return false;
    }
    in.seekg(0);
    std::string content(static_cast<std::size_t>(size), '\0');
    in.read(content.data(), size);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    const DocumentReadResult doc = readDocument(content);
    if (!doc.record) {
        switch (doc.refusal) {
            case DocumentRefusal::NoDataLine:
                error = path + ": no figure line";
                break;
            case DocumentRefusal::FieldCount:
                error = path + ": the figure line does not have 68 fields";
                break;
            case DocumentRefusal::Checksum:
                error = path + ": the checksum does not match";
                break;
        }
        return false;
    }
    return applyFigure(*doc.record, path, panes, view, error);
}

std::string lowerExtension(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    const std::size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return {};
    std::string ext = path.substr(dot + 1);
    for (char& c : ext) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return ext;
}

// Writes the picture through a temporary file renamed into place, so a
// failure never leaves a partial picture behind.
bool writePicture(const QImage& image, const std::string& path, const char* format, std::string& error) {
    QSaveFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly)) {
        error = "cannot write " + path + ": " + file.errorString().toStdString();
        return false;
    }
    QImageWriter writer(&file, format);
    if (!writer.write(image)) {
        file.cancelWriting();
        error = "cannot write " + path + ": " + writer.errorString().toStdString();
        return false;
    }
    if (!file.commit()) {
        error = "cannot write " + path + ": " + file.errorString().toStdString();
        return false;
    }
    return true;
}

int render(const cli::Arguments& a, std::unique_ptr<DrawState> state, const DrawInputs& in) {
    const std::string ext = lowerExtension(a.output);
    const char* format = nullptr;
    if (ext == "png") format = "png";
    if (ext == "bmp") format = "bmp";
    if (ext == "jpg" || ext == "jpeg") format = "jpg";
    if (!format) return badInput("the picture name must end in .png, .bmp or .jpg: " + a.output);

    const CropSquare crop = paintCrop(state->extent, in.magnify);
    QImage full(Canvas::kSide, Canvas::kSide, QImage::Format_RGB32);
    if (full.isNull()) return badInput("not enough memory for the picture");
    scaleCrop(state->canvas, crop, reinterpret_cast<std::uint32_t*>(full.bits()), Canvas::kSide,
              full.bytesPerLine() / 4);
    const std::uint32_t background = toArgb(state->colours.bg);
    state.reset();  // the canvas is no longer needed: keep the peak low

    QImage picture;
    if (a.size == Canvas::kSide) {
        picture = std::move(full);
    } else {
        picture = QImage(a.size, a.size, QImage::Format_RGB32);
        scaleSquare(reinterpret_cast<const std::uint32_t*>(full.constBits()), Canvas::kSide, full.bytesPerLine() / 4,
                    background, reinterpret_cast<std::uint32_t*>(picture.bits()), a.size, picture.bytesPerLine() / 4);
        full = QImage();
    }
    if (std::string(format) != "png") picture = picture.convertToFormat(QImage::Format_RGB888);
    std::string error;
    if (!writePicture(picture, a.output, format, error)) return badInput(error);
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        std::fputs(cli::kUsage, stdout);
        return 0;
    }
    const cli::ParseResult parsed = cli::parseArguments(args);
    if (!parsed.ok) {
        std::fprintf(stderr, "lumora-cli: %s\n%s", parsed.error.c_str(), cli::kUsage);
        return kExitBadInput;
    }
    const cli::Arguments& a = parsed.args;

    if (a.command == cli::Command::Defaults) {
        PlainPanes panes;
        panes.variables.selectCategory(a.category);
        panes.variables.selectFormula(a.formula);
        FigureRecord current;
        std::fputs(writeDocumentLine(collectRecord(panes.panes(), ViewColours{}, current)).c_str(), stdout);
        return 0;
    }

    if (a.command == cli::Command::Favourites || a.command == cli::Command::History) {
        const cli::StoreRun run = cli::runStoreCommand(a);
        std::fwrite(run.out.data(), 1, run.out.size(), stdout);
        return run.exitCode == 0 ? 0 : badInput(run.error);
    }

    PlainPanes panes;
    ViewColours view;
    std::string error;
    if (a.source == cli::Source::Document) {
        if (!loadFigure(a.figure, panes, view, error)) return badInput(error);
    } else {
        const std::optional<FigureRecord> record = cli::recordFromStore(a, error);
        if (!record) return badInput(error);
        if (!applyFigure(*record, a.figure, panes, view, error)) return badInput(error);
    }
    const DrawInputs in = readDrawInputs(panes.panes());
    auto state = std::make_unique<DrawState>();
    if (draw(in, *state) == DrawOutcome::SameColour)
        return badInput(std::string("cannot draw: ") + kSameColourMessage + " (foreground equals background)");

    if (a.command == cli::Command::Points) {
        const std::string listing = pointListing(*state);
        std::fwrite(listing.data(), 1, listing.size(), stdout);
        return 0;
    }
    if (a.command == cli::Command::Info) {
        const CropSquare crop = paintCrop(state->extent, in.magnify);
        std::printf("formula: %s %s\n", std::string(FormulaCatalogue::categoryName(in.category)).c_str(),
                    std::string(FormulaCatalogue::formulaName(in.category, in.formula)).c_str());
        std::printf("points: %d\n", state->points.count);
        std::printf("extent: %.17g %.17g %.17g %.17g\n", state->extent.minX, state->extent.maxX, state->extent.minY,
                    state->extent.maxY);
        std::printf("crop: %lld %lld %lld\n", static_cast<long long>(crop.left), static_cast<long long>(crop.top),
                    static_cast<long long>(crop.side));
        return 0;
    }
    // QImage's encoders need a GUI application object but no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int qargc = 1;
    QGuiApplication app(qargc, argv);
    return render(a, std::move(state), in);
}
