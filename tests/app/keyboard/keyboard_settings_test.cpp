// The Keyboard Settings dialog and the Keyboard's record in studio files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "app/components/keyboard/keyboard_settings_dialog.h"
#include "app/components/keyboard/tkey_slider.h"
#include "app/commands/component_commands.h"
#include "app/keyboard/keyboard_fixture.h"

namespace {

bool HasButton(KeyboardClient* k, int command)
{
    return k->Frame()->ComponentToolBar()->findChild<QAction*>(QStringLiteral("cmd%1").arg(command)) != nullptr;
}

TEST_F(KeyboardTest, SettingsDialogAppliesOnOkOnly)
{
    // Its frame offers every component command.
    namespace C = ComponentCommand;
    for (int command : {C::PutOut, C::GetIn, C::Find, C::ChangeSettings, C::ModeButtonChord, C::Reset, C::SoundButtonOn,
                        C::ChangeConnections})
        EXPECT_TRUE(HasButton(keyboard, command)) << command;
    SetNotes({51, 80});
    auto answer = [](bool ok) {
        QTimer::singleShot(0, [ok] {
            auto* d = qobject_cast<KeyboardSettingsDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            auto* start = d->findChild<TKeySlider*>(QStringLiteral("id4123"));
            auto* octaves = d->findChild<TKeySlider*>(QStringLiteral("id4124"));
            EXPECT_EQ(start->value(), 4);
            EXPECT_EQ(start->ThumbText(start->value()), QStringLiteral("C5"));
            EXPECT_EQ(octaves->value(), 6);
            start->setValue(2);
            octaves->setValue(3);
            // The mode and the typing method are chosen apart.
            auto* notesMode = d->findChild<QRadioButton*>(QStringLiteral("id113"));
            auto* accidental = d->findChild<QRadioButton*>(QStringLiteral("id105"));
            notesMode->click();
            accidental->click();
            EXPECT_TRUE(notesMode->isChecked());
            EXPECT_TRUE(accidental->isChecked());
            d->findChild<QCheckBox*>(QStringLiteral("id107"))->setChecked(false);
            d->findChild<QCheckBox*>(QStringLiteral("id110"))->setChecked(false);
            d->findChild<QComboBox*>(QStringLiteral("id111"))->setCurrentIndex(24);
            ok ? d->accept() : d->reject();
        });
    };
    ClearStudioModified();
    answer(false);
    keyboard->Frame()->Command(ComponentCommand::ChangeSettings);
    EXPECT_FALSE(StudioModified());
    EXPECT_EQ(keyboard->KeyCount, 36);

    answer(true);
    keyboard->Frame()->Command(ComponentCommand::ChangeSettings);
    EXPECT_TRUE(StudioModified());
    EXPECT_EQ(keyboard->FirstNote, 27);
    EXPECT_EQ(keyboard->KeyCount, 18);
    EXPECT_EQ(keyboard->Mode, NotesMode);
    EXPECT_EQ(keyboard->TypingMethod, 1);
    EXPECT_EQ(keyboard->LabelFlags, KeyboardClient::ShowSpelling);
    EXPECT_EQ(keyboard->SoundOn, 0);
    EXPECT_EQ(keyboard->Chord.program, 24);
    EXPECT_TRUE(HasButton(keyboard, ComponentCommand::SoundButtonOff));
    EXPECT_TRUE(HasButton(keyboard, ComponentCommand::ModeButtonNotes));
    // Notes off the narrower keys stay in the chord until it moves.
    EXPECT_EQ(keyboard->Chord.CountNotes(), 2);
}

// Opens the settings and presses OK; `act` may change the dialog first.
void RunSettings(KeyboardClient* k, std::function<void(KeyboardSettingsDialog*)> act)
{
    QTimer::singleShot(0, [act] {
        auto* d = qobject_cast<KeyboardSettingsDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(d, nullptr);
        act(d);
        d->accept();
    });
    k->Frame()->Command(ComponentCommand::ChangeSettings);
}

TEST_F(KeyboardTest, AnUnchangedOkChangesNothingAndEveryModeGoesWithEveryTyping)
{
    // Ranges from the sliders (seven octaves from C1, C4 and C9) and from
    // a studio file that the sliders cannot show (41 keys).
    const struct {
        NOTES first;
        int count;
        int mode, typing;
    } states[] = {
        {51, 36, ChordMode, 0},  {15, 84, NotesMode, 1}, {51, 84, ChordMode, 1},
        {111, 84, NotesMode, 0}, {27, 41, ChordMode, 0},
    };
    for (const auto& state : states) {
        SCOPED_TRACE(testing::Message() << state.first << "+" << state.count);
        keyboard->SetRange(state.first, state.count);
        keyboard->SetMode(state.mode);
        keyboard->TypingMethod = state.typing;
        const int keys = keyboard->KeyCount;
        const auto radio = [](KeyboardSettingsDialog* d, int id) {
            return d->findChild<QRadioButton*>(QStringLiteral("id%1").arg(id))->isChecked();
        };
        RunSettings(keyboard, [&](KeyboardSettingsDialog* d) {
            EXPECT_NE(radio(d, 101), radio(d, 113));
            EXPECT_EQ(radio(d, 113), state.mode == NotesMode);
            EXPECT_EQ(radio(d, 105), state.typing == 1);
            EXPECT_NE(radio(d, 103), radio(d, 105));
        });
        EXPECT_EQ(keyboard->FirstNote, state.first);
        EXPECT_EQ(keyboard->KeyCount, keys);
        EXPECT_EQ(keyboard->Mode, state.mode);
        EXPECT_EQ(keyboard->TypingMethod, state.typing);

        // The other mode with the other typing method.
        RunSettings(keyboard, [](KeyboardSettingsDialog* d) {
            std::vector<QRadioButton*> others;
            for (int id : {101, 113, 103, 105}) {
                auto* r = d->findChild<QRadioButton*>(QStringLiteral("id%1").arg(id));
                if (!r->isChecked()) others.push_back(r);
            }
            ASSERT_EQ(others.size(), 2u);
            for (QRadioButton* r : others) r->click();
        });
        EXPECT_EQ(keyboard->Mode, state.mode == ChordMode ? NotesMode : ChordMode);
        EXPECT_EQ(keyboard->TypingMethod, 1 - state.typing);
    }
}

TEST_F(KeyboardTest, SevenOctavesFromAnyStartAreDrawnAndOnlyMidiNotesSound)
{
    for (int start : {1, 4, 6, 9}) {
        SCOPED_TRACE(start);
        RunSettings(keyboard, [start](KeyboardSettingsDialog* d) {
            d->findChild<TKeySlider*>(QStringLiteral("id4123"))->setValue(start);
            d->findChild<TKeySlider*>(QStringLiteral("id4124"))->setValue(14);
        });
        EXPECT_EQ(keyboard->FirstNote, 12 * start + 3);
        EXPECT_EQ(keyboard->KeyCount, 84);
        // Reopened, the sliders stand where they were left.
        RunSettings(keyboard, [start](KeyboardSettingsDialog* d) {
            EXPECT_EQ(d->findChild<TKeySlider*>(QStringLiteral("id4123"))->value(), start);
            EXPECT_EQ(d->findChild<TKeySlider*>(QStringLiteral("id4124"))->value(), 14);
        });
        EXPECT_EQ(keyboard->KeyCount, 84);
    }
    // From C9 the keys reach note 194; a click on the last key and on the
    // first one puts both into the chord, and only the first one (MIDI 108)
    // reaches the MIDI device.
    keyboard->SetMode(ChordMode);
    keyboard->Chord.Clear();
    keyboard->SetSound(1);
    const NOTES last = keyboard->FirstNote + keyboard->KeyCount - 1;
    ASSERT_EQ(last, 194);
    int y = OnKey(last).y();
    EXPECT_EQ(keyboard->NoteFromPoint(OnKey(last).x(), y), last);
    EXPECT_LT(Geometry().KeyRect(last).left(), keyboard->width());
    capture->ClearMessages();
    Click(keyboard->FirstNote);
    Click(last);
    EXPECT_EQ(Notes(), (std::vector<NOTES>{111, 194}));
    for (const CapturedMessage& m : capture->Messages())
        for (int i = 1; i < m.size; ++i) EXPECT_LT(m.bytes[i], 0x80) << "a data byte";
    const std::vector<int> on = NotesOn();
    EXPECT_FALSE(on.empty());
    for (int note : on) EXPECT_EQ(note, 108);
}

TEST(KeySliderTest, ThumbShowsStartingCAndHalfOctaves)
{
    TKeySlider start(nullptr, 4123, 0, 0, 100, 17, 1, 9, TKeySlider::StartingNote);
    TKeySlider octaves(nullptr, 4124, 0, 0, 100, 17, 1, 14, TKeySlider::Octaves);
    EXPECT_EQ(start.ThumbText(1), QStringLiteral("C2"));
    const std::pair<int, const char*> halves[] = {{1, "\u00BD"}, {2, "1"}, {3, "1\u00BD"}, {14, "7"}};
    for (const auto& [position, text] : halves) EXPECT_EQ(octaves.ThumbText(position), QString::fromUtf8(text));
}

TEST_F(KeyboardTest, StudioRecordRoundTripStartsWithoutNotes)
{
    keyboard->SetRange(27, 60);
    keyboard->TypingMethod = 1;
    keyboard->LabelFlags = KeyboardClient::ShowNotes;
    SetNotes({51});
    char line[1024] = {};
    char* out = line;
    int remaining = sizeof line;
    keyboard->SaveSettings(out, remaining);
    const std::string text(line);
    ASSERT_EQ(text.size(), 2 + 240 + 2 + 32 + 2 + 8u);
    // The keyboard's record, then that of its MIDI input (off).
    EXPECT_EQ(text.substr(242),
              "10"
              "3C000000"
              "1B000000"
              "01000000"
              "01000000"
              "04"
              "00000000");

    auto load = [&](const std::string& record) {
        auto* k = Create<KeyboardClient>(ComponentKind::Keyboard);
        std::string all = record;
        char* in = all.data();
        int left = static_cast<int>(all.size());
        k->LoadSettings(in, left);
        EXPECT_EQ(left, 0);
        return k;
    };
    KeyboardClient* restored = load(text);
    EXPECT_EQ(restored->FirstNote, 27);
    EXPECT_EQ(restored->KeyCount, 60);
    EXPECT_EQ(restored->TypingMethod, 1);
    EXPECT_EQ(restored->LabelFlags, KeyboardClient::ShowNotes);
    EXPECT_EQ(restored->Chord.CountNotes(), 0);

    // A record from elsewhere: starting on C# and ending on A#. The keys
    // reach down to the C below and up to the B above, holding every note.
    restored = load(text.substr(0, 242) +
                    "10"
                    "0A000000"
                    "34000000"
                    "00000000"
                    "03000000");
    EXPECT_EQ(restored->FirstNote, 51);
    EXPECT_EQ(restored->KeyCount, 12);
    // Without a record the defaults stay, and nothing is reported.
    restored = load(text.substr(0, 242));
    EXPECT_EQ(restored->KeyCount, 36);
    EXPECT_TRUE(errors.Numbers().empty());
}

}  // namespace
