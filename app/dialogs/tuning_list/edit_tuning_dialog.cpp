#include "app/dialogs/tuning_list/edit_tuning_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/services/error.h"
#include "core/theory/chord.h"
#include "core/theory/definition_lists.h"
#include "core/theory/section_writer.h"
#include "core/theory/shown_notes.h"

namespace {

constexpr int ListTabStop = 100;
constexpr int InstrumentsFullMessage = 402;
// The notes a string list offers: A1 (0) up to G#9 (107).
constexpr NOTES HighestOpenNote = 107;

QString InstrumentName(int number)
{
    const char* name = GetInstrument(number);
    return QString::fromUtf8(name ? name : "");
}

}  // namespace

EditTuningDialog::EditTuningDialog(QWidget* parent)
    : DefinitionListEditor(parent, Resource, QStringLiteral("Strings Tuning List"), QStringLiteral("List of Tunings"),
                           ListTabStop)
{
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("id%1").arg(NameId));
    name_->setMaxLength(sizeof TuningNameTag::name - 1);
    instrument_ = new QComboBox(this);
    instrument_->setObjectName(QStringLiteral("id%1").arg(InstrumentId));
    instrument_->setEditable(true);
    // A typed name joins the instrument table, not this box's list.
    instrument_->setInsertPolicy(QComboBox::NoInsert);
    instrument_->lineEdit()->setMaxLength(InstrumentNameSize - 1);
    QStringList instruments;
    for (int i = 0; GetInstrument(i); ++i) instruments << InstrumentName(i);
    instruments.sort(Qt::CaseInsensitive);
    instrument_->addItems(instruments);
    auto* texts = new QFormLayout;
    texts->addRow(QStringLiteral("&Name"), name_);
    texts->addRow(QStringLiteral("&Instrument"), instrument_);
    FieldsLayout()->addLayout(texts);

    // Spelled as the Preferences say at the time the dialog opens.
    QStringList notes{QString()};
    for (NOTES n = 0; n <= HighestOpenNote; ++n) notes << QString::fromStdString(ShownFullNoteName(n));
    auto* grid = new QGridLayout;
    auto* stringsLabel = new QLabel(QStringLiteral("&String Notes"), this);
    grid->addWidget(stringsLabel, 0, 0, 1, DefinitionSlots / 2);
    for (int i = 0; i < DefinitionSlots; ++i) {
        strings_[i] = new QComboBox(this);
        strings_[i]->setObjectName(QStringLiteral("id%1").arg(FirstStringId + i));
        strings_[i]->addItems(notes);
        strings_[i]->setMaxVisibleItems(24);
        connect(strings_[i], &QComboBox::currentIndexChanged, this, &EditTuningDialog::StringsEdited);
        grid->addWidget(strings_[i], 1 + i / (DefinitionSlots / 2), i % (DefinitionSlots / 2));
    }
    stringsLabel->setBuddy(strings_[0]);
    FieldsLayout()->addLayout(grid);
    FieldsLayout()->addStretch();

    connect(name_, &QLineEdit::textChanged, this, &EditTuningDialog::NameEdited);
    connect(instrument_, &QComboBox::activated, this, &EditTuningDialog::InstrumentChosen);
    instrument_->installEventFilter(this);
    instrument_->lineEdit()->installEventFilter(this);
    FillList();
}

TuningNameTag* EditTuningDialog::Current() const { return updating ? nullptr : GetTuning(CurrentLine()); }

std::vector<std::pair<QString, QString>> EditTuningDialog::Lines() const
{
    std::vector<std::pair<QString, QString>> lines;
    for (const TuningNameTag* t = GetTuning(0); t; t = t->next)
        lines.emplace_back(InstrumentName(t->instrument), QString::fromUtf8(t->name));
    return lines;
}

void EditTuningDialog::ShowRecord(int line)
{
    const TuningNameTag* t = GetTuning(line);
    if (!t) return;
    name_->setText(QString::fromUtf8(t->name));
    instrument_->setEditText(InstrumentName(t->instrument));
    for (QComboBox* list : strings_) list->setCurrentIndex(0);
    // Slot 0 holds the last string: the first string stands leftmost.
    for (int i = 0; i < t->count && i < DefinitionSlots; ++i) {
        const NOTES note = t->strings[i];
        strings_[t->count - 1 - i]->setCurrentIndex(note >= 0 && note <= HighestOpenNote ? note + 1 : 0);
    }
}

void EditTuningDialog::RebuildStrings(TuningNameTag& t) const
{
    t.count = 0;
    for (NOTES& s : t.strings) s = NoNote;
    for (int i = DefinitionSlots - 1; i >= 0; --i) {
        const int line = strings_[i]->currentIndex();
        if (line >= 1) t.strings[t.count++] = line - 1;
    }
}

int EditTuningDialog::InstrumentNumber(const QString& typed, int fallback)
{
    // A double quote could not be read back from the settings file.
    QString name = typed;
    name.replace('"', '\'');
    char cut[InstrumentNameSize];
    CopyTextCut(cut, sizeof cut, name);
    const int number = InstrumentIndex(cut);
    if (number >= 0) return number;
    Error(InstrumentsFullMessage, MaxInstruments);
    return fallback;
}

void EditTuningDialog::SetInstrument(TuningNameTag& t, const QString& name)
{
    t.instrument = InstrumentNumber(name, t.instrument);
    const QSignalBlocker quiet(instrument_);
    instrument_->setEditText(InstrumentName(t.instrument));
    RecordsEdited();
}

void EditTuningDialog::NameEdited()
{
    if (TuningNameTag* t = Current()) {
        CopyTextCut(t->name, sizeof t->name, name_->text());
        RecordsEdited();
    }
}

void EditTuningDialog::InstrumentLeft()
{
    if (TuningNameTag* t = Current()) SetInstrument(*t, instrument_->currentText());
}

void EditTuningDialog::InstrumentChosen(int index)
{
    TuningNameTag* t = Current();
    if (t && index >= 0) SetInstrument(*t, instrument_->itemText(index));
}

void EditTuningDialog::StringsEdited()
{
    if (TuningNameTag* t = Current()) {
        RebuildStrings(*t);
        RecordsEdited();
    }
}

bool EditTuningDialog::eventFilter(QObject* watched, QEvent* event)
{
    // Leaving the box takes its text; moving between the box and its own
    // edit field is no leaving.
    if (event->type() == QEvent::FocusOut && (watched == instrument_ || watched == instrument_->lineEdit())) {
        QWidget* next = QApplication::focusWidget();
        if (next != instrument_ && next != instrument_->lineEdit()) InstrumentLeft();
    }
    return DefinitionListEditor::eventFilter(watched, event);
}

void EditTuningDialog::AddRecordAfter(int line)
{
    const TuningNameTag* current = GetTuning(line);
    auto* t = new TuningNameTag{};
    CopyTextCut(t->name, sizeof t->name, name_->text());
    t->instrument = InstrumentNumber(instrument_->currentText(), current ? current->instrument : 0);
    RebuildStrings(*t);
    if (!InsertTuning(line, t)) delete t;
}

void EditTuningDialog::DeleteRecord(int line) { DeleteTuning(line); }

bool EditTuningDialog::SaveRecords(const RecordsDone& recordWritten) { return WriteTuningSection(recordWritten); }

void EditTuningDialog::ReloadRecords()
{
    // The table is rebuilt from the instruments the saved tunings name.
    ReleaseInstruments();
    ReleaseTuningList();
    InitializeTuningList();
}

void RunTuningListEditor(QWidget* parent)
{
    EditTuningDialog dialog(parent);
    dialog.exec();
}
