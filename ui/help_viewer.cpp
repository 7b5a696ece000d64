#include "ui/help_viewer.h"

#include <filesystem>

#include "core/services/file_names.h"
#include "ui/help_window.h"

namespace {
HelpViewer* installedViewer = nullptr;
}

void SetHelpViewer(HelpViewer* viewer) { installedViewer = viewer; }

HelpViewer* GetHelpViewer()
{
    static HelpWindowViewer windowViewer;
    return installedViewer ? installedViewer : &windowViewer;
}

void ShowHelpContext(int context) { GetHelpViewer()->ShowHelp(std::string(), context); }

std::string ProgramHelpDirectory() { return std::string(GetLibraryDirectory()) + "help/"; }

std::string HelpPageFor(const std::string& book, int context)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path folder = book.empty() ? fs::path(ProgramHelpDirectory()) : fs::path(book);
    if (fs::is_regular_file(folder, ec)) return folder.string();
    fs::path page = folder / (std::to_string(context) + ".html");
    if (fs::is_regular_file(page, ec)) return page.string();
    fs::path index = folder / "index.html";
    if (fs::is_regular_file(index, ec)) return index.string();
    return std::string();
}
