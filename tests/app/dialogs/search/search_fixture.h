#pragma once
// The shipped definition lists on a scratch copy of cantrel.ini, and ways to
// reach the Search dialog's controls.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>

#include <filesystem>
#include <string>

#include "app/dialogs/search/search_dialog.h"
#include "core/services/file_names.h"
#include "core/services/profile.h"
#include "core/theory/definition_lists.h"
#include "support/error_recorder.h"
#include "support/scratch_dir.h"

// Loads the shipped lists from a copy of cantrel.ini at path.
inline void LoadShippedLists(const std::string& path)
{
    std::filesystem::copy_file(std::string(CANTREL_SOURCE_DIR) + "/data/cantrel.ini", path,
                               std::filesystem::copy_options::overwrite_existing);
    ForgetProfiles();
    UseINIFileName(path.c_str());
    ASSERT_TRUE(InitializeChordList());
    ASSERT_TRUE(InitializeScaleList());
    ASSERT_TRUE(InitializeKeyList());
}

inline void ReleaseShippedLists()
{
    ReleaseChordList();
    ReleaseScaleList();
    ReleaseKeyList();
}

inline QLineEdit* NameEdit(QWidget* dialog)
{
    return dialog->findChild<QLineEdit*>(QStringLiteral("id%1").arg(TSearchDialog::NameEditId));
}
inline QListWidget* SearchList(QWidget* dialog, int id)
{
    return dialog->findChild<QListWidget*>(QStringLiteral("id%1").arg(id));
}
// The selected line of list id, -1 for none.
inline int SelectedLine(QWidget* dialog, int id)
{
    const QList<QListWidgetItem*> selected = SearchList(dialog, id)->selectedItems();
    return selected.isEmpty() ? -1 : SearchList(dialog, id)->row(selected.first());
}
inline QString SelectedText(QWidget* dialog, int id)
{
    const int line = SelectedLine(dialog, id);
    return line < 0 ? QString() : SearchList(dialog, id)->item(line)->text();
}

// The pitch-set word of root with the pitch classes pcs.
inline unsigned PitchWord(int root, std::initializer_list<int> pcs)
{
    unsigned word = unsigned(root);
    for (int pc : pcs) word |= 1u << (4 + pc);
    return word;
}
