// The automatic layout of the Connections window on link graphs made with
// the real Connect, checked on the studio examples, on manual positions and
// against a second, plain recursive reading of the layout on random graphs.
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <random>
#include <vector>

#include "core/studio/component_layout.h"
#include "core/studio/component_links.h"
#include "core/studio/component_node.h"
#include "core/studio/component_types.h"

namespace {

// A studio of bare components, without windows.
class Graph {
public:
    ComponentNode* Add(int type = ComponentType::Keyboard)
    {
        nodes_.push_back(std::make_unique<ComponentNode>(type));
        ComponentNode* n = nodes_.back().get();
        n->SoundOn = 0;
        if (type == ComponentType::Splitter) n->OutputCount = 2;
        if (type == ComponentType::Joiner) n->InputCount = 2;
        return n;
    }
    ~Graph()
    {
        while (!nodes_.empty()) nodes_.pop_back();
    }
    std::vector<ComponentNode*> All() const
    {
        std::vector<ComponentNode*> all;
        for (const auto& n : nodes_) all.push_back(n.get());
        return all;
    }

private:
    std::vector<std::unique_ptr<ComponentNode>> nodes_;
};

struct Position {
    int x, y;
    bool operator==(const Position&) const = default;
};
std::ostream& operator<<(std::ostream& out, const Position& p) { return out << "(" << p.x << ", " << p.y << ")"; }

Position At(const ComponentNode* n) { return {n->IconX, n->IconY}; }

// The layout read plainly: recursion as written, with the working values in
// maps of its own. Gives up (false) after too many steps.
class PlainLayout {
public:
    bool Run()
    {
        std::vector<ComponentNode*> list;
        for (ComponentNode* n = FirstComponent(); n; n = n->Next) list.push_back(n);
        if (list.empty()) return true;
        int groups = 0;
        std::function<void(ComponentNode*)> spread = [&](ComponentNode* c) {
            for (const LinkSlot& s : c->Links)
                for (ComponentNode* o : {s.From, s.To})
                    if (o && group[o] == 0) {
                        group[o] = groups;
                        spread(o);
                    }
        };
        for (ComponentNode* c : list)
            if (group[c] == 0) {
                group[c] = ++groups;
                spread(c);
            }
        bool anySink = false;
        for (ComponentNode* c : list) {
            bool sink = true;
            for (const LinkSlot& s : c->Links)
                if (s.To && s.To != c) sink = false;
            column[c] = sink;
            anySink = anySink || sink;
        }
        if (!anySink) column[list.back()] = 1;
        for (ComponentNode* sink : list) {
            if (column[sink] != 1) continue;
            std::map<ComponentNode*, bool> visited;
            std::function<void(ComponentNode*, int)> walk = [&](ComponentNode* c, int depth) {
                if (visited[c]) return;
                visited[c] = true;
                column[c] = std::max(column[c], depth);
                for (ComponentNode* from : Inputs(c)) walk(from, depth + 1);
            };
            walk(sink, 1);
        }
        std::map<int, int> groupMax;
        int maxColumn = 0;
        for (ComponentNode* c : list) {
            groupMax[group[c]] = std::max(groupMax[group[c]], column[c]);
            maxColumn = std::max(maxColumn, column[c]);
            x[c] = y[c] = 0;
        }
        bottom.assign(maxColumn, 16);
        for (int g = 1; g <= groups; ++g) {
            while (true) {
                ComponentNode* best = nullptr;
                for (ComponentNode* c : list)
                    if (group[c] == g && y[c] == 0 && column[c] > 0 && (!best || column[c] > column[best])) best = c;
                if (!best) break;
                if (++steps > 100000) return false;
                Place(best, column[best], groupMax[g]);
            }
            const int lowest = *std::max_element(bottom.begin(), bottom.end());
            bottom.assign(bottom.size(), lowest);
        }
        for (ComponentNode* c : list) {
            if (c->ManualPosition) {
                x[c] = c->StoredIconX;
                y[c] = c->StoredIconY;
            }
        }
        return steps <= 100000;
    }

