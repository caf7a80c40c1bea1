// Word recordings: which words need one, where a recording is found, saving
// a teacher's take, and recording in the background (missing programs,
// failures, cancelling, and a real run through espeak-ng and sox where they
// are installed).
#include "authoring/recordingjob.h"
#include "authoring/wavtools.h"
#include "authoring/wordvoices.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include "../support/files.h"

using namespace tildora;
using testing::writeFile;

namespace {

// Puts PATH back when a test is over, whatever it did.
struct PathGuard {
    QByteArray saved = qgetenv("PATH");
    ~PathGuard() { qputenv("PATH", saved); }
};

QStringList wordsOf(const QList<RecordingRequest> &requests)
{
    QStringList out;
    for (const RecordingRequest &r : requests)
        out << r.word;
    return out;
}

} // namespace

class TestVoices : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void wordsNeedingARecording_data();
    void wordsNeedingARecording();
    void sourcesOfTheWords();
    void savingATake_data();
    void savingATake();
    void failingProgramIsReportedAndTheNextWordGoesOn_data();
    void failingProgramIsReportedAndTheNextWordGoesOn();
    void cancelStopsTheRunningProgram();
    void realRecording();

private:
    QTemporaryDir m_dir;
    ContentLocator m_content;
};

void TestVoices::initTestCase()
{
    QVERIFY(m_dir.isValid());
    const QString bundled = m_dir.filePath(QStringLiteral("programa"));
    const QString teacher = m_dir.filePath(QStringLiteral("maestra"));
    writeFile(bundled + QStringLiteral("/sonidospalabras/sol.wav"), "bundled");
    writeFile(bundled + QStringLiteral("/sonidospalabras/casa.wav"), "bundled");
    writeFile(teacher + QStringLiteral("/sonidospalabras/Luna.wav"), "teacher");
    writeFile(teacher + QStringLiteral("/sonidospalabras/casa.wav"), "teacher");
    m_content = ContentLocator(bundled, teacher);
}

void TestVoices::wordsNeedingARecording_data()
{
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("words");
    QTest::addColumn<QStringList>("spoken");
    QTest::newRow("bundled and teacher's recordings are not made again")
        << QStringList{"sol,2,sol,NO,", "luna,2,lu,NO,", "mar,2,mar,NO,"} << QStringList{"mar"} << QStringList{"mar"};
    QTest::newRow("spoken with the written accent") << QStringList{"arbol,1,ar,á,", "raton,4,ton,ó,"}
                                                    << QStringList{"arbol", "raton"} << QStringList{"árbol", "ratón"};
    QTest::newRow("a repeated word is made once, whatever its case")
        << QStringList{"mar,2,mar,NO,", "MAR,2,MAR,NO,", "mar,2,mar,NO,"} << QStringList{"mar"} << QStringList{"mar"};
    QTest::newRow("a word that cannot name a file is left out")
        << QStringList{"../casa,2,ca,NO,", "a/b,1,a,NO,", "..,1,a,NO,"} << QStringList{} << QStringList{};
}

void TestVoices::wordsNeedingARecording()
{
    QFETCH(QStringList, lines);
    QFETCH(QStringList, words);
    QFETCH(QStringList, spoken);
    const QList<RecordingRequest> requests =
        missingRecordings(ExerciseLines::fromStringList(lines), m_content, QStringLiteral("/salida"));
    QCOMPARE(wordsOf(requests), words);
    for (qsizetype i = 0; i < requests.size(); ++i) {
        QCOMPARE(requests[i].spoken, spoken[i]);
        QCOMPARE(requests[i].outPath, QStringLiteral("/salida/%1.wav").arg(words[i]));
    }
}

void TestVoices::sourcesOfTheWords()
{
    const QList<WordVoice> voices = wordVoices(
        ExerciseLines::fromStringList({"sol,2,sol,NO,", "casa,2,ca,NO,", "Luna,2,Lu,NO,", "raton,4,ton,ó,", "sol,2,sol,NO,"}),
        m_content);
    QCOMPARE(voices.size(), 4);
    const QList<VoiceSource> expected{VoiceSource::Bundled, VoiceSource::Teacher, VoiceSource::Teacher, VoiceSource::Missing};
    for (qsizetype i = 0; i < voices.size(); ++i)
        QVERIFY2(voices[i].source == expected[i], qPrintable(voices[i].word));
    QCOMPARE(voices[3].spoken, QStringLiteral("ratón"));
    QVERIFY(voices[3].path.isEmpty());
}

void TestVoices::savingATake_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<int>("samples");
    QTest::addColumn<bool>("saved");
    QTest::newRow("a word with an accent letter") << QStringLiteral("pingüino") << 100 << true;
    QTest::newRow("a name leaving the folder") << QStringLiteral("../casa") << 100 << false;
    QTest::newRow("an empty take") << QStringLiteral("mar") << 0 << false;
}

