// The Results tab's page for a parents' meeting and its class list.
#include "editor/classlistdialog.h"
#include "editor/resultspanel.h"
#include "editor/resultsreport.h"
#include "results/classlist.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QTextDocument>

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
    if (dialog.exec() == QDialog::Accepted)
        m_notice->setText(tr("The class list is saved: the children pick their names when Tildora starts."));
}

} // namespace tildora
