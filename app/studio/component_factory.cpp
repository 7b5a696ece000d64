#include "app/studio/component_factory.h"

#include <QMdiArea>

#include "core/studio/component_node.h"
#include "app/studio/component_titles.h"
#include "core/studio/component_types.h"
#include "app/studio/connections_refresh.h"
#include "app/studio/mm_mdi_child.h"
#include "app/studio/mm_mdi_child_client.h"
#include "app/studio/mm_mdi_client.h"
#include "app/studio/studio_capacity.h"
#include "core/services/error.h"

namespace {

constexpr int UndeterminedWindowType = 409;
constexpr int TitleLimit = 100;

struct KindFactory {
    int kind;
    ComponentFactory factory;
};

// Each kind's maker is installed by the components themselves, so that the
// studio knows none of them by name.
KindFactory factories[] = {
    {ComponentKind::Keyboard, nullptr}, {ComponentKind::Guitar, nullptr},   {ComponentKind::Splitter, nullptr},
    {ComponentKind::Joiner, nullptr},   {ComponentKind::Analyzer, nullptr}, {ComponentKind::Player, nullptr},
};

// On every addition the area compares each of its frames with each other
// one, to keep frames that stay on top above the new one: adding grows with
// the square of the frames, a load of them with the cube. Studio frames never
// stay on top, and a frame marked so while it is added skips that search. The
// area makes it a plain sub-window at the end of the addition; the mark is
// taken off again in any case.
void AddToArea(QMdiArea* area, QMdiSubWindow* frame)
{
    const bool staysOnTop = frame->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    if (!staysOnTop) frame->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    area->addSubWindow(frame);
    if (!staysOnTop) frame->setWindowFlag(Qt::WindowStaysOnTopHint, false);
}

}  // namespace

ComponentFactory ComponentFactoryOf(int kind)
{
    for (const KindFactory& k : factories)
        if (k.kind == kind) return k.factory;
    return nullptr;
}

void SetComponentFactory(int kind, ComponentFactory factory)
{
    for (KindFactory& k : factories)
        if (k.kind == kind) k.factory = factory;
}

mmMDIChild* CreateComponent(mmMDIClient* client, int kindOrType, bool fromFile, QString* titleLater)
{
    if (!client) return nullptr;
    if (!RoomForComponents(ComponentCount(), 1, "a new component")) return nullptr;
    if (ComponentCount() == 0) client->TitleCounter = 1;
    const int kind = KindOfType(kindOrType);
    ComponentFactory factory = ComponentFactoryOf(kind);
    if (!factory) {
        Error(UndeterminedWindowType);
        return nullptr;
    }
    const QString title = NextAutomaticTitle(client, kind);
    mmMDIChildClient* component = factory();
    // The window state of the new frame follows the active one's before it
    // is added.
    QMdiSubWindow* active = client->activeSubWindow();
    const bool maximise = active && active->isMaximized();
    if (titleLater) *titleLater = title;
    auto* frame = new mmMDIChild(component, titleLater ? QString() : title);
    if (titleLater) frame->HoldCloseShortcut();
    AddToArea(client, frame);
    frame->resize(frame->sizeHint());
    if (!fromFile) {
        if (PassesChordsOnly(component->TypeId))
            frame->showMinimized();
        else if (maximise)
            frame->showMaximized();
        else
            frame->show();
        RefreshConnections();
    }
    return frame;
}

int FillComponentList(TListBoxData& list, const ComponentNode* current, int typeFilter)
{
    if (typeFilter == 0) list.AddString(NoConnectionText, current == nullptr);
    int added = 0;
    bool currentAdded = false;
    for (ComponentNode* n = FirstComponent(); n; n = n->Next) {
        if (typeFilter != 0 && n->TypeId != typeFilter) continue;
        QString title = QString::fromStdString(n->Title()).left(TitleLimit);
        const bool selected = n == current;
        list.AddString(title.toStdString(), selected);
        currentAdded = currentAdded || selected;
        ++added;
    }
    return currentAdded ? -added : added;
}

ComponentNode* FindComponentByTitle(const TListBoxData& list)
{
    if (list.selectedIndices.empty()) return nullptr;
    const std::string selected = list.SelectedString();
    for (ComponentNode* n = FirstComponent(); n; n = n->Next)
        if (QString::fromStdString(n->Title()).left(TitleLimit).toStdString() == selected) return n;
    return nullptr;
}
