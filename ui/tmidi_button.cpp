#include "ui/tmidi_button.h"

#include <QComboBox>
#include <QMouseEvent>

#include "core/midi/midi_dev.h"

TMIDIButton::TMIDIButton(QWidget* parent, QComboBox* programSelector, MidiDev* device, const QString& text)
    : QPushButton(text, parent), selector_(programSelector), device_(device)
{
}

void TMIDIButton::mousePressEvent(QMouseEvent* event)
{
    QPushButton::mousePressEvent(event);
    if (event->button() != Qt::LeftButton || !device_) return;
    int program = selector_ ? selector_->currentIndex() : 0;
    device_->SetInstrument(0, program < 0 ? 0 : program);
    device_->Note(0, TestNote, 1);
    sounding_ = true;
}

void TMIDIButton::mouseReleaseEvent(QMouseEvent* event)
{
    QPushButton::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton) return;
    // The note started by this button always ends, even if the device changed meanwhile.
    if (sounding_ && device_) device_->Note(0, TestNote, 0);
    sounding_ = false;
}
