#include "results/dayfile.h"

#include "results/resultrow.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tildora {
namespace {

// Reading a day file to mend its end is bounded: a day of answers is small.
constexpr qint64 MaxMendBytes = 64 * 1024 * 1024;

} // namespace

DayFile::~DayFile() { close(); }

#if defined(Q_OS_UNIX)

namespace {

QString systemReason(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool readAllAt(int fd, QByteArray &out, qint64 size)
{
    out.resize(size);
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, out.data() + done, size_t(size - done), done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

} // namespace

DayFile::Opening DayFile::open(const QString &path, QString *why)
{
    close();
    const QByteArray name = QFile::encodeName(path);
    // Not through a link; a pipe must not block us; not inherited by programs
    // we start.
    const int fd = ::open(name.constData(), O_RDWR | O_APPEND | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (errno == ELOOP || errno == EISDIR || errno == ENXIO)
            return NotAFile;
        *why = systemReason(errno);
        return Failed;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return NotAFile;
    }
    m_fd = fd;
    m_path = path;
    m_device = info.st_dev;
    m_inode = info.st_ino;
    m_new = info.st_size == 0;
    QByteArray start;
    if (m_new) {
        start = resultsHeader();
    } else if (QByteArray bytes; info.st_size <= MaxMendBytes && readAllAt(fd, bytes, info.st_size)) {
        start = closeHalfRow(bytes);
    } else if (char last = 0; ::pread(fd, &last, 1, info.st_size - 1) == 1 && last != '\n') {
        start = QByteArrayLiteral(",\n");
    }
    if (!start.isEmpty() && !write(start, why))
        return Failed;
    return Opened;
}

void DayFile::close()
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = -1;
}

bool DayFile::isOpen() const { return m_fd >= 0; }

bool DayFile::stillThere() const
{
    struct stat info {};
    return m_fd >= 0 && ::lstat(QFile::encodeName(m_path).constData(), &info) == 0 && info.st_dev == m_device
        && info.st_ino == m_inode;
}

bool DayFile::write(const QByteArray &bytes, QString *why)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_fd, bytes.constData() + done, size_t(bytes.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            // A cut row is mended when the file is opened again.
            *why = systemReason(n < 0 ? errno : ENOSPC);
            close();
            return false;
        }
        done += n;
    }
    return true;
}

void DayFile::sync()
{
    if (m_fd < 0)
        return;
    ::fdatasync(m_fd);
    if (std::exchange(m_new, false)) {
        const int folder = ::open(QFile::encodeName(QFileInfo(m_path).path()).constData(),
                                  O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        if (folder >= 0) {
            ::fsync(folder);
            ::close(folder);
        }
    }
}

#else

// Elsewhere Qt's own file: links are not looked at, and the system's own
// write-back has to do.
DayFile::Opening DayFile::open(const QString &path, QString *why)
{
    close();
    if (const QFileInfo info(path); info.isSymLink() || (info.exists() && !info.isFile()))
        return NotAFile;
    m_file = std::make_unique<QFile>(path);
    if (!m_file->open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
        *why = m_file->errorString();
        close();
        return Failed;
    }
    m_path = path;
    const qint64 size = m_file->size();
    QByteArray start = size == 0 ? resultsHeader()
                                 : size <= MaxMendBytes && m_file->seek(0) ? closeHalfRow(m_file->read(size))
                                                                           : QByteArray();
    return start.isEmpty() || write(start, why) ? Opened : Failed;
}

void DayFile::close() { m_file.reset(); }

bool DayFile::isOpen() const { return m_file != nullptr; }

bool DayFile::stillThere() const { return m_file && QFileInfo::exists(m_path); }

bool DayFile::write(const QByteArray &bytes, QString *why)
{
    if (m_file->write(bytes) == bytes.size())
        return true;
    *why = m_file->errorString();
    close();
    return false;
}

void DayFile::sync() {}

#endif

} // namespace tildora
