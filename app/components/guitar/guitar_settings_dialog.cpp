#include "app/components/guitar/guitar_settings_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>

#include "app/components/guitar/fret_typing.h"
#include "app/components/guitar/typing_pictures.h"
#include "app/components/shared/live_input_boxes.h"
#include "core/studio/component_types.h"
#include "controls/dialog_units.h"
#include "controls/my_hslider.h"
#include "core/midi/midi_dev.h"
#include "ui/tmidi_button.h"
#include "core/theory/definition_lists.h"
#include "core/theory/list_data.h"
#include "core/theory/shown_notes.h"
#include "core/theory/string_assignment.h"

namespace {

constexpr int SliderThumb = 32000;
// The dialog template, in dialog units.
constexpr int DialogWidth = 226;
constexpr int DialogHeight = 272;

void MoveIntoComboBox(const TComboBoxData& data, QComboBox* combo)
{
    for (const std::string& line : data.strings) combo->addItem(QString::fromStdString(line));
    combo->setCurrentIndex(data.selectionIndex);
}

// The open strings' names, lowest string first, as the Fingerboard keys play them.
QStringList OpenStringNames(const chord& tuning)
{
    QStringList names;
    for (int s = CountStrings(tuning) - 1; s >= 0; --s) names << QString::fromStdString(ShownNoteName(tuning.notes[s]));
    return names;
}

}  // namespace

GuitarSettingsDialog::GuitarSettingsDialog(QWidget* parent, const GuitarClient::Settings& current, const chord& tuning)
    : HDialog(parent, ResourceId), initial_(current)
{
    setWindowTitle(QStringLiteral("Guitar/Strings Settings"));
    setFixedSize(Place(0, 0, DialogWidth, DialogHeight).size());

    sound_ = AddButton<QCheckBox>(110, QStringLiteral("Sound On"), Place(8, 8, 48, 10), current.soundOn != 0);
    program_ = new QComboBox(this);
    program_->setObjectName(QStringLiteral("id111"));
    program_->setGeometry(Place(60, 6, 118, 12));
    TComboBoxData programs;
    MidiDev::FillMIDIList(programs, current.program);
    MoveIntoComboBox(programs, program_);
    auto* play = new TMIDIButton(this, program_, MidiDev::lastmidi, QStringLiteral("Play"));
    play->setObjectName(QStringLiteral("id2333"));
    play->setGeometry(Place(182, 5, 36, 14));

    auto* modes = new QButtonGroup(this);
    const bool chordMode = current.mode == ChordMode;
    chordMode_ = AddButton<QRadioButton>(101, QStringLiteral("Chord/Multiple notes"), Place(8, 26, 104, 10), chordMode);
    auto* melody =
        AddButton<QRadioButton>(113, QStringLiteral("Melody/Single Note"), Place(116, 26, 102, 10), !chordMode);
    modes->addButton(chordMode_);
    modes->addButton(melody);

    auto* typing = new QButtonGroup(this);
    const bool tab = current.typingMethod == GuitarTyping::Tablature;
    tablature_ = AddButton<QRadioButton>(104, QStringLiteral("Tablature:"), Place(8, 46, 56, 10), tab);
    auto* fingerboard = AddButton<QRadioButton>(114, QStringLiteral("Fingerboard:"), Place(8, 68, 56, 10), !tab);
    typing->addButton(tablature_);
    typing->addButton(fingerboard);
    AddPicture(6103, TypingPicture::Tablature, Place(66, 41, 152, 20), tablature_);
    AddPicture(6104, TypingPicture::Fingerboard, Place(66, 63, 152, 20), fingerboard, OpenStringNames(tuning));
    AddPicture(6100, TypingPicture::ComputerKeys, Place(66, 86, 152, 30), nullptr);

    auto* tuningLabel = new QLabel(QStringLiteral("&Instrument and Tuning"), this);
    tuningLabel->setGeometry(Place(8, 119, 210, 9));
    tuning_ = new QComboBox(this);
    tuning_->setObjectName(QStringLiteral("id115"));
    tuning_->setGeometry(Place(8, 129, 210, 12));
    // Instrument and tuning names line up in columns.
    tuning_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    tuningLabel->setBuddy(tuning_);
    TComboBoxData tunings;
    FillTuningList(tunings, tuning);
    MoveIntoComboBox(tunings, tuning_);

    const int flags = current.boardFlags;
    leftHanded_ = AddButton<QCheckBox>(106, QStringLiteral("&Left-handed fingerboard"), Place(8, 146, 100, 10),
                                       flags & BoardFlag::LeftHanded);
    moveOpen_ = AddButton<QCheckBox>(109, QStringLiteral("Arrow keys move open"), Place(8, 157, 100, 10),
                                     flags & BoardFlag::ArrowsMoveOpen);
    auto* moveOpenMore = new QLabel(QStringLiteral("strings (as well as fretted)"), this);
    moveOpenMore->setGeometry(Place(20, 166, 90, 9));
    notes_ = AddButton<QCheckBox>(107, QStringLiteral("Show notes beside strings"), Place(116, 146, 106, 10),
                                  flags & BoardFlag::ShowNotes);
    spelling_ = AddButton<QCheckBox>(108, QStringLiteral("Spelling beside strings"), Place(116, 157, 106, 10),
                                     flags & BoardFlag::ShowSpelling);
    fingerings_ = AddButton<QCheckBox>(FingeringsId, QStringLiteral("&Fingerings list"), Place(116, 166, 106, 9),
                                       current.showFingerings != 0);

    auto* fretsLabel = new QLabel(QStringLiteral("Number of Frets"), this);
    fretsLabel->setGeometry(Place(8, 180, 90, 9));
    frets_ = new TMyHSlider(this, 4123, 104, 176, 102, 17, SliderThumb, MinFretPositions, MaxFretPositions - 1);
    frets_->setValue(current.fretCount - 1);
    auto* capoLabel = new QLabel(QStringLiteral("Capo Fret"), this);
    capoLabel->setGeometry(Place(8, 200, 90, 9));
    // The capo goes on a fret the neck has: its range follows the frets.
    capo_ = new TMyHSlider(this, 4124, 104, 196, 102, 17, SliderThumb, 0, frets_->value());
    capo_->setValue(current.capoFret);
    connect(frets_, &QSlider::valueChanged, capo_, [this](int frets) { capo_->setMaximum(frets); });

    liveInput_ = new LiveInputBoxes(this, Place(8, 218, 100, 10), Place(116, 218, 106, 10), current.liveInput);

    QDialogButtonBox* buttons = CreateButtonBox();
    buttons->setGeometry(Place(8, 248, 210, 16));
}

