#include "ui/message_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace {

QStyle::StandardPixmap IconOf(MessageDialog::Kind kind)
{
    switch (kind) {
    case MessageDialog::Kind::Error: return QStyle::SP_MessageBoxCritical;
    case MessageDialog::Kind::Warning: return QStyle::SP_MessageBoxWarning;
    case MessageDialog::Kind::Question: return QStyle::SP_MessageBoxQuestion;
    case MessageDialog::Kind::Notice: break;
    }
    return QStyle::SP_MessageBoxInformation;
}

// The control ids of the old message boxes: OK 1, Cancel 2, Yes 6, No 7.
int ControlIdOf(QDialogButtonBox::StandardButton button)
{
    switch (button) {
    case QDialogButtonBox::Ok: return 1;
    case QDialogButtonBox::Cancel: return 2;
    case QDialogButtonBox::Yes: return 6;
    case QDialogButtonBox::No: return 7;
    default: return 0;
    }
}

}  // namespace

MessageDialog::MessageDialog(QWidget* parent, int helpContext, Kind kind, const QString& caption, const QString& text,
                             QDialogButtonBox::StandardButtons buttons, QDialogButtonBox::StandardButton defaultButton)
    : HDialog(parent, ResourceId, helpContext), buttons_(buttons)
{
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    auto* row = new QHBoxLayout;
    auto* icon = new QLabel(this);
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    icon->setPixmap(style()->standardIcon(IconOf(kind), nullptr, this).pixmap(size, size));
    row->addWidget(icon, 0, Qt::AlignTop);
    // The whole message is shown, however long: the label wraps it.
    auto* label = new QLabel(text, this);
    label->setObjectName(QStringLiteral("id%1").arg(TextId));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    // Wide enough for a one-line question, never a word left alone below it.
    label->setMinimumWidth(std::clamp(label->fontMetrics().horizontalAdvance(text) + 8, 320, 480));
    row->addWidget(label, 1);
    layout->addLayout(row);

    auto* box = new QDialogButtonBox(buttons | QDialogButtonBox::Help, this);
    for (QAbstractButton* button : box->buttons()) {
        const QDialogButtonBox::StandardButton which = box->standardButton(button);
        const int id = which == QDialogButtonBox::Help ? HelpButtonId : ControlIdOf(which);
        if (id) button->setObjectName(QStringLiteral("id%1").arg(id));
        // Enter answers with the default button, never with Help.
        if (auto* push = qobject_cast<QPushButton*>(button)) push->setAutoDefault(which == defaultButton);
    }
    if (QPushButton* chosenDefault = box->button(defaultButton)) chosenDefault->setDefault(true);
    connect(box, &QDialogButtonBox::clicked, this, [this, box](QAbstractButton* button) {
        const QDialogButtonBox::StandardButton which = box->standardButton(button);
        if (which == QDialogButtonBox::Help) {
            DoHelp();
            return;
        }
        chosen_ = which;
        done(which == QDialogButtonBox::Cancel ? Rejected : Accepted);
    });
    layout->addWidget(box);
}

void MessageDialog::done(int result)
{
    if (chosen_ == QDialogButtonBox::NoButton && result == Rejected && buttons_.testFlag(QDialogButtonBox::Cancel))
        chosen_ = QDialogButtonBox::Cancel;
    HDialog::done(result);
}

QDialogButtonBox::StandardButton MessageDialog::Ask(QWidget* parent, int helpContext, Kind kind, const QString& caption,
                                                    const QString& text, QDialogButtonBox::StandardButtons buttons,
                                                    QDialogButtonBox::StandardButton defaultButton)
{
    MessageDialog dialog(parent, helpContext, kind, caption, text, buttons, defaultButton);
    dialog.exec();
    return dialog.Chosen();
}
