#pragma once
// The plain-text clipboard as the theory engine sees it. The program installs
// the real one at start-up; tests install their own.

#include <optional>
#include <string>

class ClipboardAccess {
public:
    virtual ~ClipboardAccess() = default;
    // The clipboard's plain text, or nothing when it holds no text.
    virtual std::optional<std::string> GetText() = 0;
    virtual void SetText(const std::string& text) = 0;
};

// Installs the clipboard used by chord::Copy, Cut and Paste (nullptr: none,
// and those operations do nothing). The caller keeps ownership.
void SetClipboardAccess(ClipboardAccess* clipboard);
ClipboardAccess* GetClipboardAccess();
