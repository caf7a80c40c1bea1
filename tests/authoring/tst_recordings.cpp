// Word recordings: which words need one and where they are found, a teacher's take
// read, trimmed, resampled and written as WAV (checked against sox where it is
// installed), and recording in the background: failures, cancelling, and a real
// run through espeak-ng and sox where they are installed.
#include "authoring/recorder.h"
#include "authoring/recordingjob.h"
#include "authoring/wavtools.h"
#include "authoring/wordvoices.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

#include <cmath>
#include <csignal>
#include <cstring>
#include <limits>
#include <numbers>

#include <sys/resource.h>

#include "../support/files.h"

using namespace tildora;
using testing::writeFile;

namespace {

QList<float> tone(double frequency, int rate, double seconds, float amplitude)
{
    QList<float> out(qsizetype(std::lround(seconds * rate)));
    for (qsizetype i = 0; i < out.size(); ++i)
        out[i] = amplitude * float(std::sin(2 * std::numbers::pi * frequency * double(i) / rate));
    return out;
}

// Zero crossings from below per second: the frequency of a clean tone.
double measuredFrequency(const MonoSound &s)
{
    int crossings = 0;
    for (qsizetype i = 1; i < s.samples.size(); ++i)
        crossings += s.samples[i - 1] < 0 && s.samples[i] >= 0;
    return crossings / s.seconds();
}

QByteArray le16(quint16 v) { QByteArray b(2, 0); qToLittleEndian(v, b.data()); return b; }
QByteArray le32(quint32 v) { QByteArray b(4, 0); qToLittleEndian(v, b.data()); return b; }

QByteArray wavOf(quint16 format, quint16 channels, quint32 rate, quint16 bits, const QByteArray &data)
{
    const quint16 align = quint16(channels * bits / 8);
    QByteArray fmt = le16(format) + le16(channels) + le32(rate) + le32(rate * align) + le16(align) + le16(bits);
    QByteArray body = "WAVE" + QByteArray("fmt ") + le32(16) + fmt + "data" + le32(quint32(data.size())) + data;
    return "RIFF" + le32(quint32(body.size())) + body;
}
} // namespace

