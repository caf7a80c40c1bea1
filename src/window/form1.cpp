#include "window/form1.h"

#include "content/installlayout.h"

#include "content/exerciseline.h"
#include "widgets/gifview.h"
#include "widgets/letterstrip.h"
#include "widgets/picturebutton.h"
#include "platform/lazysoundplayer.h"
#include "platform/units.h"
#include "presentation/bounce.h"
#include "presentation/sentenceline.h"
#include "presentation/worddrawing.h"
#include "window/classroomaccess.h"
#include "results/resultslog.h"
#include "window/combochoice.h"
#include "window/supportcheck.h"
#include "window/tilebitmap.h"
#include "window/windowplacement.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace tildora {

Form1::Form1(const QString &programFolder, SoundPlayer *sound, QWidget *parent)
    : QWidget(parent), m_locator(programFolder), m_sound(sound)
{
    if (!m_sound) {
        m_lazySound = new LazySoundPlayer(soundModuleFolders(QCoreApplication::applicationDirPath()), this);
        m_sound = m_lazySound;
    }
    createControls();
    m_bounce = std::make_unique<Bounce>(m_strip, *Picture2, *Timer1);
    m_record = RecordPanel(RichTextBox1);
    connect(new ComboChoice(Combo1), &ComboChoice::chosen, this, &Form1::Combo1_Click);
    connect(Command1, &QAbstractButton::clicked, this, &Form1::Command1_Click);
    for (int i = 0; i < 3; ++i)
        connect(Command2[i], &QAbstractButton::clicked, this, [this, i] { Command2_Click(i); });
    connect(Command3, &QAbstractButton::clicked, this, &Form1::Command3_Click);
    connect(Command4, &QAbstractButton::clicked, this, &Form1::Command4_Click);
    connect(Command5, &QAbstractButton::clicked, this, &Form1::Command5_Click);
    connect(Picture2, &LetterStrip::letterMouseDown, this, &Form1::Picture1_Mousedown);
    connect(Picture2, &LetterStrip::letterClicked, this, &Form1::Picture1_Click);
    connect(Timer1, &QTimer::timeout, this, &Form1::Timer1_Timer);
    m_classroom = new ClassroomAccess(*this);
}

Form1::~Form1()
{
    // Out of the full-screen stage while the window is still whole: the stage
    // hands the window back as it goes.
    delete m_classroom;
    m_classroom = nullptr;
}

void Form1::setUserContentFolder(const QString &folder)
{
    m_locator.setUserFolder(folder);
    m_userExercises = m_locator.userFolder(ContentFolder::Exercises);
}

void Form1::Form_Load()
{
    InstallSupportComponents();
    if (const QScreen *screen = this->screen()) {
        const QPoint at = centredWindowPosition(screen->geometry().size(), frameGeometry().size());
        move(screen->geometry().topLeft() + at);
    }
    m_strip.LetterTop = Picture2->letter(0)->top();
    m_strip.Picture2Top = Picture2->top();
    ListExerciseFiles();
    LoadExerciseFile();
    Picture2->letter(0)->setFillColor(colorFromBgr(bgr::Red));
    NextItem();
    Gif89a1[0]->setFile(m_locator.animation(QStringLiteral("si")));
    Gif89a1[1]->setFile(m_locator.animation(QStringLiteral("no")));
    Gif89a1[0]->hide();
    Gif89a1[1]->hide();
    m_answering.itemShown();
    Picture4->hide();
    // The tiles are drawn straight onto the window at every paint: a few
    // dozen small copies cost less than a window-sized image of our own.
    m_backgroundTiled = true;
    update();
}

void Form1::InstallSupportComponents()
{
    // Qt brings the animated pictures and the rich text itself; what is left
    // is to tell the teacher, once, what this machine or folder lacks.
    // The GIF animation check waits until the first frame is on screen.
    m_startupProblems = missingContent(m_locator, m_userExercises);
}

