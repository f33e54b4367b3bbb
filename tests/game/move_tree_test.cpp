// The record's tree: adding moves (entering a child that plays the same
// move), promoting, making the main line and removing, each checked on the
// whole tree's shape; the limits; and walks that do not recurse.
#include <gtest/gtest.h>

#include "engine/fen.h"
#include "game/move_tree.h"
#include "tree_text.h"

namespace {

// The tree every edit starts from:
//   h2e2 ─ h9g7 ─ h0g2
//        │      └ b0c2
//        ├ b9c7 ─ i0i1
//        └ h7e7
struct Start {
    MoveTree tree;
    int h2e2, h9g7, h0g2, b0c2, b9c7, i0i1, h7e7;
    Start() {
        auto add = [&](int at, const char* m) { return tree.appendChild(at, readCoordinateMove(m)); };
        h2e2 = add(MoveTree::ROOT, "h2e2");
        h9g7 = add(h2e2, "h9g7");
        h0g2 = add(h9g7, "h0g2");
        b0c2 = add(h9g7, "b0c2");
        b9c7 = add(h2e2, "b9c7");
        i0i1 = add(b9c7, "i0i1");
        h7e7 = add(h2e2, "h7e7");
    }
};

enum class Edit { AddExisting, AddNew, PromoteFirst, PromoteSecond, PromoteThird, MainLine, RemoveVariation, RemoveMain };

struct EditCase {
    Edit edit;
    const char* after;
    int moves, variations;
};

constexpr EditCase EDITS[] = {
    // Playing b9c7 after h2e2 enters the child there: nothing is added.
    {Edit::AddExisting, "1:h2e2 2:h9g7 3:h0g2 3:b0c2 2:b9c7 3:i0i1 2:h7e7", 7, 3},
    {Edit::AddNew, "1:h2e2 2:h9g7 3:h0g2 3:b0c2 2:b9c7 3:i0i1 2:h7e7 2:c9e7", 8, 4},
    {Edit::PromoteFirst, "1:h2e2 2:h9g7 3:h0g2 3:b0c2 2:b9c7 3:i0i1 2:h7e7", 7, 3},
    {Edit::PromoteSecond, "1:h2e2 2:b9c7 3:i0i1 2:h9g7 3:h0g2 3:b0c2 2:h7e7", 7, 3},
    {Edit::PromoteThird, "1:h2e2 2:h9g7 3:h0g2 3:b0c2 2:h7e7 2:b9c7 3:i0i1", 7, 3},
    // b0c2 becomes the main continuation of h9g7, and h9g7 stays h2e2's.
    {Edit::MainLine, "1:h2e2 2:h9g7 3:b0c2 3:h0g2 2:b9c7 3:i0i1 2:h7e7", 7, 3},
    {Edit::RemoveVariation, "1:h2e2 2:h9g7 3:h0g2 3:b0c2 2:h7e7", 5, 2},
    {Edit::RemoveMain, "1:h2e2 2:b9c7 3:i0i1 2:h7e7", 4, 1},
};

class MoveTreeEdits : public testing::TestWithParam<EditCase> {};

TEST_P(MoveTreeEdits, LeaveTheWholeTreeAsExpected) {
    Start s;
    MoveTree& t = s.tree;
    switch (GetParam().edit) {
    case Edit::AddExisting: EXPECT_EQ(t.addMove(s.h2e2, readCoordinateMove("b9c7")), s.b9c7); break;
    case Edit::AddNew: EXPECT_EQ(t.move(t.addMove(s.h2e2, readCoordinateMove("c9e7"))), readCoordinateMove("c9e7")); break;
    case Edit::PromoteFirst: EXPECT_FALSE(t.promote(s.h9g7)); break;
    case Edit::PromoteSecond: EXPECT_TRUE(t.promote(s.b9c7)); break;
    case Edit::PromoteThird: EXPECT_TRUE(t.promote(s.h7e7)); break;
    case Edit::MainLine:
        t.makeMainLine(s.b0c2);
        EXPECT_EQ(t.mainLine(), (std::vector<int>{s.h2e2, s.h9g7, s.b0c2}));
        break;
    case Edit::RemoveVariation: t.remove(s.b9c7); break;
    case Edit::RemoveMain: t.remove(s.h9g7); break;
    }
    EXPECT_EQ(treeText(t), GetParam().after);
    EXPECT_EQ(t.moveCount(), GetParam().moves);
    EXPECT_EQ(t.variationCount(), GetParam().variations);
    // Appending after an edit keeps the order: the new move comes last among its siblings.
    const int added = t.appendChild(s.h2e2, readCoordinateMove("g6g5"));
    EXPECT_EQ(t.placeAmongSiblings(added), t.childCount(s.h2e2) - 1);
}

INSTANTIATE_TEST_SUITE_P(All, MoveTreeEdits, testing::ValuesIn(EDITS));

TEST(MoveTree, MakingADeepVariationTheMainLineLiftsEveryBranchAboveIt) {
    Start s;
    const int deep = s.tree.appendChild(s.i0i1, readCoordinateMove("a9a8"));
    s.tree.makeMainLine(deep);
    EXPECT_EQ(s.tree.mainLine(), (std::vector<int>{s.h2e2, s.b9c7, s.i0i1, deep}));
    EXPECT_EQ(s.tree.lineThrough(s.h9g7), (std::vector<int>{s.h2e2, s.h9g7, s.h0g2}));
}

TEST(MoveTree, CommentsAndEqualityFollowTheTreeNotItsStorage) {
    Start a, b;
    a.tree.setComment(a.b0c2, "x");
    EXPECT_FALSE(a.tree == b.tree);
    b.tree.setComment(b.b0c2, "x");
    EXPECT_TRUE(a.tree == b.tree);
    // Removing and adding back the same move gives an equal tree with other indices.
    a.tree.remove(a.h7e7);
    a.tree.appendChild(a.h2e2, readCoordinateMove("h7e7"));
    EXPECT_TRUE(a.tree == b.tree);
}

TEST(MoveTree, LinesStopAtTheDepthLimitAndLongWalksDoNotRecurse) {
    MoveTree t;
    int n = MoveTree::ROOT;
    for (int i = 0; i < MOVE_TREE_MAX_DEPTH; ++i) n = t.appendChild(n, readCoordinateMove(i % 2 ? "h9g7" : "h2e2"));
    ASSERT_NE(n, MoveTree::NONE);
    EXPECT_EQ(t.appendChild(n, readCoordinateMove("a0a1")), MoveTree::NONE);
    EXPECT_EQ(t.depth(n), MOVE_TREE_MAX_DEPTH);
    EXPECT_EQ(static_cast<int>(t.mainLine().size()), MOVE_TREE_MAX_DEPTH);
    t.remove(t.firstChild(MoveTree::ROOT));
    EXPECT_TRUE(t.empty());
}

}  // namespace
