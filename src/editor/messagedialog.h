#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace tildora {

// Opens a warning over parent, window-modal but not blocking, with the
// problems it is about below it in a scrolling view: however long the list,
// the message fits on the screen and its button stays in reach.
void openWarning(QWidget *parent, const QString &title, const QString &text, const QStringList &problems = {});

} // namespace tildora
