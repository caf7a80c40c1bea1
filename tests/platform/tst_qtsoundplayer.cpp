// The sound module as the program loads it: a WAV made here is loaded and
// played, only the last sound asked for in one go plays, and a missing file
// ends in an error without stopping anything.
#include "authoring/wavtools.h"
#include "platform/soundplayer.h"

#include <QLibrary>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTest>

#include "../support/files.h"

using namespace tildora;

class TestQtSoundPlayer : public QObject
{
    Q_OBJECT
private slots:
    void plays_data();
    void plays();
};

void TestQtSoundPlayer::plays_data()
{
    QTest::addColumn<QStringList>("asked");  // in one go, before the event loop runs
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("status");
    QTest::newRow("a word recording") << QStringList{"casa.wav"} << "casa.wav" << int(QSoundEffect::Ready);
    QTest::newRow("only the last of two sounds") << QStringList{"casa.wav", "sol.wav"} << "sol.wav"
                                                  << int(QSoundEffect::Ready);
    QTest::newRow("a missing file") << QStringList{"nada.wav"} << "nada.wav" << int(QSoundEffect::Error);
}

void TestQtSoundPlayer::plays()
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

QTEST_MAIN(TestQtSoundPlayer)
#include "tst_qtsoundplayer.moc"
