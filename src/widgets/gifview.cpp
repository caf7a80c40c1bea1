#include "widgets/gifview.h"

#include <QMovie>

namespace tildora {

GifView::GifView(QWidget *parent) : QLabel(parent) {}

void GifView::setFile(const QString &path)
{
    m_file = path;
    if (m_movie) {
        m_movie->stop();
        m_movie->setFileName(path);
        if (isVisible())
            m_movie->start();
    }
}

void GifView::showEvent(QShowEvent *event)
{
    QLabel::showEvent(event);
    if (!m_movie) {
        m_movie = new QMovie(m_file, QByteArray(), this);
        m_movie->setCacheMode(QMovie::CacheAll);
        // A file without a loop block plays once; shown, it plays on. A still
        // picture stays as it is rather than being redrawn without pause.
        connect(m_movie, &QMovie::finished, this, [this] {
            if (isVisible() && m_movie->frameCount() > 1)
                m_movie->start();
        });
        setMovie(m_movie);
    }
    if (m_movie->isValid())
        m_movie->start();
}

void GifView::hideEvent(QHideEvent *event)
{
    if (m_movie)
        m_movie->stop();
    QLabel::hideEvent(event);
}

} // namespace tildora
