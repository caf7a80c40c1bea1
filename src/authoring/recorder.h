#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace tildora {

// Speaks a text into a WAV file as the content pack's recordings are made:
// espeak-ng's Spanish voice, silence trimmed at both ends with sox, the peak
// brought to -1 dBFS, soft edges, mono 16-bit 22050 Hz.
class WordRecorder
{
public:
    // The tools the recorder needs that this machine lacks, as a sentence;
    // empty when espeak-ng and sox are both there.
    static QString missingTools();

    // One program run of the recording, in the order they run.
    struct Step {
        QString program;
        QStringList arguments;
    };
    // The runs that speak text into outPath, with two scratch files in workFolder.
    static QList<Step> steps(const QString &workFolder, const QString &outPath, const QString &text, int wordsPerMinute);

    // False with a reason when the file could not be made.
    static bool say(const QString &outPath, const QString &text, int wordsPerMinute = 125, QString *error = nullptr);
};

} // namespace tildora
