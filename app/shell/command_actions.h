#pragma once
// The main window's commands: one QAction per command id (objectName
// "cmd<id>", data the id, status tip the command's hint), shared by the menu,
// the tool bar and the accelerators, all sent to one handler.

#include <QHash>
#include <QObject>
#include <QString>

#include <functional>

class QAction;
class QWidget;

class CommandActions {
public:
    // Actions are children of owner; handler receives every triggered id.
    CommandActions(QWidget* owner, std::function<void(int)> handler);

    // The action of command id, made on first use; a non-empty text replaces
    // its text.
    QAction* Action(int id, const QString& text = QString());
    // The action of id, or nullptr when the command has none.
    QAction* Find(int id) const;
    QList<int> Ids() const { return actions_.keys(); }

private:
    QWidget* owner_;
    std::function<void(int)> handler_;
    QHash<int, QAction*> actions_;
};

// The hint of a command (shown in the status bar), or an empty string.
QString CommandHint(int id);
// A menu text without its '&' marks and shortcut column, for tool tips.
QString PlainCommandText(const QString& menuText);
