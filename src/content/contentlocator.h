#pragma once

#include <QString>

#include <array>

namespace tildora {

// The folders of a content tree. Their names on disk are spelled only in
// ContentLocator::folderName.
enum class ContentFolder {
    Exercises,        // exercise files
    Letters,          // one picture per letter
    AccentedLetters,  // one picture per accented letter
    Sounds,           // praise, accent, no-accent and failure sounds
    WordSounds,       // one recording per word
    Animations,       // the yes and no animations
    SentenceSounds,   // one recording per sentence of a line; optional
};

// Finds content files under the program folder: folder/name + extension.
// Names come from exercise lines, so a name with a path separator or a NUL,
// or equal to "." or "..", never opens anything: it counts as missing. Only
// regular, visible files (or links to one) count, never a FIFO or a device.
// When the exact name is not there, a name that differs only in letter case
// is taken, as content made on Windows expects. A second, per-user folder
// (the teacher's own recordings and pictures) is looked in before the
// program's, so the teacher's own take of a word replaces the bundled one.
class ContentLocator
{
public:
    // The folders every content tree has.
    static constexpr std::array<ContentFolder, 6> AllFolders{
        ContentFolder::Exercises, ContentFolder::Letters,    ContentFolder::AccentedLetters,
        ContentFolder::Sounds,    ContentFolder::WordSounds, ContentFolder::Animations};

    explicit ContentLocator(QString programFolder = {}, QString userFolder = {});

    void setUserFolder(const QString &folder) { m_userFolder = folder; }
    const QString &userFolder() const { return m_userFolder; }

    const QString &programFolder() const { return m_programFolder; }

    // The folder's name on disk, e.g. "letrasgifs".
    static QString folderName(ContentFolder folder);
    // The folder in the program's tree, or in the user's (empty without one).
    QString folder(ContentFolder folder) const;
    QString userFolder(ContentFolder folder) const;

    // The path of the file, or an empty string when there is none.
    QString locate(ContentFolder folder, const QString &name, const QString &extension) const;

    // Typed look-ups of what a word needs.
    QString letterPicture(const QString &letter) const { return locate(ContentFolder::Letters, letter, gif()); }
    QString accentedLetterPicture(const QString &accent) const
    {
        return locate(ContentFolder::AccentedLetters, accent, gif());
    }
    QString wordRecording(const QString &word) const { return locate(ContentFolder::WordSounds, word, wav()); }
    // The recording of a line's sentence. Two lines with the same word and
    // different sentences (tu and tú) have different recordings.
    QString sentenceRecording(const QString &word, const QString &sentence) const
    {
        return locate(ContentFolder::SentenceSounds, sentenceRecordingName(word, sentence), wav());
    }
    // "word-1a2b3c4d": the word, then a digest of the sentence.
    static QString sentenceRecordingName(const QString &word, const QString &sentence);
    // A feedback sound by its base name ("acento", "1"): the found file, or
    // where it would be in the program's tree, so that the player can say
    // what is missing.
    QString feedbackSound(const QString &name) const;
    // The yes or no animation: its place in the program's tree.
    QString animation(const QString &name) const;

    static bool isSafeName(const QString &name);

private:
    static QString gif() { return QStringLiteral(".gif"); }
    static QString wav() { return QStringLiteral(".wav"); }
    static QString locateIn(const QString &dir, const QString &fileName);
    static QString placeIn(const QString &dir, const QString &fileName);
    QString m_programFolder;
    QString m_userFolder;
};

} // namespace tildora
