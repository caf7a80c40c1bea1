#include "content/regularfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tildora {
namespace {

// Context of this file's messages for the translations.
struct RegularFile { Q_DECLARE_TR_FUNCTIONS(tildora::RegularFile) };

bool refuse(QString *reason, const QString &why)
{
    if (reason)
        *reason = why;
    return false;
}

QString folderReason() { return RegularFile::tr("it is a folder"); }
QString specialReason() { return RegularFile::tr("it is not a regular file (a pipe, a device or a socket)"); }

#ifdef Q_OS_UNIX
// The reason a file of this mode is not read; empty for a regular file.
QString modeReason(mode_t mode)
{
    if (S_ISREG(mode))
        return {};
    return S_ISDIR(mode) ? folderReason() : specialReason();
}
#endif

} // namespace

bool isRegularFile(const QString &path)
{
#ifdef Q_OS_UNIX
    struct stat status {};
    return !path.isEmpty() && ::stat(QFile::encodeName(path).constData(), &status) == 0 && S_ISREG(status.st_mode);
#else
    return QFileInfo(path).isFile();
#endif
}

bool openRegularFile(QFile &file, const QString &path, QString *reason)
{
    if (path.isEmpty())
        return refuse(reason, qt_error_string(ENOENT));
#ifdef Q_OS_UNIX
    const QByteArray name = QFile::encodeName(path);
    struct stat status {};
    // Looked at before opening, so a device is never opened at all.
    if (::stat(name.constData(), &status) != 0)
        return refuse(reason, qt_error_string(errno));
    if (const QString why = modeReason(status.st_mode); !why.isEmpty())
        return refuse(reason, why);
    // Without blocking, so that a FIFO put there since the look returns at
    // once instead of waiting for a writer; the descriptor then tells what
    // was really opened.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return refuse(reason, qt_error_string(errno));
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        const QString why = modeReason(status.st_mode);
        ::close(fd);
        return refuse(reason, why.isEmpty() ? qt_error_string(errno) : why);
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return refuse(reason, file.errorString());
    }
    return true;
#else
    const QFileInfo info(path);
    if (!info.exists())
        return refuse(reason, qt_error_string(ENOENT));
    if (!info.isFile())
        return refuse(reason, info.isDir() ? folderReason() : specialReason());
    file.setFileName(path);
    return file.open(QIODevice::ReadOnly) || refuse(reason, file.errorString());
#endif
}

std::optional<QByteArray> readRegularFile(const QString &path, qint64 maxBytes, QString *reason)
{
    QFile file;
    if (!openRegularFile(file, path, reason))
        return std::nullopt;
    // read() gives what it got before an error, so a file that fails part way
    // still gives what could be read. A file may hold more than its size says
    // (one growing, or under /proc): the rest comes in pieces, to the limit.
    QByteArray bytes = file.read(std::min(file.size(), maxBytes));
    for (QByteArray more; bytes.size() < maxBytes
                          && !(more = file.read(std::min<qint64>(1 << 16, maxBytes - bytes.size()))).isEmpty();)
        bytes += more;
    if (bytes.isEmpty() && file.error() != QFileDevice::NoError) {
        refuse(reason, file.errorString());
        return std::nullopt;
    }
    return bytes;
}

bool writeWholeFile(const QString &path, const QByteArray &bytes, QString *reason)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return refuse(reason, out.errorString());
    // A write may take only part of the bytes (a disk that fills up on the
    // way) and say so only by its count; the write after it then fails with
    // the system's reason, which the save file forgets by the time it commits.
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = out.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) {
            const QString why = out.errorString();
            out.cancelWriting();
            return refuse(reason, why);
        }
        done += written;
    }
    errno = 0;
    if (!out.commit())
        return refuse(reason, out.error() != QFileDevice::NoError ? out.errorString() : qt_error_string(errno));
    return true;
}

} // namespace tildora
