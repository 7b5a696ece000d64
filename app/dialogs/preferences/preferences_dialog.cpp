#include "app/dialogs/preferences/preferences_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/studio/list_box_transfer.h"
#include "controls/dialog_units.h"
#include "controls/my_hslider.h"
#include "controls/toggle_box.h"
#include "core/midi/midi_dev.h"
#include "core/theory/chord_spelling.h"

namespace {

struct Choice {
    int id;
    const char* text;
    int value;
};

// The spelling radios and the value of Config_Accidentals each stands for.
constexpr Choice accidentalChoices[5] = {{108, "Show as &sharps", 0},
                                         {109, "Show as f&lats", 1},
                                         {110, "D&efault", 3},
                                         {111, "C&ustom", 2},
                                         {119, "By c&hord", ByChordAccidentals}};
// The toggles of the Custom spelling: checked names the black key flat.
constexpr Choice flatNameChoices[5] = {
    {112, "&C#|Db", 1}, {113, "&D#|Eb", 2}, {114, "&F#|Gb", 4}, {115, "&G#|Ab", 8}, {116, "&A#|Bb", 16}};
constexpr Choice programNameChoices[3] = {
    {105, "General &MIDI Instruments", 0}, {106, "Numbers &0-127", 1}, {117, "Numbers &1-128", 2}};

constexpr int InputListId = 118;
constexpr int OutputListId = 104;
constexpr int VelocitySliderId = 4124;
constexpr int MaxChordsSliderId = 4123;
constexpr int VelocityThumb = 32003;
constexpr int MaxChordsThumb = 32000;
constexpr int OctavesToggleId = 123;

QRadioButton* Radio(QWidget* parent, const Choice& choice)
{
    auto* radio = new QRadioButton(QString::fromUtf8(choice.text), parent);
    radio->setObjectName(QStringLiteral("id%1").arg(choice.id));
    return radio;
}

QCheckBox* Check(QWidget* parent, int id, const char* text)
{
    auto* box = new QCheckBox(QString::fromUtf8(text), parent);
    box->setObjectName(QStringLiteral("id%1").arg(id));
    return box;
}

QComboBox* DeviceList(QWidget* parent, int id)
{
    auto* list = new QComboBox(parent);
    list->setObjectName(QStringLiteral("id%1").arg(id));
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return list;
}

// A device list starts at identifier -1, so line i stands for device i - 1.
void SelectDevice(QComboBox* list, int device) { list->setCurrentIndex(device + 1 < list->count() ? device + 1 : -1); }

int ChosenDevice(const QComboBox* list, int before)
{
    return list->currentIndex() >= 0 ? list->currentIndex() - 1 : before;
}

template <std::size_t N>
int ChosenValue(QRadioButton* const (&radios)[N], const Choice (&choices)[N], int before)
{
    for (std::size_t i = 0; i < N; ++i)
        if (radios[i]->isChecked()) return choices[i].value;
    return before;
}

template <std::size_t N>
void ShowValue(QRadioButton* const (&radios)[N], const Choice (&choices)[N], int value)
{
    for (std::size_t i = 0; i < N; ++i) radios[i]->setChecked(choices[i].value == value);
}

QLabel* Label(const char* text, QWidget* buddy)
{
    auto* label = new QLabel(QString::fromUtf8(text), buddy->parentWidget());
    label->setBuddy(buddy);
    return label;
}

}  // namespace

