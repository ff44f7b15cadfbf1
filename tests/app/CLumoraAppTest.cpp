// Start-up: the per-user folder and its installed files, the file-type
// entries, the single-instance lock (in this process and with the real
// program), and the first showing of the window.

#include <QApplication>
#include <QDockWidget>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QProcess>
#include <QTest>

#include "app/CFileTypeRegistrar.h"
#include "app/CInstalledFiles.h"
#include "app/CLumoraApp.h"
#include "app/CMainFrame.h"
#include "tests/app/TestIsolation.h"

using namespace lumora;

class CLumoraAppTest : public QObject {
    Q_OBJECT

    static QString program() { return QStringLiteral(LUMORA_PROGRAM); }

    // Starts the real program on the offscreen platform with this test's folders.
    static std::unique_ptr<QProcess> startProgram() {
        auto process = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process->setProcessEnvironment(env);
        process->start(program(), {});
        return process;
    }

private slots:
    void installsMissingFilesAndKeepsTheUsersOwn() {
        const CUserFolder folder;
        QVERIFY(folder.ensure());
        {
            QFile own(folder.file(QStringLiteral("radioon2.png")));
            QVERIFY(own.open(QIODevice::WriteOnly));
            own.write("mine");
        }
        CLumoraApp app(program());
        for (const QString& name : CInstalledFiles::names())
            QVERIFY2(QFile::exists(folder.file(name)), qPrintable(name));
        QFile own(folder.file(QStringLiteral("radioon2.png")));
        QVERIFY(own.open(QIODevice::ReadOnly));
        QCOMPARE(own.readAll(), QByteArray("mine"));
        for (const char* icon : {"Lumora.ico", "LumoraO.ico", "LumoraH.ico", "radiooff2.png", "sankaku4.png"})
            QVERIFY2(!QImage(folder.file(QLatin1String(icon))).isNull(), icon);
        QCOMPARE(QImage(folder.file(QStringLiteral("sankaku4.png"))).size(), QSize(100, 100));
        QFile help(folder.file(QStringLiteral("LumoraHelp001.html")));
        QVERIFY(help.open(QIODevice::ReadOnly));
        QVERIFY(QString::fromUtf8(help.readAll()).contains(QStringLiteral("描画 ランダム")));
    }

    void fileTypeEntriesSayWhetherTheyWereNew() {
        const QString dataHome = qEnvironmentVariable("XDG_DATA_HOME");
        CFileTypeRegistrar registrar(dataHome);
        for (const auto& type : CFileTypeRegistrar::kTypes) QFile::remove(registrar.packagePath(type));
        CLumoraApp first(program());
        const QString created = QString::fromLatin1(CFileTypeRegistrar::kNewlyCreated);
        const QString existed = QString::fromLatin1(CFileTypeRegistrar::kExisted);
        QCOMPARE(first.fileTypeMessages(), (QStringList{created, created, created}));
        CLumoraApp second(program());
        QCOMPARE(second.fileTypeMessages(), (QStringList{existed, existed, existed}));
        for (const auto& type : CFileTypeRegistrar::kTypes) {
            QFile package(registrar.packagePath(type));
            QVERIFY(package.open(QIODevice::ReadOnly));
            QVERIFY(package.readAll().contains(QByteArray("*") + type.extension));
            // The theme icon is a real PNG picture of the installed icon.
            const QString icon = dataHome + QStringLiteral("/icons/hicolor/48x48/mimetypes/") +
                                 QString::fromLatin1(type.mimeType).replace(QLatin1Char('/'), QLatin1Char('-')) +
                                 QStringLiteral(".png");
            QImageReader reader(icon);
            QCOMPARE(reader.format(), QByteArray("png"));
            QVERIFY(!reader.read().isNull());
        }
        QVERIFY(QFile::exists(dataHome + QStringLiteral("/applications/lumorafree.desktop")));
    }

    void oneInstanceHoldsTheLock() {
        auto first = std::make_unique<CLumoraApp>(program());
        QVERIFY(first->takeInstanceLock());
        CLumoraApp second(program());
        QVERIFY(!second.takeInstanceLock());
        first.reset();
        CLumoraApp third(program());
        QVERIFY(third.takeInstanceLock());
    }

    void aSecondProgramLeavesAtOnceAndSilently() {
        CLumoraApp running(program());
        QVERIFY(running.takeInstanceLock());
        auto second = startProgram();
        QVERIFY(second->waitForFinished(10000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 0);
    }

    // A per-user folder that cannot exist (its parent is a file) holds no
    // lock: the program still starts, and its stores say what they cannot do.
    void aFolderThatCannotHoldTheLockDoesNotStopTheStart() {
        const QByteArray saved = qgetenv("LUMORA_DATA_DIR");
        const QString blocker = QString::fromLocal8Bit(saved) + QStringLiteral("-blocker");
        QFile(blocker).open(QIODevice::WriteOnly);
        qputenv("LUMORA_DATA_DIR", (blocker + QStringLiteral("/inside")).toLocal8Bit());
        {
            CLumoraApp app(program());
            QVERIFY(app.takeInstanceLock());
        }
        qputenv("LUMORA_DATA_DIR", saved);
        QFile::remove(blocker);
    }

    void aLockLeftByACrashIsTakenOver() {
        const CUserFolder folder;
        auto crashed = startProgram();
        QVERIFY(crashed->waitForStarted(10000));
        const QString lockPath = folder.file(QStringLiteral("MyAppMutexFree108.lock"));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(lockPath), 10000);
        CLumoraApp whileRunning(program());
        QVERIFY(!whileRunning.takeInstanceLock());
        crashed->kill();
        QVERIFY(crashed->waitForFinished(10000));
        QVERIFY(QFile::exists(lockPath));
        CLumoraApp next(program());
        QVERIFY(next.takeInstanceLock());
    }

    void startShowsTheWindowInTheFirstLayout() {
        const CUserFolder folder;
        QFile::remove(folder.file(QStringLiteral("layout")));
        CLumoraApp app(program());
        QVERIFY(app.takeInstanceLock());
        app.start();
        QVERIFY(app.frame()->isVisible());
        QCOMPARE(app.frame()->windowTitle(), QStringLiteral("無題 - LumoraFree"));
        QVERIFY(QFile::exists(folder.file(QStringLiteral("layout"))));
        QCOMPARE(app.frame()->dockWidgetArea(app.frame()->pane(CMainFrame::HistoryPane)), Qt::LeftDockWidgetArea);
    }
};

LUMORA_ISOLATED_TEST_MAIN(CLumoraAppTest)
#include "CLumoraAppTest.moc"
