#pragma once
// The tuning list editor (dialog 5001, Options > String Tuning List...): the
// tunings of the string instruments, edited in place. Each tuning has a
// name, an instrument (chosen or typed, a new name joins the instrument
// table) and the open notes of up to twelve strings, first string leftmost.

#include "app/dialogs/list_editor/definition_list_editor.h"
#include "core/theory/definition_records.h"

class QComboBox;
class QLineEdit;

class EditTuningDialog : public DefinitionListEditor {
    Q_OBJECT
public:
    static constexpr int Resource = 5001;
    static constexpr int NameId = 106;
    static constexpr int InstrumentId = 118;
    static constexpr int FirstStringId = 120;

    explicit EditTuningDialog(QWidget* parent);

protected:
    std::vector<std::pair<QString, QString>> Lines() const override;
    void ShowRecord(int line) override;
    void AddRecordAfter(int line) override;
    void DeleteRecord(int line) override;
    bool SaveRecords(const RecordsDone& recordWritten) override;
    void ReloadRecords() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    TuningNameTag* Current() const;
    void NameEdited();
    void InstrumentLeft();
    void InstrumentChosen(int index);
    // The instrument table's number for name, a new name joining the table;
    // when the table is full that is said (message 402) and `fallback` kept.
    int InstrumentNumber(const QString& name, int fallback);
    void SetInstrument(TuningNameTag& tuning, const QString& name);
    void StringsEdited();
    void RebuildStrings(TuningNameTag& tuning) const;

    QLineEdit* name_;
    QComboBox* instrument_;
    QComboBox* strings_[DefinitionSlots];
};

// Runs the editor modally over parent.
void RunTuningListEditor(QWidget* parent);
