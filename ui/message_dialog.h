#pragma once
// A message box with help (9099): the text beside an icon, the buttons asked
// for, and Help, which opens the message's topic and leaves the box open. The
// error dialog and the program's questions are these, so that F1 and Help
// answer in every box the program shows.

#include <QDialogButtonBox>
#include <QString>

#include "ui/h_dialog.h"

class MessageDialog : public HDialog {
    Q_OBJECT
public:
    static constexpr int ResourceId = 9099;
    static constexpr int TextId = 1000;

    enum class Kind { Error, Warning, Question, Notice };

    MessageDialog(QWidget* parent, int helpContext, Kind kind, const QString& caption, const QString& text,
                  QDialogButtonBox::StandardButtons buttons = QDialogButtonBox::Ok,
                  QDialogButtonBox::StandardButton defaultButton = QDialogButtonBox::NoButton);

    // The button that closed the box; Escape counts as Cancel where there is one.
    QDialogButtonBox::StandardButton Chosen() const { return chosen_; }

    // Shows the box modally and tells the button chosen.
    static QDialogButtonBox::StandardButton Ask(QWidget* parent, int helpContext, Kind kind, const QString& caption,
                                                const QString& text, QDialogButtonBox::StandardButtons buttons,
                                                QDialogButtonBox::StandardButton defaultButton);

    void done(int result) override;

private:
    QDialogButtonBox::StandardButtons buttons_;
    QDialogButtonBox::StandardButton chosen_ = QDialogButtonBox::NoButton;
};
