#pragma once

// Writing and reading whole files in tests.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <thread>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
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
// A FIFO with a writer waiting for a reader, which it hands `bytes`: code that
// opens it reads them (a fault a test then sees) instead of hanging the test.
class WaitingFifo
{
public:
    WaitingFifo(const QString &path, const QByteArray &bytes) : m_path(QFile::encodeName(path))
    {
        std::signal(SIGPIPE, SIG_IGN);  // a reader that goes away must not end the test
        QDir().mkpath(QFileInfo(path).path());
        if (::mkfifo(m_path.constData(), 0644) != 0)
            return;
        m_writer = std::thread([this, bytes] {
            const int fd = ::open(m_path.constData(), O_WRONLY);
            if (fd < 0)
                return;
            [[maybe_unused]] const auto written = ::write(fd, bytes.constData(), std::size_t(bytes.size()));
            ::close(fd);
        });
    }
    ~WaitingFifo()
    {
        // A reader of our own lets a writer still waiting go.
        const int fd = ::open(m_path.constData(), O_RDONLY | O_NONBLOCK);
        if (m_writer.joinable())
            m_writer.join();
        ::close(fd);
    }

private:
    QByteArray m_path;
    std::thread m_writer;
};
#endif

} // namespace testing
