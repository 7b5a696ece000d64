#pragma once
// The New Component dialog (9002): one radio button per kind of component.
// The choice lasts for the program's run, so the dialog reopens with it.

#include "ui/h_dialog.h"

class QRadioButton;

class NewComponentDialog : public HDialog {
    Q_OBJECT
public:
    explicit NewComponentDialog(QWidget* parent);
    static constexpr int ChoiceCount = 6;

    // The kind of the checked button (Keyboard 2, Guitar/Strings 3, Splitter
    // 5, Joiner 6, Analyzer 24, Player 7).
    int ChosenKind() const;

    void done(int result) override;

private:
    QRadioButton* buttons_[ChoiceCount];
};

// Runs the dialog; the kind chosen, or 0 when cancelled.
int RunNewComponentDialog(QWidget* parent);
