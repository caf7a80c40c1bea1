#pragma once

#include <QByteArray>
#include <QStringList>
#include <QStringView>

namespace tildora {

// Turns a list of correctly spelled words, one per line (blank lines and
// lines starting with '#' are skipped), into exercise lines. A word whose
// line could not be answered is left out and told in problems as
// "line N: «word»: reason".
QStringList makeLines(QStringView words, QStringList *problems);

// The same lines as the bytes of an exercise file.
QByteArray makeExerciseLines(QStringView words, QStringList *problems);

} // namespace tildora
