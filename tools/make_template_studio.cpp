// cantrel-template: writes the template studio for one screen width with the
// program itself, so that every record is the program's own.
//   cantrel-template OUT.cts WIDTH
// A Keyboard linked through a pass-through Splitter to a Guitar and to an
// Analyzer showing chord names: the first chord put out is seen on the
// fingerboard and named at once. Run on the offscreen platform.
#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>

#include "app/components/analyzer/analysis_lines.h"
#include "app/components/analyzer/analyzer_client.h"
#include "app/shell/mm_app.h"
#include "app/studio/component_factory.h"
#include "core/studio/component_links.h"
#include "core/studio/component_types.h"
#include "app/studio/mm_mdi_child.h"
#include "app/studio/mm_mdi_child_client.h"
#include "app/studio/mm_mdi_client.h"

namespace {

// Rectangles in a screen `width` wide, scaled to the screen the tool
// runs on: the studio file keeps them in fractions of the screen width.
QRect Scaled(double x, double y, double w, double h, int width, int actualWidth)
{
    const double f = double(actualWidth) / width;
    return QRect(int(x * f), int(y * f), int(w * f), int(h * f));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: cantrel-template OUT.cts WIDTH\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("CANTREL_MIDI_BACKEND", "capture");
    QApplication application(argc, argv);
    const int width = std::atoi(argv[2]);
    if (width < 320) return 2;

    mmApp::Options options;
    options.banner = false;
    options.singleInstance = false;
    options.errorDialog = false;
    mmApp app(options);
    if (!app.Start()) return 1;
    app.InitMainWindow();
    mmMDIClient* studio = app.StudioClient();
    const int actual = QGuiApplication::primaryScreen()->size().width();

    // The studio's area below the menu and tool bar, above the icon row, on
    // a wide screen (16:9): the file keeps places in fractions of the screen's
    // width, and on the squarer screens of the same width the windows then
    // still fit, where a 4:3 layout would hide the Guitar's lowest strings.
    const double area = width * 9 / 16 - 150;
    const double top = area * 0.34;
    auto place = [&](int kind, const QRect& r) {
        mmMDIChild* frame = CreateComponent(studio, kind, false);
        frame->showNormal();
        frame->setGeometry(r);
        return frame->Client();
    };
    // The Keyboard comes last: the frame restored last is the active one, and
    // the first notes typed must reach it.
    mmMDIChild* splitterFrame = CreateComponent(studio, ComponentKind::Splitter, false);
    mmMDIChildClient* splitter = splitterFrame->Client();
    splitter->PassThrough = 1;
    mmMDIChildClient* guitar = place(ComponentKind::Guitar, Scaled(0, top, width * 0.58, area - top, width, actual));
    auto* analyzer = static_cast<AnalyzerClient*>(
        place(ComponentKind::Analyzer, Scaled(width * 0.58, top, width * 0.42 - 8, area - top, width, actual)));
    analyzer->OutputView = AnalyzerView::Chord;
    mmMDIChildClient* keyboard = place(ComponentKind::Keyboard, Scaled(0, 0, width - 8, top, width, actual));

    Connect(keyboard, 0, splitter, 0);
    Connect(splitter, 0, guitar, 0);
    Connect(splitter, 1, analyzer, 0);
    studio->setActiveSubWindow(keyboard->Frame());
    return studio->SaveStudio(argv[1]) ? 0 : 1;
}
