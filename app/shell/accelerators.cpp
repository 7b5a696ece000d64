#include "app/shell/accelerators.h"

#include <QAction>
#include <QHash>
#include <QList>

#include "app/shell/command_actions.h"

namespace {

constexpr Qt::KeyboardModifier Ctrl = Qt::ControlModifier;
constexpr Qt::KeyboardModifier Shift = Qt::ShiftModifier;
constexpr Qt::KeyboardModifier Alt = Qt::AltModifier;

const Accelerator Table[] = {
    {Shift | Qt::Key_Delete, 24322}, {Ctrl | Qt::Key_X, 24322},
    {Ctrl | Qt::Key_Insert, 24323},  {Ctrl | Qt::Key_C, 24323},
    {Shift | Qt::Key_Insert, 24324}, {Ctrl | Qt::Key_V, 24324},
    {Ctrl | Qt::Key_Z, 24321},       {Alt | Qt::Key_Backspace, 24321},
    {Ctrl | Qt::Key_Up, 130},        {Ctrl | Qt::Key_Down, 131},
    {Ctrl | Qt::Key_O, 20002},       {Alt | Qt::Key_Left, 23003},
    {Alt | Qt::Key_Right, 23004},    {Ctrl | Qt::Key_H, 103},
    {Ctrl | Qt::Key_N, 102},         {Ctrl | Qt::Key_F, 23010},
    {Ctrl | Qt::Key_S, 23000},       {Ctrl | Qt::Key_L, 23002},
    {Ctrl | Qt::Key_Space, 101},     {QKeyCombination(Qt::Key_F1), 24380},
};

}  // namespace

std::span<const Accelerator> AcceleratorTable() { return Table; }

void ApplyAccelerators(CommandActions& actions)
{
    QHash<int, QList<QKeySequence>> keysOf;
    for (const Accelerator& a : AcceleratorTable()) keysOf[a.command] << QKeySequence(a.keys);
    for (auto it = keysOf.cbegin(); it != keysOf.cend(); ++it) {
        QAction* action = actions.Find(it.key());
        if (!action) continue;
        action->setShortcuts(it.value());
        action->setShortcutContext(Qt::WindowShortcut);
    }
}
