#include "authoring/wordvoices.h"

#include "authoring/stress.h"
#include "content/exerciseline.h"
#include "content/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QSet>
#include <QStandardPaths>

namespace tildora {
namespace {

const QString WavExtension = QStringLiteral(".wav");

// Context of this file's messages for the translations.
struct WordVoices { Q_DECLARE_TR_FUNCTIONS(tildora::WordVoices) };

// A recordings folder read once, found in as ContentLocator finds a file (the
// exact name first, then any letter case): looking words up one by one would
// list the folder again for every missing word, and a list of thousands of new
// words would hold the window up for many seconds.
class RecordingsFolder
{
public:
    explicit RecordingsFolder(const QString &dir) : m_dir(dir)
    {
        if (dir.isEmpty())
            return;
        for (const QString &name : QDir(dir).entryList(QDir::Files, QDir::Name)) {
            m_names.insert(name);
            if (const QString folded = name.toCaseFolded(); !m_folded.contains(folded))
                m_folded.insert(folded, name);  // the first in name order
        }
    }
    QString find(const QString &fileName) const
    {
        const QString name = m_names.contains(fileName) ? fileName : m_folded.value(fileName.toCaseFolded());
        return name.isEmpty() ? QString() : m_dir + QLatin1Char('/') + name;
    }

private:
    QString m_dir;
    QSet<QString> m_names;
    QHash<QString, QString> m_folded;
};

} // namespace

QList<SharedRecording> sharedRecordings(const QStringList &lines)
{
    // Lines by the recording they name (found in any letter case), then the
    // written words of the few recordings named more than once: this runs at
    // every keystroke in the editor.
    QHash<QString, QList<int>> byName;
    byName.reserve(lines.size());
    QStringList order;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ExerciseLine fields = splitExerciseLine(lines.at(i));
        // A line with a sentence is heard from the sentence's own recording.
        if (fields.closedFields < 4 || fields.word.isEmpty() || !lineSentence(fields).isEmpty())
            continue;
        const QString name = fields.word.toString().toCaseFolded();
        QList<int> &named = byName[name];
        if (named.isEmpty())
            order << name;
        named << int(i);
    }
    QList<SharedRecording> all;
    for (const QString &name : std::as_const(order)) {
        const QList<int> &named = byName[name];
        if (named.size() < 2)
            continue;
        SharedRecording shared;
        for (const int i : named) {
            const ExerciseLine fields = splitExerciseLine(lines.at(i));
            const QString written = withWrittenAccent(fields.word, fields.position.trimmed().toInt(), fields.accent);
            if (!shared.written.contains(written, Qt::CaseInsensitive))
                shared.written << written;
        }
        if (shared.written.size() < 2)
            continue;
        shared.word = splitExerciseLine(lines.at(named.first())).word.toString();
        shared.lines = named;
        all << shared;
    }
    return all;
}

QList<WordVoice> wordVoices(const ExerciseLines &lines, const ContentLocator &content)
{
    QList<WordVoice> voices;
    QSet<QString> seen;  // names, and sentences' names, case folded
    // Each folder read once (see RecordingsFolder), the teacher's before the bundled one.
    const RecordingsFolder folders[2][2] = {
        {RecordingsFolder(content.userFolder(ContentFolder::WordSounds)), RecordingsFolder(content.folder(ContentFolder::WordSounds))},
        {RecordingsFolder(content.userFolder(ContentFolder::SentenceSounds)),
         RecordingsFolder(content.folder(ContentFolder::SentenceSounds))}};
    const auto add = [&](const QString &word, const QString &spoken, const QString &name, ContentFolder folder, int line) {
        const bool sentence = folder == ContentFolder::SentenceSounds;
        const QString key = QString::number(sentence) + name.toCaseFolded();
        if (seen.contains(key))
            return;
        seen.insert(key);
        WordVoice voice;
        voice.word = word;
        voice.spoken = spoken;
        voice.name = name;
        voice.sentence = sentence;
        voice.line = line;
        voice.path = folders[sentence][0].find(name + WavExtension);
        if (!voice.path.isEmpty())
            voice.source = VoiceSource::Teacher;
        else if (voice.path = folders[sentence][1].find(name + WavExtension); !voice.path.isEmpty())
            voice.source = VoiceSource::Bundled;
        voices.append(voice);
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ExerciseLine fields = splitExerciseLine(lines.at(i));
        const QString word = fields.word.toString();
        if (fields.closedFields < 1 || word.isEmpty() || !ContentLocator::isSafeName(word))
            continue;
        const QString spoken = withWrittenAccent(fields.word, fields.position.trimmed().toInt(), fields.accent);
        add(word, spoken, word, ContentFolder::WordSounds, int(i));
        if (const QString sentence = lineSentence(fields); !sentence.isEmpty())
            add(word, sentence, ContentLocator::sentenceRecordingName(word, sentence), ContentFolder::SentenceSounds, int(i));
    }
    for (const SharedRecording &shared : sharedRecordings(lines.toStringList()))
        for (WordVoice &voice : voices)
            if (!voice.sentence && voice.word.compare(shared.word, Qt::CaseInsensitive) == 0)
                voice.sharedBy = shared.written;
    return voices;
}

QList<RecordingRequest> missingRecordings(const ExerciseLines &lines, const ContentLocator &content,
                                          const QString &outRoot)
{
    const ContentLocator out(outRoot);
    QList<RecordingRequest> requests;
    for (const WordVoice &voice : wordVoices(lines, content))
        if (voice.source == VoiceSource::Missing)
            requests.append({voice.sentence ? voice.spoken : voice.word, voice.spoken,
                             out.folder(voice.sentence ? ContentFolder::SentenceSounds : ContentFolder::WordSounds)
                                 + QLatin1Char('/') + voice.name + WavExtension,
                             voice.line});
    return requests;
}

QStringList missingRecordingPackages()
{
    // The programs are named as their Debian packages.
    QStringList missing;
    for (const QString &program : {QStringLiteral("espeak-ng"), QStringLiteral("sox")})
        if (QStandardPaths::findExecutable(program).isEmpty())
            missing << program;
    return missing;
}

QString saveWordRecording(const QString &folder, const QString &word, const MonoSound &sound, QString *error)
{
    const auto fail = [&](const QString &why) {
        if (error)
            *error = why;
        return QString();
    };
    if (word.isEmpty() || !ContentLocator::isSafeName(word))
        return fail(WordVoices::tr("«%1» cannot name a file").arg(word));
    if (sound.samples.isEmpty())
        return fail(WordVoices::tr("the recording is empty"));
    const QString path = folder + QLatin1Char('/') + word + WavExtension;
    QString why;
    if (!QDir().mkpath(folder) || !writeWholeFile(path, wavBytes(sound), &why))
        return fail(WordVoices::tr("cannot write %1: %2").arg(QDir::toNativeSeparators(path), why));
    return path;
}

} // namespace tildora
