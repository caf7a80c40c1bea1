// The editor's audio module, loaded as the editor loads it: it reports the
// machine's devices as Qt Multimedia sees them, and refuses a microphone that
// is not there.
#include "editoraudio.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QtTest>

using namespace tildora;

class TestEditorAudio : public QObject
{
    Q_OBJECT
private slots:
    void loadsFromTheProgramFolder()
    {
        QObject owner;
        const QStringList folders{QStringLiteral("/nonexistent"), QStringLiteral(TILDORA_BINARY_DIR)};
        EditorAudio *audio = loadEditorAudio(folders, &owner);
        QVERIFY(audio);
        QCOMPARE(audio->hasInput(), !QMediaDevices::audioInputs().isEmpty());
        QCOMPARE(audio->hasOutput(), !QMediaDevices::audioOutputs().isEmpty());
        if (audio->hasInput())
            return;
        RawAudioFormat format;
        QCOMPARE(audio->startInput(&format), nullptr);
        QVERIFY(!audio->isRecording());
    }

    void noModuleNoAudio()
    {
        QCOMPARE(loadEditorAudio({QDir::tempPath()}, this), nullptr);
    }
};

QTEST_MAIN(TestEditorAudio)
#include "tst_editoraudio.moc"
