// Copying a chord's text form to the clipboard and reading it back.
#include <string>

#include "core/theory/chord.h"
#include "core/theory/clipboard.h"

namespace {

// A text form is at most chord::TextFormSize bytes; anything much longer on the
// clipboard is not ours, and only its start is read.
constexpr std::size_t PasteLimit = 1024;

}  // namespace

void chord::Copy() const
{
    ClipboardAccess* clipboard = GetClipboardAccess();
    if (!clipboard) return;
    char text[TextFormSize];
    ToString(text, sizeof text);
    clipboard->SetText(text);
}

void chord::Cut()
{
    if (!GetClipboardAccess()) return;
    Copy();
    Clear();
}

void chord::Paste()
{
    ClipboardAccess* clipboard = GetClipboardAccess();
    if (!clipboard) return;
    std::optional<std::string> text = clipboard->GetText();
    if (!text) return;
    if (text->size() > PasteLimit) text->resize(PasteLimit);
    Clear();
    FromString(text->c_str());
}
