#pragma once
// The desktop's clipboard as plain UTF-8 text, for the theory engine's Cut,
// Copy and Paste of chords.

#include "core/theory/clipboard.h"

class SystemClipboard : public ClipboardAccess {
public:
    std::optional<std::string> GetText() override;
    void SetText(const std::string& text) override;
};
