#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

#include <memory>

namespace tildora {

// One day file of answers, open for appending. It is never opened through a
// link, only an ordinary file is written, and before each row the file at its
// name is checked to still be this one: a teacher may delete, rename or
// replace it while a child plays.
class DayFile
{
public:
    DayFile() = default;
    ~DayFile();
    DayFile(const DayFile &) = delete;
    DayFile &operator=(const DayFile &) = delete;

    enum Opening {
        Opened,
        NotAFile,  // a link, a folder, a device or a pipe has the name
        Failed,    // the reason in why
    };
    // Opens or makes the file at path. A new file gets the header; an old one
    // whose last row was cut is mended first, so the next row starts whole.
    Opening open(const QString &path, QString *why);
    void close();
    bool isOpen() const;
    const QString &path() const { return m_path; }

    // Whether the file at the path is still the one open.
    bool stillThere() const;
    // The whole of bytes, or false with the system's reason.
    bool write(const QByteArray &bytes, QString *why);
    // Forces what was written onto the disk (and, for a file just made, its
    // folder entry).
    void sync();

private:
    QString m_path;
    int m_fd = -1;
    unsigned long long m_device = 0;
    unsigned long long m_inode = 0;
    bool m_new = false;
    std::unique_ptr<QFile> m_file;  // where the system has no POSIX files
};

} // namespace tildora
