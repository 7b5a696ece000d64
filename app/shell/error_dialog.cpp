#include "app/shell/error_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// Messages that tell the user something rather than report a failure.
bool IsNotice(int number)
{
    constexpr int NoStudioHelp = 453;
    return number == NoStudioHelp;
}

}  // namespace

ErrorDialog::ErrorDialog(QWidget* parent, const ErrorReport& report) : HDialog(parent, 9099, report.helpContext)
{
    const bool notice = IsNotice(report.number);
    setWindowTitle(notice ? QStringLiteral("Cantrel Studio") : QStringLiteral("Cantrel Studio Error"));
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(notice ? QStyle::SP_MessageBoxInformation : QStyle::SP_MessageBoxCritical, nullptr, this).pixmap(size, size));
    row->addWidget(icon, 0, Qt::AlignTop);
    // The whole message is shown, however long: the label wraps it.
    auto* text = new QLabel(QString::fromUtf8(report.text.c_str()), this);
    text->setObjectName("id1000");
    text->setWordWrap(true);
    text->setTextFormat(Qt::PlainText);
    text->setMinimumWidth(320);
    row->addWidget(text, 1);
    layout->addLayout(row);
    layout->addWidget(CreateButtonBox(false));
}

void InstallErrorDialogPresenter()
{
    SetErrorPresenter([](const ErrorReport& report) {
        ErrorDialog dialog(QApplication::activeWindow(), report);
        dialog.exec();
    });
}
