#pragma once

#include "answering/answering.h"
#include "content/contentlocator.h"
#include "content/currentitem.h"
#include "content/exerciselibrary.h"
#include "platform/pictureloader.h"
#include "presentation/stripstate.h"
#include "window/recordpanel.h"

#include <QFont>
#include <QIcon>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <array>
#include <memory>

class QComboBox;
class QLabel;
class QTextEdit;
class QTimer;

namespace tildora {

class Bounce;
class ClassroomAccess;
class GifView;
class LazySoundPlayer;
class LetterStrip;
class PictureButton;
class ResultsLog;
class SoundPlayer;

// The file list over the exercise folder, kept as plain data; the teacher's
// own files follow the bundled ones. Paths holds the file of each entry.
struct FileListBox {
    QString Path;
    QStringList List;
    QStringList Paths;
};

// The main window. It owns the exercise state and the controls; its slots are
// thin and hand the work to the subsystems below.
class Form1 : public QWidget, private AnswerView
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 739;
    static constexpr int ClientHeight = 491;

    // programFolder holds the content tree; tests pass a folder they made and
    // a sound player that records what it is asked to play.
    explicit Form1(const QString &programFolder, SoundPlayer *sound = nullptr, QWidget *parent = nullptr);
    ~Form1() override;

    void Form_Load();

    // The teacher's own content folder: its exercise files are listed after
    // the bundled ones, its recordings and pictures used where the bundled
    // content has none. Set before Form_Load; none unless set.
    void setUserContentFolder(const QString &folder);

    // Keeps every judged answer as a row in the day files of resultsFolder,
    // under the child's name (empty for none); sharedAs names this computer
    // in a folder several share, and fallback (its own folder) keeps what the
    // shared one cannot take before the end. Nothing is opened before the first answer;
    // no answers are kept unless this is called.
    void keepAnswers(const QString &resultsFolder, const QString &child, const QString &sharedAs = {},
                     const QString &fallback = {});
    // The child whose answers the next rows are.
    void setChild(const QString &child) { m_child = child; }
    const QString &child() const { return m_child; }
    // The next child of a class at the same computer: counters from nought,
    // an empty record, the list from its first word.
    void newChild(const QString &child);
    // Where the answers go (none unless kept), to wait for them to be written.
    ResultsLog *resultsLog() const { return m_results.get(); }

    // The item on screen, the answers to it and the letter strip's places.
    CurrentItem &item() { return m_item; }
    AnswerState &answerState() { return m_answer; }
    StripState &strip() { return m_strip; }
    const ContentLocator &locator() const { return m_locator; }
    // What the start-up check found missing; said once to the teacher after
    // the first frame.
    const QStringList &startupProblems() const { return m_startupProblems; }

    // Controls, under their design names.
    QComboBox *Combo1 = nullptr;
    QTimer *Timer1 = nullptr;
    PictureButton *Command5 = nullptr;
    std::array<PictureButton *, 3> Command2{};
    PictureButton *Command3 = nullptr;
    PictureButton *Command1 = nullptr;
    PictureButton *Command4 = nullptr;
    QLabel *Picture4 = nullptr;
    ExerciseLines List1;
    QWidget *Shape1 = nullptr;
    QTextEdit *RichTextBox1 = nullptr;
    std::array<QLabel *, 2> Image1{};
    std::array<GifView *, 2> Gif89a1{};
    std::array<QLabel *, 2> Label1{};
    LetterStrip *Picture2 = nullptr;
    FileListBox File1;
    QImage Picture3;  // the tile: the part of the texture the box's inner area shows
    // Not of the design: the line's sentence above the letters, shown only
    // for a line that has one.
    QLabel *SentenceLine = nullptr;

    RecordPanel &record() { return m_record; }
    // Names for assistive technology, shortcuts, letter focus, full screen.
    ClassroomAccess &classroom() { return *m_classroom; }

public slots:
    void Combo1_Click();
    void Command1_Click();
    void Command2_Click(int index);
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Picture1_Mousedown(int index, Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void Picture1_Click(int index);
    void Timer1_Timer();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    static QIcon windowIconPictures();
    void showCreditsCard(bool show);
    void createControls();
    void createCounters();
    void createButtons();
    void InstallSupportComponents();
    void reportStartupProblems();
    void ListExerciseFiles();
    void LoadExerciseFile();
    void NextItem();
    QString wordRecording() const;
    void showSentence();
    void keepSentenceOnTop();

    // What answering asks of the window.
    void setLetterColor(int index, const QColor &color) override;
    void showAccentedLetter(int index, const QString &accent) override;
    void fillPressedArea(int index, QPoint at) override;
    void setLetterStripEnabled(bool enabled) override;
    void setNoAccentButtonEnabled(bool enabled) override;
    void showModeButtons(int chosen) override;
    void showNextItem() override;
    void startBounce(int index) override;
    void showCounter(Counter counter, int value) override;
    void showAnimation(Animation shown) override;
    void playSound(const QString &name) override;
    void writeRecordLine(const QString &word, const std::optional<RecordStretch> &stretch,
                         const QColor &color) override;
    void answerJudged(const JudgedAnswer &answer) override;

    QString m_userExercises;
    ContentLocator m_locator;
    PictureLoader m_pictures;
    SoundPlayer *m_sound;
    CurrentItem m_item;
    AnswerState m_answer;
    StripState m_strip;
    Answering m_answering{m_item, m_answer, *this};
    std::unique_ptr<Bounce> m_bounce;
    RecordPanel m_record{nullptr};
    QStringList m_startupProblems;
    bool m_firstFramePainted = false;
    LazySoundPlayer *m_lazySound = nullptr;
    bool m_backgroundTiled = false;
    ClassroomAccess *m_classroom = nullptr;
    std::unique_ptr<ResultsLog> m_results;
    QString m_child;
    QString m_computer;  // in every row kept
    QString m_exerciseFile;  // name of the file List1 was loaded from
    QString m_shownFile;     // name of the file the word on screen came from
    QFont m_sentenceFont;
};

} // namespace tildora
