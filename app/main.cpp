// cantrel: the Cantrel Studio program.
//   cantrel [STUDIO]    opens STUDIO instead of the studio of the last run
#include <QApplication>
#include <QCommandLineParser>

#include <string>

#include "app/commands/command_icons.h"
#include "app/shell/mm_app.h"
#include "app/shell/program_command_line.h"
#include "app/commands/shell_commands.h"
#include "ui/studio_style.h"

namespace {

// The command-line word as the bytes it was given: a file name need not be
// valid UTF-8, and the decoded text would name another file.
std::string RawArgument(int argc, char** argv, const QString& decoded)
{
    for (int i = argc - 1; i > 0; --i)
        if (QString::fromLocal8Bit(argv[i]) == decoded) return argv[i];
    return decoded.toStdString();
}

}  // namespace

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Cantrel Studio"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2"));
    if (AsksOnlyForText(argc, argv)) return AnswerWithoutWindow(argc, argv);

    QApplication application(argc, argv);
    QApplication::setDesktopFileName(QStringLiteral("cantrel"));
    UseStudioStyle();
    QApplication::setWindowIcon(CommandIcon(ShellPicture::ProgramIcon));

    QCommandLineParser parser;
    DescribeCommandLine(parser);
    parser.process(application);
    const QStringList files = parser.positionalArguments();

    mmApp app;
    return app.Run(files.isEmpty() ? std::string() : RawArgument(argc, argv, files.first()));
}
