#include "app/dialogs/chord_list/edit_chord_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "core/theory/chord.h"
#include "core/theory/definition_lists.h"
#include "core/theory/section_writer.h"

namespace {

constexpr int ListTabStop = 50;

// "1", "2b" ... "13#": line k >= 1 stands for k - 1 semitones. "14" is left
// out, as no entry could spell it.
QString IntervalName(int semitones)
{
    char name[chord::ScaleNameSize];
    chord::GetScaleName(0, semitones, semitones >= 12, name);
    return QString::fromUtf8(name);
}

}  // namespace

EditChordDialog::EditChordDialog(QWidget* parent)
    : DefinitionListEditor(parent, Resource, QStringLiteral("Chord List"), QStringLiteral("List of Chords"),
                           ListTabStop)
{
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("id%1").arg(NameId));
    name_->setMaxLength(sizeof ChordNameTag::description - 1);
    abbreviation_ = new QLineEdit(this);
    abbreviation_->setObjectName(QStringLiteral("id%1").arg(AbbreviationId));
    abbreviation_->setMaxLength(sizeof ChordNameTag::name - 1);
    auto* texts = new QFormLayout;
    texts->addRow(QStringLiteral("&Name"), name_);
    texts->addRow(QStringLiteral("&Abbreviation"), abbreviation_);
    FieldsLayout()->addLayout(texts);

    auto* grid = new QGridLayout;
    auto* spellingLabel = new QLabel(QStringLiteral("&Spelling"), this);
    auto* optionalLabel = new QLabel(QStringLiteral("&Optional"), this);
    grid->addWidget(spellingLabel, 0, 0, 1, Positions);
    grid->addWidget(optionalLabel, 2, 0, 1, Positions);
    QStringList lines{QString()};
    for (int semitones = 0; semitones <= WidestInterval; ++semitones) lines << IntervalName(semitones);
    for (int i = 0; i < Positions; ++i) {
        spellings_[i] = new QComboBox(this);
        spellings_[i]->setObjectName(QStringLiteral("id%1").arg(FirstSpellingId + i));
        spellings_[i]->addItems(lines);
        spellings_[i]->setMaxVisibleItems(lines.size());
        connect(spellings_[i], &QComboBox::currentIndexChanged, this, &EditChordDialog::IntervalsEdited);
        optional_[i] = new QCheckBox(this);
        optional_[i]->setObjectName(QStringLiteral("id%1").arg(FirstOptionalId + i));
        optional_[i]->setToolTip(QStringLiteral("May be left out"));
        connect(optional_[i], &QCheckBox::clicked, this, &EditChordDialog::IntervalsEdited);
        grid->addWidget(spellings_[i], 1, i);
        grid->addWidget(optional_[i], 3, i, Qt::AlignHCenter);
    }
    spellingLabel->setBuddy(spellings_[0]);
    optionalLabel->setBuddy(optional_[0]);
    FieldsLayout()->addLayout(grid);
    beyond_ = new QLabel(this);
    beyond_->setObjectName(QStringLiteral("beyondIntervals"));
    FieldsLayout()->addWidget(beyond_);
    FieldsLayout()->addStretch();

    connect(name_, &QLineEdit::textChanged, this, &EditChordDialog::NameEdited);
    connect(abbreviation_, &QLineEdit::textChanged, this, &EditChordDialog::AbbreviationEdited);
    FillList();
}

ChordNameTag* EditChordDialog::Current() const { return updating ? nullptr : GetChordDefinition(CurrentLine()); }

std::vector<std::pair<QString, QString>> EditChordDialog::Lines() const
{
    std::vector<std::pair<QString, QString>> lines;
    for (const ChordNameTag* d = GetChordDefinition(0); d; d = d->next)
        lines.emplace_back(QString::fromUtf8(d->name), QString::fromUtf8(d->description));
    return lines;
}

void EditChordDialog::ShowRecord(int line)
{
    const ChordNameTag* d = GetChordDefinition(line);
    if (!d) return;
    name_->setText(QString::fromUtf8(d->description));
    abbreviation_->setText(QString::fromUtf8(d->name));
    beyondIntervals_.clear();
    QStringList beyond;
    for (int i = 0; i < Positions; ++i) {
        spellings_[i]->setCurrentIndex(0);
        optional_[i]->setChecked(false);
    }
    for (int i = 0; i < d->count && i < DefinitionSlots; ++i) {
        const bool optional = d->flags[i] & OptionalInterval;
        if (i < Positions) {
            spellings_[i]->setCurrentIndex(d->intervals[i] + 1);
            optional_[i]->setChecked(optional);
        } else {
            beyondIntervals_.emplace_back(d->intervals[i], d->flags[i]);
            beyond << IntervalName(d->intervals[i]) + (optional ? QStringLiteral("?") : QString());
        }
    }
    beyond_->setText(beyond.isEmpty() ? QString() : QStringLiteral("Also: %1").arg(beyond.join(' ')));
}

void EditChordDialog::RebuildIntervals(ChordNameTag& d) const
{
    d.count = 0;
    for (int i = 0; i < Positions; ++i) {
        const int line = spellings_[i]->currentIndex();
        if (line < 1) continue;
        d.intervals[d.count] = line - 1;
        d.flags[d.count] = optional_[i]->isChecked() ? OptionalInterval : 0;
        ++d.count;
    }
    for (const auto& [interval, flags] : beyondIntervals_) {
        if (d.count == DefinitionSlots) break;
        d.intervals[d.count] = interval;
        d.flags[d.count] = flags;
        ++d.count;
    }
}

void EditChordDialog::NameEdited()
{
    if (ChordNameTag* d = Current()) {
        CopyTextCut(d->description, sizeof d->description, name_->text());
        RecordsEdited();
    }
}

void EditChordDialog::AbbreviationEdited()
{
    if (ChordNameTag* d = Current()) {
        CopyTextCut(d->name, sizeof d->name, abbreviation_->text());
        RecordsEdited();
    }
}

void EditChordDialog::IntervalsEdited()
{
    if (ChordNameTag* d = Current()) {
        RebuildIntervals(*d);
        RecordsEdited();
    }
}

void EditChordDialog::AddRecordAfter(int line)
{
    auto* d = new ChordNameTag{};
    CopyTextCut(d->description, sizeof d->description, name_->text());
    CopyTextCut(d->name, sizeof d->name, abbreviation_->text());
    RebuildIntervals(*d);
    if (!InsertChordDefinition(line, d)) delete d;
}

void EditChordDialog::DeleteRecord(int line) { DeleteChordDefinition(line); }

void EditChordDialog::RecordsEdited()
{
    // Naming works from an index of the definitions: rebuild it.
    ChordDefinitionsChanged();
    DefinitionListEditor::RecordsEdited();
}

bool EditChordDialog::SaveRecords(const RecordsDone& recordWritten) { return WriteChordSection(recordWritten); }

void EditChordDialog::ReloadRecords()
{
    ReleaseChordList();
    InitializeChordList();
}

void RunChordListEditor(QWidget* parent)
{
    EditChordDialog dialog(parent);
    dialog.exec();
}
