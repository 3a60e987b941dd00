#include "document/UndoHistory.h"

#include <gtest/gtest.h>

namespace {

// A document changed by a command: the title stands for any content.
Document titled(const std::string& title) {
    Document d;
    d.graphTitle = title;
    d.modified = true;
    return d;
}

TEST(UndoHistory, FileNameFlagAndSelectionAreNotContent) {
    Document a = titled("A");
    Document b = a;
    b.currentFileName = "other.dat";
    b.modified = false;
    b.selectionTop = 3;
    b.selectionBottom = 5;
    b.table.setSummaryText("y = a + bx:");
    EXPECT_TRUE(sameContent(a, b));
    b.graphTitle = "B";
    EXPECT_FALSE(sameContent(a, b));
}

TEST(UndoHistory, UndoAndRedoWalkTheStepsAndModifiedFollowsTheSavedState) {
    UndoHistory h{Document()};
    h.commandEnded(Document()); // a command that changed nothing is no step
    Document unmarked = titled("row count");
    unmarked.modified = false; // a change some commands leave unmarked is not a save
    h.commandEnded(unmarked);
    EXPECT_TRUE(h.undo().graphTitle == "Graph Title" && !h.canUndo());
    EXPECT_FALSE(h.canUndo());
    h.commandEnded(titled("A"));
    Document b = titled("B");
    b.currentFileName = "b.dat";
    b.selectionTop = 2;
    b.selectionBottom = 4;
    h.commandEnded(b);

    const Document first = h.undo();
    EXPECT_EQ(first.graphTitle, "A");
    EXPECT_EQ(first.currentFileName, "b.dat"); // undo never renames the file
    EXPECT_TRUE(first.modified);
    const Document start = h.undo();
    EXPECT_TRUE(h.canRedo());
    EXPECT_TRUE(sameContent(start, Document()));
    EXPECT_FALSE(start.modified); // back at the saved content
    EXPECT_FALSE(h.canUndo());

    EXPECT_EQ(h.redo().graphTitle, "A");
    const Document last = h.redo();
    EXPECT_EQ(last.graphTitle, "B");
    EXPECT_EQ(last.selectionTop, last.selectionBottom); // no selection after the swap
    EXPECT_FALSE(h.canRedo());

    // Saving "B" makes it the unmodified state; a new change drops the redo steps.
    h.saved(last);
    EXPECT_TRUE(h.undo().modified);
    EXPECT_FALSE(h.redo().modified);
    h.undo();
    h.commandEnded(titled("C"));
    EXPECT_FALSE(h.canRedo());
}

TEST(UndoHistory, KeepsTheLastHundredStepsAndRestartsForANewDocument) {
    UndoHistory h{Document()};
    for (int i = 1; i <= UndoHistory::MAX_STEPS + 5; ++i)
        h.commandEnded(titled(std::to_string(i)));
    int steps = 0;
    Document oldest;
    while (h.canUndo()) {
        oldest = h.undo();
        ++steps;
    }
    EXPECT_EQ(steps, UndoHistory::MAX_STEPS);
    EXPECT_EQ(oldest.graphTitle, "5");

    h.restart(titled("opened"));
    EXPECT_FALSE(h.canUndo());
    EXPECT_FALSE(h.canRedo());
}

} // namespace
