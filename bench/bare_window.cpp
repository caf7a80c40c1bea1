// The yardstick for start-up: a Qt program that shows one empty window of
// Tildora's size, says so when it has painted, and quits.
#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <cstdio>

namespace {
class Window : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        if (!m_done) {
            m_done = true;
            std::printf("painted\n");
            std::fflush(stdout);
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
    }
    bool m_done = false;
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Window w;
    w.setFixedSize(739, 491);
    w.show();
    return app.exec();
}
