#include "app/shell/command_actions.h"

#include <QAction>
#include <QWidget>

#include "core/services/string_table.h"
#include "resources/app/app_strings.h"

CommandActions::CommandActions(QWidget* owner, std::function<void(int)> handler)
    : owner_(owner), handler_(std::move(handler))
{
}

QAction* CommandActions::Action(int id, const QString& text)
{
    QAction* action = actions_.value(id);
    if (!action) {
        action = new QAction(owner_);
        action->setObjectName(QStringLiteral("cmd%1").arg(id));
        action->setData(id);
        action->setStatusTip(CommandHint(id));
        QObject::connect(action, &QAction::triggered, owner_, [this, id] { handler_(id); });
        actions_.insert(id, action);
    }
    if (!text.isEmpty()) {
        action->setText(text);
        action->setToolTip(PlainCommandText(text));
    }
    return action;
}

QAction* CommandActions::Find(int id) const { return actions_.value(id); }

QString CommandHint(int id)
{
    const char* hint = AppStrings().Find(id);
    return hint ? QString::fromUtf8(hint) : QString();
}

QString PlainCommandText(const QString& menuText)
{
    QString text = menuText.section('\t', 0, 0);
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove('&');
    text.replace(QChar(1), QChar('&'));
    if (text.endsWith(QStringLiteral("..."))) text.chop(3);
    return text;
}
