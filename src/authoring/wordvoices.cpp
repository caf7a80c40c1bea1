#include "authoring/wordvoices.h"

#include "authoring/stress.h"
#include "content/exerciseline.h"
#include "content/regularfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QSaveFile>
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
    QList<SharedRecording> all;
    QHash<QString, qsizetype> byName;  // recordings are found in any letter case
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ExerciseLine fields = splitExerciseLine(lines.at(i));
        // A line with a sentence is heard from the sentence's own recording.
        if (fields.closedFields < 4 || fields.word.isEmpty() || !lineSentence(fields).isEmpty())
            continue;
        const QString name = fields.word.toString().toCaseFolded();
        qsizetype &index = byName[name];
        if (index == 0) {
            all.append({fields.word.toString(), {}, {}});
            index = all.size();
        }
        SharedRecording &shared = all[index - 1];
        const QString written = withWrittenAccent(fields.word, fields.position.trimmed().toInt(), fields.accent);
        if (!shared.written.contains(written, Qt::CaseInsensitive))
            shared.written << written;
        shared.lines << int(i);
    }
    all.removeIf([](const SharedRecording &shared) { return shared.written.size() < 2; });
    return all;
}

QList<WordVoice> wordVoices(const ExerciseLines &lines, const ContentLocator &content)
{
    QList<WordVoice> voices;
    QSet<QString> seen;
    const QString teacherFolder = content.userFolder(ContentFolder::WordSounds) + QLatin1Char('/');
    const RecordingsFolder teacher(content.userFolder(ContentFolder::WordSounds));
    const RecordingsFolder bundled(content.folder(ContentFolder::WordSounds));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const ExerciseLine fields = splitExerciseLine(lines.at(i));
        const QString word = fields.word.toString();
        if (fields.closedFields < 1 || word.isEmpty() || !ContentLocator::isSafeName(word))
            continue;
        const QString key = word.toLower();
        if (seen.contains(key))
            continue;
        seen.insert(key);
        WordVoice voice;
        voice.word = word;
        voice.spoken = withWrittenAccent(fields.word, fields.position.trimmed().toInt(), fields.accent);
        voice.path = teacher.find(word + WavExtension);
        if (voice.path.isEmpty())
            voice.path = bundled.find(word + WavExtension);
        if (!voice.path.isEmpty())
            voice.source = !content.userFolder().isEmpty() && voice.path.startsWith(teacherFolder) ? VoiceSource::Teacher
                                                                                                   : VoiceSource::Bundled;
        voices.append(voice);
    }
    for (const SharedRecording &shared : sharedRecordings(lines.toStringList()))
        for (WordVoice &voice : voices)
            if (voice.word.compare(shared.word, Qt::CaseInsensitive) == 0)
                voice.sharedBy = shared.written;
    return voices;
}

QList<RecordingRequest> missingRecordings(const ExerciseLines &lines, const ContentLocator &content,
                                          const QString &outFolder)
{
    QList<RecordingRequest> requests;
    for (const WordVoice &voice : wordVoices(lines, content))
        if (voice.source == VoiceSource::Missing)
            requests.append({voice.word, voice.spoken, outFolder + QLatin1Char('/') + voice.word + WavExtension});
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
