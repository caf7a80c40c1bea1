// The yardstick for start-up: a Qt program that shows one empty window, of
// Tildora's size or of the size given as WIDTHxHEIGHT, says so when it has
// painted, and quits. Painting costs grow with the area, so a program is
// measured against a bare window as big as its own.
#include <QApplication>
#include <QSize>
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
    QSize size(739, 491);
    if (argc > 1) {
        const QStringList sides = QString::fromLocal8Bit(argv[1]).split(u'x');
        if (sides.size() == 2)
            size = QSize(sides[0].toInt(), sides[1].toInt());
    }
    w.setFixedSize(size);
    w.show();
    return app.exec();
}
