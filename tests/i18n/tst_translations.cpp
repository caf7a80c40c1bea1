// The Spanish catalogues as the programs load them: representative texts come
// out in Spanish, English needs no file, and every message of the .ts sources
// is translated and keeps its placeholders.
#include "../support/testcontent.h"

#include "authoring/linecheck.h"
#include "platform/languages.h"
#include "widgets/letterstrip.h"
#include "window/supportcheck.h"

#include <QAccessible>
#include <QDir>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

using namespace tildora;
using testing::Window;

namespace {

const QString Built = QStringLiteral(TILDORA_BINARY_DIR "/translations");

enum Probe { LetterName, LineFinding, StartupProblem };

QString probe(Probe what)
{
    switch (what) {
    case LetterName: {
        Window w({QStringLiteral("casa,2,ca,NO,")});
        w.load();
        QAccessibleInterface *letter = QAccessible::queryAccessibleInterface(w.form->Picture2->letter(0));
        return letter ? letter->text(QAccessible::Name) : QString();
    }
    case LineFinding:
        return checkExerciseLine(u"casa,9,ca,NO,").value(0).message;
    case StartupProblem:
        return missingContent(ContentLocator(QDir::tempPath() + QStringLiteral("/no-such-tildora-folder"))).value(0);
    }
    return {};
}

// The placeholders of a text (%1, %2, %n), sorted: a translation must keep them all.
QStringList placeholders(const QString &text)
{
    static const QRegularExpression marker(QStringLiteral("%(\\d+|n)"));
    QStringList found;
    for (const QRegularExpressionMatch &m : marker.globalMatch(text))
        found << m.captured();
    found.sort();
    return found;
}

} // namespace

class TestTranslations : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        for (QTranslator *translator : qApp->findChildren<QTranslator *>()) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }

    void languages_data()
    {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<QString>("catalogue");
        QTest::addColumn<int>("what");
        QTest::addColumn<QString>("text");
        const QLocale spain(QLocale::Spanish, QLocale::Spain);
        QTest::newRow("a letter's accessible name in the child's window")
            << spain << "tildora" << int(LetterName) << "letra c, 1 de 4";
        QTest::newRow("a start-up problem") << spain << "tildora" << int(StartupProblem)
                                            << "Faltan estas carpetas de contenido junto al programa";
        QTest::newRow("a finding of tildora-author")
            << spain << "tildora-author" << int(LineFinding) << "la posición 9 está fuera de la palabra (de 1 a 4)";
        QTest::newRow("Spanish of Mexico takes the Spanish file")
            << QLocale(QLocale::Spanish, QLocale::Mexico) << "tildora" << int(LetterName) << "letra c, 1 de 4";
        QTest::newRow("German has no file: English")
            << QLocale(QLocale::German) << "tildora" << int(LetterName) << "letter c, 1 of 4";
        QTest::newRow("English reads nothing") << QLocale(QLocale::English, QLocale::UnitedStates) << "tildora-author"
                                               << int(LineFinding) << "position 9 is outside the word (1 to 4)";
    }

    void languages()
    {
        QFETCH(QLocale, locale);
        QFETCH(QString, catalogue);
        QFETCH(int, what);
        QFETCH(QString, text);
        const bool spanish = locale.language() == QLocale::Spanish;
        QCOMPARE(installLanguage(*qApp, locale, {catalogue}, Built), spanish);
        QVERIFY2(probe(Probe(what)).startsWith(text), qPrintable(probe(Probe(what))));
    }

    void everyMessageTranslated_data()
    {
        QTest::addColumn<QString>("ts");
        const QDir sources(QStringLiteral(TILDORA_SOURCE_DIR "/translations"));
        const QStringList files = sources.entryList({QStringLiteral("*.ts")});
        QVERIFY(files.size() >= 3);
        for (const QString &file : files)
            QTest::newRow(qPrintable(file)) << sources.filePath(file);
    }

    void everyMessageTranslated()
    {
        QFETCH(QString, ts);
        QFile file(ts);
        QVERIFY(file.open(QIODevice::ReadOnly));
        // Built beside the content, where the programs look.
        QVERIFY(QFileInfo::exists(Built + QLatin1Char('/') + QFileInfo(ts).completeBaseName() + QStringLiteral(".qm")));
        QXmlStreamReader xml(&file);
        QString source;
        int messages = 0;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const QString type = xml.attributes().value(QLatin1String("type")).toString();
                QVERIFY2(type != QLatin1String("unfinished"), qPrintable(QStringLiteral("not translated: ") + source));
                if (type == QLatin1String("vanished") || type == QLatin1String("obsolete"))
                    continue;
                ++messages;
                // A plural message holds one text per form.
                QStringList forms{QString()};
                bool plural = false;
                while (!xml.atEnd()
                       && !(xml.readNext() == QXmlStreamReader::EndElement && xml.name() == QLatin1String("translation"))) {
                    if (xml.isStartElement()) {
                        if (!std::exchange(plural, true))
                            forms.clear();
                        forms << xml.readElementText();
                    } else if (xml.isCharacters() && !plural) {
                        forms.last() += xml.text();
                    }
                }
                for (const QString &form : std::as_const(forms)) {
                    QVERIFY2(!form.trimmed().isEmpty() || source.trimmed().isEmpty(), qPrintable(source));
                    QCOMPARE(placeholders(form), placeholders(source));
                }
            }
        }
        QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
        QVERIFY(messages > 0);
    }
};

QTEST_MAIN(TestTranslations)
#include "tst_translations.moc"
