// Makes Tildora's whole content pack from source: exercise files from the
// word list, letter and accented-letter pictures, the yes/no animations, the
// window design pictures and a contact sheet of every picture. The sounds are
// made afterwards by make-content.sh, with tildora-author.
#include "bmpwriter.h"
#include "drawing.h"
#include "wordlist.h"

#include "authoring/accentrules.h"
#include "authoring/stress.h"
#include "content/contentlocator.h"
#include "content/exercisewriter.h"
#include "platform/gifwriter.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QSet>
#include <QImageReader>
#include <QPainter>
#include <QRegularExpression>

#include <cstdio>
#include <set>

using namespace contentgen;

namespace {

bool fail(const QString &message)
{
    std::fprintf(stderr, "contentgen: %s\n", qPrintable(message));
    return false;
}

using tildora::ContentFolder;

// A folder of the content tree being written.
QString in(const QString &content, ContentFolder folder)
{
    return tildora::ContentLocator(content).folder(folder);
}

// The sentence holds the word once, its letters compared without accents and
// letter case, so the window can mark the word's place in it.
bool holdsWordOnce(const QString &sentence, const QString &word)
{
    int found = 0;
    static const QRegularExpression nonLetters(QStringLiteral("[^\\p{L}]+"));
    for (const QString &token : sentence.split(nonLetters, Qt::SkipEmptyParts))
        found += tildora::withoutWrittenAccent(token).compare(word, Qt::CaseInsensitive) == 0;
    return found == 1;
}

bool makeExercises(const QList<Section> &sections, const QString &content, std::set<QChar> *letters,
                   std::set<QString> *accents)
{
    QDir().mkpath(in(content, ContentFolder::Exercises));
    // The word written without its accent names its recording, so two words
    // that differ only by the accent (papa, papá) would share one sound; only
    // lines with a sentence, which is spoken instead, may do so.
    QHash<QString, QSet<QString>> spellingsOf;
    QSet<QString> withoutSentence;
    for (const Section &section : sections) {
        QString why;
        const QList<Entry> entries = orderedEntries(section, &why);
        if (entries.isEmpty())
            return fail(why.isEmpty() ? section.name + QStringLiteral(": no words") : why);
        QStringList lines;
        for (const Entry &entry : entries) {
            const QString spelling = entry.syllables.join(QString());
            const auto item = tildora::itemFromSyllables(entry.syllables, &why);
            if (!item)
                return fail(QStringLiteral("%1: %2").arg(entry.syllables.join(QLatin1Char('-')), why));
            if (!entry.sentence.isEmpty() && !holdsWordOnce(entry.sentence, item->word))
                return fail(QStringLiteral("%1: the sentence must hold the word once: %2").arg(spelling, entry.sentence));
            if (const auto right = tildora::outdatedAccent(spelling))
                return fail(right->why);
            QSet<QString> &spellings = spellingsOf[item->word];
            spellings.insert(spelling);
            if (entry.sentence.isEmpty())
                withoutSentence.insert(item->word);
            if (spellings.size() > 1 && withoutSentence.contains(item->word))
                return fail(QStringLiteral("%1 would share the recording %2.wav")
                                .arg(QStringList(spellings.begin(), spellings.end()).join(QStringLiteral(", ")), item->word));
            tildora::ExerciseItem line = *item;
            line.sentence = entry.sentence;
            lines << tildora::formatExerciseLine(line);
            for (const QChar c : item->word)
                letters->insert(c);
            if (item->accent != QLatin1String("NO"))
                accents->insert(item->accent);
        }
        const QString out = in(content, ContentFolder::Exercises) + QLatin1Char('/') + section.name + QStringLiteral(".txt");
        if (!tildora::saveExerciseFile(out, lines, &why))
            return fail(QStringLiteral("cannot write %1: %2").arg(out, why));
        std::printf("%s: %lld lines\n", qPrintable(section.name), qlonglong(entries.size()));
    }
    return true;
}

bool gif(const QString &path, const QImage &image)
{
    return tildora::writeGif(path, image) || fail(QStringLiteral("cannot write %1").arg(path));
}

bool animation(const QString &path, const QList<QImage> &images)
{
    QList<tildora::GifFrame> frames;
    for (const QImage &image : images)
        frames.append({image, 12});
    return tildora::writeGif(path, frames) || fail(QStringLiteral("cannot write %1").arg(path));
}

bool makePictures(const QString &content, const QString &resources, const std::set<QChar> &letters,
                  const std::set<QString> &accents)
{
    const QString letterFolder = in(content, ContentFolder::Letters) + QLatin1Char('/');
    const QString accentFolder = in(content, ContentFolder::AccentedLetters) + QLatin1Char('/');
    const QString animationFolder = in(content, ContentFolder::Animations) + QLatin1Char('/');
    for (const QString &folder : {letterFolder, accentFolder, animationFolder})
        QDir().mkpath(folder);
    QDir().mkpath(resources);
    constexpr int LetterHeight = 105;
    for (const QChar c : letters)
        if (!gif(letterFolder + c + QStringLiteral(".gif"), letterPicture(c, LetterHeight)))
            return false;
    for (const QString &a : accents)
        if (!gif(accentFolder + a + QStringLiteral(".gif"), letterPicture(a, LetterHeight)))
            return false;
    const QString r = resources + QLatin1Char('/');
    bool ok = animation(animationFolder + QStringLiteral("si.gif"), smileyFrames(true, 65, 8))
              && animation(animationFolder + QStringLiteral("no.gif"), smileyFrames(false, 65, 8))
              && animation(r + QStringLiteral("carita-si.gif"), smileyFrames(true, 66, 8))
              && animation(r + QStringLiteral("carita-no.gif"), smileyFrames(false, 66, 8))
              && gif(r + QStringLiteral("vocales.gif"), vowelsPicture())
              && gif(r + QStringLiteral("silabas.gif"), syllablesPicture())
              && gif(r + QStringLiteral("tilde.gif"), accentPicture())
              && gif(r + QStringLiteral("repetir.gif"), replayPicture())
              && gif(r + QStringLiteral("sintilde.gif"), noAccentPicture());
    ok = ok && (writeBmp256(r + QStringLiteral("siguiente.bmp"), nextPicture()) || fail(QStringLiteral("siguiente.bmp")));
    ok = ok && (writeBmp16(r + QStringLiteral("creditos.bmp"), creditsCard()) || fail(QStringLiteral("creditos.bmp")));
    // Our own BMP reader takes it; a JPEG would load every image plugin of
    // Qt before the first frame.
    ok = ok && (writeBmp256(r + QStringLiteral("yeso.bmp"), plasterTexture()) || fail(QStringLiteral("yeso.bmp")));
    for (const int size : {16, 32, 48, 256})
        ok = ok && (iconPicture(size).save(r + QStringLiteral("icono-%1.png").arg(size)) || fail(QStringLiteral("icon")));
    return ok;
}

// Every picture of the pack on one sheet, read back from the files written.
bool makeContactSheet(const QString &content, const QString &resources, const QString &out)
{
    QStringList files;
    for (const QString &folder : {resources, in(content, ContentFolder::Animations), in(content, ContentFolder::Letters),
                                  in(content, ContentFolder::AccentedLetters)}) {
        for (const QString &name : QDir(folder).entryList({QStringLiteral("*.gif"), QStringLiteral("*.bmp"),
                                                           QStringLiteral("*.jpg"), QStringLiteral("*.png")},
                                                          QDir::Files, QDir::Name))
            files << folder + QLatin1Char('/') + name;
    }
    const int sheetWidth = 1400, gap = 14, labelHeight = 16;
    QList<QPair<QString, QImage>> pictures;
    for (const QString &f : files) {
        QImageReader reader(f);
        const int frames = reader.imageCount();
        QImage image = reader.read();
        if (image.isNull())
            return fail(QStringLiteral("cannot read back %1").arg(f));
        QString label = QFileInfo(f).fileName();
        if (frames > 1)
            label += QStringLiteral(" (%1 frames)").arg(frames);
        pictures.append({label, image});
    }
    // Lay out in rows.
    int x = gap, y = gap, rowHeight = 0;
    QList<QPoint> places;
    for (const auto &[label, image] : pictures) {
        const int w = std::max(image.width(), 110);
        if (x + w > sheetWidth - gap) {
            x = gap;
            y += rowHeight + labelHeight + gap;
            rowHeight = 0;
        }
        places << QPoint(x, y);
        x += w + gap;
        rowHeight = std::max(rowHeight, image.height());
    }
    QImage sheet(sheetWidth, y + rowHeight + labelHeight + gap, QImage::Format_RGB32);
    sheet.fill(QColor(200, 200, 200));
    QPainter p(&sheet);
    p.setFont(sans(10, false));
    for (int i = 0; i < pictures.size(); ++i) {
        p.drawImage(places[i], pictures[i].second);
        p.drawText(QRect(places[i].x(), places[i].y() + pictures[i].second.height() + 1, 200, labelHeight),
                   Qt::AlignLeft | Qt::AlignTop, pictures[i].first);
    }
    p.end();
    return sheet.save(out) || fail(QStringLiteral("cannot write %1").arg(out));
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Makes the Tildora content pack."));
    parser.addHelpOption();
    const QCommandLineOption wordsOpt(QStringLiteral("words"), QStringLiteral("Word list."), QStringLiteral("file"));
    const QCommandLineOption contentOpt(QStringLiteral("content"), QStringLiteral("Content tree to write."), QStringLiteral("dir"));
    const QCommandLineOption resourcesOpt(QStringLiteral("resources"), QStringLiteral("Window pictures to write."), QStringLiteral("dir"));
    const QCommandLineOption sheetOpt(QStringLiteral("contact-sheet"), QStringLiteral("Contact sheet PNG to write."), QStringLiteral("file"));
    parser.addOptions({wordsOpt, contentOpt, resourcesOpt, sheetOpt});
    parser.process(app);
    for (const auto &opt : {wordsOpt, contentOpt, resourcesOpt, sheetOpt})
        if (!parser.isSet(opt)) {
            std::fprintf(stderr, "contentgen: --%s is required\n", qPrintable(opt.names().first()));
            return 2;
        }

    QString problem;
    if (!loadFonts(&problem))
        return fail(QStringLiteral("missing font %1 (apt-get install fonts-sil-andika fonts-liberation2)").arg(problem)), 1;
    QFile words(parser.value(wordsOpt));
    if (!words.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read %1").arg(words.fileName())), 1;
    const QList<Section> sections = readWordList(QString::fromUtf8(words.readAll()), &problem);
    if (sections.isEmpty())
        return fail(problem.isEmpty() ? QStringLiteral("no words") : problem), 1;

    // Every letter a teacher is likely to use gets a picture, not only ours.
    std::set<QChar> letters;
    for (char16_t c = u'a'; c <= u'z'; ++c)
        letters.insert(QChar(c));
    letters.insert(QChar(u'ñ'));
    letters.insert(QChar(u'ü'));
    std::set<QString> accents{QStringLiteral("á"), QStringLiteral("é"), QStringLiteral("í"), QStringLiteral("ó"),
                              QStringLiteral("ú")};
    const QString content = parser.value(contentOpt);
    const QString resources = parser.value(resourcesOpt);
    const bool ok = makeExercises(sections, content, &letters, &accents)
                    && makePictures(content, resources, letters, accents)
                    && makeContactSheet(content, resources, parser.value(sheetOpt));
    return ok ? 0 : 1;
}
