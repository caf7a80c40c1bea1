// Sounds: the lazy player waits for the first frame, plays only the last of
// the sounds asked for meanwhile and goes on without a module (checked against
// a stand-in module that keeps what it is asked to play); the real module,
// loaded as the program loads it, plays a WAV made here, only the last sound
// asked for in one go, and ends a missing file in an error without stopping.
#include "authoring/wavtools.h"
#include "platform/lazysoundplayer.h"
#include "platform/soundplayer.h"

#include <QLibrary>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

#include "../support/files.h"

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

class TestSound : public QObject
{
    Q_OBJECT
private slots:
    void playsThroughTheModule_data()
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

    void playsThroughTheModule()
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

    void plays_data()
    {
        QTest::addColumn<QStringList>("asked");  // in one go, before the event loop runs
        QTest::addColumn<QString>("source");
        QTest::addColumn<int>("status");
        QTest::newRow("a word recording") << QStringList{"casa.wav"} << "casa.wav" << int(QSoundEffect::Ready);
        QTest::newRow("only the last of two sounds") << QStringList{"casa.wav", "sol.wav"} << "sol.wav"
                                                      << int(QSoundEffect::Ready);
        QTest::newRow("a missing file") << QStringList{"nada.wav"} << "nada.wav" << int(QSoundEffect::Error);
    }

    void plays()
    {
        QFETCH(QStringList, asked);
        QTemporaryDir dir;
        const QByteArray tone = wavBytes({22050, QList<float>(2205, 0.25f)});
        testing::writeFile(dir.filePath("casa.wav"), tone);
        testing::writeFile(dir.filePath("sol.wav"), tone);
        QLibrary module(QStringLiteral(TILDORA_SOUND_MODULE));
        using Create = SoundPlayer *(*)(QObject *);
        const auto create = reinterpret_cast<Create>(module.resolve("tildora_create_sound_player"));
        QVERIFY2(create, qPrintable(module.errorString()));
        QObject owner;
        SoundPlayer *player = create(&owner);
        for (const QString &name : asked)
            player->play(dir.filePath(name));
        QTRY_VERIFY(owner.findChild<QSoundEffect *>());
        const auto *effect = owner.findChild<QSoundEffect *>();
        QFETCH(QString, source);
        QCOMPARE(effect->source(), QUrl::fromLocalFile(dir.filePath(source)));
        QFETCH(int, status);
        QTRY_COMPARE_WITH_TIMEOUT(int(effect->status()), status, 10000);
        // The same sound again is taken from the start, not loaded anew.
        player->play(dir.filePath(source));
        QTest::qWait(10);
        QCOMPARE(effect->source(), QUrl::fromLocalFile(dir.filePath(source)));
        QCOMPARE(owner.findChildren<QSoundEffect *>().size(), 1);
    }
};

QTEST_MAIN(TestSound)
#include "tst_sound.moc"
