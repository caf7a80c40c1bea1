#pragma once

#include <QList>
#include <QStringList>
#include <QWidget>

class QPushButton;
class QScrollArea;

namespace tildora {

// The names of a class as big buttons, for a child who cannot type yet: a
// press, or Enter or Space on the focused name (Tab, Shift+Tab and the arrow
// keys move between them, so one or two switches are enough), chooses.
// Each button is read by screen readers as the name it shows.
class NamePicker : public QWidget
{
    Q_OBJECT
public:
    explicit NamePicker(const QStringList &names, QWidget *parent = nullptr);

    QPushButton *button(int index) const { return m_buttons.value(index); }
    qsizetype count() const { return m_buttons.size(); }

signals:
    void chosen(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void moveFocus(int rows, int columns);

    QList<QPushButton *> m_buttons;
    QScrollArea *m_scroll = nullptr;
    QImage m_plaster;
    int m_columns = 1;
};

} // namespace tildora
