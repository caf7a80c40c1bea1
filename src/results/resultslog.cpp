#include "results/resultslog.h"

#include "results/disksync.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>

namespace tildora {
namespace {

// Reading a day file to mend its end is bounded: a day of answers is small.
constexpr qint64 MaxMendBytes = 64 * 1024 * 1024;

} // namespace

ResultsLog::ResultsLog(const QString &folder) : m_folder(folder) {}

ResultsLog::~ResultsLog() = default;

void ResultsLog::waitForDisk()
{
    if (m_sync)
        m_sync->waitIdle();
}

bool ResultsLog::append(const ResultRow &row)
{
    const QDate day = row.time.date();
    if (!m_file.isOpen() || day != m_day) {
        m_file.close();
        if (!openDay(day))
            return false;
    }
    const QByteArray line = formatResultRow(row);
    if (m_file.write(line) != line.size()) {
        fail(m_file.fileName(), m_file.errorString());
        // Opened afresh next time, so a half-written row is mended first.
        m_file.close();
        return false;
    }
    m_sync->request();
    return true;
}

bool ResultsLog::openDay(const QDate &day)
{
    if (!QDir().mkpath(m_folder)) {
        fail(m_folder, QCoreApplication::translate("tildora::ResultsLog", "the folder cannot be made"));
        return false;
    }
    m_day = day;
    const QString path = QDir(m_folder).filePath(resultsFileName(day));
    // Only an ordinary file is written to: a device or a pipe of that name
    // could swallow the rows or block the game.
    if (const QFileInfo info(path); info.exists() && !info.isFile()) {
        fail(path, QCoreApplication::translate("tildora::ResultsLog", "not an ordinary file"));
        return false;
    }
    // Unbuffered: every write reaches the system at once, no flush needed.
    m_file.setFileName(path);
    if (!m_file.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered)) {
        fail(path, m_file.errorString());
        return false;
    }
    QByteArray start;
    const qint64 size = m_file.size();
    if (!m_sync)
        m_sync = std::make_unique<DiskSync>();
    // A file just made needs its folder entry on the disk as well.
    m_sync->follow(m_file.handle(), size == 0 ? QFile::encodeName(m_folder).constData() : nullptr);
    if (size == 0) {
        start = resultsHeader();
    } else if (size <= MaxMendBytes && m_file.seek(0)) {
        start = closeHalfRow(m_file.read(size));
    } else if (m_file.seek(size - 1) && m_file.read(1) != "\n") {
        start = QByteArrayLiteral(",\n");
    }
    if (!start.isEmpty() && m_file.write(start) != start.size()) {
        fail(path, m_file.errorString());
        m_file.close();
        return false;
    }
    return true;
}

void ResultsLog::fail(const QString &what, const QString &why)
{
    if (m_problemSaid)
        return;
    m_problemSaid = true;
    qWarning().noquote() << QCoreApplication::translate("tildora::ResultsLog",
                                                        "tildora: answers are not kept in %1: %2")
                                .arg(QDir::toNativeSeparators(what), why);
}

} // namespace tildora
