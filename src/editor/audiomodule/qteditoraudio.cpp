// The editor's sound on Qt Multimedia, built as a module that the editor
// loads on first use.
#include "editor/editoraudio.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QAudioSource>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QPointer>
#include <QSoundEffect>
#include <QUrl>

namespace tildora {
namespace {

SampleKind kindOf(QAudioFormat::SampleFormat format)
{
    switch (format) {
    case QAudioFormat::UInt8: return SampleKind::UInt8;
    case QAudioFormat::Int32: return SampleKind::Int32;
    case QAudioFormat::Float: return SampleKind::Float;
    default: return SampleKind::Int16;
    }
}

// EditorAudio on Qt Multimedia's devices.
class QtEditorAudio : public QObject, public EditorAudio
{
public:
    explicit QtEditorAudio(QObject *parent) : QObject(parent) {}
    ~QtEditorAudio() override
    {
        stopInput();
        stopSamples();
    }

    bool hasOutput() override { return !QMediaDevices::audioOutputs().isEmpty(); }
    bool hasInput() override { return !QMediaDevices::audioInputs().isEmpty(); }

    // The words' recordings are WAV files: played the way the child's window
    // plays them, with Qt's own WAV reader straight to the sound server, so
    // no media framework plug-in is needed (Qt's media player needs
    // GStreamer's, which a plain desktop may not have).
    void playFile(const QString &path, QObject *context, std::function<void(const QString &)> onError) override
    {
        if (!m_effect) {
            m_effect = new QSoundEffect(this);
            connect(m_effect, &QSoundEffect::statusChanged, this, [this] {
                if (m_effect->status() == QSoundEffect::Error && m_errorContext && m_onError)
                    m_onError(QCoreApplication::translate("tildora::EditorAudio",
                                                          "the file is not a WAV recording the editor can play"));
            });
        }
        m_errorContext = context;
        m_onError = std::move(onError);
        m_effect->stop();
        // Read afresh each time: a new take of the teacher's keeps its file name.
        m_effect->setSource(QUrl());
        m_effect->setSource(QUrl::fromLocalFile(path));
        m_effect->play();  // once it is read
    }

    void stopFile() override
    {
        if (m_effect)
            m_effect->stop();
    }

    QIODevice *startInput(RawAudioFormat *format) override
    {
        stopInput();
        const QAudioDevice microphone = QMediaDevices::defaultAudioInput();
        if (microphone.isNull())
            return nullptr;
        // One channel of 16-bit samples where the microphone offers it;
        // anything else it offers is turned into that afterwards.
        QAudioFormat chosen = microphone.preferredFormat();
        QAudioFormat mono = chosen;
        mono.setChannelCount(1);
        mono.setSampleFormat(QAudioFormat::Int16);
        if (microphone.isFormatSupported(mono))
            chosen = mono;
        *format = {kindOf(chosen.sampleFormat()), chosen.channelCount(), chosen.sampleRate()};
        m_source = new QAudioSource(microphone, chosen, this);
        QIODevice *input = m_source->start();
        if (!input)
            stopInput();
        return input;
    }

    void stopInput() override
    {
        if (!m_source)
            return;
        m_source->stop();
        m_source->deleteLater();
        m_source = nullptr;
    }

    bool isRecording() override { return m_source && m_source->state() != QAudio::StoppedState; }

    void playSamples(const QByteArray &samples, int sampleRate) override
    {
        stopSamples();
        const QAudioDevice speaker = QMediaDevices::defaultAudioOutput();
        if (speaker.isNull())
            return;
        QAudioFormat format;
        format.setSampleRate(sampleRate);
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        m_sink = new QAudioSink(speaker, format, this);
        m_playback.close();
        m_playback.setData(samples);
        m_playback.open(QIODevice::ReadOnly);
        m_sink->start(&m_playback);
    }

    void stopSamples() override
    {
        if (!m_sink)
            return;
        m_sink->stop();
        delete m_sink;
        m_sink = nullptr;
    }

private:
    QSoundEffect *m_effect = nullptr;
    QPointer<QObject> m_errorContext;
    std::function<void(const QString &)> m_onError;
    QAudioSource *m_source = nullptr;
    QAudioSink *m_sink = nullptr;
    QBuffer m_playback;
};

} // namespace
} // namespace tildora

extern "C" Q_DECL_EXPORT tildora::EditorAudio *tildora_create_editor_audio(QObject *parent)
{
    return new tildora::QtEditorAudio(parent);
}
