#include "editor/editoraudio.h"

#include <QCoreApplication>
#include <QLibrary>

#include <cstdio>

namespace tildora {
namespace {

// No module: no devices, nothing to play or record.
class SilentAudio : public EditorAudio
{
public:
    bool hasOutput() override { return false; }
    bool hasInput() override { return false; }
    void playFile(const QString &, QObject *, std::function<void(const QString &)>) override {}
    void stopFile() override {}
    QIODevice *startInput(RawAudioFormat *) override { return nullptr; }
    void stopInput() override {}
    bool isRecording() override { return false; }
    void playSamples(const QByteArray &, int) override {}
    void stopSamples() override {}
};

QStringList &folders()
{
    static QStringList list;
    return list;
}

} // namespace

EditorAudio *loadEditorAudio(const QStringList &folders, QObject *parent)
{
    using Create = EditorAudio *(*)(QObject *);
    for (const QString &folder : folders) {
        QLibrary module(folder + QStringLiteral("/tildora-editor-audio"));
        if (const auto create = reinterpret_cast<Create>(module.resolve("tildora_create_editor_audio")))
            return create(parent);
    }
    return nullptr;
}

void setEditorAudioFolders(const QStringList &list) { folders() = list; }

EditorAudio &editorAudio()
{
    static SilentAudio silent;
    // A child of the application: it ends before Qt Multimedia does.
    static EditorAudio *audio = loadEditorAudio(folders(), QCoreApplication::instance());
    if (!audio) {
        if (!folders().isEmpty())
            std::fprintf(stderr, "tildora-editor: audio module not found in %s: no sound\n",
                         qPrintable(folders().join(QStringLiteral(", "))));
        audio = &silent;
    }
    return *audio;
}

} // namespace tildora
