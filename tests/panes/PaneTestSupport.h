#pragma once
// Small fakes the pane tests hand to the panes: a command sink and a
// message sink that record what they get.

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <string>
#include <vector>

#include "engine/PaneControls.h"
#include "panes/CommandSink.h"
#include "panes/ControlId.h"

namespace lumora::test {

class RecordingSink : public CommandSink {
public:
    // Whether runCommand reports the id as handled.
    bool handles = false;
    std::vector<int> ids;
    bool runCommand(int id) override {
        ids.push_back(id);
        return handles;
    }
};

class RecordingMessages : public MessageSink {
public:
    struct Message {
        std::string text;
        std::string caption;
        MessageIcon icon;
    };
    std::vector<Message> shown;
    void showMessage(const std::string& text, const std::string& caption, MessageIcon icon) override {
        shown.push_back({text, caption, icon});
    }
};

// The control with `id` under `root`; a missing control ends the test run
// loudly rather than crashing on a null pointer.
template <typename T>
T& control(const QObject& root, int id) {
    T* found = findControl<T>(&root, id);
    if (!found) qFatal("no control %d", id);
    return *found;
}

// Replaces the text of an edit the way a user does: select all, type.
inline void typeInto(QLineEdit& edit, const QString& text) {
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty()) {
        QTest::keyClick(&edit, Qt::Key_Delete);
    } else {
        QTest::keyClicks(&edit, text);
    }
}

// Replaces the text in one go, as pasting does: select all, Ctrl+V. Every
// prefix of a typed number is a number too, so out-of-range values can only
// arrive whole this way.
inline void pasteInto(QLineEdit& edit, const QString& text) {
    QApplication::clipboard()->setText(text);
    edit.setFocus();
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
}

// Shows a window and waits until it is the active one, so focus moves (and
// the editing ends they bring) happen as on a desktop.
inline bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

// Leaves an edit with the Tab key, which ends its editing.
inline void leave(QLineEdit& edit) { QTest::keyClick(&edit, Qt::Key_Tab); }

}  // namespace lumora::test
