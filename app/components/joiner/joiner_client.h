#pragma once
// The Joiner: brings two inputs into one output, either merging every chord
// of one wave into one (PassThrough 0) or passing each chord straight on.

#include "app/studio/mm_mdi_child_client.h"

class JoinerClient : public mmMDIChildClient {
    Q_OBJECT
public:
    JoinerClient();
    void ChangeConnections() override;
    // Merging: adds the notes to the chord; passing through: replaces them.
    // No repaint, no sound.
    void TakeChord(const chord& c) override;
    // Merging: a wave's first chord starts from an empty chord...
    void BeginInput() override;
    // ...and its end puts out the union, highest note first.
    void EndInput() override;
};
