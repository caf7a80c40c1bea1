#pragma once

#include <QString>

namespace tildora {

// Finds content files under the program folder: folder/name + extension.
// Names come from exercise lines, so a name with a path separator or a NUL,
// or equal to "." or "..", never opens anything: it counts as missing. Only
// ordinary, visible files count. When the exact name is not there, a name
// that differs only in letter case is taken, as content made on Windows
// expects. A second, per-user folder (the teacher's own recordings and
// pictures) is looked in before the program's, so the teacher's own take of
// a word replaces the bundled one.
class ContentLocator
{
public:
    explicit ContentLocator(QString programFolder = {}, QString userFolder = {});

    void setUserFolder(const QString &folder) { m_userFolder = folder; }
    const QString &userFolder() const { return m_userFolder; }

    const QString &programFolder() const { return m_programFolder; }
    QString folder(const QString &name) const { return m_programFolder + QLatin1Char('/') + name; }

    // The path of the file, or an empty string when there is none.
    QString locate(const QString &folderName, const QString &name, const QString &extension) const;

    static bool isSafeName(const QString &name);

private:
    static QString locateIn(const QString &dir, const QString &fileName);
    QString m_programFolder;
    QString m_userFolder;
};

} // namespace tildora
