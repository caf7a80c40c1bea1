#include "window/fullscreenstage.h"

#include <QCloseEvent>
#include <QGraphicsProxyWidget>
#include <QGraphicsScene>
#include <QShortcut>

#include <algorithm>

namespace tildora {

StagePlacement placeOnStage(QSizeF screen, QSizeF game)
{
    if (game.isEmpty() || screen.isEmpty())
        return {};
    const double scale = std::min(screen.width() / game.width(), screen.height() / game.height());
    return {scale, QPointF((screen.width() - game.width() * scale) / 2, (screen.height() - game.height() * scale) / 2)};
}

FullScreenStage::FullScreenStage(QWidget *game, const QImage &tile) : m_tile(tile)
{
    setWindowTitle(game->windowTitle());
    setWindowIcon(game->windowIcon());
    setAccessibleName(game->accessibleName());
    setAccessibleDescription(game->accessibleDescription());
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Letters are two-coloured pictures: smooth scaling keeps their edges
    // even at any size, where whole-pixel steps would make them uneven.
    // Without antialiasing each control's edge falls on whole pixels, so
    // controls that touch meet without a faint line of the game beneath.
    setRenderHints(QPainter::SmoothPixmapTransform | QPainter::TextAntialiasing);
    setViewportUpdateMode(QGraphicsView::MinimalViewportUpdate);
    setScene(new QGraphicsScene(this));
    game->hide();
    m_proxy = scene()->addWidget(game);
    game->show();  // embedded, showing draws it in the scene only
    m_proxy->setFocus();
    for (const auto key : {Qt::Key_F11, Qt::Key_Escape})
        connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, this, &FullScreenStage::leaveRequested);
    place();
}

FullScreenStage::~FullScreenStage()
{
    // The scene would delete the game with its proxy.
    release();
}

QWidget *FullScreenStage::release()
{
    if (!m_proxy)
        return nullptr;
    QWidget *game = m_proxy->widget();
    m_proxy->setWidget(nullptr);
    delete m_proxy;
    m_proxy = nullptr;
    if (game)
        game->hide();
    return game;
}

void FullScreenStage::resizeEvent(QResizeEvent *event)
{
    QGraphicsView::resizeEvent(event);
    place();
}

void FullScreenStage::closeEvent(QCloseEvent *event)
{
    event->accept();
    emit closed();
}

void FullScreenStage::place()
{
    const QSizeF screen = viewport()->size();
    scene()->setSceneRect(QRectF(QPointF(0, 0), screen));
    if (!m_proxy)
        return;
    m_placement = placeOnStage(screen, m_proxy->size());
    m_proxy->setScale(m_placement.scale);
    m_proxy->setPos(m_placement.offset);
    // The texture goes on where the game's own tiles leave off.
    QBrush texture(QPixmap::fromImage(m_tile));
    texture.setTransform(QTransform::fromTranslate(m_placement.offset.x(), m_placement.offset.y())
                             .scale(m_placement.scale, m_placement.scale));
    setBackgroundBrush(texture);
}

} // namespace tildora
