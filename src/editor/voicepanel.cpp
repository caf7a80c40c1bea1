#include "editor/voicepanel.h"

#include "authoring/recordingjob.h"
#include "editor/editoraudio.h"
#include "editor/voicerecorderdialog.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tildora {
namespace {

enum Column { WordColumn, SpokenColumn, SourceColumn };
constexpr int NameRole = Qt::UserRole;  // the recording's file name without .wav

QTreeWidgetItem *itemNamed(const QTreeWidget *table, const QString &name)
{
    for (int i = 0; i < table->topLevelItemCount(); ++i)
        if (QTreeWidgetItem *item = table->topLevelItem(i);
            item->data(WordColumn, NameRole).toString().compare(name, Qt::CaseInsensitive) == 0)
            return item;
    return nullptr;
}

} // namespace

VoicePanel::VoicePanel(const ContentLocator &content, QWidget *parent)
    : QWidget(parent), m_content(content), m_table(new QTreeWidget(this)), m_play(new QPushButton(tr("&Play"), this)),
      m_recordMissing(new QPushButton(tr("Record &missing words"), this)),
      m_ownVoice(new QPushButton(tr("Record my &voice…"), this)), m_cancel(new QPushButton(tr("Cancel"), this)),
      m_progress(new QProgressBar(this)), m_notice(new QLabel(this)), m_job(new RecordingJob(this))
{
    m_table->setHeaderLabels({tr("Word"), tr("Said as"), tr("Recording")});
    m_table->setRootIsDecorated(false);
    m_table->setAllColumnsShowFocus(true);
    m_table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_play->setToolTip(tr("Play the selected word's recording as Tildora plays it"));
    m_recordMissing->setToolTip(tr("Make the missing recordings with the speech synthesiser (espeak-ng)"));
    m_ownVoice->setToolTip(tr("Record the selected word from the microphone; it replaces the synthetic recording"));
    m_notice->setWordWrap(true);
    m_notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_progress->setVisible(false);
    m_cancel->setVisible(false);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_play);
    buttons->addWidget(m_ownVoice);
    buttons->addStretch();
    buttons->addWidget(m_recordMissing);
    auto *progress = new QHBoxLayout;
    progress->addWidget(m_progress, 1);
    progress->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addLayout(buttons);
    layout->addLayout(progress);
    layout->addWidget(m_notice);

    connect(m_play, &QPushButton::clicked, this, &VoicePanel::playSelected);
    connect(m_recordMissing, &QPushButton::clicked, this, &VoicePanel::recordMissing);
    connect(m_ownVoice, &QPushButton::clicked, this, &VoicePanel::recordOwnVoice);
    connect(m_cancel, &QPushButton::clicked, this, &VoicePanel::cancelRecording);
    connect(m_table, &QTreeWidget::currentItemChanged, this, &VoicePanel::updateButtons);
    connect(m_table, &QTreeWidget::itemActivated, this, &VoicePanel::playSelected);
    connect(m_job, &RecordingJob::progressed, this, [this](int done, int total) {
        m_progress->setRange(0, total);
        m_progress->setValue(done);
    });
    connect(m_job, &RecordingJob::wordRecorded, this, &VoicePanel::refresh);
    connect(m_job, &RecordingJob::wordFailed, this, [this](const QString &word, const QString &reason) {
        m_failures << tr("«%1»: %2").arg(word, reason);
    });
    connect(m_job, &RecordingJob::finished, this, &VoicePanel::jobFinished);
    updateButtons();
}

VoicePanel::~VoicePanel() = default;

void VoicePanel::addMenuActions(QMenu *menu)
{
    const auto inSight = [this] {
        emit wantsSight();
        refresh();
    };
    menu->addAction(tr("&Play the word"), QKeySequence(tr("Ctrl+P")), this, [this, inSight] {
        inSight();
        playSelected();
    });
    menu->addAction(tr("Record my &voice…"), QKeySequence(tr("Ctrl+R")), this, [this, inSight] {
        inSight();
        recordOwnVoice();
    });
    menu->addAction(tr("Record the &missing words"), this, [this, inSight] {
        inSight();
        recordMissing();
    });
    menu->addAction(tr("&Cancel recording"), this, &VoicePanel::cancelRecording);
}

void VoicePanel::setLines(const QStringList &lines)
{
    m_lines = lines;
    m_stale = true;
    if (isVisible())
        refresh();
}

void VoicePanel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_stale)
        refresh();
}

