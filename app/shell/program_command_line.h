#pragma once
// The program's command line: cantrel [STUDIO], --help, --version.

class QCommandLineParser;

void DescribeCommandLine(QCommandLineParser& parser);

// Whether the command line asks for the help or the version only: those are
// answered on the terminal, without a window and so without a display.
bool AsksOnlyForText(int argc, char** argv);
// Prints the help or the version; the exit status.
int AnswerWithoutWindow(int argc, char** argv);
