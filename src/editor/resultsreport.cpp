#include "editor/resultsreport.h"

#include "authoring/wordkinds.h"

#include <QCoreApplication>
#include <QLocale>

namespace tildora {
namespace {

struct Texts { Q_DECLARE_TR_FUNCTIONS(ResultsReport) };

// What fits one A4 or Letter page beside the tables of modes and kinds.
constexpr int WordsOnThePage = 15;
constexpr int WeeksOnThePage = 12;

QString percentText(const Tally &t)
{
    return t.answers > 0 ? Texts::tr("%1 %").arg(t.percent()) : QStringLiteral("–");
}

QString cell(const QString &text, bool number = false)
{
    return (number ? QStringLiteral("<td align=\"right\">") : QStringLiteral("<td>")) + text.toHtmlEscaped()
        + QStringLiteral("</td>");
}

} // namespace

QList<KindRow> kindRows(const ChildSummary &c)
{
    QList<KindRow> rows{{Texts::tr("Vowel"), c.byMode[0]},
                        {Texts::tr("Syllable"), c.byMode[1]},
                        {Texts::tr("Written accent"), c.byMode[2]}};
    for (int g = 0; g < c.byGroup.size(); ++g)
        rows.append({wordGroupName(g), c.byGroup[g], g});
    return rows;
}

ChildSummary wholeClass(const QList<ChildSummary> &children)
{
    ChildSummary all;
    const auto add = [](Tally &into, const Tally &t) {
        into.answers += t.answers;
        into.right += t.right;
    };
    for (const ChildSummary &c : children) {
        add(all.all, c.all);
        for (std::size_t m = 0; m < all.byMode.size(); ++m)
            add(all.byMode[m], c.byMode[m]);
        all.byGroup.resize(std::max(all.byGroup.size(), c.byGroup.size()));
        for (qsizetype g = 0; g < c.byGroup.size(); ++g)
            add(all.byGroup[g], c.byGroup[g]);
    }
    return all;
}

int weakestGroup(const ChildSummary &c, int fewestAnswers)
{
    int weakest = -1;
    for (int g = 0; g < c.byGroup.size(); ++g) {
        const Tally &t = c.byGroup[g];
        // Compared as fractions, not rounded percents; ties keep the first.
        if (t.answers >= std::max(fewestAnswers, 1)
            && (weakest < 0
                || qint64(t.right) * c.byGroup[weakest].answers < qint64(c.byGroup[weakest].right) * t.answers))
            weakest = g;
    }
    return weakest;
}

QList<WordSummary> missedOfGroup(const QList<WordSummary> &words, int group)
{
    QList<WordSummary> out;
    for (const WordSummary &w : words)
        if (w.misses > 0 && (group < 0 || (w.groups >> group & 1)))
            out << w;
    return out;
}

QString groupsText(quint32 groups)
{
    QStringList names;
    for (int g = 0; g < WordGroupCount; ++g)
        if (groups >> g & 1)
            names << wordGroupName(g);
    return names.join(QLatin1String(", "));
}

QString reportHtml(const ReportPage &page)
{
    const QLocale locale;
    const QString who = page.who.isEmpty() ? Texts::tr("The whole class") : page.who;
    QString html = QStringLiteral("<h2>%1</h2><p>").arg(Texts::tr("Tildora: %1").arg(who).toHtmlEscaped());
    if (page.from.isValid() && page.to.isValid())
        html += Texts::tr("From %1 to %2.")
                    .arg(locale.toString(page.from, QLocale::LongFormat), locale.toString(page.to, QLocale::LongFormat))
                    .toHtmlEscaped()
            + QLatin1Char(' ');
    html += Texts::tr("%Ln answer(s), %1 right.", nullptr, page.shown.all.answers)
                .arg(percentText(page.shown.all))
                .toHtmlEscaped();
    const int weakest = weakestGroup(page.shown, FewestAnswersOfAWeakKind);
    if (weakest >= 0)
        html += QLatin1Char(' ') + Texts::tr("To practise most: %1.").arg(wordGroupName(weakest)).toHtmlEscaped();
    html += QStringLiteral("</p><table width=\"100%\" cellspacing=\"0\" cellpadding=\"0\"><tr><td valign=\"top\">"
                           "<table cellspacing=\"0\" cellpadding=\"3\" border=\"1\"><tr><th>%1</th><th>%2</th>"
                           "<th>%3</th></tr>")
                .arg(Texts::tr("Mode or kind").toHtmlEscaped(), Texts::tr("Answers").toHtmlEscaped(),
                     Texts::tr("Right").toHtmlEscaped());
    for (const KindRow &row : kindRows(page.shown)) {
        const bool marked = row.group >= 0 && row.group == weakest;
        html += (marked ? QStringLiteral("<tr style=\"font-weight:bold\">") : QStringLiteral("<tr>")) + cell(row.name)
            + cell(locale.toString(row.tally.answers), true) + cell(percentText(row.tally), true)
            + QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table></td><td width=\"5%\"></td><td valign=\"top\">"
                           "<table cellspacing=\"0\" cellpadding=\"3\" border=\"1\"><tr><th>%1</th><th>%2</th>"
                           "<th>%3</th></tr>")
                .arg(Texts::tr("Word missed").toHtmlEscaped(), Texts::tr("Misses").toHtmlEscaped(),
                     Texts::tr("Tries").toHtmlEscaped());
    int listed = 0;
    for (const WordSummary &w : page.words) {
        if (w.misses == 0 || listed++ == WordsOnThePage)
            break;
        html += QStringLiteral("<tr>") + cell(page.shownWords.value(w.id, w.shown()))
            + cell(locale.toString(w.misses), true) + cell(locale.toString(w.tries), true) + QStringLiteral("</tr>");
    }
    html += QStringLiteral("</table></td></tr></table>");
    if (!page.weeks.isEmpty()) {
        html += QStringLiteral("<h3>%1</h3><table cellspacing=\"0\" cellpadding=\"3\" border=\"1\"><tr><th>%2</th>"
                               "<th>%3</th><th>%4</th></tr>")
                    .arg(Texts::tr("Week by week").toHtmlEscaped(), Texts::tr("Week of").toHtmlEscaped(),
                         Texts::tr("Answers").toHtmlEscaped(), Texts::tr("Right").toHtmlEscaped());
        for (const WeekSummary &w : page.weeks.mid(std::max<qsizetype>(0, page.weeks.size() - WeeksOnThePage)))
            html += QStringLiteral("<tr>") + cell(locale.toString(w.monday, QLocale::ShortFormat))
                + cell(locale.toString(w.tally.answers), true) + cell(percentText(w.tally), true) + QStringLiteral("</tr>");
        html += QStringLiteral("</table>");
    }
    return html;
}

} // namespace tildora
