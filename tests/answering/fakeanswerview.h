#pragma once

// A view for answering without a window: it keeps what answering last asked
// it to show, so a test reads the outcome of a press, not the order of calls.
#include "answering/answerview.h"

#include <QMap>
#include <QStringList>

namespace testing {

inline QString colourName(const QColor &c)
{
    return c == QColor(Qt::blue) ? "blue" : c == QColor(Qt::green) ? "green" : c == QColor(Qt::red) ? "red" : c.name();
}

struct FakeAnswerView : tildora::AnswerView {
    QMap<int, QString> letters;  // index -> colour of its filled area, "á" when swapped to the accented picture
    QStringList records;         // word[start,length,text]colour
    QStringList sounds;
    QStringList judged;          // position letter : result right/wrong, as the answer carries them
    int counters[2] = {0, 0};
    QString animation = "none";
    bool stripOpen = true;
    int noAccentButton = -1;     // -1 untouched, 0 off, 1 on
    int modeButtons = -1;
    int bounce = -1;
    int nextShown = 0;
    QString colour;              // the colour set for the next fill

    void setLetterColor(int, const QColor &c) override { colour = colourName(c); }
    void showAccentedLetter(int index, const QString &accent) override { letters[index] = accent; }
    void fillPressedArea(int index, QPoint) override { letters[index] += colour; }
    void setLetterStripEnabled(bool on) override { stripOpen = on; }
    void setNoAccentButtonEnabled(bool on) override { noAccentButton = on; }
    void showModeButtons(int chosen) override { modeButtons = chosen; }
    void showNextItem() override { ++nextShown; }
    void startBounce(int index) override { bounce = index; }
    void showCounter(tildora::Counter c, int value) override { counters[int(c)] = value; }
    void showAnimation(tildora::Animation shown) override { animation = shown == tildora::Animation::Yes ? "yes" : "no"; }
    void playSound(const QString &name) override { sounds << name; }
    void writeRecordLine(const QString &word, const std::optional<tildora::RecordStretch> &s,
                         const QColor &c) override
    {
        const QString stretch = s ? QString("%1,%2,%3").arg(s->start).arg(s->length).arg(s->text) : QString();
        records << QString("%1[%2]%3").arg(word, stretch, colourName(c));
    }
    void answerJudged(const tildora::JudgedAnswer &a) override
    {
        static const char *const results[] = {"right", "wrong", "partial"};
        judged << QString("%1%2:%3 %4/%5")
                      .arg(QString::number(a.position), a.pressed, results[a.result], QString::number(a.score.right),
                           QString::number(a.score.wrong));
    }
};

} // namespace testing
