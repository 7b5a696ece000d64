#include "app/components/splitter/splitter_client.h"

#include "app/components/splitter/splitter_connections_dialog.h"
#include "core/studio/component_types.h"

SplitterClient::SplitterClient() : mmMDIChildClient(ComponentType::Splitter)
{
    InputCount = 1;
    OutputCount = 2;
    PassThrough = 1;
}

void SplitterClient::ChangeConnections() { RunSplitterConnectionsDialog(this); }

void SplitterClient::TakeChord(const chord& c)
{
    for (int i = 0; i < chord::Slots; ++i) Chord.notes[i] = c.notes[i];
}
