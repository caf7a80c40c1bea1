// Form1's controls, at their design places, sizes, pictures, fonts, colours,
// stacking and focus order.
#include "window/form1.h"

#include "widgets/gifview.h"
#include "platform/imagedecode.h"
#include "widgets/letterstrip.h"
#include "widgets/picturebutton.h"
#include "platform/units.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTextEdit>
#include <QTimer>

namespace tildora {
namespace {

QFont arialBold(double points)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(true);
    return font;
}

QImage design(const char *name)
{
    return readPicture(QStringLiteral(":/design/") + QLatin1String(name));
}

// The decorative outline around the record panel; it takes no input.
class OutlineShape : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(QPen(QColor(0, 0, 128), 2));
        p.drawRect(rect().adjusted(1, 1, -1, -1));
    }
};

} // namespace

void Form1::showCreditsCard(bool show)
{
    // The card is hidden from start-up on; its picture is read when first shown.
    if (show && !Picture4->pixmap().isNull())
        Picture4->show();
    else if (show) {
        Picture4->setPixmap(QPixmap::fromImage(design("creditos.bmp")));
        Picture4->show();
    } else {
        Picture4->hide();
    }
}

QIcon Form1::windowIconPictures()
{
    QIcon icon;
    for (const char *picture : {"icono-16.png", "icono-32.png", "icono-48.png", "icono-256.png"})
        icon.addPixmap(QPixmap::fromImage(design(picture)));
    return icon;
}

// The frame, the still smileys and the two counters.
void Form1::createCounters()
{
    Shape1 = new OutlineShape(this);
    Shape1->setAttribute(Qt::WA_TransparentForMouseEvents);
    Shape1->setGeometry(twipsRect(6480, 240, 4455, 3255));
    const std::array<int, 2> imageLeft{6480, 8880};
    const std::array<int, 2> labelLeft{7440, 9840};
    const std::array<std::uint32_t, 2> labelColor{bgr::Green, bgr::Red};
    const std::array<const char *, 2> still{"carita-si.gif", "carita-no.gif"};
    for (int i = 0; i < 2; ++i) {
        Image1[i] = new QLabel(this);
        Image1[i]->setGeometry(twipsRect(imageLeft[i], 3600, 990, 990));
        Image1[i]->setPixmap(QPixmap::fromImage(design(still[i])));
        Label1[i] = new QLabel(QStringLiteral("0"), this);
        Label1[i]->setGeometry(twipsRect(labelLeft[i], 3720, 1215, 975));
        Label1[i]->setFont(arialBold(36));
        Label1[i]->setAlignment(Qt::AlignCenter);
        QPalette pal = Label1[i]->palette();
        pal.setColor(QPalette::WindowText, colorFromBgr(labelColor[i]));
        Label1[i]->setPalette(pal);
    }
}

// The file list, the timer and the picture buttons.
void Form1::createButtons()
{
    Combo1 = new QComboBox(this);
    Combo1->setEditable(true);
    // Typing must never add an entry or load anything: only a choice loads.
    Combo1->setInsertPolicy(QComboBox::NoInsert);
    Combo1->setGeometry(twipsRect(120, 120, 5175, 450));
    Combo1->setFont(arialBold(14.25));
    Combo1->setEditText(QStringLiteral("Combo1"));

    Timer1 = new QTimer(this);
    Timer1->setInterval(5);

    Command5 = new PictureButton(this);
    Command5->setText(QStringLiteral("©"));
    Command5->setFont(arialBold(24));
    Command5->setBackground(colorFromBgr(bgr::Pink));
    Command5->setGeometry(twipsRect(5640, 120, 615, 495));

    const std::array<int, 3> column{120, 2160, 4200};
    const std::array<const char *, 3> modePicture{"vocales.gif", "silabas.gif", "tilde.gif"};
    for (int i = 0; i < 3; ++i) {
        Command2[i] = new PictureButton(this);
        Command2[i]->setGeometry(twipsRect(column[i], 720, 2055, 1935));
        Command2[i]->setPicture(design(modePicture[i]));
        Command2[i]->setBackground(colorFromBgr(i == 0 ? bgr::Blue : bgr::White));
    }
    Command3 = new PictureButton(this);
    Command3->setGeometry(twipsRect(column[0], 2640, 2055, 1935));
    Command3->setPicture(design("repetir.gif"));
    Command3->setBackground(colorFromBgr(bgr::White));
    Command3->setEnabled(false);
    Command1 = new PictureButton(this);
    Command1->setGeometry(twipsRect(column[1], 2640, 2055, 1935));
    Command1->setPicture(design("siguiente.bmp"));
    Command1->setBackground(colorFromBgr(bgr::Yellow));
    Command4 = new PictureButton(this);
    Command4->setGeometry(twipsRect(column[2], 2640, 2055, 1935));
    Command4->setPicture(design("sintilde.gif"));
    Command4->setBackground(colorFromBgr(bgr::Red));
}

