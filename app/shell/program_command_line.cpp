#include "app/shell/program_command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstring>

void DescribeCommandLine(QCommandLineParser& parser)
{
    parser.setApplicationDescription(QStringLiteral("Cantrel Studio, a music-theory workbench"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("studio"), QStringLiteral("The studio file to open."),
                                 QStringLiteral("[STUDIO]"));
}

bool AsksOnlyForText(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const char* word = argv[i];
        if (std::strcmp(word, "--") == 0) return false;  // file names follow
        for (const char* asking : {"-h", "--help", "-?", "--help-all", "-v", "--version"})
            if (std::strcmp(word, asking) == 0) return true;
    }
    return false;
}

int AnswerWithoutWindow(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    QCommandLineParser parser;
    DescribeCommandLine(parser);
    parser.process(application);  // prints and ends the program
    return 0;
}
