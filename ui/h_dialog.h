#pragma once
// Base of every dialog: tied to the help topic of its context number, which
// F1, the Help button (control 9) and the online-help command open.

#include <QDialog>

class QDialogButtonBox;
class QPushButton;

class HDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int HelpButtonId = 9;
    static constexpr int HelpCommand = 24380;

    // A dialog numbered resId whose help context is resId.
    HDialog(QWidget* parent, int resId);
    // The same with help context helpId (the error dialog passes the message number).
    HDialog(QWidget* parent, int resId, int helpId);

    int ResourceId() const { return resId_; }
    int HelpContext() const { return helpId_; }

    // Opens the help at the dialog's context.
    void DoHelp();

    // OK (control 1), Cancel (control 2, unless withCancel is false) and Help
    // (control 9), wired to accept, reject and DoHelp.
    QDialogButtonBox* CreateButtonBox(bool withCancel = true);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int resId_;
    int helpId_;
};
