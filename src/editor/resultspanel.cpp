#include "editor/resultspanel.h"

#include "authoring/missedlist.h"
#include "results/summary.h"

#include <QComboBox>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QPushButton>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace tildora {
namespace {

// A list a child can work through in one sitting.
constexpr int MostWordsInANewList = 30;

QTreeWidget *newTable(const QStringList &headers, QWidget *parent)
{
    auto *table = new QTreeWidget(parent);
    table->setHeaderLabels(headers);
    table->setRootIsDecorated(false);
    table->setAllColumnsShowFocus(true);
    table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Numbers stay beside their headings rather than at the far edge.
    table->header()->setStretchLastSection(false);
    return table;
}

// Numbers sort as numbers when a column header is clicked.
class NumberItem : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        bool a = false, b = false;
        const double x = data(column, Qt::UserRole).toDouble(&a), y = other.data(column, Qt::UserRole).toDouble(&b);
        return a && b ? x < y : QTreeWidgetItem::operator<(other);
    }
};

void setNumber(QTreeWidgetItem *item, int column, double value, const QString &text)
{
    item->setText(column, text);
    item->setData(column, Qt::UserRole, value);
    item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace

ResultsPanel::ResultsPanel(const QString &resultsFolder, const QStringList &listFolders, QWidget *parent)
    : QWidget(parent), m_resultsFolder(resultsFolder), m_listFolders(listFolders), m_child(new QComboBox(this)),
      m_days(newTable({tr("Day"), tr("Child"), tr("Answers"), tr("Right"), tr("Right %")}, this)),
      m_words(newTable({tr("Word"), tr("Tries"), tr("Misses")}, this)),
      m_newList(new QPushButton(tr("&New list from the missed words"), this)), m_notice(new QLabel(this))
{
    m_words->setSortingEnabled(true);
    m_days->setSortingEnabled(true);
    m_newList->setToolTip(tr("Make an exercise list of the words missed most, to practise them again"));
    m_notice->setWordWrap(true);
    m_notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *reloadButton = new QPushButton(tr("&Reload"), this);

    auto *top = new QHBoxLayout;
    top->addWidget(new QLabel(tr("Child:"), this));
    top->addWidget(m_child, 1);
    top->addWidget(reloadButton);
    auto *split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(m_days);
    split->addWidget(m_words);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_notice, 1);
    bottom->addWidget(m_newList);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(split, 1);
    layout->addLayout(bottom);

    connect(reloadButton, &QPushButton::clicked, this, &ResultsPanel::reload);
    connect(m_child, &QComboBox::currentIndexChanged, this, &ResultsPanel::showSummaries);
    connect(m_newList, &QPushButton::clicked, this, &ResultsPanel::newListFromMissedWords);
}

void ResultsPanel::addMenuActions(QMenu *menu)
{
    menu->addAction(tr("&Show the results"), this, &ResultsPanel::wantsSight);
    menu->addAction(tr("&New list from the missed words"), this, [this] {
        emit wantsSight();
        newListFromMissedWords();
    });
}

void ResultsPanel::showEvent(QShowEvent *event)
{
    // Tildora may have kept answers since the tab was last looked at.
    QWidget::showEvent(event);
    reload();
}

void ResultsPanel::reload()
{
    m_rows = readResultsFolder(m_resultsFolder);
    const QString chosen = m_child->currentData().toString();
    const bool hadChoice = m_child->currentIndex() > 0;
    QStringList children;
    for (const ResultRow &row : std::as_const(m_rows))
        if (!children.contains(row.child))
            children << row.child;
    children.sort(Qt::CaseInsensitive);
    const QSignalBlocker quiet(m_child);
    m_child->clear();
    m_child->addItem(tr("All children"));
    for (const QString &child : std::as_const(children))
        m_child->addItem(child.isEmpty() ? tr("(no name given)") : child, child);
    if (hadChoice) {
        const int again = m_child->findData(chosen);
        m_child->setCurrentIndex(again > 0 ? again : 0);
    }
    showSummaries();
}

QList<ResultRow> ResultsPanel::shownRows() const
{
    if (m_child->currentIndex() <= 0)
        return m_rows;
    const QString child = m_child->currentData().toString();
    QList<ResultRow> rows;
    for (const ResultRow &row : m_rows)
        if (row.child == child)
            rows << row;
    return rows;
}

void ResultsPanel::showSummaries()
{
    const QList<ResultRow> rows = shownRows();
    const QLocale locale;
    m_days->clear();
    for (const ChildDaySummary &day : summarizeByChildAndDay(rows)) {
        auto *item = new NumberItem(m_days);
        item->setText(0, locale.toString(day.day, QLocale::ShortFormat));
        item->setData(0, Qt::UserRole, day.day.toJulianDay());
        item->setText(1, day.child.isEmpty() ? tr("(no name given)") : day.child);
        setNumber(item, 2, day.answers, locale.toString(day.answers));
        setNumber(item, 3, day.right, locale.toString(day.right));
        const double percent = day.answers > 0 ? 100.0 * day.right / day.answers : 0.0;
        setNumber(item, 4, percent, locale.toString(percent, 'f', 0));
    }
    m_days->sortByColumn(0, Qt::DescendingOrder);
    m_words->clear();
    int missed = 0;
    for (const WordSummary &word : summarizeByWord(rows)) {
        auto *item = new NumberItem(m_words);
        item->setText(0, word.word);
        setNumber(item, 1, word.tries, locale.toString(word.tries));
        setNumber(item, 2, word.misses, locale.toString(word.misses));
        missed += word.misses > 0;
    }
    m_words->sortByColumn(2, Qt::DescendingOrder);
    m_newList->setEnabled(missed > 0);
    m_notice->setText(m_rows.isEmpty() ? tr("No answers kept yet. Tildora keeps them in %1 as children play.")
                                             .arg(QDir::toNativeSeparators(m_resultsFolder))
                                       : tr("%n answer(s) shown.", nullptr, int(rows.size())));
}

QString ResultsPanel::newListFromMissedWords()
{
    const QList<ResultRow> rows = shownRows();
    QStringList problems;
    const QStringList words = wordsToPractise(summarizeByWord(rows), answeredWordLines(rows, m_listFolders),
                                              MostWordsInANewList, &problems);
    QString error;
    const QString path = words.isEmpty() || m_listFolders.isEmpty()
                             ? QString()
                             : saveNewList(m_listFolders.first(), missedWordsTitle(QDate::currentDate()), words, &error,
                                           &problems);
    QString text = path.isEmpty() ? tr("No list was made: %1").arg(error.isEmpty() ? tr("no missed word has a known exercise line") : error)
                                  : tr("New list %1 with %n word(s).", nullptr, int(words.size()))
                                        .arg(QDir::toNativeSeparators(path));
    if (!problems.isEmpty())
        text += QLatin1Char('\n') + problems.join(QLatin1Char('\n'));
    m_notice->setText(text);
    if (!path.isEmpty())
        emit listCreated(path);
    return path;
}

} // namespace tildora
