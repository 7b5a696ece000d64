#include "app/components/analyzer/analyzer_settings_dialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/components/analyzer/analyzer_client.h"
#include "app/components/analyzer/analyzer_label_pictures.h"
#include "core/studio/component_types.h"
#include "app/studio/list_box_transfer.h"
#include "controls/led_button.h"
#include "core/midi/midi_dev.h"
#include "ui/tmidi_button.h"
#include "core/theory/list_data.h"

namespace {
constexpr int SoundId = 110;
constexpr int ProgramId = 111;
constexpr int TestButtonId = 2333;
constexpr int ChordModeId = 101;
constexpr int NotesModeId = 113;
constexpr int HistorySizeId = 103;
constexpr int FirstViewId = 151;
constexpr int ViewLed = 2;
constexpr int ViewColumnWidth = 26;
constexpr int HistorySizeDigits = 4;

QString Id(int id) { return QStringLiteral("id%1").arg(id); }

template <typename Widget>
Widget* Named(Widget* widget, int id)
{
    widget->setObjectName(Id(id));
    return widget;
}
}  // namespace

AnalyzerSettingsDialog::AnalyzerSettingsDialog(QWidget* parent, const AnalyzerClient* analyzer)
    : HDialog(parent, ResourceNumber)
{
    setWindowTitle(QStringLiteral("Analyzer Settings"));
    auto* layout = new QVBoxLayout(this);

    // Sound and program.
    auto* soundRow = new QHBoxLayout;
    sound_ = Named(new QCheckBox(QStringLiteral("&Sound On"), this), SoundId);
    sound_->setChecked(analyzer->SoundOn != 0);
    program_ = Named(new QComboBox(this), ProgramId);
    TComboBoxData programs;
    MidiDev::FillMIDIList(programs, analyzer->Chord.program);
    MoveIntoComboBox(programs, program_);
    auto* programLabel = new QLabel(QStringLiteral("&Program"), this);
    programLabel->setBuddy(program_);
    auto* test = Named(new TMIDIButton(this, program_, MidiDev::lastmidi, QStringLiteral("&Test")), TestButtonId);
    test->setAutoDefault(false);
    soundRow->addWidget(sound_);
    soundRow->addSpacing(12);
    soundRow->addWidget(programLabel);
    soundRow->addWidget(program_, 1);
    soundRow->addWidget(test);
    layout->addLayout(soundRow);

    // How arriving chords are listed, and how many are kept.
    auto* options = new QHBoxLayout;
    auto* display = new QGroupBox(QStringLiteral("Display Input As"), this);
    auto* displayLayout = new QVBoxLayout(display);
    chordMode_ = Named(new QRadioButton(QStringLiteral("&Chord"), display), ChordModeId);
    notesMode_ = Named(new QRadioButton(QStringLiteral("&Notes"), display), NotesModeId);
    chordMode_->setChecked(analyzer->Mode == ChordMode);
    notesMode_->setChecked(analyzer->Mode == NotesMode);
    displayLayout->addWidget(chordMode_);
    displayLayout->addWidget(notesMode_);
    auto* list = new QGroupBox(QStringLiteral("List Options"), this);
    auto* listLayout = new QGridLayout(list);
    historySize_ = Named(new QLineEdit(QString::number(analyzer->HistorySize), list), HistorySizeId);
    historySize_->setMaxLength(HistorySizeDigits);
    historySize_->setValidator(new QIntValidator(1, AnalyzerClient::MaxHistorySize, historySize_));
    historySize_->setMaximumWidth(historySize_->fontMetrics().horizontalAdvance(QStringLiteral("99999")) + 12);
    auto* sizeLabel = new QLabel(QStringLiteral("&History Size"), list);
    sizeLabel->setBuddy(historySize_);
    listLayout->addWidget(sizeLabel, 0, 0);
    listLayout->addWidget(historySize_, 0, 1);
    listLayout->addWidget(new QLabel(QStringLiteral("entries, 1 to %1").arg(AnalyzerClient::MaxHistorySize), list), 1,
                          0, 1, 2);
    options->addWidget(display);
    options->addWidget(list, 1);
    layout->addLayout(options);

    // The analysis view: five LED buttons under their slanted names, the
    // chosen one described beside them.
    auto* views = new QGroupBox(QStringLiteral("Analysis"), this);
    auto* viewsLayout = new QGridLayout(views);
    const QStringList names{QStringLiteral("Notes"), QStringLiteral("Chord"), QStringLiteral("Key"),
                            QStringLiteral("Scale"), QStringLiteral("Interval")};
    viewsLayout->addWidget(new ViewLabelsPicture(views, names, ViewColumnWidth), 0, 1, Qt::AlignLeft | Qt::AlignBottom);
    viewsLayout->addWidget(new InputLabelPicture(views), 0, 0, 2, 1);
    auto* leds = new QHBoxLayout;
    leds->setSpacing(0);
    auto* choice = new QButtonGroup(views);
    for (int i = 0; i < AnalyzerView::Count; ++i) {
        views_[i] = new LEDButton(views, FirstViewId + i, i, ViewLed);
        views_[i]->setToolTip(names[i]);
        views_[i]->setChecked(analyzer->OutputView == i);
        choice->addButton(views_[i], i);
        auto* cell = new QWidget(views);
        cell->setFixedWidth(ViewColumnWidth);
        auto* cellLayout = new QHBoxLayout(cell);
        cellLayout->setContentsMargins(0, 0, 0, 0);
        cellLayout->addWidget(views_[i], 0, Qt::AlignCenter);
        leds->addWidget(cell);
    }
    leds->addStretch();
    viewsLayout->addLayout(leds, 1, 1);
    auto* info = Named(new QLabel(views), LEDButton::InfoControlId);
    info->setWordWrap(true);
    info->setMinimumWidth(180);
    info->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    for (LEDButton* view : views_)
        if (view->isChecked()) info->setText(view->InfoText());
    viewsLayout->addWidget(info, 0, 2, 2, 1);
    viewsLayout->setColumnStretch(2, 1);
    layout->addWidget(views);

    layout->addWidget(CreateButtonBox());
}

void AnalyzerSettingsDialog::Apply(AnalyzerClient* analyzer) const
{
    const int oldMode = analyzer->Mode;
    const int oldView = analyzer->OutputView;
    analyzer->SetSound(sound_->isChecked() ? 1 : 0);
    if (chordMode_->isChecked()) analyzer->SetMode(ChordMode);
    if (notesMode_->isChecked()) analyzer->SetMode(NotesMode);
    analyzer->OutputView = 0;
    for (int i = 0; i < AnalyzerView::Count; ++i)
        if (views_[i]->isChecked()) analyzer->OutputView = i;
    if (program_->currentIndex() >= 0) analyzer->Chord.program = program_->currentIndex();
    // Anything but a whole number from 1 to 9999 leaves the size as it was.
    bool number = false;
    const int size = historySize_->text().trimmed().toInt(&number, 10);
    if (number && AnalyzerClient::ValidHistorySize(size)) {
        analyzer->HistorySize = size;
        analyzer->TrimHistory(size);
    }
    if (analyzer->Mode != oldMode) analyzer->RefreshHistoryLines();
    if (analyzer->OutputView != oldView) analyzer->Analyze();
}

int RunAnalyzerSettingsDialog(AnalyzerClient* analyzer)
{
    AnalyzerSettingsDialog dialog(QApplication::activeWindow(), analyzer);
    if (dialog.exec() != QDialog::Accepted) return 0;
    dialog.Apply(analyzer);
    return 1;
}