class TestRecordings : public QObject
{
    Q_OBJECT
private slots:
    void wavReading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("rate");
        QTest::addColumn<QList<float>>("expected");
        QTest::newRow("16-bit mono") << wavOf(1, 1, 22050, 16, le16(16384) + le16(quint16(-32768))) << 22050
                                     << QList<float>{0.5f, -1.0f};
        QTest::newRow("16-bit stereo is averaged")
            << wavOf(1, 2, 22050, 16, le16(16384) + le16(0) + le16(quint16(-16384)) + le16(quint16(-16384))) << 22050
            << QList<float>{0.25f, -0.5f};
        QTest::newRow("8-bit silence sits at 128") << wavOf(1, 1, 8000, 8, QByteArray("\x80\x00\xff", 3)) << 8000
                                                   << QList<float>{0.0f, -1.0f, 127.0f / 128.0f};
        QTest::newRow("24-bit mono") << wavOf(1, 1, 48000, 24, QByteArray("\x00\x00\x40\x00\x00\xc0", 6)) << 48000
                                     << QList<float>{0.5f, -0.5f};
        QByteArray floats(12, 0);
        const float values[] = {0.5f, std::numeric_limits<float>::quiet_NaN(), 4.0f};
        memcpy(floats.data(), values, 12);
        QTest::newRow("32-bit float: NaN is silence, beyond full scale clipped")
            << wavOf(3, 1, 44100, 32, floats) << 44100 << QList<float>{0.5f, 0.0f, 1.0f};
        QTest::newRow("data longer than the file is cut") << wavOf(1, 1, 22050, 16, le16(16384) + le16(16384)).chopped(2)
                                                          << 22050 << QList<float>{0.5f};
        QTest::newRow("an empty recording: its data chunk ends the file") << wavOf(1, 1, 22050, 16, QByteArray()) << 22050
                                                                      << QList<float>{};
        QTest::newRow("compressed format is refused") << wavOf(2, 1, 22050, 4, QByteArray(8, 1)) << 0 << QList<float>{};
        QTest::newRow("64-bit float is refused") << wavOf(3, 1, 44100, 64, QByteArray(16, 1)) << 0 << QList<float>{};
        QTest::newRow("no channels") << wavOf(1, 0, 22050, 16, le16(1)) << 0 << QList<float>{};
        QTest::newRow("written: beyond full scale is clipped") << wavBytes({22050, {1.5f, -3.0f}}) << 22050
                                                               << QList<float>{32767 / 32768.0f, -32767 / 32768.0f};
        QTest::newRow("written: rounded to the nearest step") << wavBytes({8000, {0.5f / 32767, 1.49f / 32767}}) << 8000
                                                              << QList<float>{1 / 32768.0f, 1 / 32768.0f};
    }

    void wavReading()
    {
        QFETCH(QByteArray, bytes);
        const MonoSound sound = soundFromWav(bytes);
        QTEST(sound.sampleRate, "rate");
        QTEST(sound.samples, "expected");
    }

    // Written in the plain 44-byte layout, as the test's own WAV maker lays it out.
    void writtenHeader()
    {
        QCOMPARE(wavBytes({22050, {0.5f, -1.0f}}), wavOf(1, 1, 22050, 16, le16(16384) + le16(quint16(-32767))));
    }

    void soxAgreesWithWrittenFile()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("sox")).isEmpty())
            QSKIP("sox is not installed");
        const QString path = m_dir.filePath(QStringLiteral("tono.wav"));
        writeFile(path, wavBytes(normalisedPeak({22050, tone(440, 22050, 0.5, 0.2f)})));
        QProcess sox;
        sox.start(QStringLiteral("sox"), {path, QStringLiteral("-n"), QStringLiteral("stat")});
        QVERIFY(sox.waitForFinished(30000));
        const QString report = QString::fromLocal8Bit(sox.readAllStandardError());
        QVERIFY2(report.contains(QStringLiteral("Samples read:             11025")), qPrintable(report));
        const QRegularExpressionMatch peak =
            QRegularExpression(QStringLiteral("Maximum amplitude:\\s+([0-9.]+)")).match(report);
        QVERIFY2(peak.hasMatch(), qPrintable(report));
        QVERIFY2(std::abs(peak.captured(1).toDouble() - 0.891) < 0.002, qPrintable(report));
    }

    void trimming_data()
    {
        // At 1000 samples a second a frame is 10 samples.
        QTest::addColumn<QList<float>>("samples");
        QTest::addColumn<int>("expectedStart");  // in the input
        QTest::addColumn<int>("expectedLength");
        const QList<float> quiet(30, 0.001f), loud(40, 0.5f);
        QTest::newRow("quiet ends are cut") << quiet + loud + quiet << 30 << 40;
        QTest::newRow("a pause inside the word stays") << quiet + loud + quiet + loud + quiet << 30 << 110;
        QTest::newRow("voice starting inside a frame keeps the whole frame")
            << QList<float>(25, 0.0f) + loud + QList<float>(25, 0.0f) << 20 << 50;
        QTest::newRow("all quiet gives nothing") << quiet + quiet << 0 << 0;
    }

    void trimming()
    {
        QFETCH(QList<float>, samples);
        QFETCH(int, expectedStart);
        QFETCH(int, expectedLength);
        const MonoSound out = trimmedSilence({1000, samples}, 0.01f, 0.01);
        QCOMPARE(out.sampleRate, 1000);
        QCOMPARE(out.samples, samples.mid(expectedStart, expectedLength));
    }

    void resampling_data()
    {
        QTest::addColumn<int>("fromRate");  // to the words' 22050 a second
        QTest::addColumn<double>("frequency");
        QTest::addColumn<double>("expectedPeak");  // 0: the tone must be gone
        QTest::newRow("microphone rate down to word rate") << 48000 << 1000.0 << 0.5;
        QTest::newRow("telephone rate up to word rate") << 8000 << 440.0 << 0.5;
        QTest::newRow("hiss above the new limit does not fold back") << 48000 << 15000.0 << 0.0;
    }

    void resampling()
    {
        QFETCH(int, fromRate);
        QFETCH(double, frequency);
        QFETCH(double, expectedPeak);
        const int toRate = 22050;
        const MonoSound out = resampled({fromRate, tone(frequency, fromRate, 1.0, 0.5f)}, toRate);
        QCOMPARE(out.sampleRate, toRate);
        QCOMPARE(out.samples.size(), qsizetype(toRate));
        // The filter's edges are half-empty; judge the middle.
        const MonoSound middle{toRate, out.samples.mid(toRate / 10, toRate * 8 / 10)};
        const float peak = peakOf(middle.samples);
        if (expectedPeak == 0.0) {
            QVERIFY2(peak < 0.01f, qPrintable(QString::number(peak)));
        } else {
            QVERIFY2(std::abs(peak - expectedPeak) < 0.01, qPrintable(QString::number(peak)));
            QVERIFY2(std::abs(measuredFrequency(middle) - frequency) < 2.0,
                     qPrintable(QString::number(measuredFrequency(middle))));
        }
    }

    void preparedTake()
    {
        // Half a second of a quiet room, half a second of a soft 300 Hz "voice", 0.4 s of room.
        const int rate = 48000;
        QList<float> take = tone(3000, rate, 0.5, 0.002f) + tone(300, rate, 0.5, 0.1f) + tone(3000, rate, 0.4, 0.002f);
        const MonoSound out = preparedVoice({rate, take});
        QCOMPARE(out.sampleRate, 22050);
        // The voice, give or take a trimming frame at each end, plus 0.1 s of padding.
        QVERIFY2(out.seconds() > 0.58 && out.seconds() < 0.63, qPrintable(QString::number(out.seconds())));
        QVERIFY2(std::abs(peakOf(out.samples) - 0.891f) < 0.005f, qPrintable(QString::number(peakOf(out.samples))));
        QCOMPARE(out.samples.first(), 0.0f);
        QCOMPARE(out.samples.last(), 0.0f);
        QVERIFY(peakOf(out.samples.first(int(0.04 * 22050))) == 0.0f);
        // Nothing said: nothing kept.
        QVERIFY(preparedVoice({rate, tone(3000, rate, 1.4, 0.001f)}).samples.isEmpty());
    }

    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        const QString bundled = m_dir.filePath(QStringLiteral("programa"));
        const QString teacher = m_dir.filePath(QStringLiteral("maestra"));
        writeFile(bundled + QStringLiteral("/sonidospalabras/sol.wav"), "bundled");
        writeFile(bundled + QStringLiteral("/sonidospalabras/casa.wav"), "bundled");
        writeFile(teacher + QStringLiteral("/sonidospalabras/Luna.wav"), "teacher");
        writeFile(teacher + QStringLiteral("/sonidospalabras/casa.wav"), "teacher");
        m_content = ContentLocator(bundled, teacher);
        m_path = qgetenv("PATH");
    }

    void cleanup() { qputenv("PATH", m_path); }

    void wordsNeedingARecording_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("requests");  // what is said, and into which file
        QTest::newRow("bundled and teacher's recordings are not made again")
            << QStringList{"sol,2,sol,NO,", "luna,2,lu,NO,", "mar,2,mar,NO,"} << QStringList{"mar: /salida/sonidospalabras/mar.wav"};
        QTest::newRow("spoken with the written accent") << QStringList{"arbol,1,ar,á,", "raton,4,ton,ó,"}
            << QStringList{"árbol: /salida/sonidospalabras/arbol.wav", "ratón: /salida/sonidospalabras/raton.wav"};
        QTest::newRow("a repeated word is made once, whatever its case")
            << QStringList{"mar,2,mar,NO,", "MAR,2,MAR,NO,", "mar,2,mar,NO,"} << QStringList{"mar: /salida/sonidospalabras/mar.wav"};
        const QString digest = ContentLocator::sentenceRecordingName("sol", "Sale el sol.").section('-', 1);
        QTest::newRow("a line's sentence after its word, once, into the sentences' folder")
            << QStringList{"sol,2,sol,NO,Sale el sol.,", "SOL,2,SOL,NO,Sale el sol.,", "mar,2,mar,NO,Sin agua."}
            << QStringList{"Sale el sol.: /salida/sonidosfrases/sol-" + digest + ".wav", "mar: /salida/sonidospalabras/mar.wav"};
        QTest::newRow("a word that cannot name a file is left out")
            << QStringList{"../casa,2,ca,NO,", "a/b,1,a,NO,", "..,1,a,NO,"} << QStringList{};
    }

    void wordsNeedingARecording()
    {
        QFETCH(QStringList, lines);
        QStringList requests;
        for (const RecordingRequest &r :
             missingRecordings(ExerciseLines::fromStringList(lines), m_content, QStringLiteral("/salida")))
            requests << r.spoken + ": " + r.outPath;
        QTEST(requests, "requests");
    }

    void sourcesOfTheWords()
    {
        const QList<WordVoice> voices = wordVoices(ExerciseLines::fromStringList(
            {"sol,2,sol,NO,", "casa,2,ca,NO,", "Luna,2,Lu,NO,", "raton,4,ton,ó,", "sol,2,sol,NO,"}), m_content);
        QCOMPARE(voices.size(), 4);
        const QList<VoiceSource> expected{VoiceSource::Bundled, VoiceSource::Teacher, VoiceSource::Teacher,
                                          VoiceSource::Missing};
        for (qsizetype i = 0; i < voices.size(); ++i)
            QVERIFY2(voices[i].source == expected[i], qPrintable(voices[i].word));
        QCOMPARE(voices[3].spoken, QStringLiteral("ratón"));
        QVERIFY(voices[3].path.isEmpty());
    }

    void savingATake_data()
    {
        QTest::addColumn<QString>("word");
        QTest::addColumn<int>("samples");
        QTest::addColumn<int>("room");  // bytes a file may take; 0: no limit
        QTest::addColumn<QString>("told");  // part of the reason; empty when saved
        QTest::newRow("a word with an accent letter") << "pingüino" << 100 << 0 << "";
        QTest::newRow("a name leaving the folder") << "../casa" << 100 << 0 << "cannot name a file";
        QTest::newRow("an empty take") << "mar" << 0 << 0 << "empty";
        QTest::newRow("no room for the whole take: the system's reason")
            << "mar" << 100000 << 4096 << "sonidospalabras/mar.wav: File too large";
    }

    void savingATake()
    {
        QFETCH(QString, word);
        QFETCH(int, samples);
        QFETCH(int, room);
        QFETCH(QString, told);
        QTemporaryDir dir;
        const QString folder = dir.filePath("sonidospalabras");
        QString error;
        // The system refuses a file past the room as a full disk does, after taking what fits.
        rlimit before{};
        ::getrlimit(RLIMIT_FSIZE, &before);
        const rlimit limit{room > 0 ? rlim_t(room) : before.rlim_cur, before.rlim_max};
        std::signal(SIGXFSZ, SIG_IGN);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        const QString path = saveWordRecording(folder, word, {22050, QList<float>(samples, 0.5f)}, &error);
        ::setrlimit(RLIMIT_FSIZE, &before);
        const bool saved = told.isEmpty();
        QCOMPARE(path.isEmpty(), !saved);
        QVERIFY2(error.contains(told), qPrintable(error));
        if (saved) {
            QCOMPARE(path, folder + "/" + word + ".wav");
            QCOMPARE(soundFromWav(testing::readFile(path)).samples.size(), qsizetype(samples));
        }
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot), QStringList{}); // nothing outside
    }

    void failingProgramIsReportedAndTheNextWordGoesOn_data()
    {
        QTest::addColumn<QByteArray>("speech");  // the speech program in place of espeak-ng
        QTest::addColumn<QString>("told");       // what the first failure says, in part
        QTest::newRow("a program that fails") << QByteArray("#!/bin/sh\necho 'no voice for es' >&2\nexit 3\n")
                                              << "no voice for es";
        QTest::newRow("a program that cannot start") << QByteArray("#!/nonexistent/interpreter\n") << "";
        QTest::newRow("a program that crashes") << QByteArray("#!/bin/sh\nkill -SEGV $$\n") << "failed";
        QTest::newRow("a program that never ends, stopped at its time limit")
            << QByteArray("#!/bin/sh\nexec /bin/sleep 60\n") << "espeak-ng did not finish within 1 second";
    }

    void failingProgramIsReportedAndTheNextWordGoesOn()
    {
        QFETCH(QByteArray, speech);
        QTemporaryDir bin, out;
        useSpeechProgram(bin, speech);
        RecordingJob job;
        job.setTimeLimit(1000);
        QSignalSpy failed(&job, &RecordingJob::wordFailed);
        QSignalSpy progress(&job, &RecordingJob::progressed);
        QSignalSpy finished(&job, &RecordingJob::finished);
        QVERIFY(startTwoWords(job, out));
        QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
        QCOMPARE(finished[0], (QVariantList{0, 2, false}));
        QCOMPARE(failed.size(), 2);
        QCOMPARE(failed[0][0].toString(), QString("mar"));
        QFETCH(QString, told);
        QVERIFY2(failed[0][1].toString().contains(told), qPrintable(failed[0][1].toString()));
        QCOMPARE(progress.last(), (QVariantList{2, 2}));
        // tildora-author runs the same programs one by one, and fails as the job does.
        QString error;
        QVERIFY(!WordRecorder::say(out.filePath("mar.wav"), "mar", 125, &error, 1000));
        QVERIFY2(error.contains(told), qPrintable(error));
        QVERIFY(QDir(out.path()).isEmpty());
    }

    // What the speech programs left is kept only when it holds sound: sox
    // ends well on a full disk, having written nothing or a bare header.
    void keepsOnlyAMadeSound_data()
    {
        QTest::addColumn<QByteArray>("made");  // "(none)": no file at all
        QTest::addColumn<bool>("kept");
        QTest::newRow("nothing made") << QByteArray("(none)") << false;
        QTest::newRow("an empty file") << QByteArray() << false;
        QTest::newRow("a header and no sound") << wavOf(1, 1, 22050, 16, {}) << false;
        QTest::newRow("a sound") << wavOf(1, 1, 22050, 16, le16(1000) + le16(2000)) << true;
    }

    void keepsOnlyAMadeSound()
    {
        QFETCH(QByteArray, made);
        QFETCH(bool, kept);
        QTemporaryDir dir;
        if (made != "(none)")
            writeFile(dir.filePath("made.wav"), made);
        QString error;
        QCOMPARE(WordRecorder::keep(dir.filePath("made.wav"), dir.filePath("words/mar.wav"), &error), kept);
        QCOMPARE(error.isEmpty(), kept);
        QCOMPARE(QFile::exists(dir.filePath("words/mar.wav")), kept);
        if (kept)
            QCOMPARE(testing::readFile(dir.filePath("words/mar.wav")), made);
    }

    // A word that looks like an option of espeak-ng is said, never obeyed.
    void optionLikeWordIsSaid()
    {
        if (!missingRecordingPackages().isEmpty())
            QSKIP("espeak-ng or sox is not installed");
        QTemporaryDir out;
        QVERIFY(WordRecorder::say(out.filePath("said.wav"), "-w" + out.filePath("elsewhere.wav")));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList{"said.wav"});
    }

    void cancelStopsTheRunningProgram()
    {
        QTemporaryDir bin, out;
        const QString pidFile = bin.filePath("pid");
        // A speech program that hangs, telling which process it is.
        useSpeechProgram(bin, QStringLiteral("#!/bin/sh\necho $$ > '%1'\nexec /bin/sleep 60\n").arg(pidFile).toUtf8());
        RecordingJob job;
        QSignalSpy finished(&job, &RecordingJob::finished);
        QVERIFY(startTwoWords(job, out));
        QTRY_VERIFY_WITH_TIMEOUT(QFile(pidFile).size() > 0, 20000);
        const int pid = testing::readFile(pidFile).trimmed().toInt();
        job.cancel();
        QCOMPARE(finished.size(), 1);
        QCOMPARE(finished[0], (QVariantList{0, 0, true}));
        QVERIFY(!job.isRunning());
        QTRY_VERIFY_WITH_TIMEOUT(::kill(pid, 0) != 0, 5000);
        QVERIFY(QDir(out.path()).isEmpty());
    }

    void realRecording()
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
        const MonoSound sound = soundFromWav(testing::readFile(folder + "/arbol.wav"));
        QCOMPARE(sound.sampleRate, 22050);
        QVERIFY2(sound.seconds() > 0.2 && sound.seconds() < 2.0, qPrintable(QString::number(sound.seconds())));
        QVERIFY2(std::abs(peakOf(sound.samples) - 0.891f) < 0.01f, qPrintable(QString::number(peakOf(sound.samples))));
        QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{"arbol.wav"});  // no scratch files left
    }

private:
    // The speech program in place of espeak-ng, and a sox that does nothing; PATH is put back after the test.
    void useSpeechProgram(const QTemporaryDir &bin, const QByteArray &speech)
    {
        writeFile(bin.filePath("espeak-ng"), speech, true);
        writeFile(bin.filePath("sox"), "#!/bin/sh\nexit 0\n", true);
        qputenv("PATH", bin.path().toLocal8Bit());
    }

    static bool startTwoWords(RecordingJob &job, const QTemporaryDir &out)
    {
        return job.start({{"mar", "mar", out.filePath("mar.wav")}, {"pez", "pez", out.filePath("pez.wav")}});
    }

    QTemporaryDir m_dir;
    ContentLocator m_content;
    QByteArray m_path;
};

QTEST_GUILESS_MAIN(TestRecordings)
#include "tst_recordings.moc"
