#include "results/resultsreader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <atomic>
#include <thread>

#if defined(Q_OS_UNIX)
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace tildora {
namespace {

// Context of this file's messages for the translations.
struct Texts { Q_DECLARE_TR_FUNCTIONS(tildora::ResultsReader) };

// A day of a busy room is a few megabytes; anything far larger is not ours.
constexpr qint64 MostBytes = 256 * 1024 * 1024;

struct FileState {
    bool ordinary = false;
    qint64 size = 0;
    qint64 modified = 0;
    quint64 identity = 0;
};

QString shown(const QString &path) { return QDir::toNativeSeparators(path); }

#if defined(Q_OS_UNIX)

FileState stateOf(const QString &path)
{
    struct stat info {};
    if (::lstat(QFile::encodeName(path).constData(), &info) != 0 || !S_ISREG(info.st_mode))
        return {};
    return {true, qint64(info.st_size), qint64(info.st_mtim.tv_sec) * 1000000000 + info.st_mtim.tv_nsec,
            quint64(info.st_ino) ^ (quint64(info.st_dev) << 40)};
}

// The whole of an ordinary file, never through a link and never waiting on a
// pipe put where a file was.
bool readOrdinaryFile(const QString &path, QByteArray &out, QString *why)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode) || info.st_size > MostBytes) {
        *why = fd < 0 ? QString::fromLocal8Bit(std::strerror(errno))
                      : Texts::tr("not an ordinary file of a reasonable size");
        if (fd >= 0)
            ::close(fd);
        return false;
    }
    out.resize(qsizetype(info.st_size));
    qsizetype done = 0;
    while (done < out.size()) {
        const ssize_t n = ::read(fd, out.data() + done, std::size_t(out.size() - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *why = QString::fromLocal8Bit(std::strerror(errno));
            ::close(fd);
            return false;
        }
        if (n == 0)
            break;  // it shrank meanwhile: what is there
        done += n;
    }
    ::close(fd);
    out.resize(done);
    return true;
}

#else

FileState stateOf(const QString &path)
{
    const QFileInfo info(path);
    if (info.isSymLink() || !info.isFile())
        return {};
    return {true, info.size(), info.lastModified().toMSecsSinceEpoch(), 0};
}

bool readOrdinaryFile(const QString &path, QByteArray &out, QString *why)
{
    QFile file(path);
    if (file.size() > MostBytes || !file.open(QIODevice::ReadOnly)) {
        *why = file.errorString();
        return false;
    }
    out = file.readAll();
    return true;
}

#endif

} // namespace

bool isDayFileName(const QString &name, QDate *day)
{
    if (name.size() < 14 || !name.endsWith(QLatin1String(".csv")) || (name.size() > 14 && name.at(10) != u'-')
        || name.size() == 15)
        return false;
    const QDate date = QDate::fromString(name.left(10), QStringLiteral("yyyy-MM-dd"));
    if (day)
        *day = date;
    return date.isValid();
}

namespace {

// A day file read and parsed on a thread of its own, with a parser of its own.
struct Job {
    QString path;
    FileState state;
    bool read = false;
    QString why;
    std::unique_ptr<AnswerParser> parser;
    std::vector<Answer> answers;
    AnswerParser::Counts counts;
};

void runJobs(std::vector<Job> &jobs, const QDate &today)
{
    std::atomic<std::size_t> next{0};
    const auto work = [&] {
        for (std::size_t i = next++; i < jobs.size(); i = next++) {
            Job &job = jobs[i];
            QByteArray bytes;
            job.read = readOrdinaryFile(job.path, bytes, &job.why);
            if (!job.read)
                continue;
            job.parser = std::make_unique<AnswerParser>();
            job.answers = job.parser->parse(bytes.constData(), bytes.constData() + bytes.size(), today, &job.counts);
        }
    };
    // A year of files is read on every core (at most four); a day's file alone.
    const std::size_t threads = std::min<std::size_t>({std::max(1u, std::thread::hardware_concurrency()), 4,
                                                       jobs.size()});
    std::vector<std::thread> helpers;
    for (std::size_t t = 1; t < threads; ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread &helper : helpers)
        helper.join();
}

} // namespace

AnswerSet ResultsReader::read(const QStringList &folders, const QDate &today)
{
    if (today != m_today)
        m_files.clear();  // rows that were "after today" may not be any more
    m_today = today;
    AnswerSet set;
    QStringList seen;
    QList<std::pair<QString, FileState>> files;
    for (const QString &folder : folders) {
        const QFileInfo info(folder);
        // A folder given twice, however it is written, is read (or said) once.
        const QString canonical =
            info.exists() ? info.canonicalFilePath() : QDir::cleanPath(info.absoluteFilePath());
        if (seen.contains(canonical))
            continue;
        seen << canonical;
        if (!info.isDir() || !info.isReadable() || !info.isExecutable()) {
            set.notes << (info.exists() ? Texts::tr("%1 cannot be read as a folder").arg(shown(folder))
                                        : Texts::tr("%1 is not there").arg(shown(folder)));
            continue;
        }
        QStringList names;
        for (const QString &name : QDir(folder).entryList({QStringLiteral("*.csv")},
                                                          QDir::AllEntries | QDir::System | QDir::Hidden))
            if (isDayFileName(name))
                names << name;
        // By day, then by computer.
        std::sort(names.begin(), names.end());
        if (names.isEmpty())
            set.notes << Texts::tr("%1 holds no day files of answers").arg(shown(folder));
        for (const QString &name : std::as_const(names)) {
            const QString path = QDir(folder).filePath(name);
            const FileState state = stateOf(path);
            if (state.ordinary)
                files.append({path, state});
            else
                set.notes << Texts::tr("%1 is not an ordinary file: left out").arg(shown(path));
        }
    }
    // Only files that changed since the last read are read again.
    std::vector<Job> jobs;
    for (const auto &[path, state] : std::as_const(files)) {
        const Known file = m_files.value(path);
        if (!file.answers || file.size != state.size || file.modified != state.modified
            || file.identity != state.identity)
            jobs.push_back({path, state, false, {}, {}, {}, {}});
    }
    runJobs(jobs, today);
    for (Job &job : jobs) {
        if (!job.read) {
            set.notes << Texts::tr("%1 could not be read: %2").arg(shown(job.path), job.why);
            m_files.remove(job.path);
            continue;
        }
        m_parser.adopt(*job.parser, job.answers);
        m_files.insert(job.path, {job.state.size, job.state.modified, job.state.identity,
                                  std::make_shared<const std::vector<Answer>>(std::move(job.answers)), job.counts});
    }
    qsizetype broken = 0, future = 0;
    QHash<QString, Known> known;
    for (const auto &[path, state] : std::as_const(files)) {
        const Known file = m_files.value(path);
        if (!file.answers)
            continue;
        known.insert(path, file);
        set.parts << file.answers;
        future += file.counts.future;
        if (file.counts.rows > 0 && file.counts.kept == 0 && file.counts.future == 0)
            set.notes << Texts::tr("%1 holds no answers Tildora can read: left out").arg(shown(path));
        else
            broken += file.counts.rows - file.counts.kept - file.counts.future;
    }
    // What is no longer there is forgotten.
    m_files = known;
    if (broken > 0)
        set.notes << Texts::tr("%n row(s) could not be read and were left out", nullptr, int(broken));
    if (future > 0)
        set.notes << Texts::tr("%n answer(s) dated after today were left out", nullptr, int(future));
    set.texts = m_parser.texts();
    set.words = m_parser.words();
    return set;
}

} // namespace tildora
