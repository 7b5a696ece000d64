#pragma once
// Component titles: the automatic ones the program gives ("Keyboard 1" with
// the mark U+00A0 at the end, made again on loading and never saved) and the
// ones the user gives, which the studio file keeps.

#include <QString>

class mmMDIChild;
class mmMDIClient;

// True when the title's last character is the automatic-title mark. (Its last
// UTF-8 byte is no test: "à" and "Р" end in that byte too.)
bool IsAutomaticTitle(const QString& title);
// The title as the user sees and edits it: without the mark.
QString VisibleTitle(const QString& title);

// The next automatic title of a kind in the studio ("<name> <n>" and the
// mark), counting on; empty for a kind without a name.
QString NextAutomaticTitle(mmMDIClient* studio, int kind);

enum class RenameResult { Renamed, Unchanged, Duplicate };
// Gives the component of frame the title text. An empty text gives it an
// automatic title (it keeps the one it has); the text it already shows
// changes nothing; a title another component shows is refused.
RenameResult RenameComponent(mmMDIChild* frame, const QString& text);
