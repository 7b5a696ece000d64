// cantrel: the Cantrel Studio program.
//   cantrel [STUDIO]    opens STUDIO instead of the studio of the last run
#include <QApplication>
#include <QCommandLineParser>

#include "app/shell/command_icons.h"
#include "app/shell/mm_app.h"
#include "app/shell/shell_commands.h"
#include "app/shell/studio_style.h"

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Cantrel Studio"));
    QApplication::setApplicationVersion(QStringLiteral("1.2"));
    QApplication::setDesktopFileName(QStringLiteral("cantrel"));
    UseStudioStyle();
    QApplication::setWindowIcon(CommandIcon(ShellPicture::ProgramIcon));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Cantrel Studio, a music-theory workbench"));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("studio"), QStringLiteral("The studio file to open."),
                                 QStringLiteral("[STUDIO]"));
    parser.process(application);
    const QStringList files = parser.positionalArguments();

    mmApp app;
    return app.Run(files.isEmpty() ? QString() : files.first());
}
