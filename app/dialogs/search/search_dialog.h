#pragma once
// The Search dialog (9040): pick a chord type, a scale or a key on a root,
// by clicking in the root and name lists or by typing a name such as Cm7,
// F# Major or Bb Minor. It answers with the pitch set of the choice.

#include "app/dialogs/search/search_lists.h"
#include "core/studio/find_state.h"
#include "ui/h_dialog.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class SearchModeButton;

class TSearchDialog : public HDialog {
    Q_OBJECT
public:
    static constexpr int ResourceId = 9040;
    static constexpr int GroupId = 45;
    static constexpr int NameEditId = 101;
    static constexpr int RootListId = 102;
    static constexpr int NameListId = 103;
    static constexpr int ChordButtonId = 6518;
    static constexpr int ScaleButtonId = 6516;
    static constexpr int KeyButtonId = 6517;

    // Starts in mode kind with root line rootIndex and name line nameIndex
    // selected (-1: none).
    TSearchDialog(QWidget* parent, int kind, int rootIndex, int nameIndex);

    // Empties and refills the name list for kind (0 chord, 1 scale, 2 key),
    // keeping the root and losing the name selection.
    void EnterMode(int kind);

    // After the dialog has closed: the choice and what it gives.
    int Kind() const { return kind_; }
    int RootIndex() const { return rootIndex_; }
    int NameIndex() const { return nameIndex_; }
    PitchSet Found() const { return found_; }
    PitchSet Optional() const { return optional_; }
    // The letter the root was named with in the edit, or -1.
    int RootLetter() const { return rootLetter_; }

    void done(int result) override;

private:
    void NameTyped();
    void ListClicked();
    void SelectRow(QListWidget* list, int row);

    QGroupBox* group_;
    QLineEdit* name_;
    QListWidget* roots_;
    QListWidget* names_;
    SearchModeButton* modeButtons_[3];
    TListBoxData nameLines_;
    int kind_ = SearchKind::Chord;
    int rootIndex_ = -1;
    int nameIndex_ = -1;
    PitchSet found_;
    PitchSet optional_;
    int rootLetter_ = -1;
    // Set while the dialog itself changes the edit or a selection, which
    // must not count as the user's typing or click.
    bool updating_ = false;
};

// Runs the dialog from the kind, root and name index of find. 0 after Cancel,
// with nothing written back; otherwise 1, with the pitch set (empty for an
// incomplete choice), its optional intervals and the three starting values
// written back.
int RunSearchDialog(QWidget* parent, FindState& find);
