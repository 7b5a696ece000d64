#include "controls/replace_gadget.h"

#include <QAction>
#include <QToolBar>

namespace {

GadgetGlyphProvider& GlyphProvider()
{
    static GadgetGlyphProvider provider;
    return provider;
}

QString CommandName(int command) { return QStringLiteral("cmd%1").arg(command); }

}  // namespace

void SetGadgetGlyphProvider(GadgetGlyphProvider provider) { GlyphProvider() = std::move(provider); }

QAction* ReplaceGadget(QToolBar* bar, int id, int command, int glyph)
{
    if (!bar) return nullptr;
    const QList<QAction*> actions = bar->actions();
    qsizetype index = -1;
    for (qsizetype i = 0; i < actions.size(); ++i) {
        if (!actions[i]->isSeparator() && actions[i]->data().toInt() == id) {
            index = i;
            break;
        }
    }
    if (index < 0 || index == actions.size() - 1) return nullptr;

    QAction* old = actions[index];
    QAction* next = actions[index + 1];
    const bool pressed = old->isChecked();

    // The bar's own frame first: a window that holds several components
    // holds a button of the same command for each of them.
    QAction* replacement = nullptr;
    if (QWidget* frame = bar->parentWidget()) replacement = frame->findChild<QAction*>(CommandName(command));
    if (!replacement) replacement = bar->window()->findChild<QAction*>(CommandName(command));
    if (!replacement) {
        replacement = new QAction(bar);
        replacement->setObjectName(CommandName(command));
        replacement->setData(command);
        replacement->setText(old->text());
    }
    bar->removeAction(old);
    // A button made here belongs to the bar alone; a command's own action
    // lives on in its menus.
    if (old != replacement && old->parent() == bar && old->associatedObjects().isEmpty()) old->deleteLater();

    const int picture = glyph == -1 ? command : glyph;
    if (GlyphProvider()) {
        const QIcon icon = GlyphProvider()(picture);
        if (!icon.isNull()) replacement->setIcon(icon);
    }
    replacement->setEnabled(true);
    if (pressed) replacement->setCheckable(true);
    replacement->setChecked(pressed);
    bar->insertAction(next, replacement);
    return replacement;
}
