#include "results/resultsimport.h"

#include "results/resultrow.h"
#include "results/resultsplace.h"
#include "results/resultsreader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QSaveFile>
#include <QSet>

#include <cstring>

namespace tildora {
namespace {

// Context of this file's messages for the translations.
struct Texts { Q_DECLARE_TR_FUNCTIONS(tildora::ResultsImport) };

// What makes an answer the same answer: when, who, which word and letter,
// and on which computer.
QByteArray identity(const AnswerSet &set, const Answer &a)
{
    QByteArray key(12, Qt::Uninitialized);
    std::memcpy(key.data(), &a.day, 4);
    std::memcpy(key.data() + 4, &a.second, 4);
    std::memcpy(key.data() + 8, &a.position, 4);
    for (const qint32 text : {a.child, set.words.at(a.word).word, a.computer})
        key += set.text(text).toUtf8() + '\0';
    return key;
}

} // namespace

ImportReport importResults(const QString &from, const QString &to)
{
    ImportReport report;
    QSet<QByteArray> known;
    if (QFileInfo(to).isDir()) {
        const AnswerSet there = ResultsReader().read({to});
        there.forEach([&](const Answer &a) { known.insert(identity(there, a)); });
    }
    const AnswerSet incoming = ResultsReader().read({from});
    report.notes = incoming.notes;
    QMap<QString, QByteArray> rowsByFile;
    QMap<QString, int> countByFile;
    incoming.forEach([&](const Answer &a) {
        QByteArray key = identity(incoming, a);
        if (known.contains(key)) {
            ++report.alreadyThere;
            return;
        }
        known.insert(std::move(key));
        const ResultRow row = incoming.row(a);
        const QString computer = row.computer.isEmpty() ? QStringLiteral("importado") : fileNamePart(row.computer);
        const QString name = resultsFileName(row.time.date(), computer);
        rowsByFile[name] += formatResultRow(row);
        ++countByFile[name];
    });
    if (rowsByFile.isEmpty())
        return report;
    if (!QDir().mkpath(to)) {
        report.notes << Texts::tr("%1 cannot be made").arg(QDir::toNativeSeparators(to));
        return report;
    }
    for (auto rows = rowsByFile.cbegin(); rows != rowsByFile.cend(); ++rows) {
        const QString path = QDir(to).filePath(rows.key());
        const QFileInfo info(path);
        QByteArray bytes;
        if (info.exists() || info.isSymLink()) {
            QFile old(path);
            if (info.isSymLink() || !info.isFile() || !old.open(QIODevice::ReadOnly)) {
                report.notes << Texts::tr("%1 is not an ordinary file: its answers were not copied")
                                    .arg(QDir::toNativeSeparators(path));
                continue;
            }
            bytes = old.readAll();
        }
        bytes += bytes.isEmpty() ? resultsHeader() : closeHalfRow(bytes);
        bytes += rows.value();
        // In one piece: a full disk or a pulled stick leaves the old file whole.
        QSaveFile out(path);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
            report.notes << Texts::tr("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), out.errorString());
            continue;
        }
        report.added += countByFile.value(rows.key());
        report.written << path;
    }
    return report;
}

} // namespace tildora
