#pragma once

#include "platform/pictureloader.h"

#include <QWidget>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTableView;

namespace tildora {

class ContentLocator;
class FittedPicture;
class WordListModel;

// The words of the open list: a table of the lines with their analysis and
// problems, the selected word drawn as the child sees it with its problems
// and spelling suggestions, and a box to type or paste new words into.
class WordPanel : public QWidget
{
    Q_OBJECT
public:
    WordPanel(WordListModel *model, const ContentLocator &content, QWidget *parent = nullptr);

    int currentRow() const;
    void setCurrentRow(int row);
    QTableView *table() const { return m_table; }
    QPlainTextEdit *newWords() const { return m_newWords; }

public slots:
    void addNewWords();
    void removeSelectedLines();
    void moveCurrentLine(int by);
    void showCurrent();

signals:
    void currentRowChanged(int row);
    // The teacher says the dictionary should know this word.
    void addToDictionary(const QString &word);
    void message(const QString &text, const QStringList &problems = {});

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    WordListModel *m_model;
    const ContentLocator &m_content;
    PictureLoader m_pictures;
    QTableView *m_table;
    QLabel *m_sentence;  // the line's sentence above the word, as the child reads it
    FittedPicture *m_picture;
    QLabel *m_summary;
    QLabel *m_problems;
    QList<QPushButton *> m_suggestions;
    QPushButton *m_addWord;
    QPlainTextEdit *m_newWords;
};

} // namespace tildora
