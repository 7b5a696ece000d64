#include "app/shell/studio_parts.h"

#include "app/components/component_kinds.h"
#include "app/dialogs/search/search_dialog.h"
#include "app/studio/mm_mdi_child.h"

void InstallStudioParts()
{
    RegisterComponentKinds();
    SetFindDialogRunner(RunSearchDialog);
}
