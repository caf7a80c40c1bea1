#include "editor/wordpanel.h"

#include "authoring/textimport.h"
#include "authoring/wordlistmodel.h"
#include "editor/fittedpicture.h"
#include "editor/wordpicture.h"
#include "content/exerciseline.h"
#include "presentation/sentenceline.h"

#include <QBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QTableView>

#include <algorithm>

namespace tildora {

WordPanel::WordPanel(WordListModel *model, const ContentLocator &content, QWidget *parent)
    : QWidget(parent), m_model(model), m_content(content), m_table(new QTableView), m_sentence(new QLabel),
      m_picture(new FittedPicture),
      m_summary(new QLabel), m_problems(new QLabel), m_newWords(new QPlainTextEdit)
{
    m_table->setModel(model);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed
                             | QAbstractItemView::AnyKeyPressed);
    m_table->horizontalHeader()->setStretchLastSection(true);
    // Wide enough for each heading in any language; measured once, while the
    // list is still empty, so pasting many words costs nothing more.
    m_table->horizontalHeader()->setMinimumSectionSize(60);
    for (int column = 0; column + 1 < model->columnCount(); ++column)
        m_table->setColumnWidth(column, std::max(m_table->horizontalHeader()->sectionSizeHint(column), 100));
    // A sentence needs more room than a word to be read without opening it.
    m_table->setColumnWidth(WordListModel::SentenceColumn, 2 * m_table->columnWidth(WordListModel::SentenceColumn));
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 6);
    m_table->setWordWrap(false);
    connect(m_table->selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &now) {
        showCurrent();
        emit currentRowChanged(now.row());
    });
    connect(model, &WordListModel::rechecked, this, &WordPanel::showCurrent);

    m_problems->setWordWrap(true);
    m_problems->setTextFormat(Qt::PlainText);
    auto *suggestionColumn = new QVBoxLayout;  // one above the other: long words stay in sight
    for (int i = 0; i < 3; ++i) {
        auto *button = new QPushButton;
        button->hide();
        connect(button, &QPushButton::clicked, this, [this, button] {
            // Back to the line it changes: the button hides as the line changes,
            // and Qt would hand the focus on to the new-words box.
            m_table->setFocus();
            QString why;
            if (!m_model->editWord(currentRow(), button->property("word").toString(), &why))
                emit message(why);
        });
        suggestionColumn->addWidget(button, 0, Qt::AlignLeft);
        m_suggestions << button;
    }
    m_addWord = new QPushButton;
    m_addWord->hide();
    m_addWord->setToolTip(tr("The word is right: the spelling check knows it from now on (in your diccionario-extra.txt)"));
    connect(m_addWord, &QPushButton::clicked, this, [this] {
        m_table->setFocus();
        emit addToDictionary(m_addWord->property("word").toString());
    });

    // The word fitted to its place above; what is said of it scrolls below,
    // so that no word, however long, widens the window.
    auto *details = new QWidget;
    auto *detailLayout = new QVBoxLayout(details);
    m_summary->setWordWrap(true);
    detailLayout->addWidget(m_summary);
    detailLayout->addWidget(m_problems);
    suggestionColumn->addWidget(m_addWord, 0, Qt::AlignLeft);
    detailLayout->addLayout(suggestionColumn);
    detailLayout->addStretch();
    auto *detailScroll = new QScrollArea;
    detailScroll->setWidget(details);
    detailScroll->setWidgetResizable(true);
    detailScroll->setFrameShape(QFrame::NoFrame);
    auto *wordSide = new QWidget;
    auto *wordLayout = new QVBoxLayout(wordSide);
    wordLayout->setContentsMargins(0, 0, 0, 0);
    m_sentence->setObjectName(QStringLiteral("sentence"));
    m_sentence->setTextFormat(Qt::RichText);
    m_sentence->setWordWrap(true);
    m_sentence->setAlignment(Qt::AlignCenter);
    QFont bold = m_sentence->font();
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    bold.setBold(true);
    m_sentence->setFont(bold);
    m_sentence->hide();
    wordLayout->addWidget(m_sentence);
    wordLayout->addWidget(m_picture);
    wordLayout->addWidget(detailScroll, 1);

    auto *adding = new QWidget;
    auto *addLayout = new QVBoxLayout(adding);
    addLayout->setContentsMargins(0, 0, 0, 0);
    addLayout->addWidget(new QLabel(tr("New words, one per line, with their written accents:")));
    m_newWords->setPlaceholderText(tr("árbol\ncanción\nventana"));
    m_newWords->installEventFilter(this);
    addLayout->addWidget(m_newWords);
    auto *add = new QPushButton(tr("&Add to the list"));
    connect(add, &QPushButton::clicked, this, &WordPanel::addNewWords);
    addLayout->addWidget(add, 0, Qt::AlignRight);

    auto *lower = new QSplitter(Qt::Horizontal);
    lower->addWidget(wordSide);
    lower->addWidget(adding);
    lower->setSizes({600, 400});  // the word and its details in the larger part, as wide as they need
    auto *split = new QSplitter(Qt::Vertical);
    split->addWidget(m_table);
    split->addWidget(lower);
    split->setStretchFactor(0, 3);
    split->setStretchFactor(1, 2);  // room for the word, its problems and suggestions
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(split);
    showCurrent();
}

