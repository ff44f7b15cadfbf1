#include "app/CLumoraApp.h"

#include <QFile>
#include <QStandardPaths>

#include "app/CAboutDlg.h"
#include "app/CFileTypeRegistrar.h"
#include "app/CInstalledFiles.h"
#include "app/CMainFrame.h"
#include "app/CMainPanes.h"
#include "collections/WorkFiles.h"

namespace lumora {
namespace {

QString lockPathFor(const CUserFolder& folder) {
    return folder.file(QString::fromLatin1(CLumoraApp::kInstanceLockName) + QStringLiteral(".lock"));
}

}  // namespace

CLumoraApp::CLumoraApp(const QString& programPath) : lock_(lockPathFor(folder_)) {
    const CUserFolder& folder = folder_;
    folder.ensure();
    CInstalledFiles::installMissing(folder);
    QString dataHome = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    if (!dataHome.isEmpty()) fileTypeMessages_ = CFileTypeRegistrar(dataHome).registerAll(folder, programPath);
    // A running instance holds its lock for hours; only a lock whose owner
    // has gone counts as stale.
    lock_.setStaleLockTime(0);
}

CLumoraApp::~CLumoraApp() {
    // The pane widgets go with the frame; the stores they use go after them.
    frame_.reset();
    panes_.reset();
    context_.reset();
    lock_.unlock();
}

QString CLumoraApp::instanceLockPath() const { return lockPathFor(folder_); }

bool CLumoraApp::takeInstanceLock() {
    folder_.ensure();
    if (lock_.tryLock(0)) return true;
    // tryLock already clears a lock whose process is gone; a lock file that
    // cannot be read at all (cut short by a crash) is cleared here.
    if (lock_.error() == QLockFile::LockFailedError) {
        qint64 pid = 0;
        QString host, app;
        if (!lock_.getLockInfo(&pid, &host, &app) && lock_.removeStaleLockFile()) return lock_.tryLock(0);
        return false;
    }
    // No lock file can be made at all (the folder cannot be written): that
    // is no sign of another instance. Start, and let the stores report what
    // they cannot keep, rather than vanish without a word.
    return true;
}

void CLumoraApp::start() {
    folder_.ensure();
    // The lock is held: no other instance can be halfway through a rewrite.
    removeLeftoverTemporaries(std::filesystem::path(folder_.path().toStdU16String()));
    if (!context_) context_ = std::make_unique<CAppContext>(folder_);
    frame_.reset();
    panes_.reset();
    frame_ = std::make_unique<CMainFrame>(*context_, *this);
    // The docks get their widgets before the saved arrangement is restored,
    // so their sizes come back too.
    panes_ = std::make_unique<CMainPanes>(*context_, *frame_);
    // Without the layout marker the first showing resets the layout anyway.
    // A start after a crash finds the marker but no saved arrangement: it
    // gets the first arrangement too rather than the panes' creation order.
    const bool marked = QFile::exists(folder_.file(QLatin1String(CMainFrame::kLayoutMarker)));
    if (marked && !frame_->restoreWorkspace()) frame_->resetLayout();
    frame_->show();
}

bool CLumoraApp::runCommand(int id) {
    if (id == kAboutCommand) {
        CAboutDlg dialog(frame_.get());
        dialog.exec();
        return true;
    }
    return false;
}

}  // namespace lumora
