#pragma once

#include "results/resultrow.h"

#include <QDate>
#include <QFile>
#include <QString>

#include <memory>

namespace tildora {

class DiskSync;

// Appends answers to the day files of a results folder. Nothing is opened
// before the first answer; the folder and the day's file are made then. Each
// row goes to the file at once, so a crash or a killed process loses at most
// the row being written; a thread of its own then forces it onto the disk, so
// a power cut loses at most the last moment's rows. When the folder or the file cannot be written the
// problem is said once on standard error and answers are dropped; a later
// answer tries again.
class ResultsLog
{
public:
    explicit ResultsLog(const QString &folder);
    ~ResultsLog();

    // Appends the row to the file of its day; false when it was not written.
    bool append(const ResultRow &row);

    const QString &folder() const { return m_folder; }
    // Whether a problem has been said (it is said only once).
    bool problemSaid() const { return m_problemSaid; }
    // Waits until the rows appended so far are on the disk.
    void waitForDisk();

private:
    bool openDay(const QDate &day);
    void fail(const QString &what, const QString &why);

    QString m_folder;
    QFile m_file;
    QDate m_day;
    bool m_problemSaid = false;
    std::unique_ptr<DiskSync> m_sync;  // started with the first file
};

} // namespace tildora
