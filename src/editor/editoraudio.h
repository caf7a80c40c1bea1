#pragma once

#include "authoring/wavtools.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QIODevice;
class QObject;

namespace tildora {

// What the microphone delivers: raw interleaved samples in this layout.
struct RawAudioFormat {
    SampleKind kind = SampleKind::Int16;
    int channels = 1;
    int sampleRate = 0;
};

// The editor's sound behind a small interface. Qt Multimedia and the audio
// libraries under it live in a module loaded the first time sound is needed,
// so the window does not wait for them at start-up. Without the module there
// is no loudspeaker and no microphone, and everything else works.
class EditorAudio
{
public:
    virtual ~EditorAudio() = default;
    virtual bool hasOutput() = 0;
    virtual bool hasInput() = 0;
    // Plays a sound file, cutting one that is playing. A failure is told to
    // onError while context lives.
    virtual void playFile(const QString &path, QObject *context, std::function<void(const QString &)> onError) = 0;
    virtual void stopFile() = 0;
    // Starts the default microphone; the device delivers raw samples as
    // *format says. Null when it cannot be opened.
    virtual QIODevice *startInput(RawAudioFormat *format) = 0;
    virtual void stopInput() = 0;
    virtual bool isRecording() = 0;
    // Plays mono 16-bit samples, cutting what is playing.
    virtual void playSamples(const QByteArray &samples, int sampleRate) = 0;
    virtual void stopSamples() = 0;
};

// The module from the first of these folders that has it, made a child of
// parent; null when none has it.
EditorAudio *loadEditorAudio(const QStringList &folders, QObject *parent);
// Where editorAudio() looks for the module, first to last.
void setEditorAudioFolders(const QStringList &folders);
// This program's audio, loaded on the first call.
EditorAudio &editorAudio();

} // namespace tildora
