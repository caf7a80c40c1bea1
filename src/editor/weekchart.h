#pragma once

#include "results/summary.h"

#include <QChartView>

class QDateTimeAxis;
class QLineSeries;
class QValueAxis;

namespace tildora {

// The share right week by week, as a line over the weeks with answers.
class WeekChart : public QChartView
{
    Q_OBJECT
public:
    explicit WeekChart(QWidget *parent = nullptr);

    void setWeeks(const QList<WeekSummary> &weeks);
    QLineSeries *series() const { return m_series; }

private:
    QLineSeries *m_series;
    QDateTimeAxis *m_weeks;
    QValueAxis *m_percent;
};

} // namespace tildora
