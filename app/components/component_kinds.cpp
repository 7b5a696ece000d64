#include "app/components/component_kinds.h"

#include "app/components/analyzer/analyzer_client.h"
#include "app/components/guitar/guitar_client.h"
#include "app/components/joiner/joiner_client.h"
#include "app/components/keyboard/keyboard_client.h"
#include "app/components/player/player_client.h"
#include "app/components/splitter/splitter_client.h"
#include "app/studio/component_factory.h"
#include "core/studio/component_types.h"

void RegisterComponentKinds()
{
    SetComponentFactory(ComponentKind::Keyboard, [] { return static_cast<mmMDIChildClient*>(new KeyboardClient); });
    SetComponentFactory(ComponentKind::Guitar, [] { return static_cast<mmMDIChildClient*>(new GuitarClient); });
    SetComponentFactory(ComponentKind::Splitter, [] { return static_cast<mmMDIChildClient*>(new SplitterClient); });
    SetComponentFactory(ComponentKind::Joiner, [] { return static_cast<mmMDIChildClient*>(new JoinerClient); });
    SetComponentFactory(ComponentKind::Analyzer, [] { return static_cast<mmMDIChildClient*>(new AnalyzerClient); });
    SetComponentFactory(ComponentKind::Player, [] { return static_cast<mmMDIChildClient*>(new PlayerClient); });
}
