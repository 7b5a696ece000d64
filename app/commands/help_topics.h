#pragma once
// Help contexts that are pages of their own rather than dialog or message
// numbers: the studio's first-start welcome, the main window's Help menu and
// the Connections window.

namespace HelpTopic {
constexpr int Index = 0;  // the contents page
constexpr int ConnectionsWindow = 1;
constexpr int GettingStarted = 150;
constexpr int HowDoI = 152;
constexpr int UsingHelp = 24382;
}  // namespace HelpTopic
