#pragma once
// Every widget test runs against its own temporary folders: the per-user
// folder, the desktop data folder (file-type entries) and the settings.
// Call before the QApplication exists, so the settings path follows.

#include <QByteArray>
#include <QDir>
#include <QTemporaryDir>

namespace lumora::test {

inline void isolate(const QTemporaryDir& dir) {
    const QString root = dir.path();
    for (const char* sub : {"data", "xdgdata", "xdgconfig", "runtime"}) QDir(root).mkpath(QLatin1String(sub));
    QFile::setPermissions(root + QStringLiteral("/runtime"),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("LUMORA_DATA_DIR", (root + QStringLiteral("/data")).toLocal8Bit());
    qputenv("XDG_DATA_HOME", (root + QStringLiteral("/xdgdata")).toLocal8Bit());
    qputenv("XDG_CONFIG_HOME", (root + QStringLiteral("/xdgconfig")).toLocal8Bit());
    qputenv("XDG_RUNTIME_DIR", (root + QStringLiteral("/runtime")).toLocal8Bit());
}

}  // namespace lumora::test

// A main that isolates the folders, then runs one QTest class.
#define LUMORA_ISOLATED_TEST_MAIN(TestClass)    \
    int main(int argc, char* argv[]) {          \
        QTemporaryDir folders;                  \
        lumora::test::isolate(folders);         \
        QApplication app(argc, argv);           \
        TestClass test;                         \
        return QTest::qExec(&test, argc, argv); \
    }
