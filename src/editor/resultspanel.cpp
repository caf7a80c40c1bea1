#include "editor/resultspanel.h"

#include "authoring/missedlist.h"
#include "authoring/wordkinds.h"
#include "editor/resultsreport.h"
#include "editor/weekchart.h"
#include "results/classlist.h"
#include "results/resultsplace.h"

#include <QComboBox>
#include <QDateEdit>
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
#include <QtConcurrent/QtConcurrentRun>

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
    table->setUniformRowHeights(true);
    table->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    // Numbers stay beside their headings rather than at the far edge.
    table->header()->setStretchLastSection(false);
    table->setSortingEnabled(true);
    return table;
}

// What a cell sorts by, when not its text.
constexpr int SortRole = Qt::UserRole + 1;

// Numbers sort as numbers when a column header is clicked.
class NumberItem : public QTreeWidgetItem
{
public:
    using QTreeWidgetItem::QTreeWidgetItem;
    bool operator<(const QTreeWidgetItem &other) const override
    {
        const int column = treeWidget() ? treeWidget()->sortColumn() : 0;
        bool a = false, b = false;
        const double x = data(column, SortRole).toDouble(&a), y = other.data(column, SortRole).toDouble(&b);
        return a && b ? x < y : QTreeWidgetItem::operator<(other);
    }
};

void setNumber(QTreeWidgetItem *item, int column, double value, const QString &text)
{
    item->setText(column, text);
    item->setData(column, SortRole, value);
    item->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
}

} // namespace

QStringList ResultsPanel::childrenHeaders()
{
    QStringList headers{tr("Child"), tr("Answers")};
    for (const KindRow &row : kindRows(ChildSummary{{}, {}, {}, QList<Tally>(WordGroupCount)}))
        headers << row.name;
    return headers;
}

