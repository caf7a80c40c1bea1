// The Voices tab: which words have recordings, and what the teacher is told
// when the speech programs or the microphone are missing.
#include "authoring/recordingjob.h"
#include "voicepanel.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QAudioDevice>
#include <QMediaDevices>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeWidget>
#include "../support/files.h"

using namespace tildora;
using testing::writeFile;

class TestVoicePanel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString bundled = m_dir.filePath("programa"), teacher = m_dir.filePath("maestra");
        writeFile(bundled + "/sonidospalabras/sol.wav");
        writeFile(bundled + "/sonidospalabras/casa.wav");
        writeFile(teacher + "/sonidospalabras/casa.wav");
        m_content = ContentLocator(bundled, teacher);
    }

    void wordsAndTheirRecordings_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QStringList>("shown");  // word: source
        QTest::addColumn<bool>("canRecordMissing");
        QTest::newRow("bundled, the teacher's and missing")
            << QStringList{"sol,2,sol,NO,", "casa,2,ca,NO,", "raton,4,ton,ó,"}
            << QStringList{"sol: bundled with Tildora", "casa: in your folder", "raton: missing"} << true;
    }

    void wordsAndTheirRecordings()
    {
        QFETCH(QStringList, lines);
        QFETCH(QStringList, shown);
        QFETCH(bool, canRecordMissing);
        VoicePanel panel(m_content);
        panel.show();
        panel.setLines(lines);
        QStringList rows;
        for (int i = 0; i < panel.table()->topLevelItemCount(); ++i)
            rows << panel.table()->topLevelItem(i)->text(0) + ": " + panel.table()->topLevelItem(i)->text(2);
        QCOMPARE(rows, shown);
        const QList<QPushButton *> buttons = panel.findChildren<QPushButton *>();
        const auto recordMissing = std::find_if(buttons.cbegin(), buttons.cend(), [](QPushButton *b) {
            return b->text().contains("missing");
        });
        QVERIFY(recordMissing != buttons.cend());
        QCOMPARE((*recordMissing)->isEnabled(), canRecordMissing);
    }

    void missingSpeechProgramsAreNamed_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("expected");
        QTest::newRow("no sox") << QStringList{"espeak-ng"} << "sudo apt install sox";
    }

    void missingSpeechProgramsAreNamed()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, expected);
        QTemporaryDir bin;
        for (const QString &program : present) {
            QFile f(bin.filePath(program));
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        }
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        VoicePanel panel(m_content);
        panel.setLines({"raton,4,ton,ó,"});
        QSignalSpy started(panel.job(), &RecordingJob::progressed);
        panel.recordMissing();
        qputenv("PATH", path);
        QVERIFY2(panel.notice()->text().endsWith(expected), qPrintable(panel.notice()->text()));
        QVERIFY(!panel.job()->isRunning());
        QCOMPARE(started.size(), 0);
    }

    void noMicrophoneIsSaid()
    {
        if (!QMediaDevices::audioInputs().isEmpty())
            QSKIP("this machine has a microphone");
        VoicePanel panel(m_content);
        panel.show();
        panel.setLines({"sol,2,sol,NO,"});
        panel.selectWord("sol");
        panel.recordOwnVoice();  // would block in a dialog if it opened one
        QVERIFY2(panel.notice()->text().contains("No microphone"), qPrintable(panel.notice()->text()));
    }

private:
    QTemporaryDir m_dir;
    ContentLocator m_content;
};

QTEST_MAIN(TestVoicePanel)
#include "tst_voicepanel.moc"
