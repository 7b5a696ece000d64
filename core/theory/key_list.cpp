// The [Keys] list.
#include "core/theory/definition_lists.h"
#include "core/theory/entry_parsers.h"
#include "core/theory/section_loader.h"

namespace {

constexpr int BadKeyMessage = 405;

RecordList<KeyNameTag> keys;

}  // namespace

int InitializeKeyList() { return LoadSection(keys, "Keys", BadKeyMessage, ParseKeyEntry); }

void ReleaseKeyList() { keys.Release(); }

int CountKeys() { return keys.count; }

KeyNameTag* GetKey(int i) { return keys.At(i); }
