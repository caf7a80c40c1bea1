#include "startup/form1.h"

#include "content/exerciselibrary.h"

#include <QComboBox>
#include <QFont>
#include <QKeyEvent>
#include <QLineEdit>

namespace tildora {

namespace {
// Design positions are in twips; the usual screen has 15 twips per pixel.
constexpr int px(int twips) { return twips / 15; }
} // namespace

Form1::Form1(const QString &programFolder, QWidget *parent)
    : QWidget(parent), m_programFolder(programFolder)
{
    setWindowTitle(QStringLiteral("Tildora 1.1"));
    setFixedSize(ClientWidth, ClientHeight);

    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(true);
    // Typing must never add an entry or load anything: only a choice loads.
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setGeometry(px(120), px(120), px(5175), px(450));
    QFont comboFont(QStringLiteral("Arial"));
    comboFont.setPointSizeF(14.25);
    comboFont.setBold(true);
    Combo1->setFont(comboFont);
    Combo1->setEditText(QStringLiteral("Combo1"));
    connect(Combo1, &QComboBox::activated, this, &Form1::Combo1_Click);
    Combo1->lineEdit()->installEventFilter(this);
}

bool Form1::eventFilter(QObject *watched, QEvent *event)
{
    // Enter in the text line would pick an entry by its typed name; only a
    // choice from the list may load a file.
    if (watched == Combo1->lineEdit() && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            return true;
    }
    return QWidget::eventFilter(watched, event);
}

void Form1::Form_Load()
{
    ListExerciseFiles();
    LoadExerciseFile();
}

void Form1::ListExerciseFiles()
{
    File1.Path = m_programFolder + QStringLiteral("/ejercicios");
    File1.List = listExerciseFiles(File1.Path);
    Combo1->addItems(File1.List);
    // An empty folder leaves the text empty rather than "Combo1": there is
    // nothing to load, and LoadExerciseFile then leaves List1 empty.
    Combo1->setEditText(File1.List.value(0));
}

void Form1::LoadExerciseFile()
{
    List1.clear();
    // Only a listed exercise file is ever opened, whatever the text line holds.
    const QString name = Combo1->currentText();
    if (!File1.List.contains(name))
        return;
    List1 = loadExerciseLines(File1.Path + QLatin1Char('/') + name);
}

void Form1::Combo1_Click()
{
    LoadExerciseFile();
    m_state.ItemIndex = 0;
}

} // namespace tildora
