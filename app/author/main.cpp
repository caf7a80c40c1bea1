// tildora-author: makes and checks exercise lines from real Spanish words,
// and records the words of exercise files.
#include "authoring/dictionary.h"
#include "authoring/filecheck.h"
#include "authoring/filekind.h"
#include "authoring/maker.h"
#include "authoring/recorder.h"
#include "authoring/wordvoices.h"
#include "content/contentlocator.h"
#include "content/exerciseline.h"
#include "content/installlayout.h"
#include "content/regularfile.h"
#include "content/textdecode.h"
#include "platform/languages.h"
#include "results.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTranslator>

#include <algorithm>
#include <cerrno>
#include <cstdio>

using namespace tildora;

namespace {

// Context of this program's messages for the translations.
struct Author { Q_DECLARE_TR_FUNCTIONS(Author) };

enum Exit { Fine = 0, Problems = 1, BadUsage = 2 };

// Text from a file never reaches the terminal as commands of its own: control
// characters (an escape sequence, a NUL that would cut the line) are spelled out.
void say(FILE *to, const QString &text)
{
    QString shown;
    shown.reserve(text.size());
    for (const QChar c : text) {
        if (c.category() == QChar::Other_Control && c != u'\n' && c != u'\t')
            shown += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            shown += c;
    }
    std::fprintf(to, "%s\n", qPrintable(shown));
}

int usage(const QCommandLineParser &parser, const QString &problem)
{
    say(stderr, QStringLiteral("tildora-author: %1").arg(problem));
    say(stderr, Author::tr("Try 'tildora-author --help'."));
    Q_UNUSED(parser);
    return BadUsage;
}

// A file name as messages show it: as it is, or quoted with its control
// characters spelled out ("a\nb.txt"), so that one message stays one line.
QString shownName(const QString &file)
{
    const auto breaks = [](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line
               || c.category() == QChar::Separator_Paragraph;
    };
    if (std::none_of(file.begin(), file.end(), breaks))
        return file;
    QString quoted(QLatin1Char('"'));
    for (const QChar c : file) {
        if (c == u'"' || c == u'\\')
            quoted += QStringLiteral("\\%1").arg(c);
        else if (c == u'\n')
            quoted += QLatin1String("\\n");
        else if (breaks(c))
            quoted += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        else
            quoted += c;
    }
    return quoted + QLatin1Char('"');
}

void cannotRead(const QString &file, const QString &why)
{
    say(stderr, Author::tr("tildora-author: cannot read %1: %2").arg(shownName(file), why));
}

// A teacher's list file as bytes; a document or picture given by mistake is
// told as such, not read as hundreds of lines of junk.
std::optional<QByteArray> readListBytes(const QString &file)
{
    QString why;
    std::optional<QByteArray> read = readRegularFile(file, MaxExerciseFileBytes, &why);
    if (const QString kind = read ? notTextKind(*read) : QString(); !kind.isEmpty()) {
        why = Author::tr("it is %1, not a list of words: save the words as plain text (.txt)").arg(kind);
        read.reset();
    }
    if (!read)
        cannotRead(file, why);
    return read;
}

int make(const QStringList &files)
{
    QByteArray bytes;
    if (files.isEmpty()) {
        QFile in;
        if (!in.open(stdin, QIODevice::ReadOnly)) {
            cannotRead(Author::tr("standard input"), in.errorString());
            return Problems;
        }
        // As much as a list file may hold: a stream without end (/dev/zero) stops there.
        bytes = in.read(MaxExerciseFileBytes);
    } else if (const std::optional<QByteArray> read = readListBytes(files.first())) {
        bytes = *read;
    } else {
        return Problems;
    }
    QStringList problems;
    const QByteArray lines = makeExerciseLines(decodeExerciseText(bytes), &problems);
    std::fwrite(lines.constData(), 1, std::size_t(lines.size()), stdout);
    for (const QString &p : problems)
        say(stderr, QStringLiteral("tildora-author: %1").arg(p));
    return problems.isEmpty() ? Fine : Problems;
}

ContentLocator contentFor(const QCommandLineParser &parser, const QCommandLineOption &content)
{
    if (parser.isSet(content))
        return ContentLocator(parser.value(content));
    return ContentLocator(contentFolder(QCoreApplication::applicationDirPath()), userContentFolder());
}

// Hunspell's suggestions take some 30 ms a word: a long list of new words is
// checked in a moment with this many, and --all-suggestions makes them all.
constexpr int SuggestedWords = 20;

int check(const QStringList &files, const ContentLocator &content, bool useDictionary, bool allSuggestions)
{
    std::unique_ptr<SpanishDictionary> dictionary;
    if (useDictionary) {
        dictionary = std::make_unique<SpanishDictionary>();
        if (!dictionary->isOpen())
            say(stderr, Author::tr("tildora-author: no Spanish dictionary (sudo apt-get install hunspell-es): "
                                       "spelling not checked"));
        // Words the system dictionary lacks: the content's list and the teacher's.
        for (const QString &folder : {content.programFolder(), content.userFolder()})
            if (!folder.isEmpty())
                dictionary->addWords(folder + QStringLiteral("/diccionario-extra.txt"));
    }
    int errors = 0, warnings = 0;
    FileCheck checker(dictionary.get(), &content);
    checker.setSuggestionLimit(allSuggestions ? -1 : SuggestedWords);
    for (const QString &file : files) {
        const std::optional<QByteArray> bytes = readListBytes(file);
        if (!bytes) {
            ++errors;
            continue;
        }
        for (const FileProblem &p : checker.check(splitExerciseLines(decodeExerciseText(*bytes)))) {
            say(stdout, formatProblem(shownName(file), p));
            (p.problem.severity == LineProblem::Error ? errors : warnings)++;
        }
    }
    if (const int unsuggested = checker.wordsWithoutSuggestions(); unsuggested > 0)
        say(stderr, Author::tr("%n word(s) not in the dictionary told without suggestions; "
                               "--all-suggestions looks for them too", nullptr, unsuggested));
    say(stderr, Author::tr("%1, %2 in %3")
                    .arg(Author::tr("%n error(s)", nullptr, errors), Author::tr("%n warning(s)", nullptr, warnings),
                         Author::tr("%n file(s)", nullptr, int(files.size()))));
    return errors + warnings == 0 ? Fine : Problems;
}

int record(const QStringList &files, const ContentLocator &content, const QString &outRoot)
{
    if (const QString missing = WordRecorder::missingTools(); !missing.isEmpty()) {
        say(stderr, QStringLiteral("tildora-author: %1").arg(missing));
        return Problems;
    }
    int made = 0, failed = 0;
    for (const QString &file : files) {
        const std::optional<QByteArray> bytes = readListBytes(file);
        failed += !bytes;
        const ExerciseLines lines = bytes ? splitExerciseLines(decodeExerciseText(*bytes)) : ExerciseLines();
        for (qsizetype i = 0; i < lines.size(); ++i) {
            const ExerciseLine fields = splitExerciseLine(lines.at(i));
            if (fields.closedFields >= 1 && !fields.word.isEmpty() && !ContentLocator::isSafeName(fields.word.toString())) {
                say(stderr, Author::tr("%1:%2: «%3» cannot name a file")
                                .arg(shownName(file), QString::number(i + 1), fields.word.toString()));
                ++failed;
            }
        }
        // Each word, and each sentence said as a whole, into its own folder.
        for (const RecordingRequest &request : missingRecordings(lines, content, outRoot)) {
            QString error;
            if (WordRecorder::say(request.outPath, request.spoken, 125, &error)) {
                say(stdout, Author::tr("made %1 («%2»)").arg(QDir::toNativeSeparators(request.outPath), request.spoken));
                ++made;
            } else {
                say(stderr, QStringLiteral("%1:%2: %3").arg(shownName(file), QString::number(request.line + 1), error));
                ++failed;
            }
        }
    }
    say(stderr, QStringLiteral("%1, %2").arg(Author::tr("%n recording(s) made", nullptr, made),
                                             Author::tr("%n failed", nullptr, failed)));
    return failed == 0 ? Fine : Problems;
}

// The options every command reads; they must outlive the parser that refers to them.
struct Options {
    QCommandLineOption help{{QStringLiteral("h"), QStringLiteral("help")}, Author::tr("Show this help.")};
    QCommandLineOption content{QStringLiteral("content"),
                               Author::tr("Content folder to check against or record into "
                                              "(default: Tildora's own, and the teacher's)."),
                               QStringLiteral("DIR")};
    QCommandLineOption noDictionary{QStringLiteral("no-dictionary"), Author::tr("Check without the dictionary.")};
    QCommandLineOption allSuggestions{QStringLiteral("all-suggestions"),
                                      Author::tr("Suggest spellings for every word the dictionary does not know "
                                                 "(by default for the first %1, as each takes about 30 ms; "
                                                 "a forgotten accent is always suggested).")
                                          .arg(SuggestedWords)};
    QCommandLineOption speed{QStringLiteral("speed"), Author::tr("Words per minute for say (default 125)."),
                             QStringLiteral("WPM"), QStringLiteral("125")};
};

void describe(QCommandLineParser &parser, const Options &options)
{
    parser.setApplicationDescription(Author::tr(
        "Makes and checks Tildora exercise lines from real Spanish words.\n\n"
        "Commands:\n"
        "  make [FILE]        words with their accents, one per line (UTF-8; standard input\n"
        "                     without FILE), to exercise lines on standard output; a word\n"
        "                     with its sentence as \"tú: ¿Vienes tú al parque?\"\n"
        "  check FILE...      report every problem of exercise files as\n"
        "                     file:line: error|warning: message\n"
        "  record FILE...     make the missing recordings of the words and sentences of\n"
        "                     exercise files (into ~/.local/share/tildora/sonidospalabras and\n"
        "                     sonidosfrases, or into DIR/... with --content DIR)\n"
        "  say OUT.wav TEXT   speak a text into a WAV file as recordings are made\n"
        "  results [DIR...]   the answers children gave: per child and day, per child by mode\n"
        "                     and kind of word, the words missed most (default: the answers\n"
        "                     this computer keeps, and the shared folder when one is set)\n\n"
        "Exit status: 0 fine, 1 problems found, 2 bad usage."));
    parser.addOptions({options.help, options.content, options.noDictionary, options.allSuggestions, options.speed});
    addResultsOptions(parser);
    parser.addPositionalArgument(Author::tr("command"), Author::tr("make, check, record, say or results"));
}

int speak(const QCommandLineParser &parser, const Options &options, const QStringList &args)
{
    bool ok = false;
    const int wpm = parser.value(options.speed).toInt(&ok);
    if (args.size() != 2 || !ok || wpm < 40 || wpm > 400)
        return usage(parser, Author::tr("say needs OUT.wav and TEXT (and a speed of 40 to 400)"));
    if (const QString missing = WordRecorder::missingTools(); !missing.isEmpty()) {
        say(stderr, QStringLiteral("tildora-author: %1").arg(missing));
        return Problems;
    }
    QString error;
    if (!WordRecorder::say(args[0], args[1], wpm, &error)) {
        say(stderr, QStringLiteral("tildora-author: %1").arg(error));
        return Problems;
    }
    return Fine;
}

int runCommand(const QCommandLineParser &parser, const Options &options, QStringList args)
{
    const QString command = args.takeFirst();
    if (command == QLatin1String("make")) {
        if (args.size() > 1)
            return usage(parser, Author::tr("make takes at most one file"));
        return make(args);
    }
    if (command == QLatin1String("check")) {
        if (args.isEmpty())
            return usage(parser, Author::tr("check needs at least one exercise file"));
        return check(args, contentFor(parser, options.content), !parser.isSet(options.noDictionary),
                     parser.isSet(options.allSuggestions));
    }
    if (command == QLatin1String("record")) {
        if (args.isEmpty())
            return usage(parser, Author::tr("record needs at least one exercise file"));
        const QString out = parser.isSet(options.content) ? parser.value(options.content) : userContentFolder();
        return record(args, contentFor(parser, options.content), out);
    }
    if (command == QLatin1String("say"))
        return speak(parser, options, args);
    if (command == QLatin1String("results"))
        return printResults(parser, args);
    return usage(parser, Author::tr("unknown command '%1'").arg(command));
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tildora-author"));
    const QString translations = contentFolder(QCoreApplication::applicationDirPath()) + QStringLiteral("/translations");
    installLanguage(app, QLocale(), {QStringLiteral("tildora-author")}, translations);
    // In English only the counts need a catalogue: "1 file", "2 files".
    if (speaksEnglish(QLocale())) {
        auto *plurals = new QTranslator(&app);
        if (plurals->load(QStringLiteral("tildora-author_en"), translations))
            QCoreApplication::installTranslator(plurals);
    }
    QCommandLineParser parser;
    const Options options;
    describe(parser, options);
    if (!parser.parse(app.arguments()))
        return usage(parser, parser.errorText());
    if (parser.isSet(options.help)) {
        say(stdout, parser.helpText());
        return Fine;
    }
    const QStringList args = parser.positionalArguments();
    if (args.isEmpty())
        return usage(parser, Author::tr("no command given"));
    const int status = runCommand(parser, options, args);
    // Output that never reached its file (a full disk) is a failure, not success.
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        say(stderr, Author::tr("tildora-author: cannot write the output: %1").arg(qt_error_string(errno)));
        return status == Fine ? Problems : status;
    }
    return status;
}
