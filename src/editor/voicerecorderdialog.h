#pragma once

#include "authoring/wavtools.h"
#include "editor/editoraudio.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QProgressBar;
class QPushButton;

namespace tildora {

// Records one word, or one line's sentence, from the microphone: a level meter while recording,
// play the take back, keep it or record it again. Kept, the take is trimmed
// and normalised like the generated recordings and saved as the word's
// recording in the teacher's folder.
class VoiceRecorderDialog : public QDialog
{
    Q_OBJECT
public:
    VoiceRecorderDialog(const QString &word, const QString &spoken, const QString &folder, QWidget *parent = nullptr);
    ~VoiceRecorderDialog() override;

    QString savedPath() const { return m_savedPath; }

private:
    void toggleRecording();
    void startRecording();
    void stopRecording();
    void readInput();
    void play();
    void keep();
    void showState(const QString &text);

    QString m_word;
    QString m_spoken;
    QString m_folder;
    QString m_savedPath;
    RawAudioFormat m_format;
    QIODevice *m_input = nullptr;
    QByteArray m_raw;
    MonoSound m_take;
    QTimer m_limit;
    QLabel *m_state;
    QProgressBar *m_meter;
    QPushButton *m_record;
    QPushButton *m_play;
    QPushButton *m_keep;
};

} // namespace tildora
