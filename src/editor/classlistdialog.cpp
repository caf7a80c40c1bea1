#include "editor/classlistdialog.h"

#include "results/classlist.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPlainTextEdit>
#include <QSaveFile>
#include <QVBoxLayout>

namespace tildora {

bool saveClassList(const QString &path, const QStringList &names, QString *error)
{
    if (!QDir().mkpath(QFileInfo(path).absolutePath())) {
        *error = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
        return false;
    }
    QSaveFile file(path);
    const QByteArray bytes = names.isEmpty() ? QByteArray() : (names.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = file.errorString();
        return false;
    }
    return true;
}

ClassListDialog::ClassListDialog(const QString &path, const QStringList &suggested, QWidget *parent)
    : QDialog(parent), m_path(path), m_names(new QPlainTextEdit(this)), m_problem(new QLabel(this))
{
    setWindowTitle(tr("Class list"));
    auto *help = new QLabel(tr("The children's names, one a line. Tildora shows them as buttons for each child to "
                               "pick their own. Kept in %1.")
                                .arg(QDir::toNativeSeparators(path)),
                            this);
    help->setWordWrap(true);
    help->setBuddy(m_names);
    m_problem->setWordWrap(true);
    m_problem->hide();
    // Without a list (or with what is not an ordinary file) the children of the results are offered.
    m_names->setPlainText(readClassList(path).value_or(suggested).join(QLatin1Char('\n')));
    m_names->setAccessibleName(tr("The children's names, one a line"));
    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Save | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &ClassListDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ClassListDialog::reject);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(help);
    layout->addWidget(m_names, 1);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    resize(360, 420);
}

void ClassListDialog::accept()
{
    QString error;
    if (!saveClassList(m_path, parseClassList(m_names->toPlainText().toUtf8()), &error)) {
        m_problem->setText(tr("The list could not be saved: %1").arg(error));
        m_problem->show();
        return;
    }
    QDialog::accept();
}

} // namespace tildora
