#pragma once

// Lists are saved with the one writer of exercise files.
#include "content/exercisewriter.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace tildora {

struct OpenedList {
    QStringList lines;
    bool readable = false;   // the file could be read
    bool converted = false;  // a word list, turned into exercise lines
    QStringList problems;    // words that could not be turned into lines
    QStringList changed;     // words made into lines as the rules write them today
    QString error;           // why it could not be read
};

// An exercise file line for line, exactly as Tildora reads it; a file that
// has no exercise line at all is read as a word list instead.
OpenedList openListFile(const QString &path);

} // namespace tildora
