// The Preferences dialog (9007) in the running program: spelling, the
// status-bar names, the MIDI devices reopened on OK, and every setting kept
// in cantrel.ini for the next start.
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStatusBar>
#include <QTest>

#include <fstream>
#include <sstream>

#include "app/dialogs/preferences/preferences_dialog.h"
#include "app/dialogs/alt_key.h"
#include "app/dialogs/when_modal.h"
#include "app/commands/shell_commands.h"
#include "app/shell_fixture.h"
#include "core/studio/chord_names_line.h"
#include "core/studio/component_types.h"
#include "core/studio/show_scale_notes.h"
#include "controls/toggle_box.h"
#include "core/midi/capture_backend.h"
#include "core/midi/midi_dev.h"
#include "core/services/profile.h"
#include "core/theory/chord.h"
#include "core/theory/chord_spelling.h"
#include "core/theory/naming_settings.h"

namespace {

template <typename Control = QAbstractButton>
Control* Find(QWidget* dialog, int id)
{
    auto* control = dialog->findChild<Control*>(QStringLiteral("id%1").arg(id));
    EXPECT_NE(control, nullptr) << id;
    return control;
}

void Ok(QWidget* dialog) { QTest::mouseClick(Find<QPushButton>(dialog, 1), Qt::LeftButton); }

std::string NoteName(int pitchClass)
{
    char name[chord::NoteNameSize] = {};
    chord::GetNoteName(pitchClass, name);
    return name;
}

std::vector<std::string> AllNoteNames()
{
    std::vector<std::string> names;
    for (int pc = 0; pc < 12; ++pc) names.push_back(NoteName(pc));
    return names;
}

class PreferencesTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        ASSERT_TRUE(StartActive());
    }
    void TearDown() override
    {
        ShellTest::TearDown();
        NamingSettings::Restore();
    }

    // Options > Preferences..., worked by `work`, which closes the dialog.
    void Preferences(std::function<void(PreferencesDialog*)> work)
    {
        WhenModal<PreferencesDialog>(std::move(work));
        frame->Command(ShellCommand::Preferences);
    }

    std::string IniText()
    {
        FlushProfiles();
        std::ifstream in(libraryDir + "/cantrel.ini");
        std::stringstream text;
        text << in.rdbuf();
        return text.str();
    }
};

TEST_F(PreferencesTest, CustomSpellingKeepsTheFlatsChosenUnderSharps)
{
    const std::vector<std::string> standard = AllNoteNames();
    Preferences([](PreferencesDialog* d) {
        EXPECT_TRUE(Find(d, 119)->isChecked());  // By chord, as a new user starts
        PressAltKey(d, Qt::Key_S);
        QTest::mouseClick(Find(d, 113), Qt::LeftButton);  // D#|Eb
        QTest::mouseClick(Find(d, 116), Qt::LeftButton);  // A#|Bb
        EXPECT_EQ(Find(d, 116)->text(), "&A#|Bb");
        Ok(d);
    });
    EXPECT_EQ(chord::Config_Accidentals, 0);
    EXPECT_EQ(chord::Custom_Accidentals, 18u);
    EXPECT_EQ(NoteName(6), "D#");  // the mask waits for Custom
    EXPECT_EQ(NoteName(1), "A#");

    Preferences([](PreferencesDialog* d) {
        for (int id : {112, 113, 114, 115, 116}) EXPECT_EQ(Find(d, id)->isChecked(), id == 113 || id == 116) << id;
        PressAltKey(d, Qt::Key_U);  // Custom
        Ok(d);
    });
    EXPECT_EQ(chord::Config_Accidentals, 2);
    EXPECT_EQ(AllNoteNames(), standard);
}

TEST_F(PreferencesTest, StatusBarFollowsMaxChordsAndRootlessNamesGo)
{
    studio->ChooseNewComponent = [] { return ComponentKind::Splitter; };
    frame->Command(24331);
    mmMDIChildClient* c = mmMDIChild::ActiveComponent()->Client();
    for (NOTES n : {63, 67, 70, 72}) c->Chord.AddNote(n);  // C E G A
    const std::string all = ChordNamesLine(c->Chord, 20);
    ASSERT_NE(all.find("(No Root)"), std::string::npos) << all;

    Preferences([](PreferencesDialog* d) {
        auto* names = Find<QSlider>(d, 4123);
        auto* velocity = Find<QSlider>(d, 4124);
        EXPECT_EQ(velocity->minimum(), 0);
        EXPECT_EQ(velocity->maximum(), 127);
        names->setValue(0);
        EXPECT_EQ(names->value(), 1);
        names->setFocus();
        QTest::keyClick(names, Qt::Key_End);
        EXPECT_EQ(names->value(), 20);
        QTest::keyClick(names, Qt::Key_Home);
        EXPECT_EQ(names->value(), 1);
        Ok(d);
    });
    EXPECT_EQ(MaxChords(), 1);
    EXPECT_EQ(frame->statusBar()->currentMessage().toStdString(), "C6");

    Preferences([](PreferencesDialog* d) {
        Find<QSlider>(d, 4123)->setValue(20);
        PressAltKey(d, Qt::Key_R);  // Display rootless chords: off
        EXPECT_FALSE(Find(d, 101)->isChecked());
        Ok(d);
    });
    const std::string shown = frame->statusBar()->currentMessage().toStdString();
    EXPECT_EQ(shown, ChordNamesLine(c->Chord, 20));
    EXPECT_EQ(shown.find("(No Root)"), std::string::npos) << shown;
    EXPECT_NE(shown.find(",    "), std::string::npos) << shown;  // more than one name fits
    EXPECT_EQ(IniValue("Global", "MaxChords"), "20");
}

