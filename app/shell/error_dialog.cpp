#include "app/shell/error_dialog.h"

#include <QApplication>

namespace {

// Messages that tell the user something rather than report a failure.
bool IsNotice(int number)
{
    constexpr int NoStudioHelp = 453;
    return number == NoStudioHelp;
}

}  // namespace

ErrorDialog::ErrorDialog(QWidget* parent, const ErrorReport& report)
    : MessageDialog(parent, report.helpContext, IsNotice(report.number) ? Kind::Notice : Kind::Error,
                    IsNotice(report.number) ? QStringLiteral("Cantrel Studio") : QStringLiteral("Cantrel Studio Error"),
                    QString::fromUtf8(report.text.c_str()), QDialogButtonBox::Ok, QDialogButtonBox::Ok)
{
}

void InstallErrorDialogPresenter()
{
    SetErrorPresenter([](const ErrorReport& report) {
        ErrorDialog dialog(QApplication::activeWindow(), report);
        dialog.exec();
    });
}
