// Octave numbers from C or from A in the running program: every note shown or
// typed follows the Preferences, and what is stored or exchanged (the studio
// file, cantrel.ini, the clipboard's text) stays the same byte for byte.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QPushButton>
#include <QHelpEvent>
#include <QTest>

#include <fstream>
#include <iterator>

#include "app/commands/component_commands.h"
#include "app/commands/shell_commands.h"
#include "app/commands/studio_commands.h"
#include "app/components/guitar/guitar_client.h"
#include "app/components/keyboard/keyboard_client.h"
#include "app/components/keyboard/keyboard_settings_dialog.h"
#include "app/components/keyboard/tkey_slider.h"
#include "app/dialogs/alt_key.h"
#include "app/dialogs/preferences/preferences_dialog.h"
#include "app/dialogs/tuning_list/edit_tuning_dialog.h"
#include "app/dialogs/when_modal.h"
#include "app/shell_fixture.h"
#include "app/tool_tip_at.h"
#include "controls/toggle_box.h"
#include "core/studio/component_types.h"
#include "core/theory/definition_lists.h"
#include "core/theory/octave_numbering.h"

namespace {

constexpr int OctavesToggle = 123;
constexpr int OpenG = 5;  // "Guitar","Open G" in the shipped [Tunings]

template <typename Control>
Control* Find(QWidget* dialog, int id)
{
    auto* control = dialog->findChild<Control*>(QStringLiteral("id%1").arg(id));
    EXPECT_NE(control, nullptr) << id;
    return control;
}

QStringList Strings(QWidget* dialog)
{
    QStringList texts;
    for (int i = 0; i < 12; ++i) texts << Find<QComboBox>(dialog, EditTuningDialog::FirstStringId + i)->currentText();
    return texts;
}

std::string FileText(const std::string& path)
{
    FlushProfiles();
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class OctaveNumbersTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        ASSERT_TRUE(StartActive());
        studio->ChooseNewComponent = [] { return ComponentKind::Keyboard; };
        studio->Command(StudioCommand::NewComponent);
        keyboard = dynamic_cast<KeyboardClient*>(mmMDIChild::ActiveComponent()->Client());
        ASSERT_NE(keyboard, nullptr);
        studio->ChooseNewComponent = [] { return ComponentKind::Guitar; };
        studio->Command(StudioCommand::NewComponent);
        guitar = dynamic_cast<GuitarClient*>(mmMDIChild::ActiveComponent()->Client());
        ASSERT_NE(guitar, nullptr);
        ASSERT_STREQ(GetTuning(OpenG)->name, "Open G");
    }

    // Options > Preferences..., the octave switch turned by its Alt key when it must change.
    void ChooseInPreferences(OctaveNumbering numbering)
    {
        WhenModal<PreferencesDialog>([numbering](PreferencesDialog* d) {
            if (Find<ToggleBox>(d, OctavesToggle)->isChecked() != (numbering == OctaveNumbering::FromC))
                PressAltKey(d, Qt::Key_B);
            QTest::mouseClick(Find<QPushButton>(d, 1), Qt::LeftButton);
        });
        frame->Command(ShellCommand::Preferences);
    }

    // Options > String Tuning List..., worked by `work`, then OK or Cancel.
    void EditTunings(std::function<void(EditTuningDialog*)> work, bool ok)
    {
        WhenModal<EditTuningDialog>([work, ok](EditTuningDialog* d) {
            work(d);
            ok ? d->accept() : d->reject();
        });
        frame->Command(ShellCommand::TuningList);
    }

    KeyboardClient* keyboard = nullptr;
    GuitarClient* guitar = nullptr;
};

}  // namespace

