#pragma once

// The answers kept for the teacher, one CSV row per judged press (UTF-8,
// LF line ends, RFC 4180 quoting), one file per local day:
//   hora,alumno,archivo,palabra,modo,posicion,letra,resultado,aciertos,fallos
#include <QByteArray>
#include <QDate>
#include <QDateTime>
#include <QList>
#include <QString>

namespace tildora {

// One answer of a child: one row of a day file.
struct ResultRow {
    QDateTime time;        // local time of the answer, to the second
    QString child;         // the name given on the command line, or empty
    QString exerciseFile;  // file name only, no folder
    QString word;          // as in the exercise line
    QString mode;          // "vocal", "silaba" or "tilde"
    int position = 0;      // 1-based letter position; 0 for the no-accent button
    QString letter;        // the pressed letter, or "sin-tilde"
    QString result;        // "bien", "mal" or "acierto-parcial"
    int right = 0;         // the two counters after the answer
    int wrong = 0;

    bool operator==(const ResultRow &) const = default;
};

namespace results {
inline const QString Vowel = QStringLiteral("vocal");
inline const QString Syllable = QStringLiteral("silaba");
inline const QString Accent = QStringLiteral("tilde");
inline const QString NoAccentButton = QStringLiteral("sin-tilde");
inline const QString Right = QStringLiteral("bien");
inline const QString Wrong = QStringLiteral("mal");
inline const QString PartialHit = QStringLiteral("acierto-parcial");
} // namespace results

// The header line, LF included.
QByteArray resultsHeader();

// One row as a CSV line, LF included; fields with a comma, a quote or a line
// break are quoted.
QByteArray formatResultRow(const ResultRow &row);

// Every well-formed row of a results file, in file order. The header, rows cut
// short, rows with a wrong number of fields or an unreadable value are
// skipped; any bytes at all are accepted.
QList<ResultRow> parseResults(const QByteArray &csv);

// The rows of every day file (YYYY-MM-DD.csv) in the folder, oldest day first.
// A missing or unreadable folder or file gives no rows.
QList<ResultRow> readResultsFolder(const QString &folder);

// What to write after these bytes of a results file so that the next row
// starts on a line of its own and a row cut short stays broken for readers:
// nothing when the bytes end with a whole row.
QByteArray closeHalfRow(const QByteArray &csv);

// The file name of a day's results: "2026-12-06.csv".
QString resultsFileName(const QDate &day);

} // namespace tildora
