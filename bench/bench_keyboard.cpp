// The Keyboard's drawing and touch: a full repaint of a seven-octave
// keyboard at 3840 x 600 pixels, the repaint after one key press (and what it
// covers), and the time from a mouse press to the note-on reaching the MIDI
// backend (the capture backend, which stamps every message). Offscreen.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <stdlib.h>
#include <time.h>

#include "app/components/keyboard/keyboard_client.h"
#include "app/components/keyboard/keyboard_painter.h"
#include "bench/scratch_capture.h"
#include "core/midi/capture_backend.h"
#include "core/midi/midi_backend.h"
#include "core/midi/midi_dev.h"
#include "core/services/file_names.h"

namespace {

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

double ThreadMilliseconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The machine is shared: besides the median wall time, the thread's own CPU
// time, which other programs' load does not inflate.
struct Timing {
    double wall = 0;
    double cpu = 0;
};

template <typename F>
Timing Measure(int runs, F&& f)
{
    std::vector<double> walls, cpus;
    for (int i = 0; i < runs; ++i) {
        const auto start = Clock::now();
        const double cpu = ThreadMilliseconds();
        f();
        cpus.push_back(ThreadMilliseconds() - cpu);
        walls.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    return {Median(walls), Median(cpus)};
}

void Press(QWidget* w, QPoint at, QEvent::Type type)
{
    QMouseEvent event(type, QPointF(at), w->mapToGlobal(QPointF(at)), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    const ScratchCapture scratch = UseScratchSettingsAndCapture();
    if (!scratch.capture) return 1;
    CaptureBackend* capture = scratch.capture;
    const std::string& folder = scratch.folder;

    auto* keyboard = new KeyboardClient;
    keyboard->SetRange(15, 84);
    keyboard->resize(3840, 600);
    keyboard->show();
    QApplication::processEvents();
    for (NOTES n : {51, 55, 58, 62}) keyboard->Chord.AddNote(n);
    keyboard->Find.found = PitchSet::FromWord(0x0AB53);  // a scale on the keys as well

    // The picture alone, into an image of the window's size.
    KeyboardPicture picture;
    picture.geometry = keyboard->Geometry();
    SetPictureChord(picture, keyboard->Chord);
    picture.found = keyboard->Find.found;
    picture.ascent = 13;
    QImage image(3840, 600, QImage::Format_ARGB32_Premultiplied);
    const Timing drawing = Measure(200, [&] {
        QPainter p(&image);
        PaintKeyboard(p, picture, image.rect(), keyboard->palette());
    });
    // The window's whole paint, status-bar names included.
    const Timing full = Measure(200, [&] { keyboard->repaint(); });

    // One key press on an empty keyboard: what it marks for repainting, and
    // that repaint.
    keyboard->Chord.Clear();
    keyboard->Find.found = PitchSet();
    keyboard->repaint();
    keyboard->ForgetPaintedRegion();
    const KeyboardLayout::Geometry g = keyboard->Geometry();
    const NOTES key = 63;  // a C, in the middle
    const QPoint onKey(g.KeyCentre(key), g.KeyAreaHeight() - 30);
    Press(keyboard, onKey, QEvent::MouseButtonPress);
    Press(keyboard, onKey, QEvent::MouseButtonRelease);
    QApplication::processEvents();
    const QRegion painted = keyboard->PaintedRegion();
    const QRegion expected = QRegion(g.KeyRect(key)) + g.LabelCell(key);
    const bool onlyThatKey = !painted.isEmpty() && (painted - expected).isEmpty();
    if (!onlyThatKey)
        for (const QRect& r : painted) std::printf("  painted %d,%d %dx%d\n", r.x(), r.y(), r.width(), r.height());
    const Timing one = Measure(500, [&] { keyboard->repaint(expected); });

    // Mouse press to note-on at the backend; in Notes mode every press sounds.
    keyboard->Mode = NotesMode;
    std::vector<double> latencies;
    for (int i = 0; i < 500; ++i) {
        capture->ClearMessages();
        const auto start = Clock::now();
        Press(keyboard, onKey, QEvent::MouseButtonPress);
        for (const CapturedMessage& m : capture->Messages())
            if ((m.bytes[0] & 0xF0) == 0x90 && m.bytes[2] > 0) {
                latencies.push_back(std::chrono::duration<double, std::micro>(m.time - start).count());
                break;
            }
        Press(keyboard, onKey, QEvent::MouseButtonRelease);
        QApplication::processEvents();
    }

    std::printf("seven-octave keyboard, 3840 x 600:\n");
    std::printf("  (median wall time / median CPU time of the thread)\n");
    std::printf("  drawing into an image      %.3f / %.3f ms (goal < 4 ms)\n", drawing.wall, drawing.cpu);
    std::printf("  full window repaint        %.3f / %.3f ms\n", full.wall, full.cpu);
    std::printf("  repaint after one key      %.3f / %.3f ms (goal < 0.5 ms); only that key's rectangles: %s\n",
                one.wall, one.cpu, onlyThatKey ? "yes" : "no");
    std::printf("  mouse press to note-on     %.1f us median over %zu presses (goal < 100 us)\n",
                latencies.empty() ? -1.0 : Median(latencies), latencies.size());
    delete keyboard;
    MidiDev::ReleaseDevices();
    SetMidiBackend(nullptr);
    std::filesystem::remove_all(folder);
    return onlyThatKey && !latencies.empty() ? 0 : 1;
}
