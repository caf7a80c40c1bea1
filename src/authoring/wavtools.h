#pragma once

#include <QByteArray>
#include <QList>

namespace tildora {

// Mono sound as floating-point samples in -1..1 at a sample rate.
struct MonoSound {
    int sampleRate = 0;
    QList<float> samples;

    double seconds() const { return sampleRate > 0 ? double(samples.size()) / sampleRate : 0.0; }
};

// How raw microphone bytes are laid out: interleaved frames of this many
// channels, each sample of this kind, native byte order.
enum class SampleKind { UInt8, Int16, Int32, Float };

// Raw interleaved samples to mono (the channels averaged). A trailing partial
// frame is dropped; a channel count below 1 or a rate below 1 gives no sound.
MonoSound monoFromRaw(const QByteArray &raw, SampleKind kind, int channels, int sampleRate);

// The largest absolute sample value, 0..1 (0 for silence or no samples).
float peakOf(const QList<float> &samples);

// Where a level-meter bar stands for a peak: -60 dBFS and below is 0, full
// scale is 1, linear in decibels between.
double meterFraction(float peak);

// Changes the sample rate with a windowed-sinc filter that also removes what
// the new rate cannot hold, so a voice taken at 48 kHz does not fold its hiss
// into the audible band at 22050 Hz.
MonoSound resampled(const MonoSound &sound, int toRate);

// Cuts the silence at both ends. The sound is looked at in frames of
// frameSeconds: what is kept runs from the first frame whose RMS level stands
// above threshold (an absolute level, 0..1) to the end of the last such
// frame. All silence gives no samples.
MonoSound trimmedSilence(const MonoSound &sound, float threshold, double frameSeconds = 0.01);

// Scales the sound so that its peak stands at the given level in dBFS
// (-1 gives a peak of 0.891). Silence stays silence.
MonoSound normalisedPeak(const MonoSound &sound, double peakDbfs = -1.0);

// Quarter-sine fades at both ends and silence added around, so that a word
// starts and stops softly and never clicks.
MonoSound withSoftEdges(const MonoSound &sound, double fadeInSeconds, double fadeOutSeconds, double padBeforeSeconds,
                        double padAfterSeconds);

// A teacher's raw take made into a word recording like the generated ones:
// mono 22050 Hz, silence trimmed (threshold relative to the take's own peak,
// as a microphone's floor is far above a synthesiser's), peak at -1 dBFS,
// soft edges. An empty sound when the take holds nothing but silence.
MonoSound preparedVoice(const MonoSound &take);

// A RIFF WAVE file of 16-bit signed PCM, one channel. Samples beyond -1..1
// are clipped; the rest is rounded to the nearest step.
QByteArray wavBytes(const MonoSound &sound);

// Reads a PCM WAVE file (8, 16, 24 or 32-bit integer or 32-bit float, any
// channel count; little-endian hosts) into mono. Anything else, or broken bytes, gives an empty
// sound with a sample rate of 0.
MonoSound soundFromWav(const QByteArray &bytes);

} // namespace tildora
