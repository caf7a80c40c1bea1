// Checks the content pack as shipped: exercise lines, the pictures and
// recordings they name, every sound and every picture.
#include "authoring/linecheck.h"
#include "authoring/stress.h"
#include "authoring/syllables.h"
#include "authoring/wavtools.h"
#include "authoring/wordanalysis.h"
#include "content/exerciseline.h"
#include "content/exerciselibrary.h"
#include "content/numberreader.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QMap>
#include <QSet>
#include <QTest>

#include "../support/files.h"

using namespace tildora;

namespace {

const QString Content = QStringLiteral(TILDORA_SOURCE_DIR "/content");

// What a review list mixes: the kind of stress with or without accent, or
// whether the word holds a diphthong, a hiatus or neither.
QString stressKind(QStringView line)
{
    const WordAnalysis a = analyseLine(line);
    const QString kind = a.kind == WordAnalysis::Monosilabo ? QStringLiteral("aguda") : kindName(a.kind);
    return kind + (a.takesTilde ? " con tilde" : " sin tilde");
}

bool isVowel(QChar c)
{
    return QStringLiteral("aeiouáéíóúü").contains(c);
}

QString vowelKind(const ExerciseLine &line)
{
    const QString spelled = withWrittenAccent(line.word, int(readNumber(line.position.toString())), line.accent);
    const std::vector<int> starts = syllableStarts(spelled);
    QString kind = "ni diptongo ni hiato";
    for (int i = 0; i + 1 < spelled.size(); ++i) {
        // The u of que, qui, gue, gui is written but not said.
        const bool silentU = spelled[i] == 'u' && i > 0 && (spelled[i - 1] == 'q' || spelled[i - 1] == 'g')
                             && QStringLiteral("eéií").contains(spelled[i + 1]);
        if (!isVowel(spelled[i]) || !isVowel(spelled[i + 1]) || silentU)
            continue;
        const bool split = std::find(starts.begin(), starts.end(), i + 1) != starts.end();
        if (split)
            return "hiato";
        kind = "diptongo";
    }
    return kind;
}

QStringList files(const QString &folder, const QString &pattern)
{
    return QDir(Content + QLatin1Char('/') + folder).entryList({pattern}, QDir::Files, QDir::Name);
}

} // namespace

