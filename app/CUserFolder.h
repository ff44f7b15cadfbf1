#pragma once
// The per-user folder: the user's data folder, then "Orvane", then
// "LumoraFree105"; LUMORA_DATA_DIR names another folder instead (tests and
// portable set-ups use it). The path always ends with a separator.

#include <QString>

namespace lumora {

class CUserFolder {
public:
    CUserFolder();  // resolves the path; creates nothing

    const QString& path() const { return path_; }
    QString file(const QString& name) const { return path_ + name; }
    // Creates the folder with every missing level; failures are left for
    // the callers that need a file there to notice.
    bool ensure() const;

private:
    QString path_;
};

}  // namespace lumora
