#include "app/shell/main_menu.h"

#include <QMenu>
#include <QMenuBar>

#include "app/shell/command_actions.h"

namespace {

constexpr MainMenuItem Separator{0, nullptr};

constexpr MainMenuItem FileItems[] = {
    {24331, "&New Component"},
    {24332, "Open &MIDI File..."},
    {24339, "&Close Component"},
    Separator,
    {24310, "E&xit\tAlt+F4"},
};
constexpr MainMenuItem EditItems[] = {
    {24322, "Cu&t\tCtrl+X"},
    {24323, "&Copy\tCtrl+C"},
    {24324, "&Paste\tCtrl+V"},
    {24325, "&Delete\tDel"},
};
constexpr MainMenuItem ViewItems[] = {
    {20002, "&Connections\tCtrl+O"},
    {9074, "&Manual Positioning"},
    {9073, "&Automatic positioning"},
    Separator,
    {20012, "&Toolbar"},
};
constexpr MainMenuItem OptionsItems[] = {
    {20004, "&All Sound Off!"},        Separator, {20005, "&Preferences..."}, Separator, {20006, "&Chord List..."},
    {20013, "String &Tuning List..."},
};
constexpr MainMenuItem StudioItems[] = {
    {124, "&New"},         {20000, "&Open..."}, {20001, "&Save"},      {105, "Save &As..."},
    {20016, "&Insert..."}, Separator,           {20017, "&Close All"},
};
constexpr MainMenuItem ComponentItems[] = {
    {101, "Soun&d\tCtrl+Space"},
    {23020, "Pla&y\tSpace"},
    {111, "&Reset\tBackSpace"},
    Separator,
    {102, "&Notes\tCtrl+N"},
    {103, "C&hord\tCtrl+H"},
    Separator,
    {23010, "&Find chord, etc...\tCtrl+F"},
    {23003, "&Get in\tAlt+Left"},
    {23004, "&Put out\tAlt+Right"},
    Separator,
    {23000, "Change &Settings...\tCtrl+S"},
    {23002, "Change &Connections...\tCtrl+L"},
};
constexpr MainMenuItem WindowItems[] = {
    {24361, "&Cascade"},
    {24363, "&Tile"},
    {24364, "Arrange &Icons"},
    {24365, "C&lose All"},
};
constexpr MainMenuItem HelpItems[] = {
    {24381, "&Contents"},
    {24382, "&Using help"},
    {24384, "&Getting Started"},
    {24383, "&How Do I?"},
    Separator,
    {9075, "Help on the current &Studio"},
    Separator,
    {24389, "&About..."},
};

constexpr MainMenuPopup Popups[] = {
    {"&File", FileItems},     {"&Edit", EditItems},           {"&View", ViewItems},     {"&Options", OptionsItems},
    {"&Studio", StudioItems}, {"&Component", ComponentItems}, {"&Window", WindowItems}, {"&Help", HelpItems},
};

}  // namespace

std::span<const MainMenuPopup> MainMenu() { return Popups; }

void BuildMainMenu(QMenuBar* bar, CommandActions& actions)
{
    for (const MainMenuPopup& popup : MainMenu()) {
        QMenu* menu = bar->addMenu(QString::fromUtf8(popup.title));
        menu->setObjectName(QStringLiteral("menu") + QString::fromUtf8(popup.title).remove('&'));
        for (const MainMenuItem& item : popup.items) {
            if (item.id == 0)
                menu->addSeparator();
            else
                menu->addAction(actions.Action(item.id, QString::fromUtf8(item.text)));
        }
    }
}
