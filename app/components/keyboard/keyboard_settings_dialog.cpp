#include "app/components/keyboard/keyboard_settings_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

#include <algorithm>

#include "app/components/keyboard/keyboard_client.h"
#include "app/components/keyboard/tkey_slider.h"
#include "app/components/keyboard/typing_pictures.h"
#include "app/components/shared/live_input_boxes.h"
#include "app/components/shared/live_midi_input.h"
#include "core/studio/component_types.h"
#include "controls/dialog_units.h"
#include "controls/led_check_box.h"
#include "core/midi/midi_dev.h"
#include "ui/tmidi_button.h"
#include "core/theory/list_data.h"

namespace {

// Places w at (x, y), w x h dialog units of its dialog.
template <typename W>
W* Placed(W* w, int id, int x, int y, int width, int height)
{
    if (id) w->setObjectName(QStringLiteral("id%1").arg(id));
    w->setGeometry(DialogUnits::Of(w).MapRect(x, y, x + width, y + height));
    return w;
}

}  // namespace

KeyboardSettingsDialog::KeyboardSettingsDialog(QWidget* parent, KeyboardClient* keyboard)
    : HDialog(parent, ResourceId), keyboard_(keyboard)
{
    setWindowTitle(QStringLiteral("Keyboard Settings"));
    setObjectName(QStringLiteral("dlg%1").arg(ResourceId));

    Placed(new QGroupBox(QStringLiteral("Sound"), this), 0, 4, 2, 212, 32);
    sound_ = Placed(new LEDCheckBox(this, 110, 1, QStringLiteral("Sound On")), 110, 10, 14, 56, 12);
    sound_->setChecked(keyboard->SoundOn != 0);
    program_ = Placed(new QComboBox(this), 111, 68, 13, 112, 14);
    TComboBoxData programs;
    MidiDev::FillMIDIList(programs, keyboard->Chord.program);
    for (const std::string& line : programs.strings) program_->addItem(QString::fromStdString(line));
    program_->setCurrentIndex(programs.selectionIndex >= 0 ? programs.selectionIndex : keyboard->Chord.program);
    Placed(new TMIDIButton(this, program_, MidiDev::lastmidi, QStringLiteral("Play")), 2333, 184, 12, 28, 15);

    Placed(new QGroupBox(QStringLiteral("Mode"), this), 0, 4, 36, 212, 26);
    chordMode_ = Placed(new QRadioButton(QStringLiteral("Chord/Multiple Notes"), this), 101, 10, 47, 96, 12);
    notesMode_ = Placed(new QRadioButton(QStringLiteral("Melody/Single Note"), this), 113, 110, 47, 100, 12);
    // The mode and the typing method are two choices: each pair of radios
    // is a group of its own, however the dialog lays them out.
    auto* modes = new QButtonGroup(this);
    modes->addButton(chordMode_);
    modes->addButton(notesMode_);
    (keyboard->Mode == NotesMode ? notesMode_ : chordMode_)->setChecked(true);

    Placed(new QGroupBox(QStringLiteral("Typing"), this), 0, 4, 64, 212, 80);
    Placed(new TypingPictureButton(this, 6100, TypingPicture::ComputerKeys), 0, 62, 74, 148, 22);
    chromatic_ = Placed(new QRadioButton(QStringLiteral("Chromatic:"), this), 103, 10, 102, 50, 12);
    auto* chromaticPicture = Placed(new TypingPictureButton(this, 6101, TypingPicture::Chromatic), 0, 62, 98, 148, 20);
    accidental_ = Placed(new QRadioButton(QStringLiteral("Accidental:"), this), 105, 10, 124, 50, 12);
    auto* accidentalPicture =
        Placed(new TypingPictureButton(this, 6102, TypingPicture::Accidental), 0, 62, 120, 148, 20);
    auto* typing = new QButtonGroup(this);
    typing->addButton(chromatic_);
    typing->addButton(accidental_);
    (keyboard->TypingMethod == 0 ? chromatic_ : accidental_)->setChecked(true);
    connect(chromaticPicture, &QAbstractButton::clicked, chromatic_, [this] { chromatic_->setChecked(true); });
    connect(accidentalPicture, &QAbstractButton::clicked, accidental_, [this] { accidental_->setChecked(true); });

    Placed(new QLabel(QStringLiteral("Starting Note and Octave"), this), 0, 8, 151, 94, 10);
    start_ = new TKeySlider(this, 4123, 104, 147, 102, 17, 1, 9, TKeySlider::StartingNote);
    start_->setValue(std::clamp(keyboard->FirstNote / 12, 1, 9));
    Placed(new QLabel(QStringLiteral("Number of Octaves"), this), 0, 8, 173, 94, 10);
    octaves_ = new TKeySlider(this, 4124, 104, 169, 102, 17, 1, 14, TKeySlider::Octaves);
    // A range from a studio file need not be whole half octaves: the
    // slider shows the half octaves that hold it.
    octaves_->setValue(std::clamp((keyboard->KeyCount + 5) / 6, 1, 14));
    shownRange_ = {start_->value(), octaves_->value()};

    showNotes_ = Placed(new QCheckBox(QStringLiteral("Show notes underneath keys"), this), 107, 8, 190, 200, 12);
    showNotes_->setChecked(keyboard->LabelFlags & KeyboardClient::ShowNotes);
    showSpelling_ = Placed(new QCheckBox(QStringLiteral("Show spelling underneath keys"), this), 108, 8, 202, 200, 12);
    showSpelling_->setChecked(keyboard->LabelFlags & KeyboardClient::ShowSpelling);

    const DialogUnits units = DialogUnits::Of(this);
    liveInput_ = new LiveInputBoxes(this, units.MapRect(8, 214, 100, 226), units.MapRect(110, 214, 214, 226),
                                    keyboard->LiveInput().Setting());

    QDialogButtonBox* buttons = CreateButtonBox();
    Placed(buttons, 0, 8, 232, 208, 16);
    const QRect all = units.MapRect(0, 0, 220, 254);
    setFixedSize(all.size());
}

void KeyboardSettingsDialog::Apply()
{
    KeyboardClient* k = keyboard_;
    k->SetSound(sound_->isChecked() ? 1 : 0);
    if (program_->currentIndex() >= 0) k->Chord.program = program_->currentIndex();
    k->SetMode(chordMode_->isChecked() ? ChordMode : NotesMode);
    k->TypingMethod = chromatic_->isChecked() ? 0 : 1;
    // The range is the sliders' only when they moved: a range from a file
    // that they cannot show stays as it is.
    if (std::pair(start_->value(), octaves_->value()) != shownRange_)
        k->SetRange(TKeySlider::FirstNoteAt(start_->value()), 6 * octaves_->value());
    k->LabelFlags = (showNotes_->isChecked() ? KeyboardClient::ShowNotes : 0) |
                    (showSpelling_->isChecked() ? KeyboardClient::ShowSpelling : 0);
    k->LiveInput().Apply(liveInput_->Chosen());
}

int RunKeyboardSettingsDialog(KeyboardClient* keyboard)
{
    KeyboardSettingsDialog dialog(keyboard, keyboard);
    if (dialog.exec() != QDialog::Accepted) return 0;
    dialog.Apply();
    return 1;
}
