#pragma once
// A view environment with plain panes, recorded messages and answered
// dialogs: no screen, printer or file dialog is ever involved.

#include <QPrinter>
#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "engine/PlainPanes.h"
#include "view/CExportPrompts.h"
#include "view/CViewEnvironment.h"

namespace lumora::test {

struct RecordedMessage {
    std::string text;
    std::string caption;
    MessageIcon icon;
};

class RecordingMessages : public MessageSink {
public:
    void showMessage(const std::string& text, const std::string& caption, MessageIcon icon) override {
        messages.push_back({text, caption, icon});
    }
    std::vector<RecordedMessage> messages;
};

class AnsweredPrompts : public CExportPrompts {
public:
    std::optional<int> askResolution(QWidget*, PictureFormat) override { return side; }
    QString askSavePath(QWidget*, PictureFormat) override { return path; }
    bool askPrinter(QPrinter& printer, QWidget*) override {
        if (pdfPath.isEmpty()) return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        printer.setPageOrientation(orientation);
        return true;
    }
    std::optional<int> side = 800;
    QString path;
    QString pdfPath;  // empty: the print dialog is cancelled
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
};

class TestViewEnvironment : public CViewEnvironment {
public:
    DrawState& drawState() override { return state; }
    FigurePanes panes() override { return plain.panes(); }
    MessageSink& messages() override { return recorded; }
    CExportPrompts& exportPrompts() override { return prompts; }
    void figureDrawn() override { ++drawn; }

    DrawState state;
    PlainPanes plain;
    RecordingMessages recorded;
    AnsweredPrompts prompts;
    int drawn = 0;
};

}  // namespace lumora::test
