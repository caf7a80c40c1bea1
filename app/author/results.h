#pragma once

// tildora-author results [FOLDER...]: the summaries of the Results tab on
// standard output, for scripts and for teachers who prefer a terminal.
#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>

namespace tildora {

// Adds --child, --from, --to and --csv to the parser.
void addResultsOptions(QCommandLineParser &parser);

// Prints the summaries of the answers in the folders (the computer's own
// and the shared one when none are given). 0 when every folder and file was
// read, 1 when something could not be (said on standard error), 2 for a bad
// date.
int printResults(const QCommandLineParser &parser, const QStringList &folders);

} // namespace tildora
