#pragma once
// The Keyboard: a piano keyboard on which the user builds a chord by clicking
// keys or typing, and which shows the chords that arrive, their note names
// and spelling, and what Find found.

#include <QRegion>

#include "app/components/keyboard/keyboard_geometry.h"
#include "app/components/shared/live_input_setting.h"
#include "app/studio/mm_mdi_child_client.h"

class LiveMidiInput;
class QPainter;
struct KeyboardPicture;

class KeyboardClient : public mmMDIChildClient {
    Q_OBJECT
public:
    static constexpr int ShowNotes = 1;
    static constexpr int ShowSpelling = 2;

    KeyboardClient();

    int KeyCount = 36;
    NOTES FirstNote = 51;
    int WhiteUnits = 0;
    NOTES OctaveBase = 51;
    int TypingMethod = 0;  // 0 Chromatic, 1 Accidental
    int LabelFlags = ShowNotes | ShowSpelling;

    void SetRange(NOTES first, int count);
    void LayoutContents() override;
    KeyboardLayout::Geometry Geometry() const;
    void GetKeyRect(NOTES note, QRect& r) const;
    NOTES NoteFromPoint(int x, int& y) const;
    void InvalidateKey(NOTES note, bool labelOnly);
    void InvalidateChordKeys();
    void SetNote(NOTES note, bool on);

    // The typing map: 40 computer keys in 4 rows of 10.
    static char KeyChar(unsigned virtualKey);
    static bool FindTypingKey(char c, int& row, int& column);
    NOTES TypedNote(int column, int row) const;

    int ChangeSettings() override;
    void SaveSettings(char*& out, int& remaining) override;
    void LoadSettings(char*& in, int& remaining) override;
    void CutChord() override;
    void TakeChord(const chord& c) override;
    // Shows c's notes on the keys as an arriving chord, without sounding.
    void LayOnKeys(const chord& c);
    void KeyDown(int key, int repeat, int flags) override;
    void KeyUp(int key, int repeat, int flags) override;
    virtual void PaintFound(QPainter& dc);
    virtual void MouseDown(Qt::KeyboardModifiers keys, QPoint& point);

    // The notes held on the MIDI instrument of the Preferences, when on.
    LiveMidiInput& LiveInput() const { return *live_; }

    // What the last paints covered, for tests and benchmarks.
    const QRegion& PaintedRegion() const { return painted_; }
    void ForgetPaintedRegion() { painted_ = QRegion(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    KeyboardPicture Picture() const;
    // The Find display follows a change of the chord at once: its cells are
    // repainted with the keys.
    void InvalidateFound();
    // Moves the chord by `semitones`, dropping what leaves the keys.
    void MoveChord(int semitones);
    bool CtrlHeld() const { return modifiers_.testFlag(Qt::ControlModifier); }

    Qt::KeyboardModifiers modifiers_;
    QRegion painted_;
    LiveMidiInput* live_;
};
