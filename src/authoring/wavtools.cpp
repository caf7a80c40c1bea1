#include "authoring/wavtools.h"

#include <QSysInfo>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tildora {
namespace {

// The trimmed, normalised shape of the generated recordings (see the
// recorder's sox steps), so both kinds sound alike.
constexpr int WordRate = 22050;
constexpr double FadeIn = 0.01, FadeOut = 0.03, PadBefore = 0.04, PadAfter = 0.06;
// A microphone's floor sits far above a synthesiser's: the level that counts
// as voice follows the take's own peak, with a floor for very quiet takes.
constexpr float RelativeThreshold = 0.03f, LowestThreshold = 0.002f;
constexpr double TrimFrameSeconds = 0.01;

float sampleAt(const char *p, SampleKind kind)
{
    switch (kind) {
    case SampleKind::UInt8:
        return (float(static_cast<unsigned char>(*p)) - 128.0f) / 128.0f;
    case SampleKind::Int16:
        return float(qFromUnaligned<qint16>(p)) / 32768.0f;
    case SampleKind::Int32:
        return float(double(qFromUnaligned<qint32>(p)) / 2147483648.0);
    case SampleKind::Float: {
        const float v = qFromUnaligned<float>(p);
        return std::isfinite(v) ? std::clamp(v, -1.0f, 1.0f) : 0.0f;
    }
    }
    return 0.0f;
}

int bytesOf(SampleKind kind)
{
    return kind == SampleKind::UInt8 ? 1 : kind == SampleKind::Int16 ? 2 : 4;
}

double windowedSinc(double x, double cutoff, double halfWidth)
{
    if (std::abs(x) >= halfWidth)
        return 0.0;
    const double window = 0.5 + 0.5 * std::cos(std::numbers::pi * x / halfWidth); // Hann
    const double arg = 2.0 * cutoff * x;
    const double sinc = arg == 0.0 ? 1.0 : std::sin(std::numbers::pi * arg) / (std::numbers::pi * arg);
    return 2.0 * cutoff * sinc * window;
}

// RMS level of each frame of the given length.
bool frameAbove(const QList<float> &s, qsizetype start, qsizetype length, float threshold)
{
    double sum = 0.0;
    const qsizetype end = std::min(s.size(), start + length);
    for (qsizetype i = start; i < end; ++i)
        sum += double(s[i]) * s[i];
    return end > start && std::sqrt(sum / double(end - start)) > threshold;
}

} // namespace

MonoSound monoFromRaw(const QByteArray &raw, SampleKind kind, int channels, int sampleRate)
{
    MonoSound out;
    if (channels < 1 || sampleRate < 1)
        return out;
    out.sampleRate = sampleRate;
    const qsizetype width = bytesOf(kind);
    const qsizetype frame = width * channels;
    const qsizetype frames = raw.size() / frame;
    out.samples.resize(frames);
    const char *p = raw.constData();
    for (qsizetype i = 0; i < frames; ++i) {
        float sum = 0.0f;
        for (int c = 0; c < channels; ++c, p += width)
            sum += sampleAt(p, kind);
        out.samples[i] = sum / float(channels);
    }
    return out;
}

float peakOf(const QList<float> &samples)
{
    float peak = 0.0f;
    for (float v : samples)
        peak = std::max(peak, std::abs(v));
    return peak;
}

double meterFraction(float peak)
{
    if (!(peak > 0.0f))
        return 0.0;
    const double db = 20.0 * std::log10(double(std::min(peak, 1.0f)));
    return std::clamp((db + 60.0) / 60.0, 0.0, 1.0);
}

