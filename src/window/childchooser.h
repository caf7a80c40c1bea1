#pragma once

#include <QObject>
#include <QStringList>

#include <memory>

namespace tildora {

class Form1;
class NamePicker;

// A class list's way into the game and back out of it: the children's names
// come first; the chosen child plays in the game window as always, the
// answers kept under that name; closing the game window brings the names
// back for the next child, who starts from nought; closing the names ends
// Tildora.
class ChildChooser : public QObject
{
    Q_OBJECT
public:
    ChildChooser(Form1 &form, const QStringList &names, bool fullScreen);
    ~ChildChooser() override;

    NamePicker &picker() { return *m_picker; }
    void showNames();
    void play(const QString &name);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Form1 &m_form;
    std::unique_ptr<NamePicker> m_picker;
    bool m_fullScreen;
    bool m_played = false;
};

} // namespace tildora