class TestContentPack : public QObject
{
    Q_OBJECT
private slots:
    // Every list is UTF-8 with CR LF line ends, and each line can be answered: no
    // problem found, and every letter picture and recording it needs is there.
    void exerciseFiles()
    {
        const QStringList names = listExerciseFiles(Content + "/ejercicios");
        QVERIFY2(names.size() >= 6, qPrintable(names.join(", ")));
        // A word may come back in a review list, but always with the same line:
        // two words told apart only by their accent would share one recording.
        QHash<QString, QString> lineOf;
        for (const QString &name : names) {
            const QByteArray bytes = testing::readFile(Content + "/ejercicios/" + name);
            QVERIFY2(QString::fromUtf8(bytes).toUtf8() == bytes, qPrintable(name + " is not UTF-8"));
            QVERIFY2(bytes.count("\r\n") == bytes.count('\n') && bytes.count("\r\n") == bytes.count('\r'),
                     qPrintable(name + " has line ends other than CR LF"));
            const ExerciseLines lines = splitExerciseLines(decodeExerciseText(bytes));
            QVERIFY2(lines.size() >= 20 && lines.size() <= 40, qPrintable(name));
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const QString line = lines.at(i).toString();
                const QString where = QStringLiteral("%1:%2: ").arg(name).arg(i + 1);
                for (const LineProblem &p : checkExerciseLine(line))
                    QFAIL(qPrintable(where + p.message));
                const ExerciseLine fields = splitExerciseLine(line);
                const QString word = fields.word.toString(), accent = fields.accent.toString();
                for (const QChar c : word)
                    QVERIFY2(QFile::exists(Content + "/letrasgifs/" + c + ".gif"), qPrintable(where + c));
                if (!isNoAccentMarker(accent))
                    QVERIFY2(QFile::exists(Content + "/letrasacento/" + accent + ".gif"), qPrintable(where));
                QVERIFY2(QFile::exists(Content + "/sonidospalabras/" + word + ".wav"), qPrintable(where));
                QVERIFY2(lineOf.value(word, line) == line, qPrintable(where + line + " against " + lineOf.value(word)));
                lineOf.insert(word, line);
            }
        }
        QVERIFY2(lineOf.size() >= 300, qPrintable(QString::number(lineOf.size())));
    }

    void reviewListsMixTheKinds_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("byVowels");  // else by stress and accent
        QTest::addColumn<QStringList>("kinds");
        QTest::newRow("llanas y agudas mezcladas") << "08-repaso-llanas-y-agudas.txt" << false
            << QStringList{"llana sin tilde", "llana con tilde", "aguda sin tilde", "aguda con tilde"};
        QTest::newRow("diptongos e hiatos entre palabras corrientes") << "10-repaso-diptongos-e-hiatos.txt" << true
            << QStringList{"diptongo", "hiato", "ni diptongo ni hiato"};
        QTest::newRow("repaso general: las clases") << "11-repaso-general.txt" << false
            << QStringList{"llana sin tilde", "llana con tilde", "aguda sin tilde", "aguda con tilde",
                           "esdrújula con tilde"};
    }

    void reviewListsMixTheKinds()
    {
        QFETCH(QString, file);
        QFETCH(bool, byVowels);
        const ExerciseLines lines = loadExerciseLines(Content + "/ejercicios/" + file);
        QMap<QString, int> count;
        QString previous;
        int run = 0;
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const ExerciseLine line = splitExerciseLine(lines.at(i));
            const QString kind = byVowels ? vowelKind(line) : stressKind(lines.at(i));
            ++count[kind];
            run = kind == previous ? run + 1 : 1;
            previous = kind;
            // Long runs of one kind would give the answer away again.
            QVERIFY2(run <= 2, qPrintable(QString("%1 in a row up to %2").arg(kind, line.word.toString())));
        }
        QFETCH(QStringList, kinds);
        for (const QString &kind : kinds)
            QVERIFY2(count.value(kind) >= 3, qPrintable(kind + ": " + QString::number(count.value(kind))));
    }

    void everySound_data()
    {
        QTest::addColumn<QString>("path");
        QStringList expected;
        for (int i = 1; i <= 10; ++i)
            expected << QStringLiteral("sonidos/%1.wav").arg(i);
        expected << "sonidos/acento.wav" << "sonidos/noacento.wav" << "sonidos/fallo.wav";
        for (const QString &e : expected)
            QTest::newRow(qPrintable(e)) << e;
        for (const QString &w : files("sonidospalabras", "*.wav"))
            QTest::newRow(qPrintable(w)) << "sonidospalabras/" + w;
    }

    void everySound()
    {
        QFETCH(QString, path);
        const QByteArray bytes = testing::readFile(Content + "/" + path);
        // Mono 16-bit PCM in the plain 44-byte layout, as the voices are made.
        QCOMPARE(bytes.mid(20, 4), QByteArray("\x01\x00\x01\x00", 4));
        QCOMPARE(bytes.mid(34, 2), QByteArray("\x10\x00", 2));
        const MonoSound sound = soundFromWav(bytes);
        QVERIFY2(sound.seconds() > 0.25 && sound.seconds() < 4, qPrintable(QString::number(sound.seconds())));
        QVERIFY2(peakOf(sound.samples) < 0.99f, "clipped");
        QVERIFY2(peakOf(sound.samples) > 0.1f, "nearly silent");
    }

    void pictures_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("minFrames");
        QTest::newRow("yes animation") << Content + "/gifs/si.gif" << 8;
        QTest::newRow("no animation") << Content + "/gifs/no.gif" << 8;
        const QString r = QStringLiteral(TILDORA_SOURCE_DIR "/resources/");
        for (const QString &name : QDir(r).entryList({"*.gif", "*.bmp", "*.jpg", "*.png"}, QDir::Files))
            QTest::newRow(qPrintable(name)) << r + name << 1;
    }

    void pictures()
    {
        QFETCH(QString, path);
        QImageReader reader(path);
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QFETCH(int, minFrames);
        QVERIFY(QImageReader(path).imageCount() >= minFrames);
    }

    void letterPicturesAreTwoColoursAndOneHeight()
    {
        const QStringList letters = files("letrasgifs", "*.gif");
        const QStringList accents = files("letrasacento", "*.gif");
        QVERIFY(letters.size() >= 28);
        QVERIFY(accents.size() >= 5);
        for (const QString &name : letters + accents) {
            const QString folder = letters.contains(name) ? "letrasgifs" : "letrasacento";
            const QImage image = QImageReader(Content + "/" + folder + "/" + name).read().convertToFormat(QImage::Format_RGB32);
            QVERIFY2(image.height() == 105, qPrintable(name));
            QVERIFY2(image.width() > 10 && image.width() < 120, qPrintable(name));
            QSet<QRgb> colours;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    colours.insert(image.pixel(x, y));
            QVERIFY2(colours == (QSet<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}), qPrintable(name));
        }
    }
};

QTEST_MAIN(TestContentPack)
#include "tst_contentpack.moc"
