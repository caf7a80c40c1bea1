#pragma once

#include <QByteArray>
#include <QStringList>
#include <QStringView>

namespace tildora {

// Turns a list of correctly spelled words, one per line (blank lines and
// lines starting with '#' are skipped), into exercise lines ended by CR LF.
// A word whose line could not be answered is left out and told in problems
// as "line N: «word»: reason".
QByteArray makeExerciseLines(QStringView words, QStringList *problems);

} // namespace tildora
