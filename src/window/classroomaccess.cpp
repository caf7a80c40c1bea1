#include "window/classroomaccess.h"

#include "widgets/gifview.h"
#include "widgets/letterstrip.h"
#include "widgets/picturebutton.h"
#include "window/form1.h"
#include "window/fullscreenstage.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QCoreApplication>
#include <QGraphicsProxyWidget>
#include <QLabel>
#include <QScreen>
#include <QShortcut>
#include <QTextEdit>

namespace tildora {
namespace {

// A letter of the word speaks as "letter c, 1 of 4" and can be pressed by
// switch-access and screen-reader software like a button.
class LetterAccessible : public QAccessibleWidget
{
public:
    explicit LetterAccessible(LetterPicture *letter) : QAccessibleWidget(letter, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        auto *letter = static_cast<LetterPicture *>(widget());
        if (t == QAccessible::Name) {
            auto *form = qobject_cast<Form1 *>(letter->window());
            const QString word = form ? form->item().CurrentWord : QString();
            const int i = letter->index();
            return QCoreApplication::translate("tildora::ClassroomAccess", "letter %1, %2 of %3")
                .arg(i < word.size() ? QString(word.at(i)) : QString())
                .arg(i + 1)
                .arg(word.size());
        }
        if (t == QAccessible::Description)
            return QCoreApplication::translate("tildora::ClassroomAccess", "Answer with this letter of the word.");
        return QAccessibleWidget::text(t);
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &action) override
    {
        if (action == pressAction())
            static_cast<LetterPicture *>(widget())->answerAtCentre();
        else
            QAccessibleWidget::doAction(action);
    }
};

QAccessibleInterface *classroomInterface(const QString &, QObject *object)
{
    if (auto *letter = qobject_cast<LetterPicture *>(object))
        return new LetterAccessible(letter);
    return nullptr;
}

void describe(QWidget *widget, const QString &name, const QString &description)
{
    widget->setAccessibleName(name);
    widget->setAccessibleDescription(description);
}

// A button a child uses often: its shortcut, shown in its tooltip.
void giveKey(PictureButton *button, Qt::Key key, const QString &name, const QString &description)
{
    describe(button, name, description);
    button->setShortcut(QKeySequence(key));
    button->setToolTip(QStringLiteral("%1 (%2)").arg(name, QKeySequence(key).toString(QKeySequence::NativeText)));
}

} // namespace

ClassroomAccess::ClassroomAccess(Form1 &form) : QObject(&form), m_form(form)
{
    static const bool factoryInstalled = (QAccessible::installFactory(classroomInterface), true);
    Q_UNUSED(factoryInstalled);
    nameControls();
    // The letters take their place in the focus chain (Tab lands on the
    // first letter that still answers); a mouse press still never focuses.
    form.Picture2->letter(0)->setFocusPolicy(Qt::TabFocus);
    connect(form.Picture2, &LetterStrip::letterAnsweredAtCentre, this, &ClassroomAccess::afterAnswerAtCentre);
    m_fullScreenKey = new QShortcut(QKeySequence(Qt::Key_F11), &form);
    connect(m_fullScreenKey, &QShortcut::activated, this, &ClassroomAccess::toggleFullScreen);
}

ClassroomAccess::~ClassroomAccess() = default;

void ClassroomAccess::nameControls()
{
    Form1 &f = m_form;
    // The title holds the contact lines of the credits; the window's name is
    // the program's.
    describe(&f, QStringLiteral("Tildora"), tr("Find the stressed vowel, the stressed syllable and the written accent."));
    giveKey(f.Command1, Qt::Key_N, tr("Next word"), tr("Shows the next word of the list and says it."));
    giveKey(f.Command3, Qt::Key_R, tr("Hear the word again"), tr("Says the word once more."));
    giveKey(f.Command2[0], Qt::Key_1, tr("Vowel mode"), tr("Press the stressed vowel of the word."));
    giveKey(f.Command2[1], Qt::Key_2, tr("Syllable mode"), tr("Press every letter of the stressed syllable."));
    giveKey(f.Command2[2], Qt::Key_3, tr("Written accent mode"),
            tr("Press the letter that takes the written accent, or the no-accent button."));
    describe(f.Command4, tr("No written accent"), tr("Answers that the word takes no written accent."));
    f.Command4->setToolTip(tr("No written accent"));
    describe(f.Command5, tr("Credits"), tr("Shows or hides who made Tildora."));
    f.Command5->setToolTip(tr("Credits"));
    describe(f.Combo1, tr("Exercise list"), tr("Chooses the list of words to practise."));
    describe(f.RichTextBox1, tr("Answer record"),
             tr("One line per answer: the word, with the part asked for in green or the wrong letter in red."));
    describe(f.Picture2, tr("Word"), tr("The letters of the word. Left and Right move between them, Space answers."));
    describe(f.Picture4, tr("Credits card"), tr("Who made Tildora, under which licence, and where its guide is."));
    const std::array<QString, 2> animation{tr("Well done"), tr("Try again")};
    const std::array<QString, 2> still{tr("Thumbs up"), tr("Thumbs down")};
    for (int i = 0; i < 2; ++i) {
        f.Label1[i]->setAccessibleDescription(tr("Counted since the program started."));
        counterShown(i);
        describe(f.Image1[i], still[i], QString());
        describe(f.Gif89a1[i], animation[i], QString());
    }
}

void ClassroomAccess::counterShown(int which)
{
    const QString count = m_form.Label1[which]->text();
    m_form.Label1[which]->setAccessibleName(which == 0 ? tr("Right answers: %1").arg(count)
                                                       : tr("Wrong answers: %1").arg(count));
}

void ClassroomAccess::afterAnswerAtCentre(int index)
{
    // An answer from the keyboard keeps the child's hands on the keys: on to
    // the next letter that still answers, or to the next word once it is found.
    LetterStrip *strip = m_form.Picture2;
    if (strip->isEnabled()) {
        for (int step = 1; step < strip->count(); ++step) {
            LetterPicture *next = strip->letter((index + step) % strip->count());
            if (next->isVisible() && next->isEnabled()) {
                next->setFocus(Qt::OtherFocusReason);
                return;
            }
        }
    }
    m_form.Command1->setFocus(Qt::OtherFocusReason);
}

void ClassroomAccess::toggleFullScreen()
{
    if (m_stage)
        leaveFullScreen();
    else
        enterFullScreen();
}

void ClassroomAccess::enterFullScreen()
{
    if (m_stage)
        return;
    m_fullScreenKey->setEnabled(false);  // the stage answers F11 now
    m_stage = std::make_unique<FullScreenStage>(&m_form, m_form.Picture3);
    connect(m_stage.get(), &FullScreenStage::leaveRequested, this, &ClassroomAccess::leaveFullScreen,
            Qt::QueuedConnection);
    connect(m_stage.get(), &FullScreenStage::closed, this, [this] {
        // Closing the full-screen window closes the program, as closing the
        // normal one does.
        QMetaObject::invokeMethod(this, [this] {
            leaveFullScreen();
            m_form.close();
        }, Qt::QueuedConnection);
    });
    m_form.show();
    // Placed on the game's screen first: without a window manager a
    // full-screen request alone would not size the window.
    if (const QScreen *screen = m_form.screen())
        m_stage->setGeometry(screen->geometry());
    m_stage->showFullScreen();
    m_stage->activateWindow();
}

void ClassroomAccess::leaveFullScreen()
{
    if (!m_stage)
        return;
    QWidget *focus = m_form.focusWidget();
    m_stage->release();
    m_stage->hide();
    m_stage.reset();
    m_fullScreenKey->setEnabled(true);
    m_form.show();
    m_form.activateWindow();
    if (focus)
        focus->setFocus(Qt::OtherFocusReason);
}

} // namespace tildora
