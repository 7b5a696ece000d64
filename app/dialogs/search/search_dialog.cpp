#include "app/dialogs/search/search_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "app/dialogs/search/search_mode_button.h"
#include "app/dialogs/search/search_text.h"
#include "app/dialogs/search/tab_stop_delegate.h"
#include "app/studio/list_box_transfer.h"
#include "controls/dialog_units.h"

namespace {

struct Mode {
    int kind;
    int buttonId;
    const char* caption;
    const char* groupText;
};
constexpr Mode modes[3] = {
    {SearchKind::Chord, TSearchDialog::ChordButtonId, "Search for Chord", "Chord to find"},
    {SearchKind::Scale, TSearchDialog::ScaleButtonId, "Search for Scale", "Scale to find"},
    {SearchKind::Key, TSearchDialog::KeyButtonId, "Search for Key", "Key to find"},
};

constexpr int NameTabStop = 50;  // dialog units

int SelectedRow(const QListWidget* list)
{
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.first());
}

}  // namespace

TSearchDialog::TSearchDialog(QWidget* parent, int kind, int rootIndex, int nameIndex)
    : HDialog(parent, ResourceId), kind_(kind), rootIndex_(rootIndex), nameIndex_(nameIndex)
{
    setWindowTitle(QString::fromUtf8(modes[0].caption));
    const DialogUnits units(font());

    group_ = new QGroupBox(QString::fromUtf8(modes[0].groupText), this);
    group_->setObjectName(QStringLiteral("id%1").arg(GroupId));
    name_ = new QLineEdit(group_);
    name_->setObjectName(QStringLiteral("id%1").arg(NameEditId));
    name_->setMaxLength(SearchTextLimit);
    roots_ = new QListWidget(group_);
    roots_->setObjectName(QStringLiteral("id%1").arg(RootListId));
    names_ = new QListWidget(group_);
    names_->setObjectName(QStringLiteral("id%1").arg(NameListId));
    names_->setItemDelegate(new TabStopDelegate(names_, units.ToPixelsX(NameTabStop)));
    for (QListWidget* list : {roots_, names_}) {
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setUniformItemSizes(true);
    }
    // The roots are short names: the names list takes the width there is.
    roots_->setFixedWidth(qMax(units.ToPixelsX(36), roots_->minimumSizeHint().width()));
    names_->setMinimumWidth(units.ToPixelsX(NameTabStop + 120));
    // Long descriptions are cut short rather than scrolled sideways.
    names_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* nameLabel = new QLabel(QStringLiteral("&Name"), group_);
    nameLabel->setBuddy(name_);
    auto* rootLabel = new QLabel(QStringLiteral("&Root"), group_);
    rootLabel->setBuddy(roots_);
    auto* namesLabel = new QLabel(QStringLiteral("&Type"), group_);
    namesLabel->setBuddy(names_);
    auto* grid = new QGridLayout(group_);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(name_, 0, 1);
    grid->addWidget(rootLabel, 1, 0);
    grid->addWidget(namesLabel, 1, 1);
    grid->addWidget(roots_, 2, 0);
    grid->addWidget(names_, 2, 1);
    grid->setColumnStretch(1, 1);
    grid->setRowStretch(2, 1);

    auto* buttonRow = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        modeButtons_[i] = new SearchModeButton(this, modes[i].buttonId, modes[i].kind);
        buttonRow->addWidget(modeButtons_[i]);
        connect(modeButtons_[i], &QPushButton::clicked, this, [this, i] { EnterMode(modes[i].kind); });
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_, 1);
    layout->addLayout(buttonRow);
    QDialogButtonBox* box = CreateButtonBox();
    layout->addWidget(box);

    setTabOrder(name_, roots_);
    setTabOrder(roots_, names_);
    setTabOrder(names_, modeButtons_[0]);
    setTabOrder(modeButtons_[0], modeButtons_[1]);
    setTabOrder(modeButtons_[1], modeButtons_[2]);
    setTabOrder(modeButtons_[2], box);

    connect(name_, &QLineEdit::textChanged, this, &TSearchDialog::NameTyped);
    connect(roots_, &QListWidget::itemSelectionChanged, this, &TSearchDialog::ListClicked);
    connect(names_, &QListWidget::itemSelectionChanged, this, &TSearchDialog::ListClicked);

    TListBoxData roots;
    FillSearchRootList(roots);
    MoveIntoListWidget(roots, roots_);
    // All twelve roots in view, and as many names beside them.
    const int listHeight = 12 * roots_->sizeHintForRow(0) + 2 * roots_->frameWidth();
    roots_->setMinimumHeight(listHeight);
    names_->setMinimumHeight(listHeight);
    SelectRow(roots_, rootIndex);
    // A damaged stored kind starts in chord mode rather than with no mode,
    // where the Chord button would stay disabled over an empty list.
    const bool known = kind >= SearchKind::Chord && kind <= SearchKind::Key;
    EnterMode(known ? kind : SearchKind::Chord);
    SelectRow(names_, nameIndex);
    // The last choice comes back with its name, so OK alone repeats it.
    if (SelectedRow(roots_) >= 0 && SelectedRow(names_) >= 0) ListClicked();
    name_->setFocus();
}

