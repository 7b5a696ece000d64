#include "core/studio/connections_layout.h"

#include <algorithm>

using namespace ConnectionsLayout;

namespace {

// The links of one component that lead to other components, in slot order
// (a link to itself is ignored throughout).
struct Neighbours {
    int inputs[SlotCount];
    int inputCount = 0;
    int outputs[SlotCount];
    int outputCount = 0;
};

class AutomaticLayout {
public:
    explicit AutomaticLayout(std::vector<LayoutComponent>& components)
        : c_(components),
          n_(int(components.size())),
          links_(components.size()),
          placing_(components.size()),
          recentering_(components.size()),
          picked_(components.size()),
          budget_(4096 + 256L * n_)
    {
        for (int i = 0; i < n_; ++i) {
            Neighbours& links = links_[i];
            for (LayoutSlot& slot : c_[i].links) {
                // An end outside the list is no end.
                if (slot.from < -1 || slot.from >= n_) slot.from = -1;
                if (slot.to < -1 || slot.to >= n_) slot.to = -1;
                if (slot.to == i && slot.from >= 0 && slot.from != i) links.inputs[links.inputCount++] = slot.from;
                if (slot.from == i && slot.to >= 0 && slot.to != i) links.outputs[links.outputCount++] = slot.to;
            }
        }
    }

    void Run()
    {
        if (n_ == 0) return;
        const int groupCount = FormGroups();
        AssignColumns();
        std::vector<int> groupMax(groupCount + 1, 0);
        int maxColumn = 0;
        for (LayoutComponent& c : c_) {
            groupMax[c.group] = std::max(groupMax[c.group], c.column);
            maxColumn = std::max(maxColumn, c.column);
            c.iconX = c.iconY = 0;
        }
        columnBottom_.assign(std::size_t(std::max(maxColumn, 1)), Margin);
        std::vector<std::vector<int>> members(groupCount + 1);
        for (int i = 0; i < n_; ++i) members[c_[i].group].push_back(i);
        for (int g = 1; g <= groupCount; ++g) {
            while (true) {
                const int next = NextToPlace(members[g]);
                if (next < 0) break;
                picked_[next] = 1;
                ++steps_;
                Place(next, c_[next].column, groupMax[g], 0);
            }
            const int lowest = *std::max_element(columnBottom_.begin(), columnBottom_.end());
            std::fill(columnBottom_.begin(), columnBottom_.end(), lowest);
        }
        for (LayoutComponent& c : c_) {
            if (c.manualPosition) {
                c.iconX = c.storedX;
                c.iconY = c.storedY;
            } else {
                c.storedX = c.iconX;
                c.storedY = c.iconY;
            }
        }
    }

private:
    // Recursion into the graph stops at this depth, and after a number of
    // steps that no graph without loops of a studio's size comes near: a
    // graph whose placing would go on beyond them is finished without
    // following its links further.
    static constexpr int DepthLimit = 4096;

    bool Exhausted() const { return steps_ >= budget_; }

    // Each component still in group 0 starts the next group, which spreads
    // along its links in both directions.
    int FormGroups()
    {
        for (LayoutComponent& c : c_) c.group = 0;
        int groups = 0;
        std::vector<int> stack;
        for (int i = 0; i < n_; ++i) {
            if (c_[i].group != 0) continue;
            c_[i].group = ++groups;
            stack.push_back(i);
            while (!stack.empty()) {
                const int at = stack.back();
                stack.pop_back();
                for (const LayoutSlot& slot : c_[at].links)
                    for (int other : {slot.from, slot.to})
                        if (other >= 0 && c_[other].group == 0) {
                            c_[other].group = groups;
                            stack.push_back(other);
                        }
            }
        }
        return groups;
    }

