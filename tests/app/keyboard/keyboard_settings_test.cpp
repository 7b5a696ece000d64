// The Keyboard Settings dialog and the Keyboard's record in studio files.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QTimer>
#include <QToolBar>

#include <cstring>
#include <string>

#include "app/components/keyboard/keyboard_settings_dialog.h"
#include "app/components/keyboard/tkey_slider.h"
#include "app/studio/component_commands.h"
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
    for (int command : {C::PutOut, C::GetIn, C::Find, C::ChangeSettings, C::ModeButtonChord, C::Reset,
                        C::SoundButtonOn, C::ChangeConnections})
        EXPECT_TRUE(HasButton(keyboard, command)) << command;
    SetNotes({51, 80});
    auto answer = [](bool ok) {
        QTimer::singleShot(0, [ok] {
            auto* d = qobject_cast<KeyboardSettingsDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            auto* start = d->findChild<TKeySlider*>(QStringLiteral("id4123"));
            auto* octaves = d->findChild<TKeySlider*>(QStringLiteral("id4124"));
            EXPECT_EQ(start->value(), 4);
            EXPECT_EQ(start->ThumbText(start->value()), QStringLiteral("C4"));
            EXPECT_EQ(octaves->value(), 6);
            start->setValue(2);
            octaves->setValue(3);
            d->findChild<QRadioButton*>(QStringLiteral("id113"))->setChecked(true);
            d->findChild<QRadioButton*>(QStringLiteral("id105"))->setChecked(true);
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

TEST(KeySliderTest, ThumbShowsStartingCAndHalfOctaves)
{
    TKeySlider start(nullptr, 4123, 0, 0, 100, 17, 1, 9, TKeySlider::StartingNote);
    TKeySlider octaves(nullptr, 4124, 0, 0, 100, 17, 1, 14, TKeySlider::Octaves);
    EXPECT_EQ(start.ThumbText(1), QStringLiteral("C1"));
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
    EXPECT_EQ(text.substr(242), "10" "3C000000" "1B000000" "01000000" "01000000" "04" "00000000");

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
    restored = load(text.substr(0, 242) + "10" "0A000000" "34000000" "00000000" "03000000");
    EXPECT_EQ(restored->FirstNote, 51);
    EXPECT_EQ(restored->KeyCount, 12);
    // Without a record the defaults stay, and nothing is reported.
    restored = load(text.substr(0, 242));
    EXPECT_EQ(restored->KeyCount, 36);
    EXPECT_TRUE(errors.Numbers().empty());
}

}  // namespace
