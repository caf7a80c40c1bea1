#pragma once

#include "results/answers.h"

#include <QHash>
#include <QString>
#include <QStringList>

namespace tildora {

// The kinds of word a teacher compares a child's answers by: where the
// stress falls, whether the word takes a written accent, and whether two
// vowels meet in one syllable (a diphthong) or in two (a hiatus). A word is
// in one of the first five and one of the next two.
enum WordGroup {
    AgudaGroup,
    LlanaGroup,
    EsdrujulaGroup,
    SobresdrujulaGroup,
    MonosilabaGroup,
    WithAccentGroup,
    WithoutAccentGroup,
    DiphthongGroup,
    HiatusGroup,
    WordGroupCount
};

// The group's Spanish name ("aguda", "con tilde", "con hiato"): teachers use
// these names in either language, so they are not translated.
QString wordGroupName(int group);

// The groups of a word spelled with its written accent, one bit each; none
// when the rules cannot read the word.
quint32 wordGroupsOf(const QString &written);

// A word of the results as the child saw it, with its written accent: as the
// rows give it (written), else rebuilt from its exercise line, else as given.
QString writtenWord(const QString &word, const QString &written, const QHash<QString, QString> &lines);

// What the results need of the words of a set: each shown as the child saw
// it (rows of older versions rebuilt from the word's exercise line, as
// answeredWordLines finds them), and its groups, by the set's words.
struct ResultWords {
    QStringList shown;
    QList<quint32> groups;
};
ResultWords resultWords(const AnswerSet &set, const QHash<QString, QString> &lines);

// The names of the exercise files the set's answers were given on.
QStringList answeredFiles(const AnswerSet &set);

} // namespace tildora
