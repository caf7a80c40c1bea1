#include "window/childchooser.h"

#include "window/classroomaccess.h"
#include "window/form1.h"
#include "window/namepicker.h"

#include <QCloseEvent>
#include <QScreen>

namespace tildora {

ChildChooser::ChildChooser(Form1 &form, const QStringList &names, bool fullScreen)
    : m_form(form), m_picker(std::make_unique<NamePicker>(names)), m_fullScreen(fullScreen)
{
    m_picker->setWindowIcon(form.windowIcon());
    connect(m_picker.get(), &NamePicker::chosen, this, &ChildChooser::play);
    form.installEventFilter(this);
}

ChildChooser::~ChildChooser() = default;

void ChildChooser::showNames()
{
    if (m_fullScreen) {
        // Sized to the screen first: without a window manager a full-screen
        // request alone would not size the window.
        if (const QScreen *screen = m_form.screen())
            m_picker->setGeometry(screen->geometry());
        m_picker->showFullScreen();
    }
    else
        m_picker->show();
    m_picker->raise();
    m_picker->activateWindow();
}

void ChildChooser::play(const QString &name)
{
    if (m_played)
        m_form.newChild(name);
    else
        m_form.setChild(name);
    m_played = true;
    m_picker->hide();
    m_form.show();
    m_form.activateWindow();
    if (m_fullScreen && !m_form.classroom().isFullScreen())
        m_form.classroom().enterFullScreen();
}

bool ChildChooser::eventFilter(QObject *watched, QEvent *event)
{
    // The game's window closed: the next child's turn, not the end.
    if (watched == &m_form && event->type() == QEvent::Close && m_played) {
        // The names are shown before the game hides, so there is never a
        // moment without a window that would end the program.
        event->ignore();
        showNames();
        m_form.hide();
        return true;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tildora
