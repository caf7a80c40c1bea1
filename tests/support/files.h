#pragma once

// Writing and reading whole files in tests.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#ifdef Q_OS_UNIX
#include <sys/stat.h>
#endif

namespace testing {

// Makes the folders on the way; fails the test when the file cannot be written.
inline void writeFile(const QString &path, const QByteArray &bytes = "RIFF", bool executable = false)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(bytes);
    f.close();
    if (executable)
        f.setPermissions(f.permissions() | QFile::ExeOwner);
}

inline QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

#ifdef Q_OS_UNIX
// A FIFO: code that opens it to read would wait for a writer for ever.
inline bool makeFifo(const QString &path) { return ::mkfifo(QFile::encodeName(path).constData(), 0644) == 0; }
#endif

} // namespace testing