void Form1::reportStartupProblems()
{
    m_startupProblems += missingGifSupport();
    if (m_startupProblems.isEmpty())
        return;
    for (const QString &problem : m_startupProblems)
        std::fprintf(stderr, "tildora: %s\n", qPrintable(problem));
    // Not modal: the child can go on with whatever the program can show.
    auto *box = new QMessageBox(QMessageBox::Warning, QStringLiteral("Tildora"),
                                m_startupProblems.join(QStringLiteral("\n\n")), QMessageBox::Ok, this);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void Form1::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    if (m_backgroundTiled)
        TileBitmap(p, size(), Picture3);
    else
        p.fillRect(rect(), colorFromBgr(bgr::PaleYellow));
    if (!m_firstFramePainted) {
        m_firstFramePainted = true;
        // What the first frame does not need comes after it.
        QTimer::singleShot(0, this, [this] {
            setWindowIcon(windowIconPictures());
            if (m_lazySound)
                m_lazySound->setReady();
            reportStartupProblems();
        });
    }
}

void Form1::ListExerciseFiles()
{
    File1.Path = m_locator.folder(ContentFolder::Exercises);
    File1.List.clear();
    File1.Paths.clear();
    for (const QString &folder : {File1.Path, m_userExercises}) {
        if (folder.isEmpty())
            continue;
        for (const QString &name : listExerciseFiles(folder)) {
            File1.List << name;
            File1.Paths << folder + QLatin1Char('/') + name;
        }
    }
    Combo1->addItems(File1.List);
    // An empty folder leaves the text empty rather than "Combo1": there is
    // nothing to load, and LoadExerciseFile then leaves List1 empty.
    Combo1->setEditText(File1.List.value(0));
}

void Form1::LoadExerciseFile()
{
    List1.clear();
    m_exerciseFile.clear();
    // Only a listed exercise file is ever opened, whatever the text line
    // holds; the chosen entry tells a teacher's file from a bundled one of
    // the same name.
    const QString name = Combo1->currentText();
    int index = Combo1->currentIndex();
    if (index < 0 || File1.List.value(index) != name)
        index = int(File1.List.indexOf(name));
    if (index < 0)
        return;
    List1 = loadExerciseLines(File1.Paths[index]);
    m_exerciseFile = File1.List[index];
}

void Form1::Combo1_Click()
{
    LoadExerciseFile();
    m_item.ItemIndex = 0;
}

QString Form1::wordRecording() const
{
    // A line with a sentence is heard as its sentence; without that
    // recording, as its word.
    if (!m_item.Sentence.isEmpty()) {
        if (QString sentence = m_locator.sentenceRecording(m_item.CurrentWord, m_item.Sentence); !sentence.isEmpty())
            return sentence;
    }
    return m_locator.wordRecording(m_item.CurrentWord);
}

void Form1::keepSentenceOnTop()
{
    // A moving letter's pixels are moved over the slip that lies above the
    // strip: the slip is drawn again on top.
    if (SentenceLine->isVisible())
        SentenceLine->update();
}

void Form1::showSentence()
{
    SentenceLine->setVisible(!m_item.Sentence.isEmpty());
    if (m_item.Sentence.isEmpty())
        return;
    const ShownSentence shown = shownSentence(m_item);
    const int room = ClientWidth - 16;
    const QFont font = sentenceFont(shown.text, m_sentenceFont, room - 16);
    SentenceLine->setText(sentenceMarkup(shown));
    SentenceLine->setFont(font);
    SentenceLine->setAccessibleName(shown.text);
    // A paper slip as wide as the sentence, centred like the letters below it.
    const int width = std::min(room, QFontMetrics(font).horizontalAdvance(shown.text) + 24);
    SentenceLine->setGeometry((ClientWidth - width) / 2, SentenceLine->y(), width, SentenceLine->height());
}

void Form1::NextItem()
{
    // A chosen list that holds no line leaves the word on screen, and its list.
    if (!List1.isEmpty())
        m_shownFile = m_exerciseFile;
    parseCurrentItem(m_item, List1);
    DrawWord(m_strip, m_item.CurrentWord, {*Picture2, *m_bounce, m_locator, m_pictures, pixelsToTwips(ClientWidth)});
    m_answering.wordDrawn();
    showSentence();
    ++m_item.ItemIndex;
    Picture2->setEnabled(true);
    const QString recording = wordRecording();
    Command3->setEnabled(!recording.isEmpty());
    if (!recording.isEmpty())
        m_sound->play(recording);
}

void Form1::Command1_Click()
{
    NextItem();
    m_answering.itemShown();
}

void Form1::Command3_Click()
{
    const QString recording = wordRecording();
    if (!recording.isEmpty())
        m_sound->play(recording);
}

} // namespace tildora