ResultsPanel::ResultsPanel(const QString &resultsFolder, const QStringList &listFolders, QWidget *parent)
    : QWidget(parent), m_resultsFolder(resultsFolder), m_listFolders(listFolders),
      m_reader(std::make_shared<ResultsReader>()), m_child(new QComboBox(this)), m_from(new QDateEdit(this)),
      m_to(new QDateEdit(this)), m_children(newTable(childrenHeaders(), this)),
      m_days(newTable({tr("Day"), tr("Child"), tr("Answers"), tr("Right"), tr("Right %")}, this)),
      m_words(newTable({tr("Word"), tr("Tries"), tr("Misses"), tr("Kind")}, this)), m_chart(new WeekChart(this)),
      m_kind(new QComboBox(this)), m_newList(new QPushButton(tr("&New list from the missed words"), this)),
      m_notice(new QLabel(this))
{
    m_children->setToolTip(tr("Share right by mode and by kind of word; each child's weakest kind is marked. "
                              "Click a cell to choose the child and the kind."));
    m_children->sortByColumn(0, Qt::AscendingOrder);
    // Twelve columns of shares: narrow, their full names in the headers' tips.
    const int narrow = fontMetrics().horizontalAdvance(QStringLiteral("esdrúj.")) + 12;
    for (int c = 2; c < m_children->columnCount(); ++c) {
        m_children->header()->setSectionResizeMode(c, QHeaderView::Interactive);
        m_children->header()->resizeSection(c, narrow);
        m_children->headerItem()->setToolTip(c, m_children->headerItem()->text(c));
    }
    m_child->setAccessibleName(tr("Child"));
    m_child->addItem(tr("All children"));
    for (QDateEdit *day : {m_from, m_to}) {
        day->setCalendarPopup(true);
        day->setEnabled(false);
    }
    m_kind->addItem(tr("any kind"), -1);
    for (int g = 0; g < WordGroupCount; ++g)
        m_kind->addItem(wordGroupName(g), g);
    m_kind->setAccessibleName(tr("Kind of the missed words"));
    m_newList->setToolTip(tr("Make an exercise list of the words the child or the class missed most, to practise them "
                             "again"));
    m_notice->setWordWrap(true);
    m_notice->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *reloadButton = new QPushButton(tr("&Reload"), this);
    auto *printButton = new QPushButton(tr("&Print or save as PDF…"), this);
    auto *classButton = new QPushButton(tr("C&lass list…"), this);

    auto *top = new QHBoxLayout;
    const auto labelled = [&](const QString &text, QWidget *w, int stretch = 0) {
        auto *label = new QLabel(text, this);
        label->setBuddy(w);
        top->addWidget(label);
        top->addWidget(w, stretch);
    };
    labelled(tr("C&hild:"), m_child, 1);
    labelled(tr("&From:"), m_from);
    labelled(tr("&To:"), m_to);
    top->addWidget(reloadButton);
    top->addWidget(classButton);
    auto *lower = new QSplitter(Qt::Horizontal, this);
    lower->addWidget(m_words);
    lower->addWidget(m_days);
    lower->addWidget(m_chart);
    lower->setSizes({300, 260, 400});
    auto *split = new QSplitter(Qt::Vertical, this);
    split->addWidget(m_children);
    split->addWidget(lower);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(m_notice, 1);
    bottom->addWidget(m_newList);
    bottom->addWidget(m_kind);
    bottom->addWidget(printButton);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(split, 1);
    layout->addLayout(bottom);

    connect(&m_loading, &QFutureWatcher<Loaded>::finished, this, &ResultsPanel::takeLoaded);
    connect(reloadButton, &QPushButton::clicked, this, &ResultsPanel::reload);
    connect(printButton, &QPushButton::clicked, this, &ResultsPanel::print);
    connect(classButton, &QPushButton::clicked, this, &ResultsPanel::editClassList);
    connect(m_child, &QComboBox::currentIndexChanged, this, &ResultsPanel::showSummaries);
    // The other end of the days follows, so the days never run backwards.
    connect(m_from, &QDateEdit::dateChanged, this, [this](QDate from) {
        if (m_to->date() < from)
            m_to->setDate(from);
        else
            showSummaries();
    });
    connect(m_to, &QDateEdit::dateChanged, this, [this](QDate to) {
        if (m_from->date() > to)
            m_from->setDate(to);
        else
            showSummaries();
    });
    connect(m_newList, &QPushButton::clicked, this, &ResultsPanel::newListFromMissedWords);
    connect(m_children, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem *item, int column) {
        const int child = m_child->findData(item->data(0, Qt::UserRole));
        m_child->setCurrentIndex(child > 0 ? child : 0);
        const int kind = m_kind->findData(column - 5);  // the kinds follow the child, answers and modes
        if (kind > 0)
            m_kind->setCurrentIndex(kind);
    });
}

void ResultsPanel::addMenuActions(QMenu *menu)
{
    menu->addAction(tr("&Show the results"), this, &ResultsPanel::wantsSight);
    const auto inSight = [this](void (ResultsPanel::*act)()) {
        return [this, act] {
            emit wantsSight();
            (this->*act)();
        };
    };
    menu->addAction(tr("&New list from the missed words"), this, [this] {
        emit wantsSight();
        newListFromMissedWords();
    });
    menu->addAction(tr("&Print or save as PDF…"), this, inSight(&ResultsPanel::print));
    menu->addAction(tr("C&lass list…"), this, inSight(&ResultsPanel::editClassList));
    menu->addAction(tr("&Add results from a folder…"), this, inSight(&ResultsPanel::addResults));
}

void ResultsPanel::showEvent(QShowEvent *event)
{
    // Tildora may have kept answers since the tab was last looked at.
    QWidget::showEvent(event);
    reload();
}

void ResultsPanel::reload()
{
    // One read at a time: the reader is not shared by two threads.
    if (m_loading.isRunning()) {
        m_readAgain = true;
        return;
    }
    if (m_data.set.size() == 0)
        m_notice->setText(tr("Reading the answers…"));
    m_loading.setFuture(QtConcurrent::run([reader = m_reader, folders = resultsFolders(m_resultsFolder),
                                           lists = m_listFolders] {
        Loaded out;
        out.set = reader->read(folders);
        out.lines = answeredWordLines(answeredFiles(out.set), lists);
        ResultWords words = resultWords(out.set, out.lines);
        out.shownWords = std::move(words.shown);
        out.groups = std::move(words.groups);
        const ResultsSummary all = summarize(out.set);
        for (const ChildSummary &child : all.children)
            out.children << child.child;
        if (!all.days.isEmpty()) {
            out.first = all.days.first().day;
            out.last = all.days.last().day;
        }
        return out;
    }));
}