    static std::vector<ComponentNode*> Inputs(ComponentNode* c)
    {
        std::vector<ComponentNode*> in;
        for (const LinkSlot& s : c->Links)
            if (s.To == c && s.From && s.From != c) in.push_back(s.From);
        return in;
    }
    static std::vector<ComponentNode*> Outputs(ComponentNode* c)
    {
        std::vector<ComponentNode*> out;
        for (const LinkSlot& s : c->Links)
            if (s.From == c && s.To && s.To != c) out.push_back(s.To);
        return out;
    }
    int Average(const std::vector<ComponentNode*>& of)
    {
        int sum = 0;
        for (ComponentNode* c : of) sum += y[c];
        return sum / int(of.size());
    }

    void Place(ComponentNode* c, int col, int groupMax)
    {
        if (++steps > 100000) return;
        col = std::max(col, 1);
        x[c] = std::max(x[c], (groupMax - col) * 64 + 16);
        column[c] = col;
        const std::vector<ComponentNode*> in = Inputs(c);
        if (y[c] != 0)
            y[c] = in.empty() ? bottom[col - 1] : Average(in);
        else
            y[c] = bottom[col - 1];
        bottom[col - 1] = std::max(bottom[col - 1], y[c] + 56);
        int placed = 0;
        for (ComponentNode* t : Outputs(c)) {
            if (column[t] > column[c]) continue;
            Place(t, col - 1, groupMax);
            if (++placed == 2) Recenter(c, column[c]);
        }
    }

    void Recenter(ComponentNode* c, int minColumn)
    {
        if (++steps > 100000) return;
        if (column[c] < minColumn || y[c] == 0) return;
        const std::vector<ComponentNode*> out = Outputs(c);
        if (!out.empty()) y[c] = Average(out);
        bottom[column[c] - 1] = std::max(bottom[column[c] - 1], y[c] + 56);
        for (ComponentNode* s : Inputs(c)) Recenter(s, minColumn);
    }

