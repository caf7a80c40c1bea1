#pragma once

#include "authoring/linecheck.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

namespace tildora {

class ContentLocator;
class SpanishDictionary;
struct ExerciseLine;

// The problems of one line of a list being edited.
struct CheckedLine {
    QList<LineProblem> problems;
    bool unknownWord = false;  // the dictionary does not know the written word
    bool hasError() const;
};

// Checks the lines of a list as the teacher types, finding what
// `tildora-author check` finds. Each distinct line is checked once and
// remembered, so a keystroke re-checks one line; only the repeated words are
// looked for across the whole list each time. Spelling suggestions are slow
// to make, so they are made on request, not with every check.
class LiveCheck
{
public:
    void setContent(const ContentLocator *content);
    void setDictionary(const SpanishDictionary *dictionary);
    const SpanishDictionary *dictionary() const { return m_dictionary; }

    QList<CheckedLine> check(const QStringList &lines);

    // The dictionary's words closest to the written word of the line; empty
    // without a dictionary or when the line has no readable word.
    QStringList suggestions(const QString &line);

private:
    const CheckedLine &lineOnItsOwn(const QString &line);
    QList<LineProblem> contentProblems(const ExerciseLine &fields);

    const ContentLocator *m_content = nullptr;
    const SpanishDictionary *m_dictionary = nullptr;
    QHash<QString, CheckedLine> m_lines;
    QHash<QString, QStringList> m_suggestions;
    QHash<QString, bool> m_letters;  // letter and accent pictures found
    QSet<QString> m_recordings;      // file names, case folded
};

} // namespace tildora
