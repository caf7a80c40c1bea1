#include "results.h"

#include "authoring/missedlist.h"
#include "authoring/wordkinds.h"
#include "content/contentlocator.h"
#include "content/installlayout.h"
#include "results/csvrecord.h"
#include "results/resultsplace.h"
#include "results/resultsreader.h"
#include "results/summary.h"

#include <QCoreApplication>
#include <QLocale>

#include <cstdio>

namespace tildora {
namespace {

// Context of this file's messages for the translations.
struct Texts { Q_DECLARE_TR_FUNCTIONS(AuthorResults) };

// The modes as the results file names them, then the groups of words.
const char *const ModeNames[] = {"vocal", "silaba", "tilde"};

void out(const QString &text) { std::fprintf(stdout, "%s\n", text.toUtf8().constData()); }

QString percent(const Tally &t) { return t.answers > 0 ? QString::number(t.percent()) : QStringLiteral("-"); }

// Columns padded to their widest cell; the first ones to the left, numbers
// to the right.
void printTable(const QStringList &headers, const QList<QStringList> &rows, int textColumns)
{
    QList<qsizetype> widths;
    for (const QString &h : headers)
        widths << h.size();
    for (const QStringList &row : rows)
        for (qsizetype c = 0; c < row.size(); ++c)
            widths[c] = std::max(widths[c], row[c].size());
    const auto line = [&](const QStringList &cells) {
        QStringList padded;
        for (qsizetype c = 0; c < cells.size(); ++c)
            padded << (c < textColumns ? cells[c].leftJustified(widths[c]) : cells[c].rightJustified(widths[c]));
        out(padded.join(QLatin1String("  ")).trimmed());
    };
    line(headers);
    for (const QStringList &row : rows)
        line(row);
}

QStringList tallyCells(const Tally &t) { return {QString::number(t.answers), QString::number(t.right), percent(t)}; }

// The rows of what each child (or the one asked for) did by mode and kind.
QList<std::pair<QString, Tally>> byModeAndKind(const ChildSummary &c)
{
    QList<std::pair<QString, Tally>> out;
    for (int m = 0; m < 3; ++m)
        out.append({QString::fromLatin1(ModeNames[m]), c.byMode[std::size_t(m)]});
    for (int g = 0; g < c.byGroup.size(); ++g)
        out.append({wordGroupName(g), c.byGroup[g]});
    return out;
}

void printText(const ResultsSummary &s, const QList<ChildSummary> &children, const ResultWords &words)
{
    out(Texts::tr("Answers per child and day"));
    QList<QStringList> rows;
    for (const ChildDaySummary &d : s.days)
        rows << (QStringList{d.day.toString(Qt::ISODate), d.child} << tallyCells({d.answers, d.right}));
    printTable({Texts::tr("day"), Texts::tr("child"), Texts::tr("answers"), Texts::tr("right"), Texts::tr("right %")},
               rows, 2);
    out({});
    out(Texts::tr("Per child, by mode and kind of word"));
    rows.clear();
    for (const ChildSummary &c : children)
        for (const auto &[what, tally] : byModeAndKind(c))
            if (tally.answers > 0)
                rows << (QStringList{c.child, what} << tallyCells(tally));
    printTable({Texts::tr("child"), Texts::tr("mode or kind"), Texts::tr("answers"), Texts::tr("right"),
                Texts::tr("right %")},
               rows, 2);
    out({});
    out(Texts::tr("Words missed most"));
    rows.clear();
    for (const WordSummary &w : s.words)
        if (w.misses > 0)
            rows << QStringList{words.shown.value(w.id, w.shown()), QString::number(w.tries), QString::number(w.misses)};
    printTable({Texts::tr("word"), Texts::tr("tries"), Texts::tr("misses")}, rows, 1);
}

// One table for a machine: what each row sums up, then its cells; texts
// written as the results files write them (a formula stays text).
void printCsv(const ResultsSummary &s, const QList<ChildSummary> &children, const ResultWords &words)
{
    out(QStringLiteral("tabla,alumno,dia,grupo,palabra,respuestas,aciertos"));
    const auto row = [](const char *table, const QString &child, const QString &day, const QString &group,
                        const QString &word, int answers, int right) {
        out(QStringLiteral("%1,%2,%3,%4,%5,%6,%7")
                .arg(QLatin1String(table), QString::fromUtf8(csvField(child)), day, QString::fromUtf8(csvField(group)),
                     QString::fromUtf8(csvField(word)), QString::number(answers), QString::number(right)));
    };
    for (const ChildDaySummary &d : s.days)
        row("dia", d.child, d.day.toString(Qt::ISODate), {}, {}, d.answers, d.right);
    for (const ChildSummary &c : children)
        for (const auto &[what, tally] : byModeAndKind(c))
            if (tally.answers > 0)
                row("grupo", c.child, {}, what, {}, tally.answers, tally.right);
    for (const WordSummary &w : s.words)
        row("palabra", {}, {}, {}, words.shown.value(w.id, w.shown()), w.tries, w.tries - w.misses);
}

} // namespace

void addResultsOptions(QCommandLineParser &parser)
{
    parser.addOptions(
        {{QStringLiteral("child"), Texts::tr("results: only this child's answers."), QStringLiteral("NAME")},
         {QStringLiteral("from"), Texts::tr("results: only answers from this day on."), QStringLiteral("YYYY-MM-DD")},
         {QStringLiteral("to"), Texts::tr("results: only answers up to this day."), QStringLiteral("YYYY-MM-DD")},
         {QStringLiteral("csv"), Texts::tr("results: one comma-separated table for other programs.")}});
}

int printResults(const QCommandLineParser &parser, const QStringList &givenFolders)
{
    ResultsFilter filter;
    for (const auto &[option, date] : {std::pair{QStringLiteral("from"), &filter.from}, {QStringLiteral("to"), &filter.to}})
        if (parser.isSet(option)) {
            *date = QDate::fromString(parser.value(option), Qt::ISODate);
            if (!date->isValid()) {
                std::fprintf(stderr, "%s\n", qPrintable(Texts::tr("tildora-author: --%1 needs a day as 2026-12-06")
                                                            .arg(option)));
                return 2;
            }
        }
    if (filter.from.isValid() && filter.to.isValid() && filter.from > filter.to) {
        std::fprintf(stderr, "%s\n", qPrintable(Texts::tr("tildora-author: --from comes after --to")));
        return 2;
    }
    filter.allChildren = !parser.isSet(QStringLiteral("child"));
    filter.child = parser.value(QStringLiteral("child"));
    const QString user = userContentFolder();
    const QStringList folders = givenFolders.isEmpty() ? resultsFolders(user + QStringLiteral("/resultados"))
                                                       : givenFolders;
    const AnswerSet set = ResultsReader().read(folders);
    const ContentLocator content(contentFolder(QCoreApplication::applicationDirPath()), user);
    const ResultWords words = resultWords(
        set, answeredWordLines(answeredFiles(set), {content.userFolder(ContentFolder::Exercises),
                                                    content.folder(ContentFolder::Exercises)}));
    filter.wordGroups = words.groups;
    filter.groupCount = WordGroupCount;
    const ResultsSummary summary = summarize(set, filter);
    // A name mistyped (Lucia for Lucía) is told, never shown the class's answers.
    if (!filter.allChildren && summary.shown.all.answers == 0) {
        std::fprintf(stderr, "%s\n", qPrintable(Texts::tr("tildora-author: no answers of «%1» in these days").arg(filter.child)));
        return 1;
    }
    // Each child, and the class as a whole; or the one child asked for.
    QList<ChildSummary> children = filter.allChildren ? summary.children : QList<ChildSummary>{summary.shown};
    if (filter.allChildren && children.size() > 1)
        children << ChildSummary{Texts::tr("(all)"), summary.shown.all, summary.shown.byMode, summary.shown.byGroup};
    if (parser.isSet(QStringLiteral("csv")))
        printCsv(summary, children, words);
    else
        printText(summary, children, words);
    for (const QString &note : set.notes)
        std::fprintf(stderr, "tildora-author: %s\n", qPrintable(note));
    return set.notes.isEmpty() ? 0 : 1;
}

} // namespace tildora