void VoicePanel::refresh()
{
    // The word chosen in the words tab while this one was out of date, else the one chosen here.
    const QString selected = m_stale && !m_wanted.isEmpty() ? m_wanted : selectedWord();
    const QList<WordVoice> voices = wordVoices(ExerciseLines::fromStringList(m_lines), m_content);
    // Most changes of a line leave its word and recording as they were: the
    // table of a long list is only made again when something in it changed.
    const bool same = std::equal(voices.cbegin(), voices.cend(), m_voices.cbegin(), m_voices.cend(),
                                 [](const WordVoice &a, const WordVoice &b) {
                                     return a.name == b.name && a.word == b.word && a.spoken == b.spoken && a.path == b.path
                                            && a.sharedBy == b.sharedBy;
                                 });
    m_voices = voices;
    if (!same || m_table->topLevelItemCount() != m_voices.size()) {
        m_table->clear();
        for (const WordVoice &voice : std::as_const(m_voices)) {
            const QString source = voice.source == VoiceSource::Teacher   ? tr("in your folder")
                                   : voice.source == VoiceSource::Bundled ? tr("bundled with Tildora")
                                                                          : tr("missing");
            auto *item = new QTreeWidgetItem(
                m_table, {voice.sentence ? tr("%1 (sentence)").arg(voice.word) : voice.word, voice.spoken, source});
            item->setData(WordColumn, NameRole, voice.name);
            if (!voice.sharedBy.isEmpty()) {
                // Words the file cannot tell apart: the teacher decides whether to keep them all.
                QStringList others = voice.sharedBy;
                others.removeAll(voice.spoken);
                item->setText(SpokenColumn, tr("%1 (the child hears it for %2 too)").arg(voice.spoken, others.join(QStringLiteral(", "))));
                item->setForeground(SpokenColumn, QColor(0x8a, 0x5a, 0x00));
            }
            if (voice.source == VoiceSource::Missing)
                item->setForeground(SourceColumn, QColor(0xb0, 0x30, 0x20));
        }
    }
    if (QTreeWidgetItem *found = itemNamed(m_table, selected))
        m_table->setCurrentItem(found);
    m_stale = false;
    updateButtons();
    emit recordingsChanged();
}

void VoicePanel::selectWord(const QString &name)
{
    m_wanted = name;
    if (QTreeWidgetItem *found = itemNamed(m_table, name))
        m_table->setCurrentItem(found);
}

QString VoicePanel::selectedWord() const
{
    const QTreeWidgetItem *item = m_table->currentItem();
    return item ? item->data(WordColumn, NameRole).toString() : QString();
}

void VoicePanel::updateButtons()
{
    const int row = m_table->currentItem() ? m_table->indexOfTopLevelItem(m_table->currentItem()) : -1;
    const bool hasWord = row >= 0 && row < m_voices.size();
    m_play->setEnabled(hasWord && !m_voices.at(row).path.isEmpty());
    m_ownVoice->setEnabled(hasWord);
    const bool running = m_job->isRunning();
    const bool anyMissing = std::any_of(m_voices.cbegin(), m_voices.cend(),
                                        [](const WordVoice &v) { return v.source == VoiceSource::Missing; });
    m_recordMissing->setEnabled(!running && anyMissing);
    m_progress->setVisible(running);
    m_cancel->setVisible(running);
}

void VoicePanel::say(const QString &text)
{
    m_notice->setText(text);
}

void VoicePanel::playSelected()
{
    const int row = m_table->currentItem() ? m_table->indexOfTopLevelItem(m_table->currentItem()) : -1;
    if (row < 0 || row >= m_voices.size() || m_voices.at(row).path.isEmpty())
        return;
    if (!editorAudio().hasOutput()) {
        say(tr("No loudspeaker or headphones were found, so nothing can be played."));
        return;
    }
    editorAudio().playFile(m_voices.at(row).path, this,
                           [this](const QString &text) { say(tr("Cannot play the recording: %1").arg(text)); });
}

void VoicePanel::recordMissing()
{
    if (m_job->isRunning())
        return;
    if (const QStringList missing = missingRecordingPackages(); !missing.isEmpty()) {
        say(tr("Recording needs %1. Install it with: sudo apt install %2")
                .arg(missing.join(tr(" and ")), missing.join(QLatin1Char(' '))));
        return;
    }
    const QList<RecordingRequest> requests =
        missingRecordings(ExerciseLines::fromStringList(m_lines), m_content, m_content.userFolder());
    if (requests.isEmpty())
        return;
    m_failures.clear();
    say(tr("Recording %n word(s)…", nullptr, int(requests.size())));
    m_job->start(requests);
    updateButtons();
}

void VoicePanel::cancelRecording()
{
    m_job->cancel();
}

void VoicePanel::jobFinished(int made, int failed, bool cancelled)
{
    QString text = cancelled ? tr("Stopped: %n recording(s) made.", nullptr, made)
                             : tr("%n recording(s) made.", nullptr, made);
    if (failed > 0)
        text += QLatin1Char(' ') + tr("%n failed:", nullptr, failed) + QLatin1Char('\n') + m_failures.join(QLatin1Char('\n'));
    say(text);
    refresh();
}

void VoicePanel::recordOwnVoice()
{
    const int row = m_table->currentItem() ? m_table->indexOfTopLevelItem(m_table->currentItem()) : -1;
    if (row < 0 || row >= m_voices.size())
        return;
    if (!editorAudio().hasInput()) {
        say(tr("No microphone was found. Connect one to record your own voice; everything else works without it."));
        return;
    }
    editorAudio().stopFile();
    const WordVoice voice = m_voices.at(row);  // a copy: the table may be remade while the dialog is open
    VoiceRecorderDialog dialog(voice.name, voice.spoken,
                               m_content.userFolder(voice.sentence ? ContentFolder::SentenceSounds : ContentFolder::WordSounds), this);
    if (dialog.exec() == QDialog::Accepted) {
        say(tr("Your recording of «%1» is saved; Tildora plays it from now on.").arg(voice.spoken));
        refresh();
    }
}

} // namespace tildora
