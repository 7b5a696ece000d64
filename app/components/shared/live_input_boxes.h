#pragma once
// The two check boxes of a component's settings dialog that set its live
// MIDI input: "MIDI input" (control 130) and "Put out each chord" (131),
// which counts only while the input is on.

#include <QObject>
#include <QRect>

#include "app/components/shared/live_input_setting.h"

class QCheckBox;
class QWidget;

class LiveInputBoxes : public QObject {
public:
    static constexpr int InputId = 130;
    static constexpr int PutOutId = 131;

    LiveInputBoxes(QWidget* dialog, QRect inputPlace, QRect putOutPlace, const LiveInputSetting& current);

    LiveInputSetting Chosen() const;

private:
    QCheckBox* input_;
    QCheckBox* putOut_;
};
