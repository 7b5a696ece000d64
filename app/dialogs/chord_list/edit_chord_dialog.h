#pragma once
// The chord list editor (dialog 5000, Options > Chord List...): the chord
// types naming works from, edited in place. Each type has a name, an
// abbreviation (the suffix after the root) and up to eight intervals chosen
// in spelling lists, each of which may be marked optional.

#include <vector>

#include "app/dialogs/list_editor/definition_list_editor.h"
#include "core/theory/definition_records.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

class EditChordDialog : public DefinitionListEditor {
    Q_OBJECT
public:
    static constexpr int Resource = 5000;
    static constexpr int Positions = 8;  // intervals that have controls
    static constexpr int NameId = 112;
    static constexpr int AbbreviationId = 113;
    static constexpr int FirstSpellingId = 104;
    static constexpr int FirstOptionalId = 115;

    explicit EditChordDialog(QWidget* parent);

protected:
    std::vector<std::pair<QString, QString>> Lines() const override;
    void ShowRecord(int line) override;
    void AddRecordAfter(int line) override;
    void DeleteRecord(int line) override;
    bool SaveRecords(const RecordsDone& recordWritten) override;
    void ReloadRecords() override;
    void RecordsEdited() override;

private:
    ChordNameTag* Current() const;
    void NameEdited();
    void AbbreviationEdited();
    void IntervalsEdited();
    // The intervals of the fields, then those beyond the eighth that the
    // shown definition had.
    void RebuildIntervals(ChordNameTag& definition) const;

    QLineEdit* name_;
    QLineEdit* abbreviation_;
    QComboBox* spellings_[Positions];
    QCheckBox* optional_[Positions];
    QLabel* beyond_;
    // Intervals past the eighth of the shown definition, with their flags.
    std::vector<std::pair<int, std::uint8_t>> beyondIntervals_;
};

// Runs the editor modally over parent.
void RunChordListEditor(QWidget* parent);
