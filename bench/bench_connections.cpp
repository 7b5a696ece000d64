// The Connections window: the automatic layout of 10, 100 and 1,000
// components in random link graphs with loops (no window: the layout the
// window and cantrel-cli run), and a full repaint of the window's document
// with 1,000 icons, titles and links, at pixel ratios 1 and 2, on the
// offscreen platform. Prints the median and worst times and the growth.
#include <QApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <stdlib.h>

#include "app/shell/studio_parts.h"
#include "ui/studio_style.h"
#include "app/studio/component_factory.h"
#include "core/studio/component_layout.h"
#include "core/studio/component_links.h"
#include "core/studio/component_node.h"
#include "core/studio/component_types.h"
#include "app/studio/connections/connections_view.h"
#include "app/studio/connections/layout_window.h"
#include "app/studio/connections_geometry.h"
#include "app/studio/mm_mdi_child_client.h"
#include "app/studio/mm_mdi_client.h"
#include "core/services/file_names.h"

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// Random links among the components of the list, in any direction, so that
// loops are common: about as many links as components.
void LinkAtRandom(std::mt19937& random)
{
    std::vector<ComponentNode*> all;
    for (ComponentNode* n = FirstComponent(); n; n = n->Next) all.push_back(n);
    const std::size_t count = all.size();
    for (std::size_t l = 0; l < count + count / 2; ++l) {
        ComponentNode* a = all[random() % count];
        ComponentNode* b = all[random() % count];
        Connect(a, int(random() % a->OutputCount), b, int(random() % b->InputCount));
    }
}

int TypeAtRandom(std::mt19937& random)
{
    const int pick = int(random() % 5);
    return pick == 0 ? ComponentType::Splitter : pick == 1 ? ComponentType::Joiner : ComponentType::Keyboard;
}

struct Times {
    double median = 0;
    double worst = 0;
};

Times Summary(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples.back()};
}

// Each graph's time is the best of five runs, so that the machine's other
// work does not count; the figures are over the graphs.
Times LayoutTimes(int count, std::mt19937& random)
{
    std::vector<double> samples;
    for (int graph = 0; graph < 40; ++graph) {
        std::vector<std::unique_ptr<ComponentNode>> nodes;
        for (int i = 0; i < count; ++i) {
            nodes.push_back(std::make_unique<ComponentNode>(TypeAtRandom(random)));
            if (nodes.back()->TypeId == ComponentType::Splitter) nodes.back()->OutputCount = 2;
            if (nodes.back()->TypeId == ComponentType::Joiner) nodes.back()->InputCount = 2;
        }
        LinkAtRandom(random);
        double best = 1e9;
        for (int run = 0; run < 5; ++run) {
            const Clock::time_point start = Clock::now();
            RecomputeLayout();
            best = std::min(best, MillisecondsSince(start));
        }
        samples.push_back(best);
        while (!nodes.empty()) nodes.pop_back();
    }
    return Summary(samples);
}

// Paints the area of the document as the window does, into a picture of
// its size; the first run, which pays for the picture's memory, is not counted.
Times RepaintTimes(ConnectionsView& view, const QRect& area, qreal dpr)
{
    QImage image(area.size() * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    std::vector<double> samples;
    for (int run = 0; run < 13; ++run) {
        const Clock::time_point start = Clock::now();
        QPainter painter(&image);
        painter.translate(-area.topLeft());
        view.PaintDocument(painter, area);
        painter.end();
        if (run > 0) samples.push_back(MillisecondsSince(start));
    }
    return Summary(samples);
}

}  // namespace

int main(int argc, char** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("CANTREL_MIDI_BACKEND", "capture", 0);
    QApplication app(argc, argv);
    UseStudioStyle();
    InstallStudioParts();
    std::mt19937 random(1208);

    std::printf("layout of random link graphs with loops (40 graphs, best of 5 runs each)\n");
    std::printf("%11s %10s %16s\n", "components", "median ms", "worst graph ms");
    // Sizes on the command line replace 10, 100 and 1,000 (the repaint is skipped then).
    std::vector<int> sizes;
    for (int a = 1; a < argc; ++a)
        if (std::atoi(argv[a]) > 0) sizes.push_back(std::atoi(argv[a]));
    const bool layoutOnly = !sizes.empty();
    if (sizes.empty()) sizes = {10, 100, 1000};
    double median100 = 0;
    for (int count : sizes) {
        const Times t = LayoutTimes(count, random);
        std::printf("%11d %10.3f %16.3f\n", count, t.median, t.worst);
        if (count == 100) median100 = t.median;
        if (count == 1000)
            std::printf("growth 100 -> 1000: x%.1f; goal under 20 ms for 1,000: %s\n", t.median / median100,
                        t.worst < 20 ? "met" : "MISSED");
    }

    if (layoutOnly) return 0;

    std::string folder = (std::filesystem::temp_directory_path() / "cantrel-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) return 1;
    const std::string ini = folder + "/cantrel.ini";
    UseINIFileName(ini.c_str());
    // Keyboards stand in for every 1-in, 1-out component.
    SetComponentFactory(ComponentKind::Keyboard, [] { return new mmMDIChildClient(ComponentType::Keyboard); });
    mmMDIClient studio;
    studio.resize(1024, 768);
    studio.show();
    for (int i = 0; i < 1000; ++i)
        if (!CreateComponent(&studio, KindOfType(TypeAtRandom(random)), true)) return 1;
    LinkAtRandom(random);
    if (!ToggleConnectionsWindow(&studio)) return 1;
    ConnectionsView& view = *ConnectionsWindow()->View();
    view.Refresh();
    const QSize extent = DocumentExtent();
    const QRect document(QPoint(), extent);
    const QRect window(QPoint(0, extent.height() / 2), QSize(1024, 768));
    std::printf(
        "repaint with 1,000 components, 12 runs: the whole document (%dx%d, all 1,000 icons) and a\n"
        "1024x768 window onto its middle\n",
        extent.width(), extent.height());
    for (qreal dpr : {1.0, 2.0}) {
        const Times whole = RepaintTimes(view, document, dpr);
        const Times part = RepaintTimes(view, window, dpr);
        std::printf("pixel ratio %.0f: document median %.1f ms (worst %.1f), window median %.2f ms (worst %.2f)\n", dpr,
                    whole.median, whole.worst, part.median, part.worst);
    }
    ToggleConnectionsWindow(&studio);
    studio.AskToSave = [] { return QMessageBox::No; };
    studio.CloseStudio();
    std::filesystem::remove_all(folder);
    return 0;
}
