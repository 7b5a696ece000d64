#pragma once
// The whole program on scratch settings, with a list editor to drive: its
// controls by id, its list lines, and the beeps it gives.

#include <fstream>
#include <iterator>
#include <string>

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>

#include "app/dialogs/list_editor/definition_list_editor.h"
#include "app/shell_fixture.h"
#include "support/test_settings.h"

class ListEditorTest : public ShellTest {
public:
    template <typename Widget>
    static Widget* Control(const QWidget& dialog, int id)
    {
        auto* widget = dialog.findChild<Widget*>(QStringLiteral("id%1").arg(id));
        EXPECT_NE(widget, nullptr) << id;
        return widget;
    }
    static QComboBox* Combo(const QWidget& d, int id) { return Control<QComboBox>(d, id); }
    static QLineEdit* Edit(const QWidget& d, int id) { return Control<QLineEdit>(d, id); }
    static void Click(const QWidget& d, int id) { Control<QPushButton>(d, id)->click(); }

    // The texts chosen in `count` drop-down lists from id on.
    static QStringList Choices(const QWidget& d, int id, int count)
    {
        QStringList texts;
        for (int i = 0; i < count; ++i) texts << Combo(d, id + i)->currentText();
        return texts;
    }

protected:
    // Replaces the settings file before the program starts.
    void UseSettings(const std::string& contents)
    {
        std::ofstream(TestSettings::File(), std::ios::binary | std::ios::trunc) << contents;
    }
    std::string Settings() const
    {
        std::ifstream in(TestSettings::File(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    void Watch(DefinitionListEditor& editor)
    {
        editor.Beep = [this] { ++beeps; };
    }
    static void Select(DefinitionListEditor& editor, int line)
    {
        editor.List()->setCurrentItem(editor.List()->topLevelItem(line));
    }
    static QString Line(const DefinitionListEditor& editor, int line)
    {
        const QTreeWidgetItem* item = editor.List()->topLevelItem(line);
        return item ? item->text(0) + '\t' + item->text(1) : QString();
    }
    // Line `key` of section in the settings file as written, or "".
    std::string RawEntry(const std::string& section, int key) const
    {
        const std::string text = Settings();
        std::size_t at = text.find("\n[" + section + "]\n");
        const std::string wanted = "\n" + std::to_string(key) + "=";
        at = text.find(wanted, at);
        if (at == std::string::npos) return {};
        at += 1;
        return text.substr(at, text.find('\n', at) - at);
    }

    int beeps = 0;
};
