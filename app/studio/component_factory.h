#pragma once
// Creating components (the one way to make them, from the New Component
// command or from a studio file) and the component lists of the connection
// dialogs.

#include "core/theory/list_data.h"

class ComponentNode;
class mmMDIChild;
class mmMDIChildClient;
class mmMDIClient;
class QString;

// Makes the client of one kind of component.
using ComponentFactory = mmMDIChildClient* (*)();

// Installs the factory of a kind (ComponentKind::...); the components install
// theirs at start-up (RegisterComponentKinds).
void SetComponentFactory(int kind, ComponentFactory factory);
// The factory installed for a kind, or null.
ComponentFactory ComponentFactoryOf(int kind);

// Creates a component of a kind or type id into client: title "<name> <n>"
// with the automatic-title mark U+00A0, frame hidden when fromFile. Null after
// message 409 for a kind nothing can be made of. With titleLater the frame is
// left untitled and its title stored there: the studio area measures a
// frame's title whenever it adds or minimises one, so a loader puts the titles
// on once every frame is placed. So it does with the frame's Close shortcut
// (see mmMDIChild::HoldCloseShortcut), which the loader then releases.
mmMDIChild* CreateComponent(mmMDIClient* client, int kindOrType, bool fromFile, QString* titleLater = nullptr);

// The automatic-title mark ends a title the program gave.
constexpr char16_t AutomaticTitleMark = 0x00A0;

// "[No Connection]" (when typeFilter is 0) and the title of every component of
// typeFilter (0: all), the current one selected. Returns how many components
// were added, negated when current was among them.
int FillComponentList(TListBoxData& list, const ComponentNode* current, int typeFilter);
// The first component, in list order, titled like the list's selection.
ComponentNode* FindComponentByTitle(const TListBoxData& list);

constexpr const char* NoConnectionText = "[No Connection]";
