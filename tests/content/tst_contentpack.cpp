// Checks the content pack as shipped: exercise lines, the pictures and
// recordings they name, every sound and every picture, the order of the
// lists and the voice's stress.
#include "authoring/linecheck.h"
#include "authoring/stress.h"
#include "authoring/syllables.h"
#include "authoring/wavtools.h"
#include "authoring/wordanalysis.h"
#include "content/contentlocator.h"
#include "content/exerciseline.h"
#include "content/exerciselibrary.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QImageReader>
#include <QMap>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTest>

#include "../support/files.h"

using namespace tildora;

namespace {

const QString Content = QStringLiteral(TILDORA_SOURCE_DIR "/content");

bool isVowel(QChar c)
{
    return QStringLiteral("aeiouáéíóúü").contains(c);
}

// The u of que, qui, gue, gui is written but not said.
bool silentU(const QString &word, int i, int next)
{
    return word[i] == 'u' && i > 0 && (word[i - 1] == 'q' || word[i - 1] == 'g')
           && QStringLiteral("eéií").contains(word[next]);
}

QString vowelKind(const ExerciseLine &line)
{
    const QString spelled = withWrittenAccent(line.word, line.position.toInt(), line.accent);
    const std::vector<int> starts = syllableStarts(spelled);
    QString kind = "ni diptongo ni hiato";
    for (int i = 0; i + 1 < spelled.size(); ++i) {
        const int next = spelled[i + 1] == 'h' && i + 2 < spelled.size() ? i + 2 : i + 1;  // búho, ahora
        if (!isVowel(spelled[i]) || !isVowel(spelled[next]) || silentU(spelled, i, next))
            continue;
        if (std::any_of(starts.begin(), starts.end(), [&](int s) { return s > i && s <= next; }))
            return "hiato";
        kind = "diptongo";
    }
    return kind;
}

// What a child could answer by instead of reading: the kind of word, the
// written accent, the stressed syllable counted from the end, the vowels.
QStringList traits(QStringView line)
{
    const WordAnalysis a = analyseLine(line);
    const ExerciseLine f = splitExerciseLine(line);
    return {kindName(a.kind), isNoAccentMarker(f.accent.toString()) ? "NO" : "tilde",
            QString::number(a.syllables.size() - a.stressed), vowelKind(f)};
}

// Vowels said before the stressed one: in the written word, and at each of
// espeak-ng's stress marks ('), where j and w, I and U are said i and u.
int vowelsBefore(const QString &written, int position)
{
    int n = 0;
    for (int i = 0; i + 1 < position; ++i)
        n += isVowel(written[i]) && !silentU(written, i, i + 1);
    return n;
}

QList<int> stressMarks(const QString &phonemes)
{
    QList<int> marks;
    int n = 0;
    for (const QChar c : phonemes) {
        if (c == '\'')
            marks << n;
        n += QStringLiteral("aeiouEOjwIU").contains(c);
    }
    return marks;
}

// A word per line, then why.
QMap<QString, QString> dataFile(const QString &name)
{
    QMap<QString, QString> words;
    for (const QString &line : QString::fromUtf8(testing::readFile(TILDORA_SOURCE_DIR "/tests/content/" + name)).split('\n'))
        if (!line.isEmpty() && !line.startsWith('#'))
            words.insert(line.section(' ', 0, 0), line.section(' ', 1).trimmed());
    return words;
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
    // No word is twice in a list or on the list of words never to ship.
    void exerciseFiles()
    {
        const QStringList names = listExerciseFiles(Content + "/ejercicios");
        QVERIFY2(names.size() >= 25, qPrintable(names.join(", ")));
        const QMap<QString, QString> neverShip = dataFile("palabras-que-no-se-publican.txt");
        // A word may come back in another list, but always with the same line:
        // two words told apart only by their accent would share one recording,
        // unless both lines carry a sentence, which is what the child hears.
        QHash<QString, QString> lineOf;
        QSet<QString> written, sentenceRecordings;
        for (const QString &name : names) {
            const QByteArray bytes = testing::readFile(Content + "/ejercicios/" + name);
            QVERIFY2(QString::fromUtf8(bytes).toUtf8() == bytes, qPrintable(name + " is not UTF-8"));
            QVERIFY2(bytes.count("\r\n") == bytes.count('\n') && bytes.count("\r\n") == bytes.count('\r'),
                     qPrintable(name + " has line ends other than CR LF"));
            const ExerciseLines lines = splitExerciseLines(decodeExerciseText(bytes));
            QVERIFY2(lines.size() >= 12 && lines.size() <= 60, qPrintable(name));
            QSet<QString> inThisList;
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const QString line = lines.at(i).toString();
                const QString where = QStringLiteral("%1:%2: ").arg(name).arg(i + 1);
                for (const LineProblem &p : checkExerciseLine(line))
                    QFAIL(qPrintable(where + p.message));
                const ExerciseLine fields = splitExerciseLine(line);
                const QString word = fields.word.toString(), accent = fields.accent.toString();
                const QString spelled = withWrittenAccent(word, fields.position.toInt(), accent);
                const qsizetype fourFields = fields.accent.data() + fields.accent.size() + 1 - line.data();
                const bool sentence = line.size() > fourFields;
                QVERIFY2(!neverShip.contains(spelled), qPrintable(where + spelled + ": " + neverShip.value(spelled)));
                QVERIFY2(!inThisList.contains(sentence ? line : word), qPrintable(where + "twice in the list"));
                inThisList.insert(sentence ? line : word);
                int width = 0;  // the letter strip, 15 pixels wider than its letters, fits the 739-pixel window
                for (const QChar c : word) {
                    const int letter = QImageReader(Content + "/letrasgifs/" + c + ".gif").size().width();
                    QVERIFY2(letter > 0, qPrintable(where + c));
                    width += letter;
                }
                QVERIFY2(width <= 720, qPrintable(where + QString::number(width) + " pixels wide"));
                if (!isNoAccentMarker(accent))
                    QVERIFY2(QFile::exists(Content + "/letrasacento/" + accent + ".gif"), qPrintable(where));
                QVERIFY2(QFile::exists(Content + "/sonidospalabras/" + word + ".wav"), qPrintable(where));
                if (const QString said = lineSentence(fields); !said.isEmpty()) {
                    const QString recording = ContentLocator::sentenceRecordingName(word, said) + ".wav";
                    sentenceRecordings.insert(recording);
                    QVERIFY2(QFile::exists(Content + "/sonidosfrases/" + recording), qPrintable(where + said));
                }
                const QString key = sentence ? line.left(fourFields) + "," : line;
                const QString other = lineOf.value(word, key);
                QVERIFY2(other == key || (sentence && other.endsWith(",,")), qPrintable(where + line + " against " + other));
                lineOf.insert(word, key);
                written.insert(spelled);
            }
        }
        QVERIFY2(written.size() >= 1000, qPrintable(QString::number(written.size())));
        // No sentence recording is left over from a sentence changed or gone.
        for (const QString &file : files("sonidosfrases", "*"))
            QVERIFY2(sentenceRecordings.contains(file), qPrintable("sonidosfrases/" + file + " belongs to no line"));
    }

