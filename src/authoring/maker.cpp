#include "authoring/maker.h"

#include "authoring/linecheck.h"
#include "authoring/stress.h"
#include <QCoreApplication>

namespace tildora {
namespace {
// Context of this file's messages for the translations.
struct Maker { Q_DECLARE_TR_FUNCTIONS(tildora::Maker) };
} // namespace

QByteArray makeExerciseLines(QStringView words, QStringList *problems)
{
    QByteArray out;
    out.reserve(words.size() * 2);
    int number = 0;
    for (const QStringView raw : words.tokenize(u'\n')) {
        ++number;
        const QStringView word = raw.trimmed();
        if (word.isEmpty() || word.startsWith(u'#'))
            continue;
        QString why;
        const auto item = itemFromWord(word, &why);
        if (!item) {
            if (problems)
                *problems << Maker::tr("line %1: «%2»: %3").arg(QString::number(number), shownWord(word), why);
            continue;
        }
        out += formatExerciseLine(*item).toUtf8();
        out += "\r\n";
    }
    return out;
}

} // namespace tildora
