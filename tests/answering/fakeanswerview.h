#pragma once

// A view for answering without a window: each call becomes a short word in
// a log, so a test reads what answering asked for, in order.
#include "answering/answerview.h"

#include <QStringList>

namespace testing {

inline QString colourName(const QColor &c)
{
    return c == QColor(Qt::blue) ? "blue" : c == QColor(Qt::green) ? "green" : c == QColor(Qt::red) ? "red" : c.name();
}

struct FakeAnswerView : tildora::AnswerView {
    QStringList log;
    QString captions[2] = {"0", "0"};

    void setLetterColor(int index, const QColor &c) override { log << colourName(c) + QString::number(index); }
    void showAccentedLetter(int index, const QString &accent) override
    {
        log << QString("accent%1:%2").arg(index).arg(accent);
    }
    void fillPressedArea(int index, QPoint at) override
    {
        log << QString("fill%1@%2,%3").arg(index).arg(at.x()).arg(at.y());
    }
    void setLetterStripEnabled(bool on) override { log << (on ? "open" : "lock"); }
    void setNoAccentButtonEnabled(bool on) override { log << (on ? "noaccent:on" : "noaccent:off"); }
    void showModeButtons(int chosen) override { log << QString("mode%1").arg(chosen); }
    void showNextItem() override { log << "next"; }
    void startBounce(int index) override { log << QString("bounce%1").arg(index); }
    QString counterCaption(tildora::Counter c) const override { return captions[int(c)]; }
    void setCounterCaption(tildora::Counter c, const QString &caption) override
    {
        captions[int(c)] = caption;
        log << (c == tildora::Counter::Right ? "right=" : "wrong=") + caption;
    }
    void showAnimation(tildora::Animation shown) override { log << (shown == tildora::Animation::Yes ? "yes" : "no"); }
    void playSound(const QString &name) override { log << "sound:" + name; }
    void writeRecordLine(const QString &word, const std::optional<tildora::RecordStretch> &s,
                         const QColor &c) override
    {
        const QString stretch = s ? QString("%1,%2,%3").arg(s->start).arg(s->length).arg(s->text) : QString();
        log << QString("record:%1[%2]%3").arg(word, stretch, colourName(c));
    }
    void answerJudged(const tildora::JudgedAnswer &a) override
    {
        static const char *const results[] = {"right", "wrong", "partial"};
        log << QString("judged:%1%2:%3").arg(a.position).arg(a.pressed, results[a.result]);
    }
};

} // namespace testing
