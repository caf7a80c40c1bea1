#pragma once

#include "authoring/contentlookup.h"
#include "authoring/linecheck.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace tildora {

struct ExerciseLine;

class ContentLocator;
class SpanishDictionary;

// The problems of one line of a list.
struct CheckedLine {
    QList<LineProblem> problems;
    bool unknownWord = false;  // the dictionary does not know the written word
    QString written;           // the word with its written accent; empty when the line is not sound
    bool hasError() const;
};

// The one check of a list's lines, for the editor as the teacher types and
// for `tildora-author check`: each line can be answered (errors), agrees with
// the accent rules and the dictionary, is no repeat of an earlier word, shares
// no recording with another word, shows a sentence that holds it, and has its
// pictures and recording (its sentence's, when it has one) in the content
// (warnings, or errors for pictures). Each distinct line is checked
// once and remembered, so a keystroke re-checks one line; only what lines say
// of each other is looked for across the whole list each time. Spelling
// suggestions are slow to make, so they are made on request.
class LiveCheck
{
public:
    void setContent(const ContentLocator *content);
    void setDictionary(const SpanishDictionary *dictionary);
    const SpanishDictionary *dictionary() const { return m_dictionary; }
    // Said after a missing recording: how to make it where the check is
    // read (tildora-author's command when none is given).
    void setRecordingHint(const QString &hint);

    QList<CheckedLine> check(const QStringList &lines);

    // The dictionary's words closest to the written word of the line; empty
    // without a dictionary or when the line has no readable word.
    QStringList suggestions(const QString &line);

    // What the check says of a word the dictionary lacks, with its suggestions.
    static QString unknownWordMessage(const QString &written, const QStringList &suggestions);

private:
    const CheckedLine &lineOnItsOwn(const QString &line);
    QList<LineProblem> contentProblems(QStringView word, QStringView accent, const QString &sentence);

    const SpanishDictionary *m_dictionary = nullptr;
    ContentLookup m_content;
    QHash<QString, CheckedLine> m_lines;
    QHash<QString, QStringList> m_suggestions;
    QString m_recordingHint;
};

} // namespace tildora