void TSearchDialog::SelectRow(QListWidget* list, int row)
{
    const bool was = updating_;
    updating_ = true;
    list->clearSelection();
    if (QListWidgetItem* item = list->item(row)) {
        list->setCurrentItem(item);
        item->setSelected(true);
        list->scrollToItem(item);
    }
    updating_ = was;
}

void TSearchDialog::EnterMode(int kind)
{
    kind_ = kind;
    for (int i = 0; i < 3; ++i) {
        if (modes[i].kind != kind) continue;
        setWindowTitle(QString::fromUtf8(modes[i].caption));
        group_->setTitle(QString::fromUtf8(modes[i].groupText));
    }
    for (SearchModeButton* button : modeButtons_) button->setEnabled(button->Kind() != kind);
    const bool was = updating_;
    updating_ = true;
    FillSearchNameList(nameLines_, kind);
    MoveIntoListWidget(nameLines_, names_);
    names_->setCurrentRow(-1);
    updating_ = was;
}

void TSearchDialog::NameTyped()
{
    if (updating_) return;
    updating_ = true;
    const QString typed = name_->text();
    const std::string tidy = TidySearchText(typed.toStdString());
    if (tidy != typed.toStdString()) {
        // Put back without moving the caret or the selection.
        const int cursor = name_->cursorPosition();
        const int selectionStart = name_->selectionStart();
        const int selectionLength = int(name_->selectedText().size());
        name_->setText(QString::fromStdString(tidy));
        if (selectionStart >= 0)
            name_->setSelection(selectionStart, selectionLength);
        else
            name_->setCursorPosition(cursor);
    }
    const SearchTextReading reading = ReadSearchText(tidy);
    if (reading.root >= 0) {
        SelectRow(roots_, reading.root);
        const int line = FindLineForName(nameLines_.strings, reading.name);
        if (line >= 0) SelectRow(names_, line);
    }
    updating_ = false;
}

void TSearchDialog::ListClicked()
{
    if (updating_) return;
    const int root = SelectedRow(roots_);
    const int line = SelectedRow(names_);
    if (root < 0 || line < 0) return;
    const QString separator = kind_ == SearchKind::Chord ? QString() : QStringLiteral(" ");
    const QString name = names_->item(line)->text().section(QLatin1Char('\t'), 0, 0);
    name_->setText(roots_->item(root)->text() + separator + name);
    // The typed name finds the first line it begins; the line clicked stays.
    SelectRow(roots_, root);
    SelectRow(names_, line);
}

void TSearchDialog::done(int result)
{
    rootIndex_ = SelectedRow(roots_);
    nameIndex_ = SelectedRow(names_);
    found_ = PitchSet();
    optional_ = PitchSet();
    rootLetter_ = -1;
    if (result == Accepted && rootIndex_ >= 0 && nameIndex_ >= 0 && !name_->text().isEmpty()) {
        const std::uintptr_t data =
            nameIndex_ < int(nameLines_.itemData.size()) ? nameLines_.itemData[std::size_t(nameIndex_)] : 0;
        found_ = SearchPitchSet(kind_, rootIndex_, data, &optional_);
        // The name's own spelling of the root, when it names the root chosen.
        const SearchTextReading typed = ReadSearchText(name_->text().toStdString());
        rootLetter_ = typed.root == rootIndex_ ? typed.rootLetter : -1;
    }
    HDialog::done(result);
}

int RunSearchDialog(QWidget* parent, FindState& find)
{
    TSearchDialog dialog(parent, find.kind, find.rootIndex, find.nameIndex);
    if (dialog.exec() != QDialog::Accepted) return 0;
    find.found = dialog.Found();
    find.optional = dialog.Optional();
    find.kind = dialog.Kind();
    find.rootIndex = dialog.RootIndex();
    find.nameIndex = dialog.NameIndex();
    find.rootLetter = dialog.RootLetter();
    return 1;
}
