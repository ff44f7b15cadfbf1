#pragma once
// The application object: prepares the per-user folder and its installed
// files, tells the desktop about the file types, holds the single-instance
// lock, and creates the main frame. It takes the commands neither the view
// nor the frame handles: the about dialog.

#include <QLockFile>
#include <QStringList>
#include <memory>

#include "app/CAppContext.h"
#include "panes/CommandSink.h"

namespace lumora {

class CMainFrame;
class CMainPanes;

class CLumoraApp : public CommandSink {
public:
    static constexpr const char* kInstanceLockName = "MyAppMutexFree108";
    static constexpr int kAboutCommand = 57664;

    // Creates the per-user folder, writes its missing installed files and
    // the file-type entries (`programPath` is what the desktop entry starts),
    // and prepares the lock without taking it.
    explicit CLumoraApp(const QString& programPath);
    ~CLumoraApp() override;

    // Takes the single-instance lock without waiting. A lock left behind by
    // a program that no longer runs is taken over. False while another
    // instance runs; true when no lock file can be made at all (a folder
    // that cannot be written is no sign of another instance).
    bool takeInstanceLock();
    QString instanceLockPath() const;

    // Builds the main frame, restores the saved arrangement and shows it.
    void start();

    bool runCommand(int id) override;

    // Made by start(): the canvas is large, and a second instance that
    // leaves at once never needs it.
    CAppContext& context() { return *context_; }
    const CUserFolder& userFolder() const { return folder_; }
    CMainFrame* frame() const { return frame_.get(); }
    CMainPanes* panes() const { return panes_.get(); }
    // The console lines of the file-type entries of this start.
    const QStringList& fileTypeMessages() const { return fileTypeMessages_; }

private:
    CUserFolder folder_;
    QStringList fileTypeMessages_;
    QLockFile lock_;
    std::unique_ptr<CAppContext> context_;
    std::unique_ptr<CMainFrame> frame_;
    std::unique_ptr<CMainPanes> panes_;
};

}  // namespace lumora
