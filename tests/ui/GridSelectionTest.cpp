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
    EXPECT_EQ(table().selectionTop, 3);
    EXPECT_EQ(table().selectionBottom, 6);
    EXPECT_FALSE(table().modified) << "without a fit only the plot is rebuilt";

    showFakeFit();
    click(7, 0);
    EXPECT_EQ(table().selectionTop, 8);
    EXPECT_EQ(table().selectionBottom, 8);
    EXPECT_TRUE(table().modified);
    expectFitCleared();
}

TEST_F(GridSelectionTest, MovingTheCurrentCellEndsAMultiRowSelection) {
    click(2, 0);
    click(5, 0, Qt::ShiftModifier);
    showFakeFit();
    QTest::keyClick(&form->grid(), Qt::Key_Right); // same row, another column
    QTest::keyClick(&form->grid(), Qt::Key_Down);
    EXPECT_EQ(table().selectionTop, 6);
    EXPECT_EQ(table().selectionBottom, 6);
    EXPECT_TRUE(table().modified);
    expectFitCleared();

    // With a single-row selection a move changes nothing.
    showFakeFit();
    table().modified = false;
    QTest::keyClick(&form->grid(), Qt::Key_Down);
    EXPECT_EQ(table().selectionTop, 6);
    EXPECT_TRUE(form->isFitShown());
    EXPECT_FALSE(table().modified);
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
// the user: a shown fit stays and the document is not marked changed.
TEST_F(GridSelectionTest, StructureChangesUnderTheCurrentCellAreNoMoveOfTheUser) {
    addColumns({"Z"});
    click(2, 2);
    click(5, 2, Qt::ShiftModifier);
    showFakeFit();
    ui.dialogScripts = {[](QDialog& dialog) {
        dialog.findChild<QComboBox*>("DeleteComboBox")->setCurrentIndex(2);
        return okOrCancel(dialog);
    }};
    action("DeleteColumnAction")->trigger();
    ASSERT_EQ(table().columnCount(), 3);
    EXPECT_TRUE(form->isFitShown());
    EXPECT_FALSE(table().modified);
    EXPECT_EQ(table().selectionTop, 3) << "the selection is the user's until the next click";

    action("Rows60")->trigger();
    form->grid().scrollTo(model().index(45, 0));
    click(40, 0);
    click(45, 0, Qt::ShiftModifier);
    showFakeFit();
    action("Rows30")->trigger();
    EXPECT_FALSE(table().modified) << "a new row count is no change to save";
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
    EXPECT_EQ(table().selectionTop, 3);
    EXPECT_EQ(table().selectionBottom, 5);
    EXPECT_TRUE(table().modified);
    expectFitCleared();
}
