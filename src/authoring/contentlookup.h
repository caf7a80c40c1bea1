#pragma once

#include <QHash>
#include <QList>
#include <QSet>
#include <QString>

namespace tildora {

class ContentLocator;

// What a check asks of the content for every line, with the answers kept:
// whether a letter or an accented letter has its picture (asked once each),
// and whether a word or a sentence has its recording. The recordings are
// listed once, and again only when a recordings folder has changed since, so a
// check at every keystroke looks at four folders' times instead of listing them.
class ContentLookup
{
public:
    void setContent(const ContentLocator *content);
    const ContentLocator *content() const { return m_content; }

    bool hasLetterPicture(QChar letter);
    bool hasAccentedLetterPicture(const QString &accent);
    // The width in pixels of a letter's picture, 0 when it has none.
    int letterPictureWidth(QChar letter);
    // Found as the window finds it: the teacher's folder or the program's,
    // in any letter case; a word that cannot name a file has none.
    bool hasRecording(const QString &word) const;
    // The recording of a line's sentence, found the same way.
    bool hasSentenceRecording(const QString &word, const QString &sentence) const;

    // Lists the recordings again when a folder changed since the last
    // listing; true when the recordings found changed.
    bool refreshRecordings();

private:
    const ContentLocator *m_content = nullptr;
    QHash<QString, bool> m_pictures;  // "a", "accent á" -> found
    QHash<QChar, int> m_widths;
    QSet<QString> m_recordings;       // file names of words, case folded
    QSet<QString> m_sentences;        // and of sentences
    QList<qint64> m_folderTimes;      // when each folder last changed, as listed
    bool m_listed = false;
};

} // namespace tildora