TEST_F(OctaveNumbersTest, EveryNoteShownOrTypedFollowsThePreferences)
{
    // A new user's settings count from C.
    EXPECT_EQ(ShownOctaveNumbering(), OctaveNumbering::FromC);

    struct Row {
        OctaveNumbering numbering;
        const char* kept;        // [Global] OctaveNumbers after OK
        QString startingC;       // the Keyboard's starting C, note 51 (MIDI 48)
        QString middleC;         // note 63, MIDI 60
        QStringList openG;       // the tuning editor's strings of Open G
        QString typedLowString;  // chosen for the first string: stored as note 10
        QString lowEString;      // the guitar's open sixth string, note 43
    };
    const Row rows[] = {
        {OctaveNumbering::FromA, "A", "C5", "C6", {"D4", "G4", "D5", "G5", "B6", "D6"}, "G1", "E4"},
        {OctaveNumbering::FromC, "C", "C3", "C4", {"D2", "G2", "D3", "G3", "B3", "D4"}, "G-1", "E2"},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.kept);
        ChooseInPreferences(row.numbering);
        EXPECT_EQ(ShownOctaveNumbering(), row.numbering);
        EXPECT_EQ(IniValue("Global", "OctaveNumbers"), row.kept);

        WhenModal<KeyboardSettingsDialog>([&row](KeyboardSettingsDialog* d) {
            auto* start = Find<TKeySlider>(d, 4123);
            EXPECT_EQ(start->ThumbText(start->value()), row.startingC);
            EXPECT_EQ(start->ThumbText(5), row.middleC);
            d->reject();
        });
        keyboard->Frame()->Command(ComponentCommand::ChangeSettings);

        const KeyboardLayout::Geometry keys = keyboard->Geometry();
        EXPECT_EQ(ToolTipAt(keyboard, QPoint(keys.KeyCentre(63), keys.KeyAreaHeight() - 4)), row.middleC);
        int x = 0, y = 0;
        ASSERT_TRUE(guitar->Geometry().FretPoint(0, 5, x, y));
        EXPECT_EQ(ToolTipAt(guitar, QPoint(x, y)), row.lowEString);

        EditTunings(
            [&row](EditTuningDialog* d) {
                d->List()->setCurrentItem(d->List()->topLevelItem(OpenG));
                EXPECT_EQ(Strings(d).mid(0, 6), row.openG);
                Find<QComboBox>(d, EditTuningDialog::FirstStringId)->setCurrentText(row.typedLowString);
                EXPECT_EQ(GetTuning(OpenG)->strings[5], 10);  // the last string first
            },
            false);
        EXPECT_EQ(GetTuning(OpenG)->strings[5], 41) << "Cancel drops the change";
    }

    // A settings file from before the switch, without the key, counts from A.
    app.reset();
    WritePrivateProfileString("Global", "OctaveNumbers", nullptr, (libraryDir + "/cantrel.ini").c_str());
    FlushProfiles();
    ForgetProfiles();
    Start();
    EXPECT_EQ(ShownOctaveNumbering(), OctaveNumbering::FromA);
    EXPECT_EQ(errors.Numbers(), std::vector<int>{});
}

TEST_F(OctaveNumbersTest, StudioFileSettingsAndClipboardTextAreTheSameUnderBoth)
{
    for (NOTES n : {63, 67, 70}) keyboard->Chord.AddNote(n);  // middle C, E, G
    const std::string ini = libraryDir + "/cantrel.ini";
    struct Written {
        std::string studioFile, settings, clipboard;
        bool operator==(const Written&) const = default;
    };
    std::vector<Written> written;
    for (OctaveNumbering numbering : {OctaveNumbering::FromA, OctaveNumbering::FromC}) {
        SetShownOctaveNumbering(numbering);
        Written w;
        const std::string path = scratch.File("studio.cts");
        EXPECT_TRUE(studio->SaveStudio(path.c_str()));
        w.studioFile = FileText(path);
        EditTunings([](EditTuningDialog*) {}, true);  // rewrites [Tunings] from the live list
        w.settings = FileText(ini);
        keyboard->Frame()->Command(ComponentCommand::Copy);
        w.clipboard = QApplication::clipboard()->text().toStdString();
        written.push_back(w);
    }
    EXPECT_EQ(written[0], written[1]);
    EXPECT_NE(written[1].clipboard.find("\xC2\xAB"
                                        "C6 E6 G6 -"),
              std::string::npos)
        << written[1].clipboard;
    EXPECT_NE(written[1].settings.find(" D4 G4 D5 G5 B6 D6 "), std::string::npos);
    EXPECT_NE(written[1].settings.find("OctaveNumbers=C"), std::string::npos);
    EXPECT_FALSE(written[1].studioFile.empty());
    EXPECT_TRUE(errors.Empty());
}
