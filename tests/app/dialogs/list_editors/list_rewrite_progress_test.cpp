// OK in a list editor rewrites the whole list: a long list shows the
// progress strip over the dialog while it is written, a short one does not.
#include <QApplication>

#include <functional>
#include <memory>
#include <regex>

#include "app/dialogs/chord_list/edit_chord_dialog.h"
#include "app/dialogs/tuning_list/edit_tuning_dialog.h"
#include "ui/progress.h"
#include "core/theory/definition_lists.h"
#include "list_editor_fixture.h"

namespace {

// Notes every progress strip that is shown, with the window it covers.
class ProgressWatch : public QObject {
public:
    ProgressWatch() { qApp->installEventFilter(this); }
    ~ProgressWatch() override { qApp->removeEventFilter(this); }
    std::vector<QWidget*> covered;

private:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && qobject_cast<Progress*>(watched))
            covered.push_back(static_cast<QWidget*>(watched)->parentWidget());
        return false;
    }
};

// The settings with `extra` more records after the last of `section`, each
// made from `record` with its number for "#".
std::string WithMoreRecords(std::string settings, const std::string& section, int extra, const std::string& record)
{
    const std::size_t start = settings.find("\n[" + section + "]");
    const std::size_t end = settings.find("\n[", start + 1);
    int last = 0;
    const std::string body = settings.substr(start, end - start);
    const std::regex key(R"(\n(\d+)=)");
    for (auto it = std::sregex_iterator(body.begin(), body.end(), key); it != std::sregex_iterator(); ++it)
        last = std::max(last, std::stoi((*it)[1]));
    std::string lines;
    for (int n = last + 1; n <= last + extra; ++n)
        lines += std::to_string(n) + "=" + std::regex_replace(record, std::regex("#"), std::to_string(n)) + "\n";
    settings.insert(end + 1, lines);
    return settings;
}

using ListRewriteProgressTest = ListEditorTest;

TEST_F(ListRewriteProgressTest, ALongListShowsItsProgressWhileItIsRewritten)
{
    struct Case {
        const char* name;
        std::function<std::unique_ptr<DefinitionListEditor>()> open;
        std::function<int()> records;
    };
    const Case cases[] = {
        {"chords", [this] { return std::make_unique<EditChordDialog>(frame); }, [] { return CountChordDefinitions(); }},
        {"tunings", [this] { return std::make_unique<EditTuningDialog>(frame); }, [] { return CountTunings(); }},
    };
    const std::string shipped = Settings();
    std::string longLists = WithMoreRecords(shipped, "Chords", int(Progress::LongWork), R"("x#","Chord #", 1 3 5)");
    longLists =
        WithMoreRecords(longLists, "Tunings", int(Progress::LongWork), R"("Guitar","Tuning #", E4 A5 D5 G5 B6 E6)");

    for (const bool longList : {false, true}) {
        app.reset();
        UseSettings(longList ? longLists : shipped);
        ForgetProfiles();
        Start();
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.name) + (longList ? ", long" : ", short"));
            const int records = c.records();
            EXPECT_EQ(records >= Progress::LongWork, longList);
            std::unique_ptr<DefinitionListEditor> editor = c.open();
            editor->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(editor.get()));
            ProgressWatch watch;
            editor->accept();
            EXPECT_EQ(editor->result(), QDialog::Accepted);
            EXPECT_EQ(watch.covered, longList ? std::vector<QWidget*>{editor.get()} : std::vector<QWidget*>{});
            // The strip went with the work, and every record was written and read back.
            EXPECT_EQ(editor->findChild<Progress*>(), nullptr);
            EXPECT_EQ(QApplication::overrideCursor(), nullptr);
            EXPECT_EQ(c.records(), records);
        }
    }
    EXPECT_EQ(errors.Numbers(), std::vector<int>{});
}

}  // namespace
