#pragma once

#include "results/answers.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

namespace tildora {

// Whether a file name is a day file of answers: 2026-12-06.csv from a
// computer's own folder, 2026-12-06-NAME.csv from a folder several computers
// share. The day, when it is.
bool isDayFileName(const QString &name, QDate *day = nullptr);

// Reads the day files of results folders into one set of answers. A file
// read before is read again only when it changed (size, time or identity),
// so the next read of a school year costs little more than today's file.
// Only ordinary files are read, never through a link; what cannot be read is
// left out and said in the set's notes, once. Not for two threads at once;
// the sets it gives may go anywhere.
class ResultsReader
{
public:
    // Rows dated after today are left out: a computer's clock was wrong.
    AnswerSet read(const QStringList &folders, const QDate &today = QDate::currentDate());

private:
    struct Known {
        qint64 size = -1;
        qint64 modified = 0;
        quint64 identity = 0;
        std::shared_ptr<const std::vector<Answer>> answers;
        AnswerParser::Counts counts;
    };
    AnswerParser m_parser;
    QHash<QString, Known> m_files;
    QDate m_today;
};

} // namespace tildora
