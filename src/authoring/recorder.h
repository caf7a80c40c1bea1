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

    // How long one program of a recording may run before it is stopped: far
    // longer than speaking any word or sentence takes.
    static constexpr int TimeLimitMs = 30000;

    // One program run of the recording, in the order they run. The programs
    // get no standard input, so none can wait on it.
    struct Step {
        QString program;
        QStringList arguments;
    };
    // The runs that speak text into madePath, with two scratch files in
    // workFolder. The text reaches espeak-ng as text whatever it starts with,
    // never as one of its options.
    static QList<Step> steps(const QString &workFolder, const QString &madePath, const QString &text,
                             int wordsPerMinute);

    // What a person reads when a program ran out of its time.
    static QString timedOut(const QString &program, int timeLimitMs);

    // Keeps the recording the steps made as outPath, whole or not at all
    // (making its folder). False with a reason when it holds no sound or
    // could not be written.
    static bool keep(const QString &madePath, const QString &outPath, QString *error);

    // False with a reason when the file could not be made.
    static bool say(const QString &outPath, const QString &text, int wordsPerMinute = 125, QString *error = nullptr,
                    int timeLimitMs = TimeLimitMs);
};

} // namespace tildora
