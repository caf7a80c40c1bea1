#include "platform/lazysoundplayer.h"

#include <QLibrary>
#include <QTest>

using namespace tildora;

namespace {

QStringList *playedByModule()
{
    using Played = QStringList *(*)();
    QLibrary module(QStringLiteral(FAKE_SOUND_FOLDER "/tildora-sound"));
    const auto played = reinterpret_cast<Played>(module.resolve("tildora_fake_played"));
    return played ? played() : nullptr;
}

} // namespace

class TestLazySoundPlayer : public QObject
{
    Q_OBJECT
private slots:
    void playsThroughTheModule_data();
    void playsThroughTheModule();
};

void TestLazySoundPlayer::playsThroughTheModule_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("before");  // asked for before the first frame
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QStringList>("played");
    const QString module = FAKE_SOUND_FOLDER, none = "/nonexistent";
    QTest::newRow("waiting sounds: only the last plays")
        << QStringList{module} << QStringList{"a.wav", "b.wav"} << QStringList{"c.wav"}
        << QStringList{"b.wav", "c.wav"};
    QTest::newRow("nothing asked before the first frame")
        << QStringList{module} << QStringList{} << QStringList{"c.wav"} << QStringList{"c.wav"};
    QTest::newRow("module in the second folder")
        << QStringList{none, module} << QStringList{} << QStringList{"c.wav", "d.wav"} << QStringList{"c.wav", "d.wav"};
    QTest::newRow("no module: nothing plays, nothing breaks")
        << QStringList{none} << QStringList{"a.wav"} << QStringList{"c.wav"} << QStringList{};
}

void TestLazySoundPlayer::playsThroughTheModule()
{
    QFETCH(QStringList, folders);
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QStringList *played = playedByModule();
    QVERIFY(played);
    played->clear();
    LazySoundPlayer player(folders);
    for (const QString &s : before)
        player.play(s);
    QCOMPARE(*played, QStringList{});
    player.setReady();
    player.setReady();  // a second frame changes nothing
    for (const QString &s : after)
        player.play(s);
    QTEST(*played, "played");
}

QTEST_MAIN(TestLazySoundPlayer)
#include "tst_lazysoundplayer.moc"
