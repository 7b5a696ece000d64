#pragma once
// Help topics: one HTML page per context number. Dialogs and commands ask for
// a context; the viewer installed here shows it. The program uses the help
// window; tests install a recorder.

#include <string>

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows topic `context` of the help book `book` (empty: the program's own
    // help, the pages in data/help). A book is a folder of pages or one page.
    virtual void ShowHelp(const std::string& book, int context) = 0;
};

// Installs the viewer (nullptr: the help window). The caller keeps ownership.
void SetHelpViewer(HelpViewer* viewer);
HelpViewer* GetHelpViewer();

// Topic `context` of the program's help.
void ShowHelpContext(int context);

// The folder holding the program's help pages, ending in '/'.
std::string ProgramHelpDirectory();

// The page of topic `context` in `book`: <book>/<context>.html when it exists,
// else <book>/index.html; a book that is a file is its own page. Empty when
// there is no page at all.
std::string HelpPageFor(const std::string& book, int context);
