#pragma once

#include "content/textdecode.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

namespace tildora {

// The lines of a loaded exercise file, in file order. The text is kept whole
// and each line is a view into it, so a long file costs no allocation per line.
class ExerciseLines
{
public:
    ExerciseLines() = default;
    static ExerciseLines fromStringList(const QStringList &lines);

    qsizetype size() const { return qsizetype(m_spans.size()); }
    bool isEmpty() const { return m_spans.empty(); }
    QStringView at(qsizetype index) const
    {
        const Span &span = m_spans[std::size_t(index)];
        return QStringView(m_text).mid(span.start, span.length);
    }
    QStringList toStringList() const;
    void clear() { *this = ExerciseLines(); }

private:
    friend ExerciseLines splitExerciseLines(QString text);
    struct Span {
        qsizetype start;
        qsizetype length;
    };
    QString m_text;
    std::vector<Span> m_spans;
};

// Exercise files larger than this are read up to this size only, so that a
// stray huge file cannot exhaust memory; real exercise files are a few KB.
inline constexpr qint64 MaxExerciseFileBytes = 64LL * 1024 * 1024;

// Names of the regular files of a folder, or links to one (no folders, no
// hidden files, no FIFOs or devices), sorted by name without regard to letter
// case. Empty when the folder is missing or unreadable.
QStringList listExerciseFiles(const QString &folder);

// Lines end at CR LF, CR or LF; a line end at the very end adds no empty line.
ExerciseLines splitExerciseLines(QString text);

// The lines of an exercise file; empty when it cannot be read, with the
// reason in *error (a FIFO or a device is never read: see regularfile.h).
ExerciseLines loadExerciseLines(const QString &path, QString *error = nullptr);

} // namespace tildora
