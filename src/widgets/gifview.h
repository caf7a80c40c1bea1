#pragma once

#include <QLabel>

class QMovie;

namespace tildora {

// Shows an animated GIF over and over while it is visible, whatever its loop
// block says, and nothing while it is hidden. A missing file shows nothing. The file is opened when the
// view is first shown, not when it is named.
class GifView : public QLabel
{
    Q_OBJECT
public:
    explicit GifView(QWidget *parent = nullptr);
    void setFile(const QString &path);
    const QString &file() const { return m_file; }

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QString m_file;
    QMovie *m_movie = nullptr;
};

} // namespace tildora
