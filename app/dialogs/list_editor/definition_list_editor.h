#pragma once
// What the chord list and the tuning list editors share: they edit a live
// definition list in place. The list (control 103) shows one line per
// record; Add (6514) links a record made from the fields behind the selected
// one (behind the last when none is) and selects it, Delete (6513) removes
// the selected one (never the first); OK rewrites the list's section of the
// settings file, and OK and Cancel both reload the list from the file, so
// Cancel drops every edit.

#include <QString>

#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include "ui/h_dialog.h"
#include "core/theory/section_writer.h"

class QBoxLayout;
class QPushButton;
class QTreeWidget;

class DefinitionListEditor : public HDialog {
    Q_OBJECT
public:
    static constexpr int ListId = 103;
    static constexpr int AddId = 6514;
    static constexpr int DeleteId = 6513;

    QTreeWidget* List() const { return list_; }
    // The selected line, or -1.
    int CurrentLine() const;

    // The default message beep; tests count it instead.
    std::function<void()> Beep;
    // Tells that the settings file could not be written; the dialog stays
    // open with the edits.
    std::function<void()> ReportSaveFailure;

    void done(int result) override;

protected:
    // tabStop: the width of the list's first column, in dialog units.
    DefinitionListEditor(QWidget* parent, int resId, const QString& title, const QString& listCaption, int tabStop);

    // The subclass builds its fields into this layout, beside the list.
    QBoxLayout* FieldsLayout() const { return fields_; }

    // Refills the list from the records, keeping its top line and its
    // selection by index, without showing the selection again.
    void RefillList();
    // Call once the fields exist.
    void FillList() { RefillList(); }

    // Set while the fields are filled from a record, so that their change
    // notifications do not write back.
    bool updating = false;

    // The two columns of every record's line, in list order.
    virtual std::vector<std::pair<QString, QString>> Lines() const = 0;
    // Fills the fields from the record on `line`.
    virtual void ShowRecord(int line) = 0;
    // Links a new record made from the fields behind the record on `line`.
    virtual void AddRecordAfter(int line) = 0;
    // Unlinks and frees the record on `line` (never 0).
    virtual void DeleteRecord(int line) = 0;
    // Writes the list's section, telling recordWritten of each record done;
    // false when the file could not be written.
    virtual bool SaveRecords(const RecordsDone& recordWritten) = 0;
    // Releases the list and loads it again from the settings file.
    virtual void ReloadRecords() = 0;
    // A record was changed in place.
    virtual void RecordsEdited();

private:
    void SelectionChanged();
    // Selects line without showing it in the fields.
    void SelectLine(int line);
    void Add();
    void Delete();

    QTreeWidget* list_;
    QBoxLayout* fields_;
};

// Copies the UTF-8 form of text into dst (size bytes with the terminating
// zero), cut silently at a whole character.
void CopyTextCut(char* dst, std::size_t size, const QString& text);
