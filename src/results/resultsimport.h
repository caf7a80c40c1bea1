#pragma once

#include <QString>
#include <QStringList>

namespace tildora {

struct ImportReport {
    int added = 0;         // answers copied in
    int alreadyThere = 0;  // answers the folder had already
    QStringList written;   // day files made or added to
    QStringList notes;     // what could not be read or written
};

// Copies the answers of the day files in `from` (a USB stick, another
// computer's folder) into the results folder `to` (made when missing). Each
// day's new answers go to the day file of the computer that kept them,
// 2026-12-06-NAME.csv ("importado" when older rows do not say), added to it
// when it is there. An answer `to` holds already (same time, child, word,
// position and computer) is not copied again, so bringing the same stick
// twice counts nothing twice. Only ordinary files are read and written.
ImportReport importResults(const QString &from, const QString &to);

} // namespace tildora
