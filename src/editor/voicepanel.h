#pragma once

#include "authoring/wordvoices.h"
#include "content/contentlocator.h"

#include <QStringList>
#include <QWidget>

class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QTreeWidget;

namespace tildora {

class RecordingJob;

// The recordings of the open list's words and sentences: which are the
// teacher's, which bundled, which missing; play one, make the missing ones with the speech
// synthesiser in the background, or record the teacher's own voice.
class VoicePanel : public QWidget
{
    Q_OBJECT
public:
    explicit VoicePanel(const ContentLocator &content, QWidget *parent = nullptr);
    ~VoicePanel() override;

    // Its actions for the window's Voices menu; each asks to be in sight
    // (wantsSight) before it acts.
    void addMenuActions(QMenu *menu);

    // The lines of the open list; the words are shown again with their
    // recordings when the panel is in sight (looking them up for every
    // keystroke in another tab would slow typing down).
    void setLines(const QStringList &lines);
    // A row by its recording's name: a word, or a sentence's name
    // (ContentLocator::sentenceRecordingName).
    void selectWord(const QString &name);
    QString selectedWord() const;
    QTreeWidget *table() const { return m_table; }
    RecordingJob *job() const { return m_job; }
    QLabel *notice() const { return m_notice; }

public slots:
    void playSelected();
    void recordMissing();
    void cancelRecording();
    void recordOwnVoice();
    void refresh();

signals:
    void recordingsChanged();
    // The window shows the panel's tab.
    void wantsSight();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void jobFinished(int made, int failed, bool cancelled);
    void updateButtons();
    void say(const QString &text);

    ContentLocator m_content;
    QStringList m_lines;
    bool m_stale = false;
    QString m_wanted;  // the recording last chosen in the words tab
    QList<WordVoice> m_voices;
    QStringList m_failures;
    QTreeWidget *m_table;
    QPushButton *m_play;
    QPushButton *m_recordMissing;
    QPushButton *m_ownVoice;
    QPushButton *m_cancel;
    QProgressBar *m_progress;
    QLabel *m_notice;
    RecordingJob *m_job;
};

} // namespace tildora
