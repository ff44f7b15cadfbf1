#pragma once
// The application looks: each id is a Qt style with its own palette, from a
// plain grey one to a dark one. The chosen id is stored as
// "Workspace/ApplicationLook" and applied again at every start.

#include <QPalette>
#include <QString>

class QApplication;

namespace lumora {

class CAppLooks {
public:
    static constexpr int kDefault = 210;
    static constexpr const char* kSettingsKey = "Workspace/ApplicationLook";

    // True for the ids that name a look (205..210, 215..219).
    static bool exists(int id);
    // The look's id when it exists, otherwise the default.
    static int valid(int id) { return exists(id) ? id : kDefault; }
    // Qt style name and palette of a look.
    static QString styleName(int id);
    static QPalette palette(int id);
    // Switches the whole program to the look.
    static void apply(int id);
};

}  // namespace lumora
