#include "app/dialogs/search/search_lists.h"

#include "core/theory/chord.h"
#include "core/theory/definition_lists.h"
#include "core/theory/shown_notes.h"

void FillSearchRootList(TListBoxData& d)
{
    d.Clear();
    for (int pitchClass = 0; pitchClass < 12; ++pitchClass) d.AddString(ShownNoteName(pitchClass));
}

void FillSearchNameList(TListBoxData& d, int kind)
{
    d.Clear();
    switch (kind) {
    case SearchKind::Chord:
        for (const ChordNameTag* def = GetChordDefinition(0); def; def = def->next) {
            d.AddString(std::string(def->name) + '\t' + def->description);
            d.AddItemData(reinterpret_cast<std::uintptr_t>(def));
        }
        break;
    case SearchKind::Scale:
        for (const ScaleNameTag* scale = GetScale(0); scale; scale = scale->next) {
            d.AddString(scale->name);
            d.AddItemData(reinterpret_cast<std::uintptr_t>(scale));
        }
        break;
    case SearchKind::Key:
        d.AddString("Major");
        d.AddItemData(1);
        d.AddString("Minor");
        d.AddItemData(0);
        break;
    default: break;
    }
}

PitchSet SearchPitchSet(int kind, int root, std::uintptr_t itemData, PitchSet* optional)
{
    unsigned extra = 0;
    unsigned word = 0;
    switch (kind) {
    case SearchKind::Chord:
        if (itemData) word = chord::GetChordBits(root, reinterpret_cast<const ChordNameTag*>(itemData), &extra);
        break;
    case SearchKind::Scale:
        if (itemData) word = chord::GetScaleBits(root, reinterpret_cast<const ScaleNameTag*>(itemData));
        break;
    case SearchKind::Key: word = chord::GetKeyBits(root, itemData != 0 ? 1 : 0); break;
    default: break;
    }
    if (optional) *optional = PitchSet::FromWord(extra);
    return PitchSet::FromWord(word);
}
