#include "core/studio/component_types.h"

namespace {
struct KindAndType {
    int kind;
    int type;
};
constexpr KindAndType kindsAndTypes[] = {
    {ComponentKind::Sheet, ComponentType::Sheet},   {ComponentKind::Keyboard, ComponentType::Keyboard},
    {ComponentKind::Guitar, ComponentType::Guitar}, {ComponentKind::Splitter, ComponentType::Splitter},
    {ComponentKind::Joiner, ComponentType::Joiner}, {ComponentKind::Analyzer, ComponentType::Analyzer},
    {ComponentKind::Player, ComponentType::Player},
};
}  // namespace

int KindOfType(int typeOrKind)
{
    for (const KindAndType& k : kindsAndTypes)
        if (k.type == typeOrKind) return k.kind;
    return typeOrKind;
}

int TypeOfKind(int kind)
{
    for (const KindAndType& k : kindsAndTypes)
        if (k.kind == kind && kind != ComponentKind::Sheet) return k.type;
    return 0;
}

bool PassesChordsOnly(int typeId) { return typeId == ComponentType::Splitter || typeId == ComponentType::Joiner; }