    std::map<ComponentNode*, int> group, column, x, y;
    std::vector<int> bottom;
    long steps = 0;
};

bool HasLoop(const std::vector<ComponentNode*>& all)
{
    std::map<ComponentNode*, int> state;  // 1 on the path, 2 done
    std::function<bool(ComponentNode*)> from = [&](ComponentNode* c) {
        state[c] = 1;
        for (ComponentNode* t : PlainLayout::Outputs(c))
            if (state[t] == 1 || (state[t] == 0 && from(t))) return true;
        state[c] = 2;
        return false;
    };
    for (ComponentNode* c : all)
        if (state[c] == 0 && from(c)) return true;
    return false;
}

TEST(ConnectionsLayoutTest, StudioExamples)
{
    constexpr int K = ComponentType::Keyboard, S = ComponentType::Splitter;
    struct LinkEnds {
        int from, output, to, input;  // list positions, 0-based
    };
    const struct {
        const char* name;
        std::vector<int> types;
        std::vector<LinkEnds> links;
        std::vector<Position> expected;
    } examples[] = {
        {"Keyboard -> Guitar", {K, ComponentType::Guitar}, {{0, 0, 1, 0}}, {{16, 16}, {80, 16}}},
        {"a Splitter sits at the average height of the two it feeds",
         {S, K, K},
         {{0, 0, 1, 0}, {0, 1, 2, 0}},
         {{16, 44}, {80, 16}, {80, 72}}},
        {"the second chain starts below the lowest icon of the first",
         {S, K, K, K, K},
         {{0, 0, 1, 0}, {0, 1, 2, 0}, {3, 0, 4, 0}},
         {{16, 44}, {80, 16}, {80, 72}, {16, 128}, {80, 128}}},
        {"a loop without a sink: the last component is taken for the sink",
         {K, K, K},
         {{0, 0, 1, 0}, {1, 0, 2, 0}, {2, 0, 0, 0}},
         {{16, 16}, {80, 16}, {144, 16}}},
        {"a loop of its own beside a studio with a sink stays unplaced",
         {K, K, K, K},
         {{0, 0, 1, 0}, {2, 0, 3, 0}, {3, 0, 2, 0}},
         {{16, 16}, {80, 16}, {0, 0}, {0, 0}}},
    };
    for (const auto& example : examples) {
        Graph g;
        for (int type : example.types) g.Add(type);
        const std::vector<ComponentNode*> all = g.All();
        for (const LinkEnds& l : example.links) Connect(all[l.from], l.output, all[l.to], l.input);
        RecomputeLayout();
        for (std::size_t i = 0; i < all.size(); ++i)
            EXPECT_EQ(At(all[i]), example.expected[i]) << example.name << ", " << i;
    }
}

TEST(ConnectionsLayoutTest, ManualIconsKeepTheirPlaceAndAutomaticOnesRememberTheirs)
{
    Graph g;
    ComponentNode* k = g.Add();
    ComponentNode* gt = g.Add();
    Connect(k, 0, gt, 0);
    gt->ManualPosition = 1;
    gt->StoredIconX = 300;
    gt->StoredIconY = -5;
    k->StoredIconX = 999;
    RecomputeLayout();
    EXPECT_EQ(At(gt), (Position{300, -5}));
    EXPECT_EQ(At(k), (Position{16, 16}));
    EXPECT_EQ(k->StoredIconX, 16);
    // Switched to manual, an icon stays where the layout put it.
    k->ManualPosition = 1;
    Connect(gt, 0, k, 0);
    RecomputeLayout();
    EXPECT_EQ(At(k), (Position{16, 16}));
}

// Random studios: graphs without loops come out as the plain reading has
// them; every graph finishes.
TEST(ConnectionsLayoutTest, RandomLinkGraphs)
{
    std::mt19937 random(20261208);
    int withoutLoops = 0, withLoops = 0;
    for (int round = 0; round < 5000; ++round) {
        Graph g;
        const int count = 1 + int(random() % 12);
        const bool acyclic = round % 2 == 0;
        for (int i = 0; i < count; ++i) {
            const int pick = int(random() % 5);
            g.Add(pick == 0 ? ComponentType::Splitter : pick == 1 ? ComponentType::Joiner : ComponentType::Keyboard);
        }
        const std::vector<ComponentNode*> all = g.All();
        // The other rounds start from a ring, which later links may break.
        if (!acyclic)
            for (int i = 0; i < count; ++i) Connect(all[i], 0, all[(i + 1) % count], 0);
        const int links = int(random() % (2 * count + 1));
        for (int l = 0; l < links; ++l) {
            int a = int(random() % count), b = int(random() % count);
            // Links only forward in list order cannot close a loop.
            if (acyclic && a >= b) continue;
            Connect(all[a], int(random() % all[a]->OutputCount), all[b], int(random() % all[b]->InputCount));
        }
        for (ComponentNode* n : all)
            if (random() % 6 == 0) {
                n->ManualPosition = 1;
                n->StoredIconX = int(random() % 500);
                n->StoredIconY = int(random() % 500);
            }
        RecomputeLayout();
        if (HasLoop(all)) {
            ++withLoops;
            for (ComponentNode* n : all)
                if (n->ManualPosition) {
                    EXPECT_EQ(At(n), (Position{n->StoredIconX, n->StoredIconY}));
                }
            continue;
        }
        ++withoutLoops;
        PlainLayout plain;
        ASSERT_TRUE(plain.Run()) << "round " << round;
        for (ComponentNode* n : all)
            ASSERT_EQ(At(n), (Position{plain.x[n], plain.y[n]}))
                << "round " << round << ", component " << ComponentIndex(n);
    }
    EXPECT_GT(withoutLoops, 2000);
    EXPECT_GT(withLoops, 1000);
}

}  // namespace