QRect GuitarSettingsDialog::Place(int x, int y, int w, int h) const
{
    return DialogUnits::Of(this).MapRect(x, y, x + w, y + h);
}

template <typename Button>
Button* GuitarSettingsDialog::AddButton(int id, const QString& text, QRect where, bool checked)
{
    auto* button = new Button(text, this);
    button->setObjectName(QStringLiteral("id%1").arg(id));
    button->setGeometry(where);
    button->setChecked(checked);
    return button;
}

void GuitarSettingsDialog::AddPicture(int id, int picture, QRect where, QRadioButton* selects,
                                      const QStringList& openStrings)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QStringLiteral("id%1").arg(id));
    button->setGeometry(where);
    button->setAutoRaise(true);
    const QSize size = where.size() - QSize(4, 4);
    button->setIconSize(size);
    button->setIcon(QIcon(MakeTypingPicture(picture, size, devicePixelRatioF(), palette(), openStrings)));
    if (selects) connect(button, &QToolButton::clicked, selects, [selects] { selects->setChecked(true); });
}

GuitarClient::Settings GuitarSettingsDialog::Chosen() const
{
    GuitarClient::Settings chosen = initial_;
    chosen.soundOn = sound_->isChecked() ? 1 : 0;
    if (program_->currentIndex() >= 0) chosen.program = program_->currentIndex();
    chosen.mode = chordMode_->isChecked() ? ChordMode : NotesMode;
    chosen.typingMethod = tablature_->isChecked() ? GuitarTyping::Tablature : GuitarTyping::Fingerboard;
    chosen.tuningIndex = tuning_->currentIndex();
    chosen.fretCount = frets_->value() + 1;
    chosen.capoFret = capo_->value();
    chosen.boardFlags = (leftHanded_->isChecked() ? BoardFlag::LeftHanded : 0) |
                        (notes_->isChecked() ? BoardFlag::ShowNotes : 0) |
                        (spelling_->isChecked() ? BoardFlag::ShowSpelling : 0) |
                        (moveOpen_->isChecked() ? BoardFlag::ArrowsMoveOpen : 0);
    chosen.showFingerings = fingerings_->isChecked() ? 1 : 0;
    chosen.liveInput = liveInput_->Chosen();
    return chosen;
}
