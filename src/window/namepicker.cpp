#include "window/namepicker.h"

#include "platform/imagedecode.h"

#include <QGuiApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <cmath>

namespace tildora {
namespace {

// Big enough for a six-year-old's finger and eyes, on a projector too.
constexpr int ButtonWidth = 240;
constexpr int ButtonHeight = 76;
constexpr int ButtonTextWidth = ButtonWidth - 56;  // inside the padding and the focus frame
constexpr int Spacing = 16;
constexpr int Margins = 24;
constexpr int NamePoints = 22;
constexpr int LongNamePoints = 15;  // two lines of it fit a button
constexpr int MostColumns = 5;

// A name too long for one line: two smaller lines cut at a space, so long
// names that begin alike (María-Jesús Fernández …) still read apart; what
// does not fit ends in "…" on screen, and a screen reader says it whole.
QString buttonText(const QString &name, QFont &font)
{
    if (QFontMetrics(font).horizontalAdvance(name) <= ButtonTextWidth)
        return name;
    font.setPointSize(LongNamePoints);
    const QFontMetrics small(font);
    qsizetype cut = -1;
    for (qsizetype at = name.indexOf(u' '); at >= 0; at = name.indexOf(u' ', at + 1))
        if (small.horizontalAdvance(name.left(at)) <= ButtonTextWidth)
            cut = at;
    if (cut < 0)
        return small.elidedText(name, Qt::ElideRight, ButtonTextWidth);
    return name.left(cut) + QLatin1Char('\n') + small.elidedText(name.mid(cut + 1), Qt::ElideRight, ButtonTextWidth);
}

QFont bold(int points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSize(points);
    font.setBold(true);
    return font;
}

} // namespace

NamePicker::NamePicker(const QStringList &names, QWidget *parent)
    : QWidget(parent), m_plaster(readPicture(QStringLiteral(":/design/yeso.bmp")))
{
    setWindowTitle(QStringLiteral("Tildora"));
    setAccessibleName(tr("Who are you?"));
    auto *title = new QLabel(tr("Who are you?"), this);
    title->setFont(bold(28));
    title->setAlignment(Qt::AlignCenter);
    title->setStyleSheet(QStringLiteral("color: #000080; background: transparent;"));

    auto *grid = new QWidget;
    grid->setAutoFillBackground(false);
    auto *cells = new QGridLayout(grid);
    cells->setSpacing(Spacing);
    // As square as the class allows, as wide as the screen has room for;
    // rows beyond its height scroll.
    const QRect screen = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->availableGeometry()
                                                          : QRect(0, 0, 1024, 768);
    const int room = std::max(1, (screen.width() - 2 * Margins - Spacing) / (ButtonWidth + Spacing));
    m_columns = std::clamp(int(std::ceil(std::sqrt(double(names.size())))), 1, std::min(MostColumns, room));
    for (const QString &name : names) {
        auto *button = new QPushButton(grid);
        QFont font = bold(NamePoints);
        // "&" would mark a shortcut letter on a button: shown as itself.
        button->setText(buttonText(name, font).replace(QLatin1Char('&'), QLatin1String("&&")));
        button->setFont(font);
        button->setFixedSize(ButtonWidth, ButtonHeight);
        button->setFocusPolicy(Qt::StrongFocus);
        button->setAccessibleName(name);
        button->setAccessibleDescription(tr("Play as this child"));
        button->setToolTip(name);
        // The orange frame of the focused name, as the focused letter has.
        button->setStyleSheet(QStringLiteral(
            "QPushButton { background: white; color: black; border: 3px solid #000080; border-radius: 14px;"
            " padding: 6px 18px; outline: none; }"
            "QPushButton:focus { border: 7px solid #ff8c00; }"
            "QPushButton:pressed { background: #ffe4b5; }"));
        button->installEventFilter(this);
        connect(button, &QPushButton::clicked, this, [this, name] { emit chosen(name); });
        cells->addWidget(button, int(m_buttons.size()) / m_columns, int(m_buttons.size()) % m_columns);
        m_buttons << button;
    }
    auto *scroll = m_scroll = new QScrollArea(this);
    scroll->setWidget(grid);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setAlignment(Qt::AlignCenter);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setStyleSheet(QStringLiteral("QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }"));
    // For the teacher: how the next child gets here.
    auto *hint = new QLabel(tr("When you have finished, close the game: the names come back for the next child."), this);
    hint->setWordWrap(true);
    hint->setAlignment(Qt::AlignCenter);
    hint->setStyleSheet(QStringLiteral("color: #000080; background: transparent;"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(Margins, Margins, Margins, Margins);
    layout->setSpacing(20);
    layout->addWidget(title);
    layout->addWidget(scroll, 1);
    layout->addWidget(hint);
    const int rows = int(names.size() + m_columns - 1) / m_columns;
    resize(std::min(int(names.size()), m_columns) * (ButtonWidth + Spacing) + 2 * Margins + 2 * Spacing,
           std::min(screen.height(), rows * (ButtonHeight + Spacing) + 200));
}

void NamePicker::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (!m_buttons.isEmpty() && !m_buttons.contains(focusWidget()))
        m_buttons.first()->setFocus(Qt::OtherFocusReason);
}

void NamePicker::moveFocus(int rows, int columns)
{
    const qsizetype at = m_buttons.indexOf(qobject_cast<QPushButton *>(focusWidget()));
    if (at < 0)
        return;
    const qsizetype to = at + rows * m_columns + columns;
    if (to >= 0 && to < m_buttons.size()) {
        m_buttons[to]->setFocus(Qt::OtherFocusReason);
        m_scroll->ensureWidgetVisible(m_buttons[to]);
    }
}

bool NamePicker::eventFilter(QObject *watched, QEvent *event)
{
    // On the buttons themselves: the scroll area around them would take the
    // arrows for scrolling, and a button outside a dialog ignores Enter.
    auto *button = qobject_cast<QPushButton *>(watched);
    if (event->type() != QEvent::KeyPress || !m_buttons.contains(button))
        return QWidget::eventFilter(watched, event);
    switch (static_cast<QKeyEvent *>(event)->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: button->click(); return true;
    case Qt::Key_Left: moveFocus(0, -1); return true;
    case Qt::Key_Right: moveFocus(0, 1); return true;
    case Qt::Key_Up: moveFocus(-1, 0); return true;
    case Qt::Key_Down: moveFocus(1, 0); return true;
    default: return QWidget::eventFilter(watched, event);
    }
}

void NamePicker::paintEvent(QPaintEvent *)
{
    // The plaster of the game's window behind the names.
    QPainter p(this);
    if (m_plaster.isNull())
        p.fillRect(rect(), QColor(255, 255, 192));
    else
        p.fillRect(rect(), QBrush(QPixmap::fromImage(m_plaster)));
}

} // namespace tildora
