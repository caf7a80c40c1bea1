#pragma once

#include <QGraphicsView>
#include <QImage>
#include <QPointF>
#include <QSizeF>

class QGraphicsProxyWidget;

namespace tildora {

// Where the game goes on a screen: scaled uniformly as large as it fits,
// centred.
struct StagePlacement {
    double scale = 1;
    QPointF offset;  // the game's top-left corner on the screen
};

StagePlacement placeOnStage(QSizeF screen, QSizeF game);

// The game shown full screen. The game widget sits in a graphics view that
// scales it, so every control, picture, animation and press scales with it
// and a press lands where the child sees it; the rest of the screen shows the
// game's own background texture, continuing its tiles.
class FullScreenStage : public QGraphicsView
{
    Q_OBJECT
public:
    // game must be a top-level widget; it is taken in until release().
    FullScreenStage(QWidget *game, const QImage &tile);
    ~FullScreenStage() override;

    // Gives the game back as a window of its own, hidden; the stage then
    // shows nothing.
    QWidget *release();

    QGraphicsProxyWidget *proxy() const { return m_proxy; }
    StagePlacement placement() const { return m_placement; }

signals:
    // F11 or Esc: the child or teacher wants the normal window back.
    void leaveRequested();
    // The stage window was closed (by the window manager, Alt+F4).
    void closed();

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void place();

    QGraphicsProxyWidget *m_proxy = nullptr;
    QImage m_tile;
    StagePlacement m_placement;
};

} // namespace tildora
