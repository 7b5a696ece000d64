#include "app/studio/component_titles.h"

#include "app/studio/component_factory.h"
#include "core/studio/component_node.h"
#include "core/studio/component_types.h"
#include "app/studio/mm_mdi_child.h"
#include "app/studio/mm_mdi_child_client.h"
#include "app/studio/mm_mdi_client.h"
#include "core/services/error.h"
#include "resources/app/app_strings.h"

namespace {
constexpr int NameLimit = 128;
}

bool IsAutomaticTitle(const QString& title) { return title.endsWith(QChar(AutomaticTitleMark)); }

QString VisibleTitle(const QString& title) { return IsAutomaticTitle(title) ? title.chopped(1) : title; }

QString NextAutomaticTitle(mmMDIClient* studio, int kind)
{
    const char* name = StringResource(AppStrings(), kind);
    if (!name || !studio) return QString();
    return QString::fromUtf8(name).left(NameLimit) + QStringLiteral(" %1").arg(studio->TitleCounter++) +
           QChar(AutomaticTitleMark);
}

RenameResult RenameComponent(mmMDIChild* frame, const QString& text)
{
    const QString old = frame->windowTitle();
    if (text == VisibleTitle(old)) return RenameResult::Unchanged;
    if (text.isEmpty()) {
        if (IsAutomaticTitle(old)) return RenameResult::Unchanged;
        frame->setWindowTitle(NextAutomaticTitle(mmMDIClient::Instance(), KindOfType(frame->Client()->TypeId)));
        return RenameResult::Renamed;
    }
    // The connection dialogs find components by the title shown.
    for (const ComponentNode* n = FirstComponent(); n; n = n->Next)
        if (n != frame->Client() && VisibleTitle(QString::fromStdString(n->Title())) == text)
            return RenameResult::Duplicate;
    frame->setWindowTitle(text);
    return RenameResult::Renamed;
}