PreferencesDialog::PreferencesDialog(QWidget* parent, const PreferenceValues& values)
    : HDialog(parent, ResourceId), before_(values)
{
    setWindowTitle(QStringLiteral("Preferences"));
    const DialogUnits units(font());

    // Controls are made in the order the dialog moves their values, which
    // is also the order Tab visits them.
    auto* spelling = new QGroupBox(QStringLiteral("Enharmonic Notes"), this);
    for (int i = 0; i < 4; ++i) accidentals_[i] = Radio(spelling, accidentalChoices[i]);
    for (int i = 0; i < 5; ++i) {
        flatNames_[i] = new ToggleBox(spelling, flatNameChoices[i].id, QString::fromUtf8(flatNameChoices[i].text));
        flatNames_[i]->setToolTip(QStringLiteral("Checked: the flat name"));
    }
    // Below the Custom toggles, and visited after them.
    accidentals_[4] = Radio(spelling, accidentalChoices[4]);
    accidentals_[4]->setToolTip(QStringLiteral("Each note named from the root of its chord, key or scale"));
    auto* defaultNames = new QLabel(QStringLiteral("(C# Eb F# G# Bb)"), spelling);
    defaultNames->setContentsMargins(units.ToPixelsX(12), 0, 0, 0);
    auto* flatRow = new QHBoxLayout;
    flatRow->setContentsMargins(units.ToPixelsX(12), 0, 0, 0);
    for (ToggleBox* toggle : flatNames_) flatRow->addWidget(toggle);
    flatRow->addStretch(1);
    auto* spellingLayout = new QVBoxLayout(spelling);
    spellingLayout->addWidget(accidentals_[0]);
    spellingLayout->addWidget(accidentals_[1]);
    spellingLayout->addWidget(accidentals_[2]);
    spellingLayout->addWidget(defaultNames);
    spellingLayout->addWidget(accidentals_[3]);
    spellingLayout->addLayout(flatRow);
    spellingLayout->addWidget(accidentals_[4]);
    spellingLayout->addStretch(1);

    auto* midi = new QGroupBox(QStringLiteral("MIDI"), this);
    input_ = DeviceList(midi, InputListId);
    output_ = DeviceList(midi, OutputListId);
    auto* programs = new QGroupBox(QStringLiteral("Program Names displayed as"), midi);
    auto* programsLayout = new QVBoxLayout(programs);
    for (int i = 0; i < 3; ++i) {
        programNames_[i] = Radio(programs, programNameChoices[i]);
        programsLayout->addWidget(programNames_[i]);
    }
    velocity_ = new TMyHSlider(midi, VelocitySliderId, 118, 148, 81, 17, VelocityThumb, 0, 127);
    auto* midiLayout = new QFormLayout(midi);
    midiLayout->addRow(Label("&Input", input_), input_);
    midiLayout->addRow(Label("&Output", output_), output_);
    midiLayout->addRow(programs);
    midiLayout->addRow(Label("&Volume of MIDI notes (Velocity)", velocity_), velocity_);

    auto* display = new QGroupBox(QStringLiteral("Chord Display Options"), this);
    maxChords_ = new TMyHSlider(display, MaxChordsSliderId, 114, 197, 81, 17, MaxChordsThumb, 1, 20);
    noRoot_ = Check(display, 101, "Display &rootless chords");
    diffBass_ = Check(display, 107, "Show all non-root bass notes (even if &part of chord)");
    bassStyle_ = new ToggleBox(display, 102, QStringLiteral("Use \"C (B Bass)\" no&tation|Use \"C/B\" no&tation"));
    addStyle_ = new ToggleBox(display, 103, QStringLiteral("Use \"C (Add D)\" &notation|Use \"C (Add 9)\" &notation"));
    scaleNotes_ = new ToggleBox(display, 122, QStringLiteral("Displa&y scales as intervals|Displa&y scales as notes"));
    octaves_ =
        new ToggleBox(display, OctavesToggleId,
                      QStringLiteral("Octave num&bers: from A (as stored)|Octave num&bers: from C, middle C = C4"));
    auto* displayLayout = new QGridLayout(display);
    displayLayout->addWidget(Label("Ma&ximum chords in status bar", maxChords_), 0, 0);
    displayLayout->addWidget(maxChords_, 0, 1);
    int row = 1;
    for (QWidget* w : std::initializer_list<QWidget*>{noRoot_, diffBass_, bassStyle_, addStyle_, scaleNotes_, octaves_})
        displayLayout->addWidget(w, row++, 0, 1, 3);
    displayLayout->setColumnStretch(2, 1);

    // Sliders are at least as long as their places in dialog units.
    for (TMyHSlider* slider : {velocity_, maxChords_})
        slider->setMinimumSize(units.ToPixelsX(slider->DialogRect().width()),
                               units.ToPixelsY(slider->DialogRect().height()));

    auto* layout = new QGridLayout(this);
    layout->addWidget(spelling, 0, 0);
    layout->addWidget(midi, 0, 1);
    layout->addWidget(display, 1, 0, 1, 2);
    layout->addWidget(CreateButtonBox(), 2, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetMinimumSize);

    TComboBoxData devices;
    MidiDev::FillMidiDevList(devices, 1, false);
    MoveIntoComboBox(devices, input_);
    devices.Clear();
    MidiDev::FillMidiDevList(devices, 0, false);
    MoveIntoComboBox(devices, output_);
    Show(values);
}

void PreferencesDialog::Show(const PreferenceValues& v)
{
    ShowValue(accidentals_, accidentalChoices, v.accidentals);
    for (int i = 0; i < 5; ++i)
        flatNames_[i]->setChecked((v.customAccidentals & unsigned(flatNameChoices[i].value)) != 0);
    SelectDevice(input_, v.midiIn);
    SelectDevice(output_, v.midiOut);
    ShowValue(programNames_, programNameChoices, v.midiNames);
    velocity_->setValue(v.velocity);
    maxChords_->setValue(v.maxChords);
    noRoot_->setChecked(v.noRoot != 0);
    diffBass_->setChecked(v.diffBass != 0);
    bassStyle_->setChecked(v.bassStyle != 0);
    addStyle_->setChecked(v.addStyle != 0);
    scaleNotes_->setChecked(v.showScaleNotes != 0);
    octaves_->setChecked(v.octavesFromC != 0);
}

PreferenceValues PreferencesDialog::Values() const
{
    PreferenceValues v = before_;
    v.accidentals = ChosenValue(accidentals_, accidentalChoices, before_.accidentals);
    v.customAccidentals = 0;
    for (int i = 0; i < 5; ++i)
        if (flatNames_[i]->isChecked()) v.customAccidentals |= unsigned(flatNameChoices[i].value);
    v.midiIn = ChosenDevice(input_, before_.midiIn);
    v.midiOut = ChosenDevice(output_, before_.midiOut);
    v.midiNames = ChosenValue(programNames_, programNameChoices, before_.midiNames);
    v.velocity = velocity_->value();
    v.maxChords = maxChords_->value();
    v.noRoot = noRoot_->isChecked() ? 1 : 0;
    v.diffBass = diffBass_->isChecked() ? 1 : 0;
    v.bassStyle = bassStyle_->isChecked() ? 1 : 0;
    v.addStyle = addStyle_->isChecked() ? 1 : 0;
    v.showScaleNotes = scaleNotes_->isChecked() ? 1 : 0;
    v.octavesFromC = octaves_->isChecked() ? 1 : 0;
    return v;
}

bool RunPreferencesDialog(QWidget* parent)
{
    PreferencesDialog dialog(parent, CurrentPreferences());
    if (dialog.exec() != QDialog::Accepted) return false;
    ApplyPreferences(dialog.Values());
    return true;
}
