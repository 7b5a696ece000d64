#pragma once
// A studio holding one Keyboard, on a capture MIDI backend so that tests see
// every note the Keyboard sounds.

#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

#include "app/components/keyboard/keyboard_client.h"
#include "app/studio/mm_mdi_child.h"
#include "app/commands/studio_commands.h"
#include "core/midi/capture_backend.h"
#include "core/midi/midi_backend.h"
#include "core/midi/midi_dev.h"
#include "app/studio_fixture.h"

class KeyboardTest : public StudioTest {
protected:
    void SetUp() override
    {
        StudioTest::SetUp();
        auto backend = std::make_unique<CaptureBackend>();
        capture = backend.get();
        SetMidiBackend(std::move(backend));
        new MidiDev();  // the primary device, released with the others
        // The Keyboard comes from the New Component command.
        SetComponentFactory(ComponentKind::Keyboard, keyboardFactory);
        studio->ChooseNewComponent = [] { return ComponentKind::Keyboard; };
        studio->Command(StudioCommand::NewComponent);
        auto* frame = qobject_cast<mmMDIChild*>(studio->subWindowList().value(0));
        keyboard = frame ? dynamic_cast<KeyboardClient*>(frame->Client()) : nullptr;
        ASSERT_NE(keyboard, nullptr);
        keyboard->Frame()->resize(640 + mmMDIChild::ToolBarWidth, 220);
        QTest::qWait(0);
        capture->ClearMessages();
    }

    void TearDown() override
    {
        StudioTest::TearDown();
        MidiDev::ReleaseDevices();
        SetMidiBackend(nullptr);
    }

    std::vector<NOTES> Notes() const
    {
        std::vector<NOTES> notes;
        for (NOTES n : keyboard->Chord.notes)
            if (n != NoNote) notes.push_back(n);
        std::sort(notes.begin(), notes.end());
        return notes;
    }
    void SetNotes(std::initializer_list<NOTES> notes)
    {
        keyboard->Chord.Clear();
        for (NOTES n : notes) keyboard->Chord.AddNote(n);
    }
    // The MIDI note numbers switched on since the last look.
    std::vector<int> NotesOn()
    {
        std::vector<int> on;
        for (const CapturedMessage& m : capture->Messages())
            if (m.size == 3 && (m.bytes[0] & 0xF0) == 0x90 && m.bytes[2] > 0) on.push_back(m.bytes[1]);
        capture->ClearMessages();
        return on;
    }
    KeyboardLayout::Geometry Geometry() const { return keyboard->Geometry(); }
    // A point on the key (its lower half for a white key), or in its label cell.
    QPoint OnKey(NOTES n) const
    {
        const KeyboardLayout::Geometry g = Geometry();
        const int y = KeyboardLayout::IsBlackKey(n) ? g.BlackHeight / 2 : g.KeyAreaHeight() - 20;
        return QPoint(g.KeyCentre(n), y);
    }
    QPoint UnderKey(NOTES n) const { return QPoint(Geometry().KeyCentre(n), Geometry().KeyAreaHeight() + 2); }
    void Click(NOTES n, Qt::KeyboardModifiers keys = {})
    {
        QTest::mousePress(keyboard, Qt::LeftButton, keys, OnKey(n));
        QTest::mouseRelease(keyboard, Qt::LeftButton, keys, OnKey(n));
    }

    CaptureBackend* capture = nullptr;
    KeyboardClient* keyboard = nullptr;
};
