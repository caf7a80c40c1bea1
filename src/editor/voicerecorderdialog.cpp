#include "editor/voicerecorderdialog.h"

#include "authoring/wordvoices.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace tildora {
namespace {

// A word takes a second or two; a take left running stops by itself.
constexpr int LongestTakeMs = 10000;
constexpr int MeterSteps = 100;

} // namespace

VoiceRecorderDialog::VoiceRecorderDialog(const QString &word, const QString &spoken, const QString &folder,
                                         QWidget *parent)
    : QDialog(parent), m_word(word), m_spoken(spoken), m_folder(folder), m_state(new QLabel(this)), m_meter(new QProgressBar(this)),
      m_record(new QPushButton(tr("&Record"), this)), m_play(new QPushButton(tr("&Play back"), this)),
      m_keep(new QPushButton(tr("&Keep"), this))
{
    setWindowTitle(tr("Record «%1»").arg(spoken));
    // A line's sentence has spaces, a word never: it is said whole, and wraps rather than widen the window.
    const bool sentence = spoken.contains(u' ');
    auto *title = new QLabel(sentence ? tr("Say the sentence slowly and clearly:") : tr("Say the word slowly and clearly:"), this);
    auto *wordLabel = new QLabel(spoken, this);
    wordLabel->setWordWrap(sentence);
    QFont big = wordLabel->font();
    big.setPointSizeF(big.pointSizeF() * (sentence ? 1.6 : 2.5));
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

    if (!editorAudio().hasInput()) {
        m_record->setEnabled(false);
        showState(tr("No microphone was found. Connect one and open this window again."));
        return;
    }
    showState(sentence ? tr("Press Record, say the sentence, then press Stop.")
                       : tr("Press Record, say the word, then press Stop."));
}

VoiceRecorderDialog::~VoiceRecorderDialog()
{
    editorAudio().stopInput();
    editorAudio().stopSamples();
}

void VoiceRecorderDialog::showState(const QString &text)
{
    m_state->setText(text);
}

void VoiceRecorderDialog::toggleRecording()
{
    if (editorAudio().isRecording())
        stopRecording();
    else
        startRecording();
}

void VoiceRecorderDialog::startRecording()
{
    editorAudio().stopSamples();
    m_raw.clear();
    m_take = {};
    m_input = editorAudio().startInput(&m_format);
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
        monoFromRaw(chunk, m_format.kind, m_format.channels, m_format.sampleRate);
    m_meter->setValue(int(meterFraction(peakOf(part.samples)) * MeterSteps));
}

void VoiceRecorderDialog::stopRecording()
{
    m_limit.stop();
    readInput();
    editorAudio().stopInput();
    m_input = nullptr;
    m_meter->setValue(0);
    m_record->setText(tr("&Record again"));
    m_take = preparedVoice(
        monoFromRaw(m_raw, m_format.kind, m_format.channels, m_format.sampleRate));
    const bool heard = !m_take.samples.isEmpty();
    m_play->setEnabled(heard);
    m_keep->setEnabled(heard);
    showState(heard ? tr("A take of %1 s. Listen to it, keep it, or record it again.")
                          .arg(QLocale().toString(m_take.seconds(), 'f', 1))
                    : tr("Nothing was heard. Check the microphone's volume and record again."));
}

void VoiceRecorderDialog::play()
{
    if (m_take.samples.isEmpty())
        return;
    if (!editorAudio().hasOutput()) {
        showState(tr("No loudspeaker or headphones were found, so the take cannot be played."));
        return;
    }
    editorAudio().playSamples(wavBytes(m_take).mid(44), m_take.sampleRate); // the samples, without the header
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
