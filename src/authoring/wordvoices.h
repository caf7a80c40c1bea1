#pragma once

#include "authoring/wavtools.h"
#include "content/contentlocator.h"
#include "content/exerciselibrary.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace tildora {

// Where a recording comes from.
enum class VoiceSource { Missing, Teacher, Bundled };

// One word of an exercise list, or one line's sentence, and its recording.
struct WordVoice {
    QString word;     // as in the exercise line
    QString spoken;   // what is said: the word with its written accent, or the sentence
    QString name;     // the recording's file name without .wav: the word, or the sentence's name
    bool sentence = false;  // a sentence, heard instead of its line's word
    int line = 0;     // the first line that needs it, 0-based
    QString path;     // the recording, empty when missing
    VoiceSource source = VoiceSource::Missing;
    QStringList sharedBy;  // the words the child hears on this recording, when they are several
};

// Words written differently that name one recording: término, termino and
// terminó are all lines of termino, and the child hears termino.wav for
// each. Each such recording with its words (as written, in line order) and
// its lines (0-based). Lines with a sentence are heard as their sentence, on
// a recording of its own, and are left out.
struct SharedRecording {
    QString word;         // as the first of its lines names it
    QStringList written;  // two or more
    QList<int> lines;
};
QList<SharedRecording> sharedRecordings(const QStringList &lines);

// One word or sentence to speak into a file.
struct RecordingRequest {
    QString word;     // what messages call it: the word, or the sentence
    QString spoken;
    QString outPath;  // the WAV file to make
    int line = 0;     // the first line that needs it, 0-based
};

// The words of exercise lines, once each whatever their letter case (so are
// recordings found), in line order, each followed by the sentence of its line
// when it has one (once each too), with their recordings as Tildora finds
// them (the teacher's own first). Lines without a word, and words that cannot
// name a file, are left out.
QList<WordVoice> wordVoices(const ExerciseLines &lines, const ContentLocator &content);

// The words and sentences of exercise lines that have no recording yet, to be
// made in the content tree at outRoot (its sonidospalabras/ and sonidosfrases/).
QList<RecordingRequest> missingRecordings(const ExerciseLines &lines, const ContentLocator &content,
                                          const QString &outRoot);

// The Debian packages (espeak-ng, sox) whose programs this machine lacks;
// empty when recording can go ahead.
QStringList missingRecordingPackages();

// Saves a prepared recording as folder/WORD.wav in one piece (a crash never
// leaves half a file), making the folder when needed. The path, or empty with
// a reason when the word cannot name a file or the folder cannot be written.
QString saveWordRecording(const QString &folder, const QString &word, const MonoSound &sound, QString *error);

} // namespace tildora
