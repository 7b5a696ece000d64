#pragma once
// Command ids of the Studio menu and of the studio's component commands.

namespace StudioCommand {
constexpr int New = 124;
constexpr int SaveAs = 105;
constexpr int Open = 20000;
constexpr int Save = 20001;
constexpr int Insert = 20016;
constexpr int CloseAll = 20017;
constexpr int StudioHelp = 9075;
constexpr int NewComponent = 24331;
constexpr int CloseComponent = 24339;
}  // namespace StudioCommand
