#include "drawing.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPainterPath>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace contentgen {
namespace {

QString g_andika;
QString g_sans;

QImage blank(int w, int h, QColor background = Qt::white)
{
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(background);
    return image;
}

// Black text with a white shadow, centred on the given line.
void shadowedText(QPainter &p, const QRectF &line, const QString &text, const QFont &font)
{
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(line.translated(2.5, 2.5), Qt::AlignCenter, text);
    p.setPen(Qt::black);
    p.drawText(line, Qt::AlignCenter, text);
}

} // namespace

bool loadFonts(QString *missing)
{
    const QString andikaFile = QStringLiteral("/usr/share/fonts/truetype/andika/Andika-Bold.ttf");
    const QString sansFile = QStringLiteral("/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf");
    const int a = QFontDatabase::addApplicationFont(andikaFile);
    const int s = QFontDatabase::addApplicationFont(sansFile);
    if (a < 0 || s < 0) {
        *missing = a < 0 ? andikaFile : sansFile;
        return false;
    }
    g_andika = QFontDatabase::applicationFontFamilies(a).value(0);
    g_sans = QFontDatabase::applicationFontFamilies(s).value(0);
    return true;
}

QFont andika(int pixelSize, bool bold)
{
    QFont f(g_andika);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QFont sans(int pixelSize, bool bold)
{
    QFont f(g_sans);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

QImage letterPicture(const QString &letter, int height)
{
    // One size for every letter: the tallest ascender with accent and the
    // deepest descender must both fit, with a small margin.
    const int margin = 4;
    static int pixelSize = 0;
    static qreal top = 0;
    if (pixelSize == 0) {
        const QString probe = QStringLiteral("ábdfghjklpqtyÁñü");
        for (int size = height; size > 10; --size) {
            QPainterPath path;
            for (const QChar c : probe)
                path.addText(0, 0, andika(size), QString(c));
            const QRectF bounds = path.boundingRect();
            if (bounds.height() <= height - 2 * margin) {
                pixelSize = size;
                top = bounds.top();
                break;
            }
        }
    }
    const QFont font = andika(pixelSize);
    QPainterPath glyph;
    // Font outlines overlap (the bar of f and t); winding fill keeps them solid.
    glyph.setFillRule(Qt::WindingFill);
    glyph.addText(0, 0, font, letter);
    const QRectF bounds = glyph.boundingRect();
    const qreal advance = QFontMetricsF(font).horizontalAdvance(letter);
    const int side = 5;
    const qreal left = side - std::min<qreal>(0, bounds.left());
    const int width = int(std::ceil(left + std::max(advance, bounds.right()) + side));

    QImage image = blank(width, height);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.fillPath(glyph.translated(left, margin - top), Qt::black);
    p.end();
    // Strictly two colours, so that a flood fill takes a whole stroke or the
    // whole background.
    return image.convertToFormat(QImage::Format_Mono, Qt::ThresholdDither).convertToFormat(QImage::Format_RGB32);
}

QImage vowelsPicture()
{
    QImage image = blank(111, 103, QColor(230, 240, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    shadowedText(p, QRectF(0, 2, 111, 50), QStringLiteral("a e i"), andika(44));
    shadowedText(p, QRectF(0, 50, 111, 50), QStringLiteral("o u"), andika(44));
    return image;
}

QImage syllablesPicture()
{
    QImage image = blank(118, 108, QColor(230, 240, 255));
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QStringList words{QStringLiteral("sol"), QStringLiteral("pan"), QStringLiteral("tren")};
    for (int i = 0; i < 3; ++i)
        shadowedText(p, QRectF(0, 1 + i * 35, 118, 36), words[i], andika(33));
    return image;
}

QImage accentPicture()
{
    QImage image = blank(111, 111);
    QPainter p(&image);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(andika(104));
    p.setPen(QColor(0, 70, 220));
    p.drawText(QRectF(0, -6, 111, 117), Qt::AlignCenter, QStringLiteral("á"));
    return image;
}

QImage replayPicture()
{
    QImage image = blank(147, 123);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPen pen(Qt::black, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    // Handle and antenna.
    p.drawRoundedRect(QRectF(43, 14, 61, 20), 8, 8);
    p.drawLine(QPointF(112, 34), QPointF(132, 6));
    // Body.
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(8, 30, 131, 82), 10, 10);
    // Two loudspeakers with their cones.
    for (const qreal cx : {38.0, 109.0}) {
        p.drawEllipse(QPointF(cx, 75), 24, 24);
        p.drawEllipse(QPointF(cx, 75), 13, 13);
        p.setBrush(Qt::black);
        p.drawEllipse(QPointF(cx, 75), 4, 4);
        p.setBrush(Qt::white);
    }
    // Cassette window and buttons.
    pen.setWidth(3);
    p.setPen(pen);
    p.drawRect(QRectF(62, 50, 23, 20));
    for (int i = 0; i < 3; ++i)
        p.drawRect(QRectF(61 + i * 9, 80, 6, 10));
    p.drawEllipse(QPointF(68, 60), 3, 3);
    p.drawEllipse(QPointF(79, 60), 3, 3);
    return image;
}

QImage nextPicture()
{
    QImage image = blank(114, 103);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    // A right-pointing arrow, outlined four times from the outside in.
    const QPolygonF arrow{{6, 32}, {60, 32}, {60, 6}, {108, 51.5}, {60, 97}, {60, 71}, {6, 71}};
    const QColor colours[] = {QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 170, 0), QColor(255, 0, 255)};
    const QPointF centre(56, 51.5);
    for (int i = 0; i < 4; ++i) {
        const qreal scale = 1.0 - i * 0.16;
        QPolygonF ring;
        for (const QPointF &pt : arrow)
            ring << centre + (pt - centre) * scale;
        p.setPen(QPen(colours[i], 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        p.setBrush(Qt::NoBrush);
        p.drawPolygon(ring);
    }
    return image;
}

QImage noAccentPicture()
{
    QImage image = blank(117, 109);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setFont(andika(86));
    p.setPen(QColor(0, 70, 220));
    p.drawText(QRectF(0, -6, 117, 115), Qt::AlignCenter, QStringLiteral("á"));
    QPen red(QColor(220, 0, 0), 9);
    p.setPen(red);
    p.setBrush(Qt::NoBrush);
    const QPointF c(58.5, 54.5);
    p.drawEllipse(c, 47, 47);
    const qreal d = 47 / std::sqrt(2.0);
    p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
    return image;
}

QList<QImage> smileyFrames(bool yes, int size, int frameCount)
{
    QList<QImage> frames;
    const int big = size * 4;  // drawn large, then scaled down smoothly
    const QColor yellow(255, 214, 40);
    const QColor outline(70, 45, 10);
    for (int f = 0; f < frameCount; ++f) {
        const qreal phase = std::sin(2 * M_PI * f / frameCount);
        QImage image = blank(big, big);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        const qreal s = big / 66.0;
        p.scale(s, s);
        p.setPen(QPen(QColor(200, 200, 200), 1.5));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(1, 1, 64, 64), 9, 9);
        // Face: a nod for yes, a shake for no.
        const QPointF face = yes ? QPointF(27, 29 + 1.5 * phase) : QPointF(27 + 2 * phase, 29);
        p.setPen(QPen(outline, 2));
        p.setBrush(yellow);
        p.drawEllipse(face, 20, 20);
        p.setBrush(outline);
        p.drawEllipse(face + QPointF(-7, -6), 2.4, 3.4);
        p.drawEllipse(face + QPointF(7, -6), 2.4, 3.4);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(outline, 2.4, Qt::SolidLine, Qt::RoundCap));
        if (yes)
            p.drawArc(QRectF(face.x() - 11, face.y() - 6, 22, 18), 200 * 16, 140 * 16);
        else
            p.drawArc(QRectF(face.x() - 10, face.y() + 5, 20, 14), 25 * 16, 130 * 16);
        // Hand with the thumb up or down, bobbing.
        p.save();
        p.translate(50, yes ? 47 - 2 * phase : 45 + 2 * phase);
        if (!yes)
            p.scale(1, -1);
        p.setPen(QPen(outline, 1.8));
        p.setBrush(yellow);
        p.drawRoundedRect(QRectF(-9, -3, 18, 15), 5, 5);            // fist
        p.drawRoundedRect(QRectF(-6.5, -17, 8, 17), 4, 4);          // thumb
        p.setPen(QPen(outline, 1.2));
        for (int k = 0; k < 3; ++k)
            p.drawLine(QPointF(1, 1 + k * 3.7), QPointF(8, 1 + k * 3.7));
        p.restore();
        p.end();
        frames << image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    return frames;
}

QImage plasterTexture()
{
    // The size of the window's tile, and a noise that wraps around at its
    // edges, so the tiles meet without a seam.
    const int w = 125, h = 117;
    QRandomGenerator rng(20261206);
    // Value noise at a few scales gives an even, rough surface.
    std::vector<double> value(std::size_t(w * h), 0.0);
    for (const int cell : {2, 5, 11, 23}) {
        const int gw = std::max(1, (w + cell / 2) / cell), gh = std::max(1, (h + cell / 2) / cell);
        std::vector<double> grid(std::size_t(gw * gh));
        for (double &g : grid)
            g = rng.generateDouble() - 0.5;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                const double fx = double(x) * gw / w, fy = double(y) * gh / h;
                const int ix = int(fx), iy = int(fy);
                const double tx = fx - ix, ty = fy - iy;
                const auto at = [&](int gx, int gy) { return grid[std::size_t((gy % gh) * gw + gx % gw)]; };
                const double top = at(ix, iy) * (1 - tx) + at(ix + 1, iy) * tx;
                const double bottom = at(ix, iy + 1) * (1 - tx) + at(ix + 1, iy + 1) * tx;
                value[std::size_t(y * w + x)] += (top * (1 - ty) + bottom * ty) * (cell <= 5 ? 1.0 : 0.6);
            }
    }
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            double v = value[std::size_t(y * w + x)] * 14 + (rng.bounded(100) < 3 ? -10 : 0);
            image.setPixel(x, y, qRgb(std::clamp(int(250 + v), 0, 255), std::clamp(int(206 + v), 0, 255),
                                      std::clamp(int(170 + v * 0.9), 0, 255)));
        }
    return image;
}

QImage toSixteenColours(const QImage &source)
{
    static const QRgb palette[16] = {
        qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
        qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
        qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
        qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            int best = 0, bestD = 1 << 30;
            for (int i = 0; i < 16; ++i) {
                const int dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]),
                          db = qBlue(c) - qBlue(palette[i]);
                const int d = dr * dr + dg * dg + db * db;
                if (d < bestD) {
                    bestD = d;
                    best = i;
                }
            }
            image.setPixel(x, y, palette[best]);
        }
    return image;
}

