#include "editor/messagedialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace tildora {

void openWarning(QWidget *parent, const QString &title, const QString &text, const QStringList &problems)
{
    auto *dialog = new QDialog(parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(title);
    auto *icon = new QLabel;
    const int side = dialog->style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
    icon->setPixmap(dialog->style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(side, side));
    auto *message = new QLabel(text);
    message->setTextFormat(Qt::PlainText);
    message->setWordWrap(true);
    message->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message->setMinimumWidth(message->fontMetrics().averageCharWidth() * 45);
    auto *top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(message, 1);
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    auto *layout = new QVBoxLayout(dialog);
    layout->addLayout(top);
    if (!problems.isEmpty()) {
        auto *list = new QPlainTextEdit(problems.join(QLatin1Char('\n')));
        list->setReadOnly(true);
        layout->addWidget(list, 1);
    }
    layout->addWidget(buttons);
    // Never larger than most of the screen: a long word or line is cut, not the button.
    if (const QScreen *screen = parent ? parent->screen() : nullptr)
        dialog->setMaximumSize(screen->availableGeometry().size() * 4 / 5);
    dialog->open();
}

} // namespace tildora
