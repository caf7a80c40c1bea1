#include "editor/weekchart.h"

#include <QChart>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QValueAxis>

namespace tildora {

WeekChart::WeekChart(QWidget *parent)
    : QChartView(parent), m_series(new QLineSeries), m_weeks(new QDateTimeAxis), m_percent(new QValueAxis)
{
    auto *chart = new QChart;
    chart->legend()->hide();
    chart->setTitle(tr("% right by week"));
    chart->setMargins(QMargins(2, 2, 2, 2));
    chart->addSeries(m_series);
    m_series->setPointsVisible(true);
    m_weeks->setFormat(QStringLiteral("d/M"));
    m_percent->setRange(0, 100);
    m_percent->setLabelFormat(QStringLiteral("%d"));
    chart->addAxis(m_weeks, Qt::AlignBottom);
    chart->addAxis(m_percent, Qt::AlignLeft);
    m_series->attachAxis(m_weeks);
    m_series->attachAxis(m_percent);
    // Follows the desktop's light or dark palette, as other programs' charts do.
    chart->setTheme(palette().window().color().lightness() < 128 ? QChart::ChartThemeDark : QChart::ChartThemeLight);
    chart->setBackgroundRoundness(0);
    // The view's own empty chart is handed back, not deleted, when another takes its place.
    QChart *const empty = QChartView::chart();
    setChart(chart);
    delete empty;
    setRenderHint(QPainter::Antialiasing);
    setMinimumHeight(180);
    setAccessibleName(tr("Right, week by week"));
}

void WeekChart::setWeeks(const QList<WeekSummary> &weeks)
{
    QList<QPointF> points;
    for (const WeekSummary &w : weeks)
        if (w.tally.answers > 0)
            points << QPointF(qreal(w.monday.startOfDay().toMSecsSinceEpoch()), w.tally.percent());
    m_series->replace(points);
    // No dates to show before there are answers.
    m_weeks->setLabelsVisible(!points.isEmpty());
    if (points.isEmpty())
        return;
    // A single week still gets a span to be drawn in.
    const QDate first = weeks.first().monday, last = weeks.last().monday;
    m_weeks->setRange(first.addDays(-3).startOfDay(), last.addDays(3).startOfDay());
    m_weeks->setTickCount(int(std::clamp<qint64>(first.daysTo(last) / 7 + 1, 2, 6)));
}

} // namespace tildora
