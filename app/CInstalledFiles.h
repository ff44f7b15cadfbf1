#pragma once
// The files the program puts into the per-user folder when they are
// missing: the help page, the three file-type icons and the panes'
// pictures. Files already there are left alone, so a user's own pictures
// survive; failures are ignored (each reader copes with a missing file).

#include <QStringList>

namespace lumora {

class CUserFolder;

class CInstalledFiles {
public:
    // The names written by installMissing, in the order they are written.
    static QStringList names();
    // Writes every missing file; returns the names it wrote.
    static QStringList installMissing(const CUserFolder& folder);
};

}  // namespace lumora
