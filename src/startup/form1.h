#pragma once

#include "content/exerciselibrary.h"
#include "content/exercisestate.h"

#include <QString>
#include <QStringList>
#include <QWidget>

class QComboBox;

namespace tildora {

// The file list over the exercise folder, kept as plain data.
struct FileListBox {
    QString Path;
    QStringList List;
};

// The main window. It owns the exercise state and the controls; its slots are
// thin and hand the work to the subsystems below.
class Form1 : public QWidget
{
    Q_OBJECT
public:
    static constexpr int ClientWidth = 739;
    static constexpr int ClientHeight = 491;

    // programFolder holds the content tree; tests pass a folder they made.
    explicit Form1(const QString &programFolder, QWidget *parent = nullptr);

    void Form_Load();

    ExerciseState &state() { return m_state; }
    const QString &programFolder() const { return m_programFolder; }

    // Controls, under their design names.
    QComboBox *Combo1 = nullptr;
    FileListBox File1;
    ExerciseLines List1;

public slots:
    void Combo1_Click();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ListExerciseFiles();
    void LoadExerciseFile();

    QString m_programFolder;
    ExerciseState m_state;
};

} // namespace tildora