    // No trait a child could count on repeats in a pattern: a trait that
    // varies (its commonest value on at most 70 % of the lines) never runs
    // longer than three lines nor repeats every two or three lines for three
    // rounds; a review list with accents has about as many words with one as
    // without (within a tenth of the list).
    void listsCannotBeAnsweredByPattern_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &name : listExerciseFiles(Content + "/ejercicios"))
            QTest::newRow(qPrintable(name)) << name;
    }

    void listsCannotBeAnsweredByPattern()
    {
        QFETCH(QString, file);
        const ExerciseLines lines = loadExerciseLines(Content + "/ejercicios/" + file);
        QList<QStringList> rows;
        for (qsizetype i = 0; i < lines.size(); ++i)
            rows << traits(lines.at(i));
        for (int t = 0; t < rows.first().size(); ++t) {
            QMap<QString, int> count;
            for (const QStringList &row : rows)
                ++count[row[t]];
            if (t == 1 && file.contains("repaso") && count.size() > 1)
                QVERIFY2(std::abs(count["NO"] * 2 - int(rows.size())) <= rows.size() / 5,
                         qPrintable(QString::number(count["NO"]) + " without an accent"));
            if (*std::max_element(count.begin(), count.end()) * 10 > rows.size() * 7)
                continue;
            for (int period = 1; period <= 3; ++period) {
                int same = 0;
                for (qsizetype i = period; i < rows.size(); ++i) {
                    same = rows[i][t] == rows[i - period][t] ? same + 1 : 0;
                    QVERIFY2(same < (period == 1 ? 3 : 2 * period),
                             qPrintable(QString("%1 up to line %2, every %3").arg(rows[i][t]).arg(i + 1).arg(period)));
                }
            }
        }
    }

    // The recordings are spoken by espeak-ng's Spanish voice: its stress marks
    // fall on the vowel each line names, but for the words listed with why.
    void voiceStressesTheMarkedVowel()
    {
        if (QStandardPaths::findExecutable("espeak-ng").isEmpty())
            QSKIP("espeak-ng is not installed");
        QMap<QString, int> vowelOf;  // written word -> vowels said before its stressed one
        for (const QString &name : listExerciseFiles(Content + "/ejercicios")) {
            const ExerciseLines lines = loadExerciseLines(Content + "/ejercicios/" + name);
            for (qsizetype i = 0; i < lines.size(); ++i) {
                const ExerciseLine f = splitExerciseLine(lines.at(i));
                const QString spelled = withWrittenAccent(f.word, f.position.toInt(), f.accent);
                vowelOf.insert(spelled, vowelsBefore(spelled, f.position.toInt()));
            }
        }
        QProcess espeak;  // all words in one run, a clause each
        espeak.start("espeak-ng", {"-v", "es", "-q", "-x"});
        espeak.write((vowelOf.keys().join(".\n") + ".\n").toUtf8());
        espeak.closeWriteChannel();
        QVERIFY(espeak.waitForFinished(60000));
        const QStringList said = QString::fromUtf8(espeak.readAllStandardOutput()).trimmed().split('\n');
        QCOMPARE(said.size(), vowelOf.size());
        QStringList differ, heard;
        auto word = vowelOf.cbegin();
        for (const QString &phonemes : said) {
            if (!stressMarks(phonemes).contains(word.value()))
                differ << word.key(), heard << word.key() + " " + phonemes.trimmed();
            ++word;
        }
        QVERIFY2(differ == dataFile("espeak-diferencias.txt").keys(), qPrintable(heard.join(", ")));
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
        for (const QString folder : {"sonidospalabras", "sonidosfrases"})
            for (const QString &w : files(folder, "*.wav"))
                QTest::newRow(qPrintable(w)) << folder + "/" + w;
    }

    void everySound()
    {
        QFETCH(QString, path);
        const QByteArray bytes = testing::readFile(Content + "/" + path);
        // Mono 16-bit PCM in the plain 44-byte layout, as the voices are made.
        QCOMPARE(bytes.mid(20, 4), QByteArray("\x01\x00\x01\x00", 4));
        QCOMPARE(bytes.mid(34, 2), QByteArray("\x10\x00", 2));
        const MonoSound sound = soundFromWav(bytes);
        const double longest = path.startsWith("sonidosfrases") ? 8 : 4;  // a short sentence, or a word
        QVERIFY2(sound.seconds() > 0.25 && sound.seconds() < longest, qPrintable(QString::number(sound.seconds())));
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

    // The window tiles the plaster: where one tile meets the next, neighbouring
    // pixels differ no more than they do inside a tile, so no grid shows.
    void plasterTilesWithoutSeams()
    {
        const QImage tile = QImageReader(TILDORA_SOURCE_DIR "/resources/yeso.bmp").read().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(tile.size(), QSize(125, 117));
        const auto step = [&](QPoint a, QPoint b) {  // mean difference of green across a line of pixel pairs
            double sum = 0;
            const int n = a.x() == b.x() ? tile.width() : tile.height();
            for (int i = 0; i < n; ++i) {
                const QPoint along = a.x() == b.x() ? QPoint(i, 0) : QPoint(0, i);
                sum += std::abs(qGreen(tile.pixel(a + along)) - qGreen(tile.pixel(b + along)));
            }
            return sum / n;
        };
        const int w = tile.width(), h = tile.height();
        QVERIFY(step({w - 1, 0}, {0, 0}) <= 2 * step({w / 2, 0}, {w / 2 + 1, 0}));
        QVERIFY(step({0, h - 1}, {0, 0}) <= 2 * step({0, h / 2}, {0, h / 2 + 1}));
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
