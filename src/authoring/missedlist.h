#pragma once

#include "results/summary.h"

#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>

namespace tildora {

// The exercise line each answered word was shown with: the lists the answers
// name (exerciseFiles) are read first, then every other list, in the given
// folders in turn (the teacher's first). Keyed by the word as in the line;
// a line with a sentence also by its word as written and a tab ("tú\t").
QHash<QString, QString> answeredWordLines(const QStringList &exerciseFiles, const QStringList &listFolders);

// The words to practise again: those missed at least once, most missed first
// (as the summary orders them), at most maxWords, spelled with their written
// accents as the rows or their lines give them, with the line's sentence as
// "tú: ¿Vienes tú?" where one tells it apart. A word known neither way is
// left out and told in problems: its accent cannot be known.
QStringList wordsToPractise(const QList<WordSummary> &words, const QHash<QString, QString> &lines, int maxWords,
                            QStringList *problems);

// The title a list of missed words gets: "repaso-2026-12-06", or with the
// child and the kind of word it is for, "repaso-Ana-aguda-2026-12-06", so a
// child finds their own list. Spanish, as the child sees it in Tildora's list
// of exercises.
QString missedWordsTitle(const QDate &day, const QString &child = {}, const QString &kind = {});

// Makes exercise lines of the words through the maker and saves them as a
// new list at the end of folder (made when missing): UTF-8, CR LF, written in
// one piece, under a name no other list has, numbered after the others
// ("08-repaso-2026-12-06.txt" after 07), as Tildora orders its lists by name. The path, or empty with a reason
// (no words, or the folder cannot be written). Words the maker refuses are
// told in problems.
QString saveNewList(const QString &folder, const QString &title, const QStringList &words, QString *error,
                    QStringList *problems);

} // namespace tildora
