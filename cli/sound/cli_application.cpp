#include "cli/sound/cli_application.h"

#include <QCoreApplication>

#include <memory>

QCoreApplication& CliApplication()
{
    if (QCoreApplication* existing = QCoreApplication::instance()) return *existing;
    // Qt keeps references to these for the life of the application.
    static int argc = 1;
    static char name[] = "cantrel-cli";
    static char* argv[] = {name, nullptr};
    static std::unique_ptr<QCoreApplication> app = std::make_unique<QCoreApplication>(argc, argv);
    return *app;
}