TEST_F(PreferencesTest, OkReopensTheDeviceAndEverySettingLastsToTheNextStart)
{
    CaptureBackend* capture = CaptureBackend::Active();
    ASSERT_NE(capture, nullptr);
    const int opens = capture->OutputOpenCount(MidiDev::Mapper);
    Preferences([](PreferencesDialog* d) { Ok(d); });
    EXPECT_EQ(capture->OutputOpenCount(MidiDev::Mapper), opens + 1);
    ASSERT_NE(MidiDev::lastmidi, nullptr);
    EXPECT_EQ(capture->OpenOutputs(), 1);

    Preferences([](PreferencesDialog* d) {
        auto* output = Find<QComboBox>(d, 104);
        EXPECT_EQ(output->itemText(0), "Built-in Synthesizer");
        output->setCurrentIndex(2);                   // port 1
        Find<QComboBox>(d, 118)->setCurrentIndex(0);  // [None]
        PressAltKey(d, Qt::Key_L);                    // flats
        PressAltKey(d, Qt::Key_C);                    // C#|Db
        PressAltKey(d, Qt::Key_1);                    // Numbers 1-128
        Find<QSlider>(d, 4124)->setValue(100);
        Find<QSlider>(d, 4123)->setValue(7);
        for (Qt::Key key : {Qt::Key_R, Qt::Key_P, Qt::Key_T, Qt::Key_N, Qt::Key_Y}) PressAltKey(d, key);
        Ok(d);
    });
    EXPECT_EQ(capture->OutputOpenCount(1), 1);
    EXPECT_EQ(MidiDev::lastmidi->deviceId, 1);
    EXPECT_EQ(ShowScaleNotes(), 1);
    const PreferenceValues chosen = CurrentPreferences();
    const PreferenceValues expected{1, 1, -1, 1, 2, 100, 7, 1, 0, 1, 1, 1};
    const auto fields = [](const PreferenceValues& v) {
        return std::vector<long>{
            v.accidentals, long(v.customAccidentals), v.midiIn, v.midiOut,  v.midiNames, v.velocity,
            v.maxChords,   v.showScaleNotes,          v.noRoot, v.diffBass, v.bassStyle, v.addStyle};
    };
    EXPECT_EQ(fields(chosen), fields(expected));
    const std::string ini = IniText();
    for (const char* line :
         {"OutDeviceID=1", "InDeviceID=-1", "MidiNames=2", "MaxChords=7", "ShowScaleNotes=1", "Accidentals=1",
          "CustomAccidentals=1", "NoRoot=0", "DiffBass=1", "BassStyle=1", "AddStyle=1"})
        EXPECT_NE(ini.find(std::string("\n") + line), std::string::npos) << line;

    // The next start, from the file on disk, with the engine as it starts.
    app.reset();
    ForgetProfiles();
    NamingSettings::Restore();
    SetMaxChords(DefaultMaxChords);
    SetShowScaleNotes(0);
    StartShown();
    EXPECT_EQ(fields(CurrentPreferences()), fields(expected));

    // Cancel changes nothing and opens nothing.
    const int portOpens = capture->OutputOpenCount(1);
    Preferences([](PreferencesDialog* d) {
        EXPECT_TRUE(Find(d, 109)->isChecked());
        EXPECT_EQ(Find<QComboBox>(d, 104)->currentIndex(), 2);
        PressAltKey(d, Qt::Key_S);
        d->reject();
    });
    EXPECT_EQ(chord::Config_Accidentals, 1);
    EXPECT_EQ(capture->OutputOpenCount(1), portOpens);
}