void ResultsPanel::takeLoaded()
{
    // The range the teacher chose stays, unless it reached the first or last day.
    const bool fromFirst = !m_data.first.isValid() || m_from->date() <= m_data.first;
    const bool toLast = !m_data.last.isValid() || m_to->date() >= m_data.last;
    const QString chosen = m_child->currentIndex() > 0 ? m_child->currentData().toString() : QString();
    m_data = m_loading.result();
    {
        const QSignalBlocker quiet(m_child), quietFrom(m_from), quietTo(m_to);
        m_child->clear();
        m_child->addItem(tr("All children"));
        for (const QString &child : std::as_const(m_data.children))
            m_child->addItem(child.isEmpty() ? tr("(no name given)") : child, child);
        const int again = chosen.isNull() ? 0 : m_child->findData(chosen);
        m_child->setCurrentIndex(std::max(again, 0));
        for (QDateEdit *day : {m_from, m_to}) {
            day->setEnabled(m_data.first.isValid());
            if (m_data.first.isValid())
                day->setDateRange(m_data.first, m_data.last);
        }
        if (fromFirst && m_data.first.isValid())
            m_from->setDate(m_data.first);
        if (toLast && m_data.last.isValid())
            m_to->setDate(m_data.last);
    }
    showSummaries();
    if (!m_afterLoad.isEmpty())
        m_notice->setText(std::exchange(m_afterLoad, QString()));
    emit loaded();
    if (std::exchange(m_readAgain, false))
        reload();
}

ResultsFilter ResultsPanel::filter() const
{
    ResultsFilter filter;
    filter.allChildren = m_child->currentIndex() <= 0;
    filter.child = m_child->currentData().toString();
    if (m_from->isEnabled()) {
        filter.from = m_from->date();
        filter.to = m_to->date();
    }
    filter.wordGroups = m_data.groups;
    filter.groupCount = WordGroupCount;
    return filter;
}

void ResultsPanel::showChildren()
{
    const QLocale locale;
    m_children->clear();
    QList<ChildSummary> rows = m_summary.children;
    // The class first, when it is more than one child.
    const bool withClass = rows.size() > 1;
    if (withClass)
        rows.prepend(wholeClass(rows));
    // Last, the children of the class list who answered nothing in these
    // days: the ones a teacher most needs to see.
    const qsizetype answered = rows.size();
    QStringList names;
    for (const ChildSummary &c : std::as_const(m_summary.children))
        names << c.child.toCaseFolded();
    for (const QString &name : readClassList(classListPath()).value_or(QStringList()))
        if (!names.contains(name.toCaseFolded()))
            rows << ChildSummary{name, {}, {}, QList<Tally>(WordGroupCount)};
    for (qsizetype i = 0; i < rows.size(); ++i) {
        const ChildSummary &c = rows[i];
        const bool isClass = withClass && i == 0;
        auto *item = new NumberItem(m_children);
        item->setText(0, isClass ? tr("The whole class") : c.child.isEmpty() ? tr("(no name given)") : c.child);
        // By name the class comes first, the children in the order of the summary.
        item->setData(0, SortRole, i);
        if (!isClass)
            item->setData(0, Qt::UserRole, c.child);
        setNumber(item, 1, c.all.answers, locale.toString(c.all.answers));
        const int weakest = weakestGroup(c, FewestAnswersOfAWeakKind);
        int column = 2;
        for (const KindRow &row : kindRows(c)) {
            const int percent = row.tally.percent();
            setNumber(item, column, percent, percent < 0 ? QStringLiteral("–") : locale.toString(percent));
            if (row.group >= 0 && row.group == weakest) {
                QFont bold = item->font(column);
                bold.setBold(true);
                item->setFont(column, bold);
                item->setBackground(column, QColor(240, 160, 60, 110));
                item->setToolTip(column, tr("The weakest kind of word, of those answered at least %1 times")
                                             .arg(FewestAnswersOfAWeakKind));
            }
            ++column;
        }
        if (isClass) {
            QFont bold = item->font(0);
            bold.setBold(true);
            item->setFont(0, bold);
        }
        if (i >= answered) {
            for (int column = 0; column < item->columnCount(); ++column)
                item->setForeground(column, palette().color(QPalette::Disabled, QPalette::Text));
            item->setToolTip(0, tr("In the class list, with no answers in these days"));
        }
    }
}

