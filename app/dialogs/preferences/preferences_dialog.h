#pragma once
// The Preferences dialog (9007, Options > Preferences...): how notes are
// spelled and chords named, which MIDI devices sound and listen, how MIDI
// programs are listed, the note velocity, how many chord names the status
// bar shows, whether scales are shown as notes or intervals, and whether
// octave numbers count from A or from C.

#include "app/dialogs/preferences/preference_values.h"
#include "ui/h_dialog.h"

class QCheckBox;
class QComboBox;
class QRadioButton;
class TMyHSlider;
class ToggleBox;

class PreferencesDialog : public HDialog {
    Q_OBJECT
public:
    static constexpr int ResourceId = 9007;

    // Shows values; the MIDI lists hold the devices there are now.
    PreferencesDialog(QWidget* parent, const PreferenceValues& values);

    // The values as the controls hold them. What no control chooses (no
    // spelling or program-name radio on, no device line selected) keeps its
    // value from before.
    PreferenceValues Values() const;

private:
    void Show(const PreferenceValues& values);

    PreferenceValues before_;
    QRadioButton* accidentals_[5];
    ToggleBox* flatNames_[5];
    QComboBox* input_;
    QComboBox* output_;
    QRadioButton* programNames_[3];
    TMyHSlider* velocity_;
    TMyHSlider* maxChords_;
    QCheckBox* noRoot_;
    QCheckBox* diffBass_;
    ToggleBox* bassStyle_;
    ToggleBox* addStyle_;
    ToggleBox* scaleNotes_;
    ToggleBox* octaves_;
};

// Runs the dialog on the values in force and applies them on OK; true then.
bool RunPreferencesDialog(QWidget* parent);
