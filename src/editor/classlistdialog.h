#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QPlainTextEdit;

namespace tildora {

// Saves the names one a line (UTF-8, LF) in one piece, the folder made when
// missing. False with the reason when it cannot be written.
bool saveClassList(const QString &path, const QStringList &names, QString *error);

// The class list Tildora offers the children to pick their name from, kept
// in one file a teacher may also write by hand. The names are taken as
// Tildora reads them (results/classlist), so what is saved is what it shows.
class ClassListDialog : public QDialog
{
    Q_OBJECT
public:
    // suggested: names to offer when there is no list yet (the children of
    // the results).
    ClassListDialog(const QString &path, const QStringList &suggested, QWidget *parent = nullptr);

    QPlainTextEdit *editor() const { return m_names; }

public slots:
    // Saves, then closes; stays open with the reason when it cannot.
    void accept() override;

private:
    QString m_path;
    QPlainTextEdit *m_names;
    QLabel *m_problem;
};

} // namespace tildora
