#pragma once

#include "authoring/linecheck.h"
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

// Checks an exercise file's lines as Tildora reads them: each line can be
// answered (errors), agrees with the accent rules and the dictionary, is not
// a repeat of an earlier word, and has its pictures and recording in the
// content (warnings, or errors for pictures). The dictionary and the content
// are optional.
QList<FileProblem> checkExerciseLines(const ExerciseLines &lines, const SpanishDictionary *dictionary,
                                      const ContentLocator *content);

// "file:line: error|warning: message"
QString formatProblem(const QString &file, const FileProblem &problem);

} // namespace tildora