bool WordPanel::eventFilter(QObject *watched, QEvent *event)
{
    // Undo and Redo in the new-words box are the box's own while it has typing
    // to undo; otherwise they go to the list, as everywhere else in the window.
    if (watched == m_newWords && event->type() == QEvent::ShortcutOverride) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QTextDocument *typed = m_newWords->document();
        if ((key->matches(QKeySequence::Undo) && !typed->isUndoAvailable())
            || (key->matches(QKeySequence::Redo) && !typed->isRedoAvailable())) {
            event->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

int WordPanel::currentRow() const { return m_table->currentIndex().row(); }

void WordPanel::setCurrentRow(int row)
{
    // The row alone: the view's own choice would add to the chosen rows while
    // Ctrl is still held from the shortcut that got here.
    m_table->selectionModel()->setCurrentIndex(m_model->index(row, WordListModel::WordColumn),
                                               QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void WordPanel::addNewWords()
{
    const ImportedLines imported = linesFromText(m_newWords->toPlainText());
    const int at = int(m_model->lines().size());
    m_model->addLines(at, imported.lines, tr("Add %n word(s)", nullptr, int(imported.lines.size())));
    // Only what was left out stays in the box, to be mended: adding again
    // never adds a word twice.
    m_newWords->setPlainText(imported.leftOut.join(QLatin1Char('\n')));
    if (!imported.problems.isEmpty())
        emit message(tr("These lines were not added:"), imported.problems);
    if (!imported.changed.isEmpty())
        emit message(tr("These words were added as the rules write them today:"), imported.changed);
    if (!imported.lines.isEmpty())
        setCurrentRow(at);
}

void WordPanel::removeSelectedLines()
{
    QList<int> rows;
    for (const QModelIndex &index : m_table->selectionModel()->selectedRows())
        rows << index.row();
    m_model->removeChosenLines(rows);
}

void WordPanel::moveCurrentLine(int by)
{
    const int row = currentRow();
    const int to = row + by;
    if (row < 0 || to < 0 || to >= m_model->rowCount())
        return;
    m_model->moveLine(row, to);
    setCurrentRow(to);
}

void WordPanel::showCurrent()
{
    const int row = currentRow();
    for (QPushButton *button : std::as_const(m_suggestions))
        button->hide();
    m_addWord->hide();
    m_sentence->hide();
    if (row < 0 || row >= m_model->rowCount()) {
        m_picture->setImage({});
        m_summary->setText(tr("Choose a word to see it as the child will."));
        m_problems->clear();
        return;
    }
    const WordAnalysis a = m_model->shownAnalysis(row);
    const ExerciseLine fields = splitExerciseLine(m_model->lines().at(row));
    QString missing;
    m_picture->setImage(drawWordPicture(fields.word, m_content, m_pictures, &missing));
    if (CurrentItem item{fields.word.toString(), {}, fields.accent.toString(), lineSentence(fields)}; !item.Sentence.isEmpty()) {
        // Written as Tildora writes it: the word marked, without the accent the child is to find.
        item.StressPosition = std::uint8_t(std::clamp(fields.position.trimmed().toInt(), 0, 255));
        const ShownSentence shown = shownSentence(item);
        m_sentence->setText(sentenceMarkup(shown));
        m_sentence->setAccessibleName(shown.text);
        m_sentence->show();
    }
    const QString accent = a.takesTilde ? tr("with a written accent") : tr("no written accent");
    // Without a kind when the line's fields disagree on the stress (the problem says so below).
    m_summary->setText(!a.readable                        ? tr("This line cannot be read as an exercise.")
                       : a.kind == WordAnalysis::Unknown ? tr("%1 — %2").arg(markedSyllables(a), accent)
                                                         : tr("%1 — %2, %3").arg(markedSyllables(a), kindName(a.kind), accent));
    QStringList problems;
    for (const LineProblem &p : m_model->checked(row).problems)
        problems << (p.severity == LineProblem::Error ? tr("Error: %1") : tr("Warning: %1")).arg(p.message);
    m_problems->setText(problems.isEmpty() ? tr("No problems.") : problems.join(QLatin1Char('\n')));
    const QStringList better = m_model->suggestions(row);
    for (int i = 0; i < m_suggestions.size() && i < better.size(); ++i) {
        m_suggestions[i]->setText(tr("Use «%1»").arg(better[i]));
        m_suggestions[i]->setProperty("word", better[i]);
        m_suggestions[i]->show();
    }
    if (m_model->checked(row).unknownWord) {
        m_addWord->setText(tr("Add «%1» to my dictionary").arg(a.written));
        m_addWord->setProperty("word", a.written);
        m_addWord->show();
    }
}

} // namespace tildora