void TestVoices::savingATake()
{
    QFETCH(QString, word);
    QFETCH(int, samples);
    QFETCH(bool, saved);
    QTemporaryDir dir;
    const QString folder = dir.filePath("sonidospalabras");
    const MonoSound take{22050, QList<float>(samples, 0.5f)};
    QString error;
    const QString path = saveWordRecording(folder, word, take, &error);
    QCOMPARE(path.isEmpty(), !saved);
    QCOMPARE(error.isEmpty(), saved);
    if (saved) {
        QCOMPARE(path, folder + "/" + word + ".wav");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(soundFromWav(file.readAll()).samples.size(), qsizetype(samples));
    }
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{}); // nothing outside
}

void TestVoices::failingProgramIsReportedAndTheNextWordGoesOn_data()
{
    QTest::addColumn<QByteArray>("speech");  // the speech program in place of espeak-ng
    QTest::addColumn<QString>("told");       // what the first failure says, in part
    QTest::newRow("a program that fails") << QByteArray("#!/bin/sh\necho 'no voice for es' >&2\nexit 3\n")
                                          << "no voice for es";
    QTest::newRow("a program that cannot start") << QByteArray("#!/nonexistent/interpreter\n") << "";
}

void TestVoices::failingProgramIsReportedAndTheNextWordGoesOn()
{
    QFETCH(QByteArray, speech);
    QTemporaryDir bin, out;
    writeFile(bin.filePath("espeak-ng"), speech, true);
    writeFile(bin.filePath("sox"), "#!/bin/sh\nexit 0\n", true);
    PathGuard guard;
    qputenv("PATH", bin.path().toLocal8Bit());
    RecordingJob job;
    QSignalSpy failed(&job, &RecordingJob::wordFailed);
    QSignalSpy progress(&job, &RecordingJob::progressed);
    QSignalSpy finished(&job, &RecordingJob::finished);
    QVERIFY(job.start({{"mar", "mar", out.filePath("mar.wav")}, {"pez", "pez", out.filePath("pez.wav")}}));
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
    QCOMPARE(finished[0], (QVariantList{0, 2, false}));
    QCOMPARE(failed.size(), 2);
    QCOMPARE(failed[0][0].toString(), QString("mar"));
    QFETCH(QString, told);
    QVERIFY2(failed[0][1].toString().contains(told), qPrintable(failed[0][1].toString()));
    QCOMPARE(progress.last(), (QVariantList{2, 2}));
    QVERIFY(QDir(out.path()).isEmpty());
}

void TestVoices::cancelStopsTheRunningProgram()
{
    QTemporaryDir bin, out;
    const QString pidFile = bin.filePath("pid");
    // A speech program that hangs, telling which process it is.
    writeFile(bin.filePath("espeak-ng"), QStringLiteral("#!/bin/sh\necho $$ > '%1'\nexec /bin/sleep 60\n").arg(pidFile).toUtf8(), true);
    writeFile(bin.filePath("sox"), "#!/bin/sh\nexit 0\n", true);
    PathGuard guard;
    qputenv("PATH", bin.path().toLocal8Bit());
    RecordingJob job;
    QSignalSpy finished(&job, &RecordingJob::finished);
    QVERIFY(job.start({{"mar", "mar", out.filePath("mar.wav")}, {"pez", "pez", out.filePath("pez.wav")}}));
    QTRY_VERIFY_WITH_TIMEOUT(QFile(pidFile).size() > 0, 20000);
    QFile file(pidFile);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const int pid = file.readAll().trimmed().toInt();
    job.cancel();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished[0], (QVariantList{0, 0, true}));
    QVERIFY(!job.isRunning());
    QTRY_VERIFY_WITH_TIMEOUT(::kill(pid, 0) != 0, 5000);
    QVERIFY(QDir(out.path()).isEmpty());
}

void TestVoices::realRecording()
{
    if (!missingRecordingPackages().isEmpty())
        QSKIP("espeak-ng or sox is not installed");
    QTemporaryDir out;
    const QString folder = out.filePath("sonidospalabras");  // made on the way
    RecordingJob job;
    QSignalSpy recorded(&job, &RecordingJob::wordRecorded);
    QSignalSpy finished(&job, &RecordingJob::finished);
    QVERIFY(job.start({{"arbol", "árbol", folder + "/arbol.wav"}}));
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 60000);
    QCOMPARE(finished[0], (QVariantList{1, 0, false}));
    QCOMPARE(recorded[0], (QVariantList{"arbol", folder + "/arbol.wav"}));
    QFile file(folder + "/arbol.wav");
    QVERIFY(file.open(QIODevice::ReadOnly));
    const MonoSound sound = soundFromWav(file.readAll());
    QCOMPARE(sound.sampleRate, 22050);
    QVERIFY2(sound.seconds() > 0.2 && sound.seconds() < 2.0, qPrintable(QString::number(sound.seconds())));
    QVERIFY2(std::abs(peakOf(sound.samples) - 0.891f) < 0.01f, qPrintable(QString::number(peakOf(sound.samples))));
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"arbol.wav"});  // no scratch files left
}

QTEST_GUILESS_MAIN(TestVoices)
#include "tst_voices.moc"
