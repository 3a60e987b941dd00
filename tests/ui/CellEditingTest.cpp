#include "ColumnFormFixture.h"

#include "table/ClipboardText.h"
#include "table/EntryCheck.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>

#include <functional>
#include <string>
#include <vector>

namespace {

class CellEditingTest : public ColumnFormTest {
protected:
    void SetUp() override {
        ColumnFormTest::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }

    DataStringGrid& grid() { return form->grid(); }
    QClipboard* clipboard() { return QApplication::clipboard(); }

    // Closed editors linger hidden until they are deleted later.
    QLineEdit* openEditor() {
        for (auto* editor : grid().viewport()->findChildren<QLineEdit*>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }
    // The first key opens the current cell's editor, which takes the rest; the edit stays
    // open.
    QLineEdit* startTyping(const QString& text) {
        QTest::keyClicks(&grid(), text.left(1));
        QLineEdit* editor = openEditor();
        if (editor)
            QTest::keyClicks(editor, text.mid(1));
        return editor;
    }
    QPoint centreOf(int row, int column) {
        return grid().visualRect(model().index(row, column)).center();
    }
    void click(int row, int column, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(grid().viewport(), Qt::LeftButton, modifiers, centreOf(row, column));
    }
    // The queued commit of Enter, and the report that follows a refusal.
    static void settle() {
        for (int i = 0; i < 3; ++i)
            QCoreApplication::processEvents();
    }
};

TEST_F(CellEditingTest, TypingPassesTheFilterInTheCellAndInItsEditor) {
    grid().setCurrentIndex(model().index(0, 0));
    QTest::keyClicks(&grid(), "x+ ");
    EXPECT_EQ(openEditor(), nullptr) << "a dropped key opens no editor";
    QLineEdit* editor = startTyping("3,5 x+E1");
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->text(), "35E1");
    QTest::keyClick(editor, Qt::Key_Return);
    settle();
    EXPECT_EQ(table().cellText(1, 1), "35E1");
    EXPECT_TRUE(ui.messages.empty());
}

// Every way of leaving a cell ends in the same place: the refusal shown once, the former
// text in the cell, the cell current again with its editor open; Escape then leaves it.
TEST_F(CellEditingTest, ARefusedEntryTakesTheUserBackToTheCell) {
    struct Way {
        const char* name;
        std::function<void(QLineEdit*)> leave;
    };
    const Way ways[] = {
        {"Enter", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_Return); }},
        {"Tab", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_Tab); }},
        {"arrow", [](QLineEdit* e) { QTest::keyClick(e, Qt::Key_Down); }},
        {"click elsewhere", [this](QLineEdit*) { click(6, 1); }},
        // The command does not run over a refused entry: nothing is pasted.
        {"Paste", [this](QLineEdit*) { action("editPaste")->trigger(); }},
    };
    const QModelIndex cell = model().index(2, 0);
    const auto refusal = entryRefusal("1.2.3", 1, GraphType::Linear, ColumnRoles{}, '.');
    ASSERT_TRUE(refusal);
    for (const Way& way : ways) {
        SCOPED_TRACE(way.name);
        changeDocument([](Document& d) {
            d.table.setCellText(1, 3, "4");
            d.modified = false;
        });
        clipboard()->setText("9");
        ui.messages.clear();
        QModelIndex currentWhileShown;
        ui.onMessage = [&](const auto&) { currentWhileShown = grid().currentIndex(); };
        grid().setCurrentIndex(cell);
        QLineEdit* editor = startTyping("1.2.3");
        ASSERT_NE(editor, nullptr);

        way.leave(editor);
        settle();
        ASSERT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(ui.messages[0].text.toStdString(), refusal->text);
        EXPECT_EQ(ui.messages[0].icon, UiServices::Icon::Stop);
        if (std::string(way.name) == "Enter") {
            EXPECT_EQ(currentWhileShown, cell) << "Enter moved on";
        }
        EXPECT_EQ(table().cellText(1, 3), "4");
        EXPECT_FALSE(doc().modified);
        EXPECT_EQ(grid().currentIndex(), cell);
        editor = openEditor();
        ASSERT_NE(editor, nullptr);
        EXPECT_EQ(editor->text(), "4");

        QTest::keyClick(editor, Qt::Key_Escape);
        settle();
        EXPECT_EQ(openEditor(), nullptr);
        EXPECT_EQ(ui.messages.size(), 1u);
        EXPECT_EQ(table().cellText(1, 3), "4");
    }
    ui.onMessage = nullptr;
}

