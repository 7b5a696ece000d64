#include "ui/h_dialog.h"

#include <QAction>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QPushButton>

#include "ui/help_viewer.h"

HDialog::HDialog(QWidget* parent, int resId) : HDialog(parent, resId, resId) {}

HDialog::HDialog(QWidget* parent, int resId, int helpId) : QDialog(parent), resId_(resId), helpId_(helpId)
{
    setObjectName(QStringLiteral("dlg%1").arg(resId));
    // The online-help command reaches the dialog as an action of its own.
    auto* help = new QAction(this);
    help->setObjectName(QStringLiteral("cmd%1").arg(HelpCommand));
    help->setData(HelpCommand);
    connect(help, &QAction::triggered, this, &HDialog::DoHelp);
    addAction(help);
}

void HDialog::DoHelp() { ShowHelpContext(helpId_); }

QDialogButtonBox* HDialog::CreateButtonBox(bool withCancel)
{
    auto* box = new QDialogButtonBox(this);
    QPushButton* ok = box->addButton(QDialogButtonBox::Ok);
    ok->setObjectName("id1");
    if (withCancel) box->addButton(QDialogButtonBox::Cancel)->setObjectName("id2");
    QPushButton* help = box->addButton(QDialogButtonBox::Help);
    help->setObjectName(QStringLiteral("id%1").arg(HelpButtonId));
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(box, &QDialogButtonBox::helpRequested, this, &HDialog::DoHelp);
    return box;
}

void HDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_F1) DoHelp();
    QDialog::keyPressEvent(event);
}
