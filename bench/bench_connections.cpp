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
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <stdlib.h>

#include "app/shell/studio_style.h"
#include "app/studio/component_factory.h"
#include "app/studio/component_layout.h"
#include "app/studio/component_links.h"
#include "app/studio/component_node.h"
#include "app/studio/component_types.h"
#include "app/studio/connections/connections_view.h"
#include "app/studio/connections/layout_window.h"
#include "app/studio/connections_geometry.h"
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
        for (int run = 0; run < 5; ++run) {
            const Clock::time_point start = Clock::now();
            RecomputeLayout();
            samples.push_back(MillisecondsSince(start));
        }
        while (!nodes.empty()) nodes.pop_back();
    }
    return Summary(samples);
}

Times RepaintTimes(ConnectionsView& view, qreal dpr)
{
    const QSize extent = DocumentExtent();
    QImage image(extent * dpr, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    std::vector<double> samples;
    for (int run = 0; run < 12; ++run) {
        const Clock::time_point start = Clock::now();
        QPainter painter(&image);
        view.PaintDocument(painter, QRect(QPoint(), extent));
        painter.end();
        samples.push_back(MillisecondsSince(start));
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
    std::mt19937 random(1208);

    std::printf("layout of random link graphs with loops (40 graphs x 5 runs each)\n");
    std::printf("%11s %10s %10s\n", "components", "median ms", "worst ms");
    double median100 = 0;
    for (int count : {10, 100, 1000}) {
        const Times t = LayoutTimes(count, random);
        std::printf("%11d %10.3f %10.3f\n", count, t.median, t.worst);
        if (count == 100) median100 = t.median;
        if (count == 1000)
            std::printf("growth 100 -> 1000: x%.1f; goal under 20 ms for 1,000: %s\n", t.median / median100,
                        t.worst < 20 ? "met" : "MISSED");
    }

    std::string folder = (std::filesystem::temp_directory_path() / "cantrel-bench-XXXXXX").string();
    if (mkdtemp(folder.data()) == nullptr) return 1;
    const std::string ini = folder + "/cantrel.ini";
    UseINIFileName(ini.c_str());
    mmMDIClient studio;
    studio.resize(1024, 768);
    studio.show();
    for (int i = 0; i < 1000; ++i)
        if (!CreateComponent(&studio, KindOfType(TypeAtRandom(random)), true)) return 1;
    LinkAtRandom(random);
    if (!ToggleConnectionsWindow(&studio)) return 1;
    ConnectionsView& view = *ConnectionsWindow()->View();
    view.Refresh();
    std::printf("full repaint of 1,000 icons (document %dx%d), 12 runs\n", DocumentExtent().width(),
                DocumentExtent().height());
    for (qreal dpr : {1.0, 2.0}) {
        const Times t = RepaintTimes(view, dpr);
        std::printf("pixel ratio %.0f: median %.1f ms, worst %.1f ms\n", dpr, t.median, t.worst);
    }
    ToggleConnectionsWindow(&studio);
    studio.AskToSave = [] { return QMessageBox::No; };
    studio.CloseStudio();
    std::filesystem::remove_all(folder);
    return 0;
}
