#pragma once
// A component's live MIDI input: the notes held on the instrument at the
// input chosen in the Preferences become the component's chord, on the
// user-interface thread, as they change. The component says how a chord is
// laid into its own (the range of its keys, its strings); this names it in
// the status bar and, when asked to, puts it out once it has settled.

#include <QObject>
#include <QTimer>

#include <array>
#include <functional>
#include <string>

#include "app/components/shared/held_notes.h"
#include "app/components/shared/live_input_setting.h"

class mmMDIChildClient;
class MidiInputEvent;

class LiveMidiInput : public QObject {
    Q_OBJECT
public:
    // Lays a chord's notes into the owner's chord the way an arriving chord
    // is laid, without sounding it (the player hears the instrument).
    using LayChord = std::function<void(const chord&)>;

    LiveMidiInput(mmMDIChildClient* owner, LayChord lay);
    ~LiveMidiInput() override;

    const LiveInputSetting& Setting() const { return setting_; }
    // Switches the input on or off. Switching on opens the Preferences'
    // input device; when that fails it is reported and the input stays off.
    void Apply(const LiveInputSetting& setting);
    bool Listening() const { return device_ >= 0; }
    int Device() const { return device_; }

    // Whether every device in use is still there. One that has gone is
    // reported once (message 415), and every live input on it goes off.
    static void CheckDevices();
    // Moves every live input to the input device the Preferences now choose.
    static void FollowPreferences();

    // How often the devices in use are looked for.
    static constexpr int DeviceCheckMs = 500;
    // At most this many events are read for one posted event; the events
    // posted after it read the rest, so other work gets its turn.
    static constexpr int MaxEventsAtOnce = 3200;
    // A chord struck by hand arrives as notes some milliseconds apart (a
    // piano chord within about 30 ms, a strummed guitar chord longer): it is
    // put out once its notes have not changed for this long, not note by note.
    static constexpr int SettleMs = 50;

protected:
    bool event(QEvent* e) override;

private:
    bool Start();
    void Stop();
    void Read(const MidiInputEvent& posted);
    void ShowHeldNotes();
    void PutOutSettledChord();

    mmMDIChildClient* owner_;
    LayChord lay_;
    LiveInputSetting setting_;
    HeldNotes held_;
    int device_ = -1;         // listening to it; -1 when not
    std::string deviceName_;  // its port name without the numbers that change
    QTimer deviceCheck_;
    QTimer settle_;
    std::array<NOTES, chord::Slots> putOut_;  // the notes last put out
    bool toldOfLoss_ = false;                 // once while listening: events were dropped
};
