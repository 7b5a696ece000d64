#include "app/shell/main_tool_bar.h"

#include <QAction>
#include <QToolBar>

#include "app/shell/command_actions.h"
#include "app/commands/command_icons.h"
#include "app/commands/shell_commands.h"

namespace {
constexpr int Layout[] = {124, 20000, 20001, 20016, 0,     20017, 0,    24331, 0,     24322, 24323, 24324,
                          0,   20005, 20004, 0,     20002, 9073,  9074, 0,     24361, 24363, 0,     24381};
}  // namespace

std::span<const int> MainToolBarLayout() { return Layout; }

QToolBar* BuildMainToolBar(QWidget* parent, CommandActions& actions)
{
    auto* bar = new QToolBar(QStringLiteral("Toolbar"), parent);
    bar->setObjectName(QStringLiteral("id%1").arg(ShellCommand::Toolbar));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setIconSize(QSize(20, 20));
    // Six pixels between groups.
    bar->setStyleSheet(QStringLiteral("QToolBar::separator { width: 6px; }"));
    for (int id : MainToolBarLayout()) {
        if (id == 0) {
            bar->addSeparator();
            continue;
        }
        QAction* action = actions.Action(id);
        action->setIcon(CommandIcon(id == ShellCommand::AllSoundOff ? ShellPicture::SoundOn : id));
        bar->addAction(action);
    }
    return bar;
}
