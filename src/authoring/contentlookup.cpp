#include "authoring/contentlookup.h"

#include "content/contentlocator.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace tildora {
namespace {

// A folder whose time is this close to its listing may change again within
// the same tick of its clock: listed again next time rather than trusted.
constexpr qint64 UnsureMs = 2000;

} // namespace

void ContentLookup::setContent(const ContentLocator *content)
{
    m_content = content;
    m_pictures.clear();
    m_widths.clear();
    m_recordings.clear();
    m_folderTimes.clear();
    m_listed = false;
}

bool ContentLookup::hasLetterPicture(QChar letter)
{
    const QString key(letter);
    if (const auto known = m_pictures.constFind(key); known != m_pictures.constEnd())
        return *known;
    return *m_pictures.insert(key, m_content && !m_content->letterPicture(key).isEmpty());
}

int ContentLookup::letterPictureWidth(QChar letter)
{
    if (const auto known = m_widths.constFind(letter); known != m_widths.constEnd())
        return *known;
    const QString path = m_content ? m_content->letterPicture(QString(letter)) : QString();
    return *m_widths.insert(letter, path.isEmpty() ? 0 : std::max(0, QImageReader(path).size().width()));
}

bool ContentLookup::hasAccentedLetterPicture(const QString &accent)
{
    const QString key = QStringLiteral("accent ") + accent;
    if (const auto known = m_pictures.constFind(key); known != m_pictures.constEnd())
        return *known;
    return *m_pictures.insert(key, m_content && !m_content->accentedLetterPicture(accent).isEmpty());
}

bool ContentLookup::hasRecording(const QString &word) const
{
    return ContentLocator::isSafeName(word) && m_recordings.contains((word + QStringLiteral(".wav")).toCaseFolded());
}

bool ContentLookup::hasSentenceRecording(const QString &word, const QString &sentence) const
{
    return ContentLocator::isSafeName(word)
           && m_sentences.contains((ContentLocator::sentenceRecordingName(word, sentence) + QStringLiteral(".wav")).toCaseFolded());
}

bool ContentLookup::refreshRecordings()
{
    // The words' folders, then the sentences'.
    QStringList folders;
    if (m_content)
        folders = {m_content->userFolder(ContentFolder::WordSounds), m_content->folder(ContentFolder::WordSounds),
                   m_content->userFolder(ContentFolder::SentenceSounds), m_content->folder(ContentFolder::SentenceSounds)};
    QList<qint64> times;
    for (const QString &folder : std::as_const(folders)) {
        const QFileInfo info(folder);
        times << (!folder.isEmpty() && info.isDir() ? info.lastModified().toMSecsSinceEpoch() : -1);
    }
    if (m_listed && times == m_folderTimes)
        return false;
    QSet<QString> recordings[2];
    for (qsizetype i = 0; i < folders.size(); ++i)
        if (!folders.at(i).isEmpty())
            for (const QString &name : QDir(folders.at(i)).entryList(QDir::Files))
                recordings[i / 2].insert(name.toCaseFolded());
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    m_listed = std::all_of(times.cbegin(), times.cend(), [now](qint64 t) { return now - t > UnsureMs; });
    m_folderTimes = times;
    const bool changed = recordings[0] != m_recordings || recordings[1] != m_sentences;
    m_recordings = std::move(recordings[0]);
    m_sentences = std::move(recordings[1]);
    return changed;
}

} // namespace tildora
