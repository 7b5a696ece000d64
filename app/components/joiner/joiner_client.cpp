#include "app/components/joiner/joiner_client.h"

#include "app/components/joiner/joiner_connections_dialog.h"
#include "core/studio/component_types.h"
#include "core/studio/note_flow.h"

JoinerClient::JoinerClient() : mmMDIChildClient(ComponentType::Joiner)
{
    InputCount = 2;
    OutputCount = 1;
    PassThrough = 1;
}

void JoinerClient::ChangeConnections() { RunJoinerConnectionsDialog(this); }

void JoinerClient::TakeChord(const chord& c)
{
    if (PassThrough) {
        for (int i = 0; i < chord::Slots; ++i) Chord.notes[i] = c.notes[i];
        return;
    }
    for (int i = 0; i < chord::Slots; ++i)
        if (c.notes[i] != NoNote) Chord.AddNote(c.notes[i]);
}

void JoinerClient::BeginInput()
{
    if (!PassThrough) Chord.Clear();
}

void JoinerClient::EndInput()
{
    if (PassThrough) return;
    Chord.Sort(0);
    PutOut(this);
}
