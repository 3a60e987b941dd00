#include "ColumnFormFixture.h"

#include <QHeaderView>

class GridSelectionTest : public ColumnFormTest {
protected:
    void SetUp() override {
        ColumnFormTest::SetUp();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    }

    QPoint centreOf(int row, int column) {
        return form->grid().visualRect(model().index(row, column)).center();
    }
    void click(int row, int column, Qt::KeyboardModifiers modifiers = {}) {
        QTest::mouseClick(form->grid().viewport(), Qt::LeftButton, modifiers,
                          centreOf(row, column));
    }
};

TEST_F(GridSelectionTest, MouseUpTakesTheSelectedRowsAndClearsAShownFit) {
    click(2, 0);
    click(5, 1, Qt::ShiftModifier);
    EXPECT_EQ(doc().selectionTop, 3);
    EXPECT_EQ(doc().selectionBottom, 6);
    EXPECT_FALSE(doc().modified) << "without a fit only the plot is rebuilt";

    showFakeFit();
    click(7, 0);
    EXPECT_EQ(doc().selectionTop, 8);
    EXPECT_EQ(doc().selectionBottom, 8);
    EXPECT_TRUE(doc().modified);
    expectFitCleared();
}

// A click inside a selected block narrows the selection only when the button is released;
// the document takes the selection the user then sees.
TEST_F(GridSelectionTest, AClickInsideASelectedBlockLeavesOneRowSelected) {
    click(2, 0);
    click(5, 1, Qt::ShiftModifier);
    ASSERT_EQ(doc().selectionBottom, 6);
    click(3, 0);
    EXPECT_EQ(form->grid().selectionModel()->selectedIndexes(),
              QModelIndexList{model().index(3, 0)});
    EXPECT_EQ(doc().selectionTop, 4);
    EXPECT_EQ(doc().selectionBottom, 4);
}

// Rows taken away under a selection: what stays selected on screen and in the document is
// the current cell, so the next fit reads the whole table, not rows that are gone.
TEST_F(GridSelectionTest, LoweringTheRowCountBelowASelectionCollapsesIt) {
    action("Rows60")->trigger();
    form->grid().scrollTo(model().index(45, 0));
    click(40, 0);
    click(45, 0, Qt::ShiftModifier);
    action("Rows30")->trigger();
    const QModelIndex current = form->grid().currentIndex();
    ASSERT_TRUE(current.isValid());
    EXPECT_EQ(doc().selectionTop, current.row() + 1);
    EXPECT_EQ(doc().selectionBottom, current.row() + 1);
    EXPECT_EQ(form->grid().selectionModel()->selectedIndexes(), QModelIndexList{current});
}

TEST_F(GridSelectionTest, MovingTheCurrentCellEndsAMultiRowSelection) {
    click(2, 0);
    click(5, 0, Qt::ShiftModifier);
    showFakeFit();
    QTest::keyClick(&form->grid(), Qt::Key_Right); // same row, another column
    QTest::keyClick(&form->grid(), Qt::Key_Down);
    EXPECT_EQ(doc().selectionTop, 6);
    EXPECT_EQ(doc().selectionBottom, 6);
    EXPECT_TRUE(doc().modified);
    expectFitCleared();

    // With a single-row selection a move changes nothing.
    showFakeFit();
    changeDocument([&](Document& d) { d.modified = false; });
    QTest::keyClick(&form->grid(), Qt::Key_Down);
    EXPECT_EQ(doc().selectionTop, 6);
    EXPECT_TRUE(form->isFitShown());
    EXPECT_FALSE(doc().modified);
}

TEST_F(GridSelectionTest, OnlyANameOpensTheRenameDialogOnADoubleClick) {
    QTest::mouseDClick(form->grid().viewport(), Qt::LeftButton, {}, centreOf(3, 0));
    QHeaderView* numbers = form->grid().verticalHeader();
    QTest::mouseDClick(numbers->viewport(), Qt::LeftButton, {},
                       QPoint(numbers->width() / 2, numbers->sectionViewportPosition(3) + 5));
    EXPECT_TRUE(ui.modalDialogTitles.empty());

    QHeaderView* names = form->grid().horizontalHeader();
    ui.dialogScripts = {rename("Volts")};
    QTest::mouseDClick(names->viewport(), Qt::LeftButton, {},
                       QPoint(names->sectionViewportPosition(1) + 10, names->height() / 2));
    EXPECT_EQ(ui.modalDialogTitles, std::vector<QString>{"Rename Column"});
    EXPECT_EQ(table().columnName(2), "Volts");
}

// Deleting the current cell's column or the rows under it moves the current cell without
// the user: a shown fit stays.
TEST_F(GridSelectionTest, StructureChangesUnderTheCurrentCellAreNoMoveOfTheUser) {
    addColumns({"Z"});
    click(2, 2);
    click(5, 2, Qt::ShiftModifier);
    showFakeFit();
    ui.dialogScripts = {deleteEntry(2)};
    action("DeleteColumnAction")->trigger();
    ASSERT_EQ(table().columnCount(), 3);
    EXPECT_TRUE(form->isFitShown());
    EXPECT_EQ(doc().selectionTop, 3) << "the selection is the user's until the next click";

    action("Rows60")->trigger();
    form->grid().scrollTo(model().index(45, 0));
    click(40, 0);
    click(45, 0, Qt::ShiftModifier);
    showFakeFit();
    action("Rows30")->trigger();
    EXPECT_FALSE(form->isFitShown()) << "the row count clears the fit, not the move";
}

// The row numbers and names are fixed cells: a click there selects nothing, yet a mouse-up
// over them is one over the table.
TEST_F(GridSelectionTest, MouseUpOverTheRowNumbersKeepsTheSelection) {
    click(2, 0);
    click(4, 1, Qt::ShiftModifier);
    const QModelIndexList selected = form->grid().selectionModel()->selectedIndexes();
    showFakeFit();
    QHeaderView* numbers = form->grid().verticalHeader();
    QTest::mouseClick(numbers->viewport(), Qt::LeftButton, {},
                      QPoint(numbers->width() / 2, numbers->sectionViewportPosition(9) + 5));
    EXPECT_EQ(form->grid().selectionModel()->selectedIndexes(), selected);
    EXPECT_EQ(doc().selectionTop, 3);
    EXPECT_EQ(doc().selectionBottom, 5);
    EXPECT_TRUE(doc().modified);
    expectFitCleared();
}
