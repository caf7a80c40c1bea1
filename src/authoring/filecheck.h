#pragma once

#include "authoring/linecheck.h"
#include "authoring/livecheck.h"
#include "content/exerciselibrary.h"

#include <QList>
#include <QString>

namespace tildora {

class ContentLocator;
class SpanishDictionary;

struct FileProblem {
    int line = 0;  // 1-based
    LineProblem problem;
};

// Checks exercise files' lines as Tildora reads them, with the editor's
// check (LiveCheck), and tells the dictionary's suggestions for the words it
// does not know. The dictionary and the content are optional.
class FileCheck
{
public:
    FileCheck(const SpanishDictionary *dictionary, const ContentLocator *content);

    // How many unknown words, over every file checked, get hunspell's
    // suggestions (some 30 ms a word); negative for all (the default). A
    // forgotten accent, ñ or ü is suggested whatever the limit.
    void setSuggestionLimit(int words) { m_suggestionsLeft = words; }
    // Unknown words told without suggestions because of the limit.
    int wordsWithoutSuggestions() const { return m_unsuggested; }

    QList<FileProblem> check(const ExerciseLines &lines);

private:
    LiveCheck m_check;
    int m_suggestionsLeft = -1;
    int m_unsuggested = 0;
};

// One file's lines, with suggestions for every unknown word.
QList<FileProblem> checkExerciseLines(const ExerciseLines &lines, const SpanishDictionary *dictionary,
                                      const ContentLocator *content);

// "file:line: error|warning: message"
QString formatProblem(const QString &file, const FileProblem &problem);

} // namespace tildora
