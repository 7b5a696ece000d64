#pragma once
// The component proper: the client window of a component frame. It is a node
// of the link graph, and the concrete components override its operations.

#include <cstdint>

#include <QRect>
#include <QWidget>

#include "core/studio/component_node.h"

class mmMDIChild;

class mmMDIChildClient : public QWidget, public ComponentNode {
    Q_OBJECT
public:
    explicit mmMDIChildClient(int typeId, QWidget* parent = nullptr);
    ~mmMDIChildClient() override;

    std::string Title() const override;
    mmMDIChild* Frame() const { return frame_; }
    void SetFrame(mmMDIChild* frame) { frame_ = frame; }

    // 1-21: the operations components override.
    virtual int SaveExtra(char* buf, int size, int index);
    virtual int LoadExtra(const char* text, int length, int index);
    virtual void AdjustClientRect(QRect& r);
    virtual void LayoutContents();
    virtual void ModeChanged();
    int SendChordTo(ComponentNode* target) override;
    virtual int ChangeSettings();
    virtual void ChangeConnections();
    virtual void SaveSettings(char*& out, int& remaining);
    virtual void LoadSettings(char*& in, int& remaining);
    virtual void CutChord();
    virtual void PasteChord();
    virtual void CopyChord();
    virtual void ShowFound(PitchSet found);
    void TakeChord(const chord& c) override;
    void BeginInput() override;
    void EndInput() override;
    virtual void MouseUp(Qt::KeyboardModifiers keys, QPoint& p);
    virtual void MouseDoubleClick(Qt::KeyboardModifiers keys, QPoint& p);
    virtual void KeyDown(int key, int repeat, int flags);
    virtual void KeyUp(int key, int repeat, int flags);
    // The user has just made this component with New Component and its
    // window shows: a component that needs something to begin with asks now.
    virtual void CreatedByUser() {}
    // Play (Space): a component that plays over time starts or pauses and
    // returns true; the others sound their chord for half a second.
    virtual bool PlayOrPause() { return false; }
    // The sound switch has just been turned.
    virtual void SoundChanged() {}

    // The mode change (23007 Notes, 23008 Chord) and the sound switch, when
    // they differ from the current ones.
    void SetMode(int mode);
    void SetSound(int on);

    // Names the chord in the status bar after a repaint, when this component
    // is the active one: the bar follows the active component, and a window
    // uncovered or fed while another is active leaves its line alone.
    void ShowChordNamesWhenActive() const;

    int MinTrackWidth = 0;
    int MinTrackHeight = 0;

protected:
    // Appends one record of the settings line as hex and moves past it;
    // false when it does not fit (the encoder reports it).
    static bool AppendRecord(const void* bytes, int size, char*& out, int& remaining);

    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;

private:
    mmMDIChild* frame_ = nullptr;
};

// The frame of a component, or null.
mmMDIChild* FrameOfComponent(const ComponentNode* node);

// During a load, the list index of the last component that existed before it
// (0 when none): stored link ends are counted from there.
int& StudioLinkBase();
