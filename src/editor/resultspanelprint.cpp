// The Results tab's actions beyond its tables: the page for a parents'
// meeting, the class list, answers brought from another computer.
#include "editor/classlistdialog.h"
#include "editor/resultspanel.h"
#include "editor/resultsreport.h"
#include "results/classlist.h"
#include "results/resultsimport.h"
#include "results/resultsplace.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFileDialog>
#include <QFutureWatcher>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextDocument>
#include <QtConcurrent/QtConcurrentRun>

namespace tildora {

QString ResultsPanel::summaryPage() const
{
    ReportPage page;
    page.who = m_child->currentIndex() > 0 ? m_child->currentText() : QString();
    if (m_from->isEnabled()) {
        page.from = m_from->date();
        page.to = m_to->date();
    }
    page.shown = m_summary.shown;
    page.weeks = m_summary.weeks;
    page.words = m_summary.words;
    page.shownWords = m_data.shownWords;
    return reportHtml(page);
}

void ResultsPanel::printSummary(QPrinter *printer) const
{
    QTextDocument document;
    QFont font = this->font();
    font.setPointSizeF(10);
    document.setDefaultFont(font);
    document.setHtml(summaryPage());
    document.print(printer);
}

void ResultsPanel::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("Tildora results"));
    // The print dialog offers a PDF file as well as the printers.
    QPrintDialog dialog(&printer, this);
    dialog.setWindowTitle(tr("Print or save as PDF"));
    if (dialog.exec() == QDialog::Accepted)
        printSummary(&printer);
}

QString ResultsPanel::classListPath()
{
    return tildora::classListPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                                  + QStringLiteral("/tildora"));
}

void ResultsPanel::editClassList()
{
    QStringList named = m_data.children;
    named.removeAll(QString());
    ClassListDialog dialog(classListPath(), named, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_notice->setText(tr("The class list is saved: the children pick their names when Tildora starts."));
    showSummaries();  // its children without answers join the table
}

void ResultsPanel::addResults()
{
    const QString folder = QFileDialog::getExistingDirectory(this, tr("Add results from a folder"));
    if (!folder.isEmpty())
        addResultsFrom(folder);
}

void ResultsPanel::addResultsFrom(const QString &folder)
{
    m_notice->setText(tr("Adding the answers of %1…").arg(QDir::toNativeSeparators(folder)));
    // Into the room's shared folder when there is one, so every computer sees them.
    const QString into = resultsPlace(m_resultsFolder).folder;
    auto *copying = new QFutureWatcher<ImportReport>(this);
    connect(copying, &QFutureWatcher<ImportReport>::finished, this, [this, copying] {
        const ImportReport report = copying->result();
        copying->deleteLater();
        m_afterLoad = tr("%n answer(s) added", nullptr, report.added) + QStringLiteral("; ")
            + tr("%n already there.", nullptr, report.alreadyThere);
        for (const QString &note : report.notes)
            m_afterLoad += QLatin1Char('\n') + note;
        reload();
    });
    copying->setFuture(QtConcurrent::run([folder, into] { return importResults(folder, into); }));
}

} // namespace tildora