void Form1::createControls()
{
    setWindowTitle(QStringLiteral("Tildora 1.1 — GPL-3.0 o posterior · léeme: README.md — diciembre de 2026"));
    setFixedSize(ClientWidth, ClientHeight);

    // Windowless controls first, so that every other control lies above them.
    createCounters();
    createButtons();

    // The credits card lies above the six picture buttons when shown.
    Picture4 = new QLabel(this);
    Picture4->setGeometry(twipsRect(120, 720, 6135, 3855));
    Picture4->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    Picture4->setAlignment(Qt::AlignCenter);
    Picture4->setAutoFillBackground(true);

    RichTextBox1 = new QTextEdit(this);
    RichTextBox1->setGeometry(twipsRect(6720, 480, 3975, 2775));
    RichTextBox1->setFont(arialBold(24));
    RichTextBox1->setReadOnly(true);

    const std::array<int, 2> viewerLeft{6480, 8880};
    for (int i = 0; i < 2; ++i) {
        Gif89a1[i] = new GifView(this);
        Gif89a1[i]->setGeometry(twipsRect(viewerLeft[i], 3600, 975, 975));
    }

    Picture2 = new LetterStrip(this);
    Picture2->setTwipGeometry(120, 4680, 7095, 2535);
    LetterPicture *templateLetter = Picture2->letter(0);
    templateLetter->setTwipGeometry(120, 600, 1335, 1575);

    // Above the letters, over the strip's empty top edge; hidden for a line
    // without a sentence, so such lines look as they always did.
    SentenceLine = new QLabel(this);
    SentenceLine->setGeometry(8, 314, ClientWidth - 16, 36);
    m_sentenceFont = arialBold(16);
    SentenceLine->setFont(m_sentenceFont);
    SentenceLine->setAlignment(Qt::AlignCenter);
    SentenceLine->setTextFormat(Qt::RichText);
    SentenceLine->setAutoFillBackground(true);
    QPalette paper = SentenceLine->palette();
    paper.setColor(QPalette::Window, colorFromBgr(bgr::White));
    paper.setColor(QPalette::WindowText, Qt::black);
    SentenceLine->setPalette(paper);
    SentenceLine->hide();

    // The tile is the part of the texture that the tile box's inner area
    // (129 x 121 less a 2-pixel edge) shows.
    Picture3 = design("yeso.bmp").copy(0, 0, 125, 117);

    // Focus order of the design; the next-word button holds the focus.
    const QList<QWidget *> order{Command1, Combo1, RichTextBox1, Picture2, templateLetter, Command2[0], Command2[1],
                                 Command3, Command2[2], Command4, Command5};
    for (int i = 0; i + 1 < order.size(); ++i)
        setTabOrder(order[i], order[i + 1]);
    Picture2->setFocusPolicy(Qt::NoFocus);
    templateLetter->setFocusPolicy(Qt::NoFocus);
    Command1->setFocus();
}

} // namespace tildora
