#pragma once
// The Guitar/Strings component: the fingerboard of any fretted instrument in
// any tuning of the list. Its chord is read string by string: slot s is the
// note string s plays, -1 when the string is silent. Clicks and typed frets
// change it; a chord that arrives is laid out on the strings.

#include <QRegion>

#include "app/components/guitar/fingerboard_geometry.h"
#include "app/components/guitar/fingerboard_state.h"
#include "app/components/shared/live_input_setting.h"
#include "app/studio/mm_mdi_child_client.h"

class FingeringList;
struct Fingering;
class LiveMidiInput;
class QResizeEvent;

class GuitarClient : public mmMDIChildClient {
    Q_OBJECT
public:
    static constexpr int DefaultFretCount = 13;  // frets 0-12
    static constexpr int DefaultProgram = 25;    // steel-string guitar

    GuitarClient();

    // The open strings (slot 0 drawn at the top) and their instrument.
    chord Tuning;
    int FretCount = 0;  // fret positions, open position included
    int FretUnits = 0;
    int CapoFret = 0;
    int BoardFlags = BoardFlag::Default;
    int TypingMethod = 0;  // GuitarTyping::Tablature or Fingerboard
    int TabString = 0;     // strings typed so far in Tablature
    int StringCount = 0;
    int ShowFingerings = 0;  // the "Fingerings" list beside the fingerboard

    void SetFretCount(int n);
    void CountStrings();
    // Every string open, at the capo.
    void ResetToOpenStrings();
    // The x of wire `fret` and the y of `string`, or both -1.
    void GetFretPoint(int& fret, int& string) const;
    // The fret and string under (x, y), or both -1.
    void FretFromPoint(int& x, int& y) const;
    // Repaints the marker of `string` (of every string while a Find display
    // shows, since its cells follow the notes) and the label column; the
    // Fingerings list follows the chord.
    void PaintMarkers(int string);
    void InvalidateAllMarkers();
    // The fret and string a typed character plays; false when none.
    bool TypedFret(char c, int& fret, int& string);

    FingerboardGeometry Geometry() const;
    FingeringList* Fingerings() const { return fingerings_; }
    // Fills the Fingerings list for the found chord while Find shows one,
    // else for the chord on the strings, unless it already shows them.
    void RefreshFingerings();
    FingerboardState State() const;

    void LayoutContents() override;
    void ModeChanged() override;
    int ChangeSettings() override;
    void SaveSettings(char*& out, int& remaining) override;
    void LoadSettings(char*& in, int& remaining) override;
    void CutChord() override;
    // The chord's text form, and the chord box chosen in the Fingerings list
    // as a picture beside it.
    void CopyChord() override;
    void ShowFound(PitchSet found) override;
    void TakeChord(const chord& c) override;
    // Lays c's notes on the strings as an arriving chord, without sounding.
    void LayOnStrings(const chord& c);
    void KeyDown(int key, int repeat, int flags) override;
    void KeyUp(int key, int repeat, int flags) override;
    virtual void MouseDown(Qt::KeyboardModifiers keys, QPoint& point);

    // What the settings dialog sets on OK.
    struct Settings {
        int soundOn = 1;
        int program = DefaultProgram;
        int mode = ChordMode;
        int typingMethod = 0;
        int tuningIndex = -1;  // in the tuning list; -1 keeps the tuning
        int fretCount = DefaultFretCount;
        int capoFret = 0;
        int boardFlags = BoardFlag::Default;
        int showFingerings = 0;
        LiveInputSetting liveInput;
    };
    Settings CurrentSettings() const;
    void ApplySettings(const Settings& settings);

    // The notes held on the MIDI instrument of the Preferences, when on.
    LiveMidiInput& LiveInput() const { return *live_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Silences the strings whose notes their strings no longer reach.
    void DropUnreachableNotes();
    void PlayClickedFret(Qt::KeyboardModifiers keys, int fret, int string);
    void MoveByArrow(int key, int repeat);
    bool CtrlHeld() const { return keyModifiers_ & Qt::ControlModifier; }
    // The strings take the fingering clicked in the list, and it sounds.
    void PlayListedFingering(const Fingering& fingering);
    void PlaceFingerings();

    Qt::KeyboardModifiers keyModifiers_;
    FingeringList* fingerings_;
    LiveMidiInput* live_;
};
