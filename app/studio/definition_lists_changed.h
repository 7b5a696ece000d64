#pragma once
// The chord or tuning list changed under the running program: a list editor
// edited it in place, or reloaded it from the settings file. Whatever shows
// chord names or tunings follows at once.

#include <QObject>

class DefinitionListsWatch : public QObject {
    Q_OBJECT
public:
    // The program's one watch; components connect to Changed to refresh
    // what they keep beyond a repaint (a tuning choice, a list of names).
    static DefinitionListsWatch* Instance();

signals:
    void Changed();
};

// Repaints every component, names the active component's chord in the
// status bar again, then emits DefinitionListsWatch::Changed.
void DefinitionListsChanged();
