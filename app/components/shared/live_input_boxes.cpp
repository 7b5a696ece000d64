#include "app/components/shared/live_input_boxes.h"

#include <QCheckBox>

LiveInputBoxes::LiveInputBoxes(QWidget* dialog, QRect inputPlace, QRect putOutPlace, const LiveInputSetting& current)
    : QObject(dialog),
      input_(new QCheckBox(QStringLiteral("MIDI input"), dialog)),
      putOut_(new QCheckBox(QStringLiteral("Put out each chord"), dialog))
{
    input_->setObjectName(QStringLiteral("id%1").arg(InputId));
    input_->setToolTip(QStringLiteral("Play from the input device chosen in the Preferences"));
    input_->setGeometry(inputPlace);
    input_->setChecked(current.on);
    putOut_->setObjectName(QStringLiteral("id%1").arg(PutOutId));
    putOut_->setGeometry(putOutPlace);
    putOut_->setChecked(current.putOutEach);
    putOut_->setEnabled(current.on);
    QObject::connect(input_, &QCheckBox::toggled, putOut_, &QWidget::setEnabled);
}

LiveInputSetting LiveInputBoxes::Chosen() const
{
    LiveInputSetting chosen;
    chosen.on = input_->isChecked();
    chosen.putOutEach = chosen.on && putOut_->isChecked();
    return chosen;
}
