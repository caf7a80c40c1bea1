#include "window/combochoice.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace tildora {

ComboChoice::ComboChoice(QComboBox *combo)
    : QObject(combo), m_combo(combo), m_list(combo->view()), m_listArea(combo->view()->viewport())
{
    // The list's own filters are in place once view() has made it; ours,
    // installed later, see each event before they act on it.
    for (QObject *watched : {static_cast<QObject *>(combo), m_list, m_listArea})
        watched->installEventFilter(this);
    if (combo->lineEdit())
        combo->lineEdit()->installEventFilter(this);
    connect(combo, &QComboBox::activated, this, [this](int index) {
        if (!std::exchange(m_fromList, false))
            return;
        emit chosen(index);
    });
}

bool ComboChoice::eventFilter(QObject *watched, QEvent *event)
{
    const auto isEnter = [](const QKeyEvent *key) {
        return key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    };
    switch (event->type()) {
    // The open list takes Enter before it becomes a key press.
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (watched == m_list) {
            m_fromList = isEnter(key);
        } else {
            // On the closed box, stepping through the entries chooses; any
            // other key edits the text line.
            const bool steps = key->key() == Qt::Key_Up || key->key() == Qt::Key_Down
                               || key->key() == Qt::Key_PageUp || key->key() == Qt::Key_PageDown;
            m_fromList = steps && !(key->modifiers() & Qt::AltModifier);
        }
        break;
    }
    case QEvent::MouseButtonRelease:
        if (watched == m_listArea)
            m_fromList = true;
        break;
    case QEvent::Wheel:
        if (watched == m_combo)
            m_fromList = true;
        break;
    case QEvent::FocusOut:
        // The edit ends as the focus leaves the box; the list opening takes
        // the focus without ending it, and the list closing is no edit.
        if (watched != m_list && watched != m_listArea
            && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            m_fromList = false;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tildora
