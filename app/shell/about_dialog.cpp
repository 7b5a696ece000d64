#include "app/shell/about_dialog.h"

#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/commands/command_icons.h"
#include "app/commands/shell_commands.h"

namespace {

QToolButton* PictureButton(QWidget* parent, int picture, int size)
{
    auto* button = new QToolButton(parent);
    button->setObjectName(QStringLiteral("id%1").arg(picture));
    button->setIcon(CommandIcon(picture));
    button->setIconSize(QSize(size, size));
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

AboutDialog::AboutDialog(QWidget* parent) : HDialog(parent, AboutDialogId)
{
    setWindowTitle(QStringLiteral("About Cantrel Studio"));
    setWindowIcon(CommandIcon(ShellPicture::ProgramIcon));

    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(PictureButton(this, ShellPicture::AboutIcon, 64), 0, Qt::AlignTop);
    auto* words = new QVBoxLayout;
    auto* name = new QLabel(QStringLiteral("Cantrel Studio"), this);
    QFont big = name->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    name->setFont(big);
    words->addWidget(name);
    auto* version = new QLabel(QStringLiteral("Version 1.2"), this);
    version->setObjectName(QStringLiteral("version"));
    words->addWidget(version);
    auto* blurb = new QLabel(QStringLiteral("A music-theory workbench: play notes on a keyboard or a fingerboard, "
                                            "see them named as chords, keys and scales, and hear them."),
                             this);
    blurb->setWordWrap(true);
    blurb->setFixedWidth(300);
    words->addWidget(blurb);
    top->addLayout(words, 1);
    layout->addLayout(top);

    auto* pictures = new QHBoxLayout;
    pictures->addStretch();
    pictures->addWidget(PictureButton(this, ShellPicture::AboutKeyboard, 48));
    pictures->addWidget(PictureButton(this, ShellPicture::AboutFingerboard, 48));
    pictures->addStretch();
    layout->addLayout(pictures);

    QDialogButtonBox* buttons = CreateButtonBox(false);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    layout->addWidget(buttons);
}

AboutDialog* ShowStartBanner()
{
    auto* banner = new AboutDialog(nullptr);
    banner->setWindowFlag(Qt::WindowStaysOnTopHint);
    banner->setAttribute(Qt::WA_QuitOnClose, false);
    banner->setModal(false);
    banner->adjustSize();
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = banner->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        banner->move(frame.topLeft());
    }
    banner->show();
    return banner;
}
