#pragma once

#include <QFont>
#include <QImage>
#include <QList>
#include <QString>

// Pictures of the content pack and of the window design, drawn with QPainter.
namespace contentgen {

// Loads the fonts the pictures use; false when one is missing.
bool loadFonts(QString *missing);
QFont andika(int pixelSize, bool bold = true);
QFont sans(int pixelSize, bool bold = true);

// A letter picture: black on white, no grey pixels, fixed height.
QImage letterPicture(const QString &letter, int height);

QImage vowelsPicture();       // 111 x 103
QImage syllablesPicture();    // 118 x 108
QImage accentPicture();       // 111 x 111
QImage replayPicture();       // 147 x 123
QImage nextPicture();         // 114 x 103
QImage noAccentPicture();     // 117 x 109
QList<QImage> smileyFrames(bool yes, int size, int frameCount);
QImage plasterTexture();      // 160 x 120
QImage creditsCard();         // 397 x 237, drawn in 16 colours
QImage iconPicture(int size);

// Maps every pixel to the nearest of the 16 classic colours.
QImage toSixteenColours(const QImage &image);

} // namespace contentgen