    // Sinks (sending to nobody else) take column 1, or the last component
    // when there is none; walking upstream from each sink, a component's
    // column becomes its greatest depth seen from a first visit.
    void AssignColumns()
    {
        bool anySink = false;
        for (int i = 0; i < n_; ++i) {
            bool sink = true;
            for (const LayoutSlot& slot : c_[i].links)
                if (slot.to >= 0 && slot.to != i) sink = false;
            c_[i].column = sink ? 1 : 0;
            anySink = anySink || sink;
        }
        if (!anySink) c_[n_ - 1].column = 1;

        std::vector<unsigned> visited(std::size_t(n_), 0);
        std::vector<std::pair<int, int>> stack;  // component, depth
        unsigned walk = 0;
        for (int i = 0; i < n_; ++i) {
            if (c_[i].column != 1) continue;
            ++walk;
            stack.push_back({i, 1});
            while (!stack.empty()) {
                const auto [at, depth] = stack.back();
                stack.pop_back();
                if (visited[at] == walk) continue;
                visited[at] = walk;
                c_[at].column = std::max(c_[at].column, depth);
                // Pushed last first, so the first input is walked first.
                const Neighbours& links = links_[at];
                for (int k = links.inputCount - 1; k >= 0; --k) stack.push_back({links.inputs[k], depth + 1});
            }
        }
    }

    // The unplaced component of the group with the largest column, the first
    // in list order on a tie; -1 when none is left.
    int NextToPlace(const std::vector<int>& members) const
    {
        int best = -1;
        for (int i : members) {
            const LayoutComponent& c = c_[i];
            if (c.iconY != 0 || c.column <= 0 || (Exhausted() && picked_[i])) continue;
            if (best < 0 || c.column > c_[best].column) best = i;
        }
        return best;
    }

    int AverageY(const int* of, int count) const
    {
        long sum = 0;
        for (int k = 0; k < count; ++k) sum += c_[of[k]].iconY;
        return int(sum / count);
    }

    int& Bottom(int column) { return columnBottom_[std::size_t(column - 1)]; }

    void Place(int i, int column, int groupMax, int depth)
    {
        if (placing_[i]) return;
        ++steps_;
        LayoutComponent& c = c_[i];
        const Neighbours& links = links_[i];
        column = std::max(column, 1);
        c.iconX = std::max(c.iconX, (groupMax - column) * ColumnStep + Margin);
        c.column = column;
        if (c.iconY != 0)
            c.iconY = links.inputCount ? AverageY(links.inputs, links.inputCount) : Bottom(column);
        else
            c.iconY = Bottom(column);
        Bottom(column) = std::max(Bottom(column), c.iconY + RowStep);
        if (Exhausted() || depth >= DepthLimit) return;

        placing_[i] = 1;
        int placedTargets = 0;
        for (int k = 0; k < links.outputCount; ++k) {
            const int target = links.outputs[k];
            if (c_[target].column > c.column) continue;
            Place(target, column - 1, groupMax, depth + 1);
            if (++placedTargets == 2) Recenter(i, c.column, 0);
        }
        placing_[i] = 0;
    }

    void Recenter(int i, int minColumn, int depth)
    {
        LayoutComponent& c = c_[i];
        if (c.column < minColumn || c.iconY == 0 || recentering_[i]) return;
        ++steps_;
        const Neighbours& links = links_[i];
        if (links.outputCount) c.iconY = AverageY(links.outputs, links.outputCount);
        Bottom(c.column) = std::max(Bottom(c.column), c.iconY + RowStep);
        if (Exhausted() || depth >= DepthLimit) return;

        recentering_[i] = 1;
        for (int k = 0; k < links.inputCount; ++k) Recenter(links.inputs[k], minColumn, depth + 1);
        recentering_[i] = 0;
    }

    std::vector<LayoutComponent>& c_;
    const int n_;
    std::vector<Neighbours> links_;
    std::vector<char> placing_;
    std::vector<char> recentering_;
    std::vector<char> picked_;
    std::vector<int> columnBottom_;
    long steps_ = 0;
    const long budget_;
};

}  // namespace

void LayOutComponents(std::vector<LayoutComponent>& components) { AutomaticLayout(components).Run(); }
