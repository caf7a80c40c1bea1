#pragma once

#include <QObject>

class QComboBox;

namespace tildora {

// Tells a choice from an editable combo box's list from an edit of its text
// line. Qt reports both as `activated`: the second whenever the typed text
// names an entry and the edit ends (Enter, or the focus leaving). Only a
// choice reaches chosen(): a click or Enter in the open list, or an arrow
// key or the wheel on the closed box.
class ComboChoice : public QObject
{
    Q_OBJECT
public:
    explicit ComboChoice(QComboBox *combo);

signals:
    void chosen(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QComboBox *m_combo;
    QObject *m_list;
    QObject *m_listArea;
    bool m_fromList = false;
};

} // namespace tildora
