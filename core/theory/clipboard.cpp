// The clipboard the program (or a test) installed.
#include "core/theory/clipboard.h"

#include <atomic>

namespace {

std::atomic<ClipboardAccess*> installedClipboard{nullptr};

}  // namespace

void SetClipboardAccess(ClipboardAccess* clipboard) { installedClipboard = clipboard; }

ClipboardAccess* GetClipboardAccess() { return installedClipboard; }
