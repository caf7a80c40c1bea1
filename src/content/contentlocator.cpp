#include "content/contentlocator.h"

#include "content/regularfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFileInfo>

namespace tildora {

ContentLocator::ContentLocator(QString programFolder, QString userFolder)
    : m_programFolder(std::move(programFolder)), m_userFolder(std::move(userFolder))
{
}

QString ContentLocator::folderName(ContentFolder folder)
{
    switch (folder) {
    case ContentFolder::Exercises:
        return QStringLiteral("ejercicios");
    case ContentFolder::Letters:
        return QStringLiteral("letrasgifs");
    case ContentFolder::AccentedLetters:
        return QStringLiteral("letrasacento");
    case ContentFolder::Sounds:
        return QStringLiteral("sonidos");
    case ContentFolder::WordSounds:
        return QStringLiteral("sonidospalabras");
    case ContentFolder::Animations:
        return QStringLiteral("gifs");
    case ContentFolder::SentenceSounds:
        return QStringLiteral("sonidosfrases");
    }
    return {};
}

QString ContentLocator::folder(ContentFolder folder) const
{
    return m_programFolder + QLatin1Char('/') + folderName(folder);
}

QString ContentLocator::userFolder(ContentFolder folder) const
{
    return m_userFolder.isEmpty() ? QString() : m_userFolder + QLatin1Char('/') + folderName(folder);
}

QString ContentLocator::sentenceRecordingName(const QString &word, const QString &sentence)
{
    // The same sentence typed in another Unicode form is the same sentence.
    const QByteArray digest = QCryptographicHash::hash(sentence.normalized(QString::NormalizationForm_C).toUtf8(),
                                                       QCryptographicHash::Sha1);
    return word + QLatin1Char('-') + QString::fromLatin1(digest.toHex().left(8));
}

bool ContentLocator::isSafeName(const QString &name)
{
    return name != QLatin1String(".") && name != QLatin1String("..") && !name.contains(QLatin1Char('/'))
           && !name.contains(QLatin1Char('\\')) && !name.contains(QChar(0));
}

QString ContentLocator::locate(ContentFolder where, const QString &name, const QString &extension) const
{
    if (!isSafeName(name))
        return {};
    const QString fileName = name + extension;
    // The teacher's own file comes first: a word recorded in the teacher's
    // voice replaces the synthetic one shipped with the program.
    QString found;
    if (!m_userFolder.isEmpty())
        found = locateIn(userFolder(where), fileName);
    if (found.isEmpty())
        found = locateIn(folder(where), fileName);
    return found;
}

QString ContentLocator::feedbackSound(const QString &name) const
{
    const QString found = locate(ContentFolder::Sounds, name, wav());
    return found.isEmpty() ? placeIn(folder(ContentFolder::Sounds), name + wav()) : found;
}

QString ContentLocator::animation(const QString &name) const
{
    return placeIn(folder(ContentFolder::Animations), name + gif());
}

QString ContentLocator::placeIn(const QString &dir, const QString &fileName)
{
    // A FIFO or a device there would hold up whoever opens it: no place at all then.
    const QString place = dir + QLatin1Char('/') + fileName;
    return QFileInfo::exists(place) && !isRegularFile(place) ? QString() : place;
}

QString ContentLocator::locateIn(const QString &dir, const QString &fileName)
{
    const QFileInfo exact(dir + QLatin1Char('/') + fileName);
    if (exact.isFile() && !exact.isHidden())
        return exact.filePath();
    // No hidden files here either: QDir leaves them out.
    const QStringList entries = QDir(dir).entryList(QDir::Files, QDir::Name);
    // The listing keeps a link to a FIFO or a device: only a regular file counts.
    for (const QString &entry : entries)
        if (entry.compare(fileName, Qt::CaseInsensitive) == 0 && isRegularFile(dir + QLatin1Char('/') + entry))
            return dir + QLatin1Char('/') + entry;
    return {};
}

} // namespace tildora
