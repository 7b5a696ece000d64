#pragma once
// The Splitter: forks its one input to two outputs. Shows nothing of its own.

#include "app/studio/mm_mdi_child_client.h"

class SplitterClient : public mmMDIChildClient {
    Q_OBJECT
public:
    SplitterClient();
    void ChangeConnections() override;
    // Takes the notes without repainting or sounding.
    void TakeChord(const chord& c) override;
};
