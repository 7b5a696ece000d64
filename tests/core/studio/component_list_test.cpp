// The component list: positions and components agree however the list is
// walked and whatever comes or goes in between.
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "core/studio/component_node.h"

namespace {

TEST(ComponentList, PositionsFollowComponentsThatComeAndGo)
{
    ASSERT_EQ(ComponentCount(), 0);
    std::vector<std::unique_ptr<ComponentNode>> nodes;
    for (int i = 0; i < 9; ++i) nodes.push_back(std::make_unique<ComponentNode>(1));
    auto expectAt = [&nodes](std::initializer_list<int> order) {
        for (int k : order) {
            EXPECT_EQ(ComponentAt(k), nodes[std::size_t(k - 1)].get()) << k;
            EXPECT_EQ(ComponentIndex(nodes[std::size_t(k - 1)].get()), k) << k;
        }
    };

    // Forwards, backwards, the same twice, and jumps from end to end.
    expectAt({5, 6, 4, 9, 1, 8, 2, 2, 7, 3});
    EXPECT_EQ(ComponentAt(0), nullptr);
    EXPECT_EQ(ComponentAt(-3), nullptr);
    EXPECT_EQ(ComponentAt(10), nullptr);

    // The component just found leaves, then the first one: the positions
    // after them move up.
    EXPECT_EQ(ComponentAt(6), nodes[5].get());
    nodes.erase(nodes.begin() + 5);
    expectAt({6, 5, 7});
    nodes.erase(nodes.begin());
    expectAt({5, 4, 6, 1, 7});
    EXPECT_EQ(ComponentAt(8), nullptr);

    // One more at the end is found from the last answer's neighbourhood.
    nodes.push_back(std::make_unique<ComponentNode>(2));
    expectAt({7, 8});

    nodes.clear();
    EXPECT_EQ(ComponentAt(1), nullptr);
    EXPECT_EQ(ComponentCount(), 0);
}

}  // namespace