TEST_F(PreferencesTest, AnUnpluggedPortIsFoundAgainWhenItComesBack)
{
    CaptureBackend* capture = CaptureBackend::Active();
    Preferences([](PreferencesDialog* d) {
        Find<QComboBox>(d, 104)->setCurrentIndex(3);  // port 2
        Ok(d);
    });
    const std::string name = IniValue("Midi", "OutDeviceName");
    ASSERT_FALSE(name.empty());

    // Unplugged: the list cannot show it, and OK for another change keeps it.
    const std::vector<std::string> ports = capture->OutputNames();
    capture->SetOutputNames({ports[0]});
    Preferences([](PreferencesDialog* d) {
        EXPECT_EQ(Find<QComboBox>(d, 104)->currentIndex(), -1);
        Find<QSlider>(d, 4124)->setValue(90);
        Ok(d);
    });
    EXPECT_EQ(IniValue("Midi", "OutDeviceName"), name);
    EXPECT_EQ(IniValue("Midi", "OutDeviceID"), "2");
    errors.Clear();  // it could not be opened meanwhile

    capture->SetOutputNames(ports);
    Preferences([](PreferencesDialog* d) {
        EXPECT_EQ(Find<QComboBox>(d, 104)->currentIndex(), 3);
        Ok(d);
    });
    ASSERT_NE(MidiDev::lastmidi, nullptr);
    EXPECT_NE(MidiDev::lastmidi->handle, nullptr);
    EXPECT_EQ(MidiDev::lastmidi->deviceId, 2);
    EXPECT_TRUE(errors.Empty());
}

}  // namespace

TEST_F(PreferencesTest, WithoutSoundOutputOkStaysSilentAndOnlyAChosenDeviceThatFailsIsReported)
{
    // A machine without sound output: the synthesizer has nowhere to play.
    CaptureBackend* capture = CaptureBackend::Active();
    capture->FailOutputOpen(MidiDev::Mapper, {MidiFailure::NoDriver, "no audio output"});
    app.reset();
    StartShown();
    errors.Clear();  // no templates here
    ASSERT_FALSE(app->NoSoundNotice().isEmpty());
    const auto silentMarks = [this] { return frame->statusBar()->findChildren<QWidget*>("noSound").size(); };
    ASSERT_EQ(silentMarks(), 1);

    // A naming switch, the synthesizer still chosen: no message, still silent.
    Preferences([](PreferencesDialog* d) {
        PressAltKey(d, Qt::Key_R);
        Ok(d);
    });
    EXPECT_EQ(chord::Config_NoRoot, 0);
    EXPECT_EQ(errors.Numbers(), std::vector<int>{});
    EXPECT_EQ(silentMarks(), 1);

    // A port chosen here that another program holds is worth a message.
    capture->FailOutputOpen(2, {MidiFailure::Allocated, "held"});
    Preferences([](PreferencesDialog* d) {
        Find<QComboBox>(d, 104)->setCurrentIndex(3);  // port 2
        Ok(d);
    });
    EXPECT_EQ(errors.Numbers(), std::vector<int>{412});
    capture->FailOutputOpen(2, {});
    capture->FailOutputOpen(MidiDev::Mapper, {});
}

TEST_F(PreferencesTest, ByChordIsTheFifthSpellingAndAnUnchangedOkKeepsIt)
{
    studio->ChooseNewComponent = [] { return ComponentKind::Splitter; };
    frame->Command(24331);
    mmMDIChildClient* c = mmMDIChild::ActiveComponent()->Client();
    for (NOTES n : {59, 63, 66}) c->Chord.AddNote(n);  // G# C D#
    const struct {
        Qt::Key key;  // pressed with Alt; 0: OK as the dialog opens
        int checked;  // radio on when OK is pressed
        int accidentals;
        const char* status;  // first name in the status bar
    } steps[] = {
        {Qt::Key_E, 110, 3, "G#"},
        {Qt::Key_H, 119, ByChordAccidentals, "Ab"},
        {Qt::Key_unknown, 119, ByChordAccidentals, "Ab"},
    };
    for (const auto& step : steps) {
        Preferences([&](PreferencesDialog* d) {
            if (step.key != Qt::Key_unknown) PressAltKey(d, step.key);
            EXPECT_TRUE(Find(d, step.checked)->isChecked()) << step.checked;
            EXPECT_EQ(Find(d, 119)->text(), "By c&hord");
            Ok(d);
        });
        EXPECT_EQ(chord::Config_Accidentals, step.accidentals);
        EXPECT_EQ(IniValue("Global", "Accidentals"), std::to_string(step.accidentals));
        const std::string shown = frame->statusBar()->currentMessage().toStdString();
        EXPECT_EQ(shown.substr(0, shown.find(',')), step.status) << shown;
    }

    // A settings file from before, without the key, keeps the names it had.
    const std::string ini = libraryDir + "/cantrel.ini";
    WritePrivateProfileString("Global", "Accidentals", nullptr, ini.c_str());
    FlushProfiles();
    app.reset();
    ForgetProfiles();
    NamingSettings::Restore();
    StartShown();
    EXPECT_EQ(chord::Config_Accidentals, 3);
}
