#pragma once
// Keyboard Settings (dialog 5003): sound and program, mode, typing method,
// range and label rows of one Keyboard.

#include <utility>

#include "ui/h_dialog.h"

class KeyboardClient;
class LiveInputBoxes;
class LEDCheckBox;
class QCheckBox;
class QComboBox;
class QRadioButton;
class TKeySlider;

class KeyboardSettingsDialog : public HDialog {
    Q_OBJECT
public:
    static constexpr int ResourceId = 5003;

    KeyboardSettingsDialog(QWidget* parent, KeyboardClient* keyboard);
    // Puts the dialog's values into the keyboard, as OK does.
    void Apply();

private:
    KeyboardClient* keyboard_;
    LEDCheckBox* sound_;
    QComboBox* program_;
    QRadioButton* chordMode_;
    QRadioButton* notesMode_;
    QRadioButton* chromatic_;
    QRadioButton* accidental_;
    TKeySlider* start_;
    TKeySlider* octaves_;
    std::pair<int, int> shownRange_;  // the sliders' positions as the dialog opened
    QCheckBox* showNotes_;
    QCheckBox* showSpelling_;
    LiveInputBoxes* liveInput_;
};

// Runs the dialog on keyboard; 1 when the user pressed OK (and the settings
// were applied), 0 on Cancel.
int RunKeyboardSettingsDialog(KeyboardClient* keyboard);