QImage creditsCard()
{
    QImage image = blank(397, 237);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(QColor(0, 0, 255), 4));
    p.drawRect(QRectF(4, 4, 389, 229));
    p.setPen(QColor(0, 0, 255));
    p.setFont(andika(46));
    p.drawText(QRectF(0, 10, 397, 60), Qt::AlignCenter, QStringLiteral("TILDORA"));
    p.setPen(Qt::black);
    p.setFont(sans(13, false));
    const QStringList lines{
        // Only what is true: no contact address or web site exists to give.
        QStringLiteral("Versión 1.1.0 · programa, dibujos y voces: proyecto Tildora"),
        QStringLiteral("Letras dibujadas con la fuente Andika (SIL OFL 1.1)"),
        QStringLiteral("Voces hechas con eSpeak NG, voz española"),
        QStringLiteral("Léeme: /usr/share/doc/tildora/README.md"),
    };
    for (int i = 0; i < lines.size(); ++i)
        p.drawText(QRectF(0, 78 + i * 24, 397, 22), Qt::AlignCenter, lines[i]);
    p.setPen(QColor(128, 0, 0));
    p.setFont(sans(13));
    p.drawText(QRectF(10, 180, 377, 44), Qt::AlignCenter | Qt::TextWordWrap,
               QStringLiteral("Tildora es software libre: puedes usarlo, copiarlo y compartirlo (GPL-3.0 o posterior)."));
    p.end();
    return toSixteenColours(image);
}