MonoSound resampled(const MonoSound &sound, int toRate)
{
    if (toRate < 1 || sound.sampleRate < 1)
        return {};
    if (toRate == sound.sampleRate)
        return sound;
    const double ratio = double(toRate) / sound.sampleRate;
    // Cut-off in cycles per input sample, a little under the lower Nyquist
    // frequency; the filter keeps 16 zero crossings each side at the output rate.
    const double cutoff = 0.5 * std::min(1.0, ratio) * 0.95;
    const double halfWidth = 16.0 / std::min(1.0, ratio);
    // The filter is read from a fine table (linear between its points) rather
    // than computed for every tap: a sine and a cosine per tap cost ten times more.
    constexpr int Steps = 512;
    QList<double> table(qsizetype(std::ceil(halfWidth * Steps)) + 2);
    for (qsizetype j = 0; j < table.size(); ++j)
        table[j] = windowedSinc(double(j) / Steps, cutoff, halfWidth);
    const auto filter = [&](double x) {
        const double at = std::abs(x) * Steps;
        const auto j = qsizetype(at);
        if (j + 1 >= table.size())
            return 0.0;
        return table[j] + (table[j + 1] - table[j]) * (at - double(j));
    };
    MonoSound out;
    out.sampleRate = toRate;
    const qsizetype inCount = sound.samples.size();
    const auto outCount = qsizetype(std::floor(double(inCount) * ratio));
    out.samples.resize(outCount);
    for (qsizetype n = 0; n < outCount; ++n) {
        const double t = double(n) / ratio;
        const auto first = std::max<qsizetype>(0, qsizetype(std::ceil(t - halfWidth)));
        const auto last = std::min<qsizetype>(inCount - 1, qsizetype(std::floor(t + halfWidth)));
        double sum = 0.0;
        for (qsizetype k = first; k <= last; ++k)
            sum += double(sound.samples[k]) * filter(t - double(k));
        out.samples[n] = float(sum);
    }
    return out;
}

MonoSound trimmedSilence(const MonoSound &sound, float threshold, double frameSeconds)
{
    MonoSound out;
    out.sampleRate = sound.sampleRate;
    const auto frame = std::max<qsizetype>(1, qsizetype(std::lround(frameSeconds * sound.sampleRate)));
    const qsizetype count = sound.samples.size();
    qsizetype start = -1;
    for (qsizetype i = 0; i < count && start < 0; i += frame)
        if (frameAbove(sound.samples, i, frame, threshold))
            start = i;
    if (start < 0)
        return out;
    qsizetype end = start + frame;
    for (qsizetype i = ((count - 1) / frame) * frame; i > start; i -= frame)
        if (frameAbove(sound.samples, i, frame, threshold)) {
            end = i + frame;
            break;
        }
    end = std::min(end, count);
    out.samples = sound.samples.mid(start, end - start);
    return out;
}

MonoSound normalisedPeak(const MonoSound &sound, double peakDbfs)
{
    MonoSound out = sound;
    const float peak = peakOf(sound.samples);
    if (peak <= 0.0f)
        return out;
    const auto gain = float(std::pow(10.0, peakDbfs / 20.0) / peak);
    for (float &v : out.samples)
        v *= gain;
    return out;
}

MonoSound withSoftEdges(const MonoSound &sound, double fadeInSeconds, double fadeOutSeconds, double padBeforeSeconds,
                        double padAfterSeconds)
{
    MonoSound out;
    out.sampleRate = sound.sampleRate;
    const auto samplesOf = [&](double seconds) { return std::max<qsizetype>(0, std::lround(seconds * sound.sampleRate)); };
    QList<float> body = sound.samples;
    const qsizetype fadeIn = std::min(samplesOf(fadeInSeconds), body.size());
    const qsizetype fadeOut = std::min(samplesOf(fadeOutSeconds), body.size());
    for (qsizetype i = 0; i < fadeIn; ++i)
        body[i] *= float(std::sin(std::numbers::pi / 2 * double(i) / double(fadeIn)));
    for (qsizetype r = 0; r < fadeOut; ++r)
        body[body.size() - 1 - r] *= float(std::sin(std::numbers::pi / 2 * double(r) / double(fadeOut)));
    out.samples = QList<float>(samplesOf(padBeforeSeconds), 0.0f) + body + QList<float>(samplesOf(padAfterSeconds), 0.0f);
    return out;
}

