#pragma once
// The error dialog ("Cantrel Studio Error"): the message, OK, and Help at the
// topic numbered like the message. Installed as the presenter of every Error
// the program reports. A notice (453: no studio help) shows as information,
// under the program's name.

#include "core/services/error.h"
#include "ui/message_dialog.h"

class ErrorDialog : public MessageDialog {
    Q_OBJECT
public:
    ErrorDialog(QWidget* parent, const ErrorReport& report);
};

// Shows each Error in the error dialog, modally.
void InstallErrorDialogPresenter();
