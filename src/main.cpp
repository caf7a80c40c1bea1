#include "platform/letterstrip.h"
#include "startup/form1.h"
#include "content/installlayout.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>

namespace {

// With TILDORA_QUIT_AFTER_FIRST_WORD set, the program says which word it drew
// from which content folder once that word is on screen, and quits: used to
// check an installation and to time the start-up.
class FirstWordWatch : public QObject
{
public:
    FirstWordWatch(tildora::Form1 &form) : m_form(form) { form.Picture2->letter(0)->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint && !m_done) {
            m_done = true;
            std::printf("tildora: first word drawn: %s (content: %s)\n", qPrintable(m_form.state().CurrentWord),
                        qPrintable(m_form.locator().programFolder()));
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    tildora::Form1 &m_form;
    bool m_done = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tildora"));
    tildora::Form1 form(tildora::contentFolder(QCoreApplication::applicationDirPath()));
    form.setUserContentFolder(tildora::userContentFolder());
    form.Form_Load();
    std::unique_ptr<FirstWordWatch> watch;
    if (qEnvironmentVariableIsSet("TILDORA_QUIT_AFTER_FIRST_WORD"))
        watch = std::make_unique<FirstWordWatch>(form);
    form.show();
    return app.exec();
}