QImage iconPicture(int size)
{
    QImage big(256, 256, QImage::Format_ARGB32);
    big.fill(Qt::transparent);
    QPainter p(&big);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor outline(60, 35, 10);
    // Face.
    p.setPen(QPen(outline, 7));
    p.setBrush(QColor(255, 205, 150));
    p.drawEllipse(QPointF(128, 156), 92, 90);
    p.setBrush(outline);
    p.setPen(Qt::NoPen);
    p.drawEllipse(QPointF(96, 142), 11, 15);
    p.drawEllipse(QPointF(160, 142), 11, 15);
    p.setBrush(QColor(255, 140, 140));
    p.drawEllipse(QPointF(76, 182), 15, 10);
    p.drawEllipse(QPointF(180, 182), 15, 10);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(outline, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(88, 150, 80, 56), 200 * 16, 140 * 16);
    // Golden crown with three points and jewels.
    const QPolygonF crown{{50, 92}, {40, 22}, {88, 60}, {128, 8}, {168, 60}, {216, 22}, {206, 92}};
    p.setPen(QPen(QColor(150, 100, 0), 6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(250, 196, 20));
    p.drawPolygon(crown);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(220, 30, 60));
    p.drawEllipse(QPointF(128, 68), 11, 11);
    p.setBrush(QColor(30, 120, 230));
    p.drawEllipse(QPointF(84, 76), 8, 8);
    p.drawEllipse(QPointF(172, 76), 8, 8);
    p.end();
    return size == 256 ? big : big.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace contentgen
