#pragma once
// Analyzer Settings (8999): sound and MIDI program, whether arriving chords
// are listed by name or by their notes, how many entries the history keeps,
// and which view the analysis shows.

#include "ui/h_dialog.h"

class AnalyzerClient;
class LEDButton;
class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;

class AnalyzerSettingsDialog : public HDialog {
    Q_OBJECT
public:
    static constexpr int ResourceNumber = 8999;

    AnalyzerSettingsDialog(QWidget* parent, const AnalyzerClient* analyzer);
    // Moves the choices into the Analyzer, as OK does.
    void Apply(AnalyzerClient* analyzer) const;

private:
    QCheckBox* sound_;
    QComboBox* program_;
    QRadioButton* chordMode_;
    QRadioButton* notesMode_;
    QLineEdit* historySize_;
    LEDButton* views_[5];
};

// Runs the dialog; 1 after OK (the choices applied), 0 after Cancel.
int RunAnalyzerSettingsDialog(AnalyzerClient* analyzer);
