#pragma once
// Tells the desktop about the program's three file types without needing
// root: a shared-mime-info package per type with its icon, and a desktop
// entry for the program, all under the user's own data folder. Written at
// every start; for each type one line on the console says whether its entry
// was new. Failures are ignored: the program works without the entries.

#include <QString>
#include <QStringList>

namespace lumora {

class CUserFolder;

class CFileTypeRegistrar {
public:
    static constexpr const char* kNewlyCreated = "Because the key did not exist, has been newly created.";
    static constexpr const char* kExisted = "Key exists, and that was simply to open the key.";

    struct FileType {
        const char* extension;  // ".lmfig"
        const char* mimeType;   // "application/x-lumora-figure"
        const char* iconFile;   // the icon in the per-user folder
        const char* comment;
    };
    static const FileType kTypes[3];

    // `dataHome` is the desktop's per-user data folder (~/.local/share).
    explicit CFileTypeRegistrar(QString dataHome);

    // Writes the entries for .lmfig, .lmfav and .lmhis in that order and
    // returns the console lines, one per type (also printed to stdout).
    QStringList registerAll(const CUserFolder& folder, const QString& programPath);

    // Where the package file of a type goes.
    QString packagePath(const FileType& type) const;

private:
    QString dataHome_;
};

}  // namespace lumora
