#include "app/studio/definition_lists_changed.h"

#include "core/studio/chord_names_line.h"
#include "app/studio/mm_mdi_child.h"
#include "app/studio/mm_mdi_child_client.h"
#include "app/studio/mm_mdi_client.h"

DefinitionListsWatch* DefinitionListsWatch::Instance()
{
    static DefinitionListsWatch watch;
    return &watch;
}

void DefinitionListsChanged()
{
    if (mmMDIClient* studio = mmMDIClient::Instance())
        for (mmMDIChild* frame : studio->Frames())
            if (frame->Client()) frame->Client()->update();
    if (mmMDIChild* active = mmMDIChild::ActiveComponent(); active && active->Client())
        ShowChordNames(active->Client()->Chord);
    emit DefinitionListsWatch::Instance()->Changed();
}
