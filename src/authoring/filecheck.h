#pragma once

#include "authoring/linecheck.h"
#include "content/exerciseline.h"
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

// What makes two lines of a list the same word twice: the word and what
// follows the four fields (a sentence). The fields are the line's, split.
QString repeatKey(QStringView line, const ExerciseLine &fields);

// "file:line: error|warning: message"
QString formatProblem(const QString &file, const FileProblem &problem);

} // namespace tildora