// With a fit shown, each command's steps are seen in their order: the fit goes (the
// document is then modified), the cells change, and the re-plot meets the word in row 3.
TEST_F(CellEditingTest, CommandsTakeTheirStepsInOrder) {
    struct Case {
        const char* command;
        std::vector<std::string> steps;
        const char* cellAfter;  // the top-left cell of the block
        const char* belowAfter; // the cell below it
        const char* clipboardAfter;
    };
    const Case cases[] = {
        {"editCopy", {}, "1", "2", "1\t2\r\n2\t4"},
        {"editPaste", {"ClearFit modified", "cells modified", "RebuildPlot"}, "7", "8", "7\n8\n"},
        {"editCut", {"ClearFit modified", "cells modified", "RebuildPlot"}, "", "", "1\t2\r\n2\t4"},
        {"editDelete", {"cells", "ClearFit modified", "RebuildPlot"}, "", "", "7\n8\n"},
    };
    std::vector<std::string> steps;
    const auto step = [&](const std::string& name) {
        steps.push_back(doc().modified ? name + " modified" : name);
    };
    QObject::connect(child<QToolButton>("FitToolButton"), &QToolButton::toggled, [&](bool down) {
        if (!down)
            step("ClearFit");
    });
    QObject::connect(&model(), &QAbstractItemModel::dataChanged, [&](const QModelIndex& topLeft) {
        if (topLeft.row() < model().summaryRow())
            step("cells");
    });
    ui.onMessage = [&](const auto&) { steps.push_back("RebuildPlot"); };

    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        changeDocument([](Document& d) {
            const char* cells[3][2] = {{"1", "2"}, {"2", "4"}, {"3", "word"}};
            for (int row = 1; row <= 3; ++row)
                for (int column = 1; column <= 2; ++column)
                    d.table.setCellText(column, row, cells[row - 1][column - 1]);
            d.modified = false;
        });
        click(0, 0);
        click(1, 1, Qt::ShiftModifier);
        showFakeFit();
        clipboard()->setText("7\n8\n"); // line ends of another program
        steps.clear();

        action(c.command)->trigger();
        EXPECT_EQ(steps, c.steps);
        EXPECT_EQ(table().cellText(1, 1), c.cellAfter);
        EXPECT_EQ(table().cellText(1, 2), c.belowAfter) << "one pasted line a row";
        EXPECT_EQ(clipboard()->text(), c.clipboardAfter);
        if (c.steps.empty()) {
            EXPECT_TRUE(form->isFitShown());
            EXPECT_FALSE(doc().modified);
        } else {
            expectFitCleared();
        }
    }
    ui.onMessage = nullptr;
}

// The pop-up menu acts on the block the user selected, and the menus' shortcuts reach the
// commands from the table.
TEST_F(CellEditingTest, PopUpMenuAndShortcutsReachTheCommands) {
    changeDocument([](Document& d) {
        d.table.setCellText(1, 1, "1");
        d.table.setCellText(2, 1, "2");
        d.table.setCellText(1, 2, "3");
        d.table.setCellText(2, 2, "4");
    });
    click(0, 0);
    click(1, 1, Qt::ShiftModifier);
    const QPoint inside = centreOf(1, 0);
    QTest::mousePress(grid().viewport(), Qt::RightButton, {}, inside);
    QTest::mouseRelease(grid().viewport(), Qt::RightButton, {}, inside);
    QContextMenuEvent event(QContextMenuEvent::Mouse, inside,
                            grid().viewport()->mapToGlobal(inside));
    QApplication::sendEvent(grid().viewport(), &event);
    auto* menu = child<QMenu>("EditPopupMenu");
    ASSERT_TRUE(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_C); // "&Copy"
    EXPECT_FALSE(menu->isVisible());
    EXPECT_EQ(clipboard()->text(), "1\t2\r\n3\t4");

    // A column of four cells takes the series of two pasted lines, by the shortcut.
    click(0, 1);
    click(3, 1, Qt::ShiftModifier);
    clipboard()->setText("1\n2");
    QTest::keyClick(&grid(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(QString::fromStdString(copyText(table(), {2, 1, 2, 4})), "1\r\n2\r\n3\r\n4");
    EXPECT_TRUE(ui.messages.empty());

    EXPECT_EQ(model().headerData(1, Qt::Horizontal, Qt::ToolTipRole).toString(),
              "Double-Click to rename column");
    EXPECT_FALSE(model().headerData(1, Qt::Vertical, Qt::ToolTipRole).isValid());
}

} // namespace
