#pragma once

#include "results/resultrow.h"

#include <QString>

#include <memory>
#include <thread>

namespace tildora {

// Appends answers to the day files of a results folder, from a thread of its
// own: the press that gave an answer never waits for a disk or a network
// share. Nothing is opened before the first answer; the folder and the day's
// file are made then. Each row is written at once and forced onto the disk a
// moment later, so a killed process or a power cut loses at most the last
// moment's rows. When the folder or the file cannot be written, the problem
// is said once on standard error and the rows wait in memory; they are
// written when the folder can take them again (a share that dropped and came
// back). When the program ends first, they go to the fallback folder (the
// computer's own, for a share that is away or refuses) or are said lost.
//
// In a folder several computers share, each writes day files of its own
// (2026-12-06-NAME.csv), and the folder itself is never made: a share that
// is not mounted must not become a local folder under its mount point.
class ResultsLog
{
public:
    // sharedAs: this computer's name in a shared folder; empty for its own.
    explicit ResultsLog(const QString &folder, const QString &sharedAs = {}, const QString &fallback = {});
    // Waits a few seconds at most for rows that are still waiting.
    ~ResultsLog();
    ResultsLog(const ResultsLog &) = delete;
    ResultsLog &operator=(const ResultsLog &) = delete;

    // Hands the row to the writer; returns at once.
    void append(const ResultRow &row);

    const QString &folder() const { return m_folder; }
    // Whether a problem has been said (each is said only once).
    bool problemSaid() const;
    // Waits until every row appended so far is written and on the disk, or
    // the writer has found it cannot write now; true when all were written.
    bool waitWritten();

    struct Writer;

private:
    QString m_folder;
    QString m_sharedAs;
    QString m_fallback;
    std::shared_ptr<Writer> m_writer;  // shared with its thread
    std::thread m_thread;
};

} // namespace tildora
