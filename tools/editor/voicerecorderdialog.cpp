#include "voicerecorderdialog.h"

#include "authoring/wordvoices.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QAudioSource>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QMediaDevices>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tildora {
namespace {

// A word takes a second or two; a take left running stops by itself.
constexpr int LongestTakeMs = 10000;
constexpr int MeterSteps = 100;

SampleKind kindOf(QAudioFormat::SampleFormat format)
{
    switch (format) {
    case QAudioFormat::UInt8: return SampleKind::UInt8;
    case QAudioFormat::Int32: return SampleKind::Int32;
    case QAudioFormat::Float: return SampleKind::Float;
    default: return SampleKind::Int16;
    }
}

} // namespace

VoiceRecorderDialog::VoiceRecorderDialog(const QString &word, const QString &spoken, const QString &folder,
                                         QWidget *parent)
    : QDialog(parent), m_word(word), m_spoken(spoken), m_folder(folder), m_state(new QLabel(this)), m_meter(new QProgressBar(this)),
      m_record(new QPushButton(tr("&Record"), this)), m_play(new QPushButton(tr("&Play back"), this)),
      m_keep(new QPushButton(tr("&Keep"), this))
{
    setWindowTitle(tr("Record «%1»").arg(spoken));
    auto *title = new QLabel(tr("Say the word clearly, as to a child:"), this);
    auto *wordLabel = new QLabel(spoken, this);
    QFont big = wordLabel->font();
    big.setPointSizeF(big.pointSizeF() * 2.5);
    big.setBold(true);
    wordLabel->setFont(big);
    wordLabel->setAlignment(Qt::AlignCenter);
    m_meter->setRange(0, MeterSteps);
    m_meter->setTextVisible(false);
    m_meter->setAccessibleName(tr("Microphone level"));
    m_state->setWordWrap(true);
    m_play->setEnabled(false);
    m_keep->setEnabled(false);
    m_limit.setSingleShot(true);
    m_limit.setInterval(LongestTakeMs);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_record);
    buttons->addWidget(m_play);
    buttons->addStretch();
    buttons->addWidget(m_keep);
    auto *close = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(wordLabel);
    layout->addWidget(m_meter);
    layout->addWidget(m_state);
    layout->addLayout(buttons);
    layout->addWidget(close);

    connect(m_record, &QPushButton::clicked, this, &VoiceRecorderDialog::toggleRecording);
    connect(m_play, &QPushButton::clicked, this, &VoiceRecorderDialog::play);
    connect(m_keep, &QPushButton::clicked, this, &VoiceRecorderDialog::keep);
    connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(&m_limit, &QTimer::timeout, this, &VoiceRecorderDialog::stopRecording);

    const QAudioDevice microphone = QMediaDevices::defaultAudioInput();
    if (microphone.isNull()) {
        m_record->setEnabled(false);
        showState(tr("No microphone was found. Connect one and open this window again."));
        return;
    }
    // One channel of 16-bit samples where the microphone offers it; anything
    // else it offers is turned into that afterwards.
    m_format = microphone.preferredFormat();
    QAudioFormat mono = m_format;
    mono.setChannelCount(1);
    mono.setSampleFormat(QAudioFormat::Int16);
    if (microphone.isFormatSupported(mono))
        m_format = mono;
    showState(tr("Press Record, say the word, then press Stop."));
}

VoiceRecorderDialog::~VoiceRecorderDialog()
{
    if (m_source)
        m_source->stop();
    if (m_sink)
        m_sink->stop();
}

void VoiceRecorderDialog::showState(const QString &text)
{
    m_state->setText(text);
}

void VoiceRecorderDialog::toggleRecording()
{
    if (m_source && m_source->state() != QAudio::StoppedState)
        stopRecording();
    else
        startRecording();
}

void VoiceRecorderDialog::startRecording()
{
    if (m_sink)
        m_sink->stop();
    delete m_source;
    m_raw.clear();
    m_take = {};
    m_source = new QAudioSource(QMediaDevices::defaultAudioInput(), m_format, this);
    m_input = m_source->start();
    if (!m_input) {
        showState(tr("The microphone could not be opened."));
        return;
    }
    connect(m_input, &QIODevice::readyRead, this, &VoiceRecorderDialog::readInput);
    m_record->setText(tr("&Stop"));
    m_play->setEnabled(false);
    m_keep->setEnabled(false);
    m_limit.start();
    showState(tr("Recording… say «%1», then press Stop.").arg(m_spoken));
}

void VoiceRecorderDialog::readInput()
{
    if (!m_input)
        return;
    const QByteArray chunk = m_input->readAll();
    // The device also says data is waiting when none is; the meter keeps
    // the last level heard rather than dropping to nothing in between.
    if (chunk.isEmpty())
        return;
    m_raw += chunk;
    const MonoSound part =
        monoFromRaw(chunk, kindOf(m_format.sampleFormat()), m_format.channelCount(), m_format.sampleRate());
    m_meter->setValue(int(meterFraction(peakOf(part.samples)) * MeterSteps));
}

void VoiceRecorderDialog::stopRecording()
{
    m_limit.stop();
    if (m_source) {
        readInput();
        m_source->stop();
    }
    m_input = nullptr;
    m_meter->setValue(0);
    m_record->setText(tr("&Record again"));
    m_take = preparedVoice(
        monoFromRaw(m_raw, kindOf(m_format.sampleFormat()), m_format.channelCount(), m_format.sampleRate()));
    const bool heard = !m_take.samples.isEmpty();
    m_play->setEnabled(heard);
    m_keep->setEnabled(heard);
    showState(heard ? tr("%1 s recorded. Play it back, keep it, or record it again.")
                          .arg(QLocale().toString(m_take.seconds(), 'f', 1))
                    : tr("Nothing was heard. Check the microphone's volume and record again."));
}

void VoiceRecorderDialog::play()
{
    if (m_take.samples.isEmpty())
        return;
    const QAudioDevice speaker = QMediaDevices::defaultAudioOutput();
    if (speaker.isNull()) {
        showState(tr("No loudspeaker or headphones were found, so the take cannot be played."));
        return;
    }
    QAudioFormat format;
    format.setSampleRate(m_take.sampleRate);
    format.setChannelCount(1);
    format.setSampleFormat(QAudioFormat::Int16);
    if (m_sink)
        m_sink->stop();
    delete m_sink;
    m_sink = new QAudioSink(speaker, format, this);
    m_playback.close();
    m_playback.setData(wavBytes(m_take).mid(44)); // the samples, without the header
    m_playback.open(QIODevice::ReadOnly);
    m_sink->start(&m_playback);
}

void VoiceRecorderDialog::keep()
{
    QString error;
    m_savedPath = saveWordRecording(m_folder, m_word, m_take, &error);
    if (m_savedPath.isEmpty()) {
        showState(tr("The recording could not be saved: %1").arg(error));
        return;
    }
    accept();
}

} // namespace tildora