void ResultsPanel::showSummaries()
{
    m_summary = summarize(m_data.set, filter());
    const QLocale locale;
    m_children->setSortingEnabled(false);
    showChildren();
    m_children->setSortingEnabled(true);
    m_days->setSortingEnabled(false);
    m_days->clear();
    // The class's days as one row each: a room's year is thousands of rows a child, day by day.
    QList<ChildDaySummary> days;
    const bool wholeClass = filter().allChildren && m_summary.children.size() > 1;
    for (const ChildDaySummary &day : std::as_const(m_summary.days)) {
        if (wholeClass && !days.isEmpty() && days.last().day == day.day) {
            days.last().answers += day.answers;
            days.last().right += day.right;
        } else {
            days << day;
        }
    }
    for (const ChildDaySummary &day : std::as_const(days)) {
        auto *item = new NumberItem(m_days);
        item->setText(0, locale.toString(day.day, QLocale::ShortFormat));
        item->setData(0, SortRole, day.day.toJulianDay());
        item->setText(1, wholeClass ? tr("The whole class") : day.child.isEmpty() ? tr("(no name given)") : day.child);
        setNumber(item, 2, day.answers, locale.toString(day.answers));
        setNumber(item, 3, day.right, locale.toString(day.right));
        const double percent = day.answers > 0 ? 100.0 * day.right / day.answers : 0.0;
        setNumber(item, 4, percent, locale.toString(percent, 'f', 0));
    }
    m_days->setSortingEnabled(true);
    m_days->sortByColumn(0, Qt::DescendingOrder);
    m_words->setSortingEnabled(false);
    m_words->clear();
    int missed = 0;
    for (const WordSummary &word : std::as_const(m_summary.words)) {
        auto *item = new NumberItem(m_words);
        item->setText(0, m_data.shownWords.value(word.id, word.shown()));
        setNumber(item, 1, word.tries, locale.toString(word.tries));
        setNumber(item, 2, word.misses, locale.toString(word.misses));
        item->setText(3, groupsText(word.groups));
        missed += word.misses > 0;
    }
    m_words->setSortingEnabled(true);
    m_words->sortByColumn(2, Qt::DescendingOrder);
    m_chart->setWeeks(m_summary.weeks);
    m_newList->setEnabled(missed > 0);
    m_notice->setText(m_data.set.size() == 0 ? tr("No answers kept yet. Tildora keeps them in %1 as children play.")
                                                   .arg(QDir::toNativeSeparators(m_resultsFolder))
                                             : tr("%n answer(s) shown.", nullptr, m_summary.shown.all.answers));
}

QString ResultsPanel::newListFromMissedWords()
{
    QStringList problems;
    const QStringList words = wordsToPractise(missedOfGroup(m_summary.words, m_kind->currentData().toInt()),
                                              m_data.lines, MostWordsInANewList, &problems);
    QString error;
    const int kind = m_kind->currentData().toInt();
    const QString title = missedWordsTitle(QDate::currentDate(), filter().allChildren ? QString() : filter().child,
                                           kind >= 0 ? wordGroupName(kind) : QString());
    const QString path = words.isEmpty() || m_listFolders.isEmpty()
                             ? QString()
                             : saveNewList(m_listFolders.first(), title, words, &error, &problems);
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