MonoSound preparedVoice(const MonoSound &take)
{
    const float threshold = std::max(LowestThreshold, RelativeThreshold * peakOf(take.samples));
    const MonoSound voice = trimmedSilence(take, threshold, TrimFrameSeconds);
    if (voice.samples.isEmpty())
        return {WordRate, {}};
    return withSoftEdges(normalisedPeak(resampled(voice, WordRate)), FadeIn, FadeOut, PadBefore, PadAfter);
}

QByteArray wavBytes(const MonoSound &sound)
{
    const auto dataBytes = quint32(sound.samples.size() * 2);
    QByteArray out(44 + qsizetype(dataBytes), Qt::Uninitialized);
    char *p = out.data();
    const auto put32 = [&](quint32 v) { qToLittleEndian(v, p); p += 4; };
    const auto put16 = [&](quint16 v) { qToLittleEndian(v, p); p += 2; };
    const auto tag = [&](const char *t) { std::copy(t, t + 4, p); p += 4; };
    tag("RIFF"); put32(36 + dataBytes); tag("WAVE");
    tag("fmt "); put32(16); put16(1); put16(1);
    put32(quint32(sound.sampleRate)); put32(quint32(sound.sampleRate) * 2); put16(2); put16(16);
    tag("data"); put32(dataBytes);
    for (float v : sound.samples) {
        const float clipped = std::isfinite(v) ? std::clamp(v, -1.0f, 1.0f) : 0.0f;
        put16(quint16(qint16(std::lround(clipped * 32767.0f))));
    }
    return out;
}

MonoSound soundFromWav(const QByteArray &bytes)
{
    // Byte by byte: callers check the length, and this keeps every read visibly inside the array.
    const auto byteAt = [&](qsizetype at) { return quint32(static_cast<unsigned char>(bytes.at(at))); };
    const auto u16 = [&](qsizetype at) { return quint16(byteAt(at) | byteAt(at + 1) << 8); };
    const auto u32 = [&](qsizetype at) { return quint32(u16(at)) | quint32(u16(at + 2)) << 16; };
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return {};
    int format = 0, channels = 0, rate = 0, bits = 0;
    qsizetype at = 12;
    while (at + 8 <= bytes.size()) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = u32(at + 4);
        const qsizetype body = at + 8;
        if (id == "fmt " && size >= 16 && body + 16 <= bytes.size()) {
            format = u16(body);
            channels = u16(body + 2);
            rate = int(std::min<quint32>(u32(body + 4), 1u << 24));
            bits = u16(body + 14);
            if (format == 0xFFFE && size >= 26 && body + 26 <= bytes.size())
                format = u16(body + 24); // the sub-format's first two bytes
        } else if (id == "data" && channels > 0 && rate > 0) {
            if (QSysInfo::ByteOrder == QSysInfo::BigEndian)
                return {}; // the samples are read in the host's order
            QByteArray data = bytes.mid(body, std::min(size, bytes.size() - body));
            if (format == 1 && bits == 8)
                return monoFromRaw(data, SampleKind::UInt8, channels, rate);
            if (format == 1 && bits == 16)
                return monoFromRaw(data, SampleKind::Int16, channels, rate);
            if (format == 1 && bits == 32)
                return monoFromRaw(data, SampleKind::Int32, channels, rate);
            if (format == 3 && bits == 32)
                return monoFromRaw(data, SampleKind::Float, channels, rate);
            if (format == 1 && bits == 24) {
                // Widened to 32 bits, so one reader serves both.
                QByteArray wide;
                wide.reserve(data.size() / 3 * 4);
                for (qsizetype i = 0; i + 3 <= data.size(); i += 3)
                    wide.append('\0').append(data.constData() + i, 3);
                return monoFromRaw(wide, SampleKind::Int32, channels, rate);
            }
            return {};
        }
        if (size > bytes.size() - body)
            break;
        at = body + size + (size & 1);
    }
    return {};
}

} // namespace tildora
