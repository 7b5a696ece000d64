#pragma once
// A push button that plays a test note (middle C) on a MIDI device while it is
// held, with the program chosen in a selector of MIDI programs.

#include <QPushButton>

class MidiDev;
class QComboBox;

class TMIDIButton : public QPushButton {
    Q_OBJECT
public:
    static constexpr int TestNote = 63;  // MIDI note 60

    TMIDIButton(QWidget* parent, QComboBox* programSelector, MidiDev* device, const QString& text = QString());

    void SetDevice(MidiDev* device) { device_ = device; }
    MidiDev* Device() const { return device_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QComboBox* selector_;
    MidiDev* device_;
    bool sounding_ = false;
};
