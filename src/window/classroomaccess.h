#pragma once

#include <QObject>

#include <memory>

class QShortcut;

namespace tildora {

class Form1;
class FullScreenStage;

// What makes the window usable in a classroom: names and descriptions for
// assistive technology, keyboard shortcuts with their tooltips, the letters
// in the keyboard focus chain, and the full-screen view (F11). The mouse
// works exactly as without it.
class ClassroomAccess : public QObject
{
    Q_OBJECT
public:
    explicit ClassroomAccess(Form1 &form);
    ~ClassroomAccess() override;

    bool isFullScreen() const { return m_stage != nullptr; }
    FullScreenStage *stage() const { return m_stage.get(); }

    // A counter shows a new number: its name carries it, so a screen reader
    // says "Right answers: 3" rather than a bare number or no number at all.
    void counterShown(int which);

public slots:
    void enterFullScreen();
    void leaveFullScreen();
    void toggleFullScreen();

private:
    void nameControls();
    void afterAnswerAtCentre(int index);

    Form1 &m_form;
    QShortcut *m_fullScreenKey = nullptr;
    std::unique_ptr<FullScreenStage> m_stage;
};

} // namespace tildora
