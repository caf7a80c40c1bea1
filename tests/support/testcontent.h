#pragma once

// Small content trees for window tests: real GIF letters of known sizes,
// recordings and exercise files in a temporary program folder.
#include "platform/gifwriter.h"
#include "platform/soundplayer.h"
#include "window/form1.h"

#include "files.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace testing {

// Records what it is asked to play.
struct FakeSound : tildora::SoundPlayer {
    QStringList played;
    void play(const QString &path) override { played << path; }
};

inline QImage letterImage(int width, int height = 105, QColor ink = Qt::black)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter(&image).fillRect(QRect(width / 4, height / 4, width / 2, height / 2), ink);
    return image;
}

struct ContentTree {
    QTemporaryDir dir;
    QString root;

    explicit ContentTree(const QString &subfolder = {})
    {
        root = subfolder.isEmpty() ? dir.path() : dir.filePath(subfolder);
        for (const char *f : {"ejercicios", "letrasgifs", "letrasacento", "sonidos", "sonidospalabras", "gifs"})
            QDir().mkpath(root + "/" + f);
    }
    QString path(const QString &relative) const { return root + "/" + relative; }
    void write(const QString &relative, const QByteArray &bytes) const { writeFile(path(relative), bytes); }
    void letter(const QString &ch, int width, int height = 105) const
    {
        tildora::writeGif(path("letrasgifs/" + ch + ".gif"), letterImage(width, height));
    }
    // Letters a..z, ñ, ü, each 30 pixels wide unless given.
    void alphabet(int width = 30) const
    {
        for (const QChar c : QStringLiteral("abcdefghijklmnopqrstuvwxyzñü"))
            letter(QString(c), width);
    }
    void recording(const QString &word) const { write("sonidospalabras/" + word + ".wav", "RIFF"); }
    void exercise(const QString &name, const QStringList &lines) const
    {
        write("ejercicios/" + name, (lines.join("\r\n") + "\r\n").toUtf8());
    }
};

// A main window over a content tree of its own, with every letter 30 pixels
// wide (a black block on white), the feedback sounds, and the given lines.
struct Window {
    ContentTree tree;
    FakeSound sound;
    std::unique_ptr<tildora::Form1> form;

    explicit Window(const QStringList &lines, const QString &subfolder = {}) : tree(subfolder)
    {
        tree.alphabet();
        tree.exercise("01.txt", lines);
        for (const QString s : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "acento", "noacento", "fallo"})
            tree.write("sonidos/" + s + ".wav", "RIFF");
        form = std::make_unique<tildora::Form1>(tree.root, &sound);
    }
    void load() { form->Form_Load(); }
    tildora::CurrentItem &item() { return form->item(); }
    tildora::StripState &strip() { return form->strip(); }
    // Sound file names played so far, without their folder.
    QStringList played() const
    {
        QStringList names;
        for (const QString &p : sound.played)
            names << QFileInfo(p).fileName();
        return names;
    }
};

} // namespace testing
