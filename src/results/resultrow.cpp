#include "results/resultrow.h"

#include "results/answers.h"
#include "results/csvrecord.h"

namespace tildora {

QByteArray resultsHeader()
{
    return QByteArrayLiteral(
        "hora,alumno,archivo,palabra,modo,posicion,letra,resultado,aciertos,fallos,escrita,equipo\n");
}

QByteArray formatResultRow(const ResultRow &row)
{
    QByteArray line = row.time.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")).toLatin1();
    for (const QString *text : {&row.child, &row.exerciseFile, &row.word, &row.mode})
        line += ',' + csvField(*text);
    line += ',';
    if (row.position > 0)
        line += QByteArray::number(row.position);
    line += ',' + csvField(row.letter) + ',' + csvField(row.result) + ',' + QByteArray::number(row.right) + ','
        + QByteArray::number(row.wrong) + ',' + csvField(row.written) + ',' + csvField(row.computer) + '\n';
    return line;
}

QList<ResultRow> parseResults(const QByteArray &csv)
{
    AnswerParser parser;
    const std::vector<Answer> answers = parser.parse(csv.constData(), csv.constData() + csv.size(), QDate());
    const AnswerSet set{parser.texts(), parser.words(), {}, {}};
    QList<ResultRow> rows;
    rows.reserve(qsizetype(answers.size()));
    for (const Answer &a : answers)
        rows << set.row(a);
    return rows;
}

QByteArray closeHalfRow(const QByteArray &csv)
{
    CsvScanner scanner(csv.constData(), csv.constData() + csv.size());
    int headerFields = 0;
    qsizetype lastStart = 0;
    CsvRecord last;
    last.ended = true;
    while (!scanner.atEnd()) {
        lastStart = scanner.at();
        last = scanner.next();
        if (lastStart <= 3 && last.field(0) == "hora")
            headerFields = last.count;
    }
    if (last.ended)
        return {};
    // A header, or a row with all its fields, that only lacks its line end
    // (a file edited by hand) is ended, not broken.
    if (!last.cutInQuotes
        && ((lastStart <= 3 && headerFields > 0)
            || (last.count >= headerFields && parseResults(csv.mid(lastStart) + QByteArrayLiteral("\n")).size() == 1)))
        return QByteArrayLiteral("\n");
    // A quote where none may be: whatever was cut, the record is never sound,
    // so no reader takes it for an answer.
    return last.cutInQuotes ? QByteArrayLiteral("\"x\n") : QByteArrayLiteral("x\"\n");
}

QString resultsFileName(const QDate &day, const QString &computer)
{
    const QString date = day.toString(QStringLiteral("yyyy-MM-dd"));
    return computer.isEmpty() ? date + QStringLiteral(".csv") : QStringLiteral("%1-%2.csv").arg(date, computer);
}

} // namespace tildora
