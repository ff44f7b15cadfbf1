#include "app/CUserFolder.h"

#include <QDir>
#include <QStandardPaths>

namespace lumora {

CUserFolder::CUserFolder() {
    const QString overridden = qEnvironmentVariable("LUMORA_DATA_DIR");
    QString base;
    if (!overridden.isEmpty()) {
        base = QDir::cleanPath(overridden);
    } else {
        QString data = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
        if (data.isEmpty()) data = QDir::homePath() + QStringLiteral("/.local/share");
        base = QDir::cleanPath(data + QStringLiteral("/Orvane/LumoraFree105"));
    }
    path_ = base + QLatin1Char('/');
}

bool CUserFolder::ensure() const { return QDir().mkpath(path_); }

}  // namespace lumora
