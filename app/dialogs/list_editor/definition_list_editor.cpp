#include "app/dialogs/list_editor/definition_list_editor.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstring>
#include <memory>

#include "app/commands/command_icons.h"
#include "app/studio/definition_lists_changed.h"
#include "controls/dialog_units.h"
#include "ui/message_dialog.h"
#include "ui/progress.h"

DefinitionListEditor::DefinitionListEditor(QWidget* parent, int resId, const QString& title, const QString& listCaption,
                                           int tabStop)
    : HDialog(parent, resId)
{
    setWindowTitle(title);
    Beep = [] { QApplication::beep(); };
    ReportSaveFailure = [this] {
        MessageDialog::Ask(this, HelpContext(), MessageDialog::Kind::Warning, windowTitle(),
                           QStringLiteral("cantrel.ini could not be written, so the list is not saved. "
                                          "Your changes are still here: try OK again, or Cancel to drop them."),
                           QDialogButtonBox::Ok, QDialogButtonBox::Ok);
    };

    list_ = new QTreeWidget(this);
    list_->setObjectName(QStringLiteral("id%1").arg(ListId));
    list_->setColumnCount(2);
    list_->setHeaderHidden(true);
    list_->setRootIsDecorated(false);
    list_->setUniformRowHeights(true);
    list_->setAllColumnsShowFocus(true);
    list_->setColumnWidth(0, DialogUnits::Of(this).ToPixelsX(tabStop));
    list_->setMinimumWidth(DialogUnits::Of(this).ToPixelsX(tabStop * 3));
    connect(list_, &QTreeWidget::itemSelectionChanged, this, &DefinitionListEditor::SelectionChanged);

    auto* caption = new QLabel(listCaption, this);
    caption->setBuddy(list_);
    // Alt+A belongs to the chord list's Abbreviation: Add takes its second
    // letter, and Delete leaves D to it.
    auto* add = new QPushButton(CommandIcon(AddId), QStringLiteral("A&dd"), this);
    add->setObjectName(QStringLiteral("id%1").arg(AddId));
    add->setAutoDefault(false);
    connect(add, &QPushButton::clicked, this, &DefinitionListEditor::Add);
    auto* remove = new QPushButton(CommandIcon(DeleteId), QStringLiteral("De&lete"), this);
    remove->setObjectName(QStringLiteral("id%1").arg(DeleteId));
    remove->setAutoDefault(false);
    connect(remove, &QPushButton::clicked, this, &DefinitionListEditor::Delete);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(add);
    buttons->addWidget(remove);
    buttons->addStretch();
    auto* listColumn = new QVBoxLayout;
    listColumn->addWidget(caption);
    listColumn->addWidget(list_, 1);
    listColumn->addLayout(buttons);

    fields_ = new QVBoxLayout;
    auto* body = new QHBoxLayout;
    body->addLayout(listColumn, 1);
    body->addLayout(fields_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(body, 1);
    layout->addWidget(CreateButtonBox());
}

int DefinitionListEditor::CurrentLine() const
{
    const QList<QTreeWidgetItem*> selected = list_->selectedItems();
    return selected.isEmpty() ? -1 : list_->indexOfTopLevelItem(selected.first());
}

void DefinitionListEditor::RefillList()
{
    const int top = list_->verticalScrollBar()->value();
    const int selected = CurrentLine();
    const QSignalBlocker quiet(list_);
    list_->clear();
    QList<QTreeWidgetItem*> items;
    for (const auto& [first, second] : Lines()) items << new QTreeWidgetItem(QStringList{first, second});
    list_->addTopLevelItems(items);
    if (QTreeWidgetItem* item = list_->topLevelItem(selected)) {
        list_->setCurrentItem(item);
        item->setSelected(true);
    }
    list_->verticalScrollBar()->setValue(top);
}

void DefinitionListEditor::SelectionChanged()
{
    const int line = CurrentLine();
    if (line < 0) return;
    updating = true;
    ShowRecord(line);
    updating = false;
}

void DefinitionListEditor::RecordsEdited()
{
    RefillList();
    DefinitionListsChanged();
}

void DefinitionListEditor::Add()
{
    // With no line selected the new record goes last. Choosing that line
    // must not fill the fields from it: they hold what the user typed (after
    // a Delete of the last line, the deleted record, which Add brings back).
    if (CurrentLine() < 0 && list_->topLevelItemCount() > 0) {
        const QSignalBlocker quiet(list_);
        SelectLine(list_->topLevelItemCount() - 1);
    }
    const int line = CurrentLine();
    if (line < 0) {
        Beep();
        return;
    }
    const int before = list_->topLevelItemCount();
    AddRecordAfter(line);
    RecordsEdited();
    // The new record is the one the fields edit from now on.
    if (list_->topLevelItemCount() > before) {
        SelectLine(line + 1);
        SelectionChanged();
    }
}

void DefinitionListEditor::SelectLine(int line)
{
    const QSignalBlocker quiet(list_);
    list_->clearSelection();
    if (QTreeWidgetItem* item = list_->topLevelItem(line)) {
        list_->setCurrentItem(item);
        item->setSelected(true);
        list_->scrollToItem(item);
    }
}

void DefinitionListEditor::Delete()
{
    const int line = CurrentLine();
    // The first record is never deleted.
    if (line <= 0) {
        Beep();
        return;
    }
    DeleteRecord(line);
    RecordsEdited();
    // The same line again: the record that followed, or none after the last.
    if (QTreeWidgetItem* item = list_->topLevelItem(line)) {
        list_->setCurrentItem(item);
        SelectionChanged();
    } else {
        list_->clearSelection();
    }
}

void DefinitionListEditor::done(int result)
{
    // A long list takes a while to write and read back: the strip shows it going.
    const long records = list_->topLevelItemCount();
    std::unique_ptr<Progress> progress;
    if (result == Accepted) {
        progress = Progress::ForLongWork(this, records, records);
        const bool saved = SaveRecords([&progress](long written) {
            if (progress) progress->Update(written);
        });
        if (!saved) {
            progress.reset();
            ReportSaveFailure();
            return;
        }
    }
    ReloadRecords();
    DefinitionListsChanged();
    progress.reset();
    HDialog::done(result);
}

void CopyTextCut(char* dst, std::size_t size, const QString& text)
{
    if (size == 0) return;
    const QByteArray bytes = text.toUtf8();
    std::size_t length = std::min<std::size_t>(bytes.size(), size - 1);
    // Never half a character: step back over continuation bytes.
    if (length < static_cast<std::size_t>(bytes.size()))
        while (length > 0 && (static_cast<unsigned char>(bytes[length]) & 0xC0) == 0x80) --length;
    std::memcpy(dst, bytes.constData(), length);
    dst[length] = '\0';
}
