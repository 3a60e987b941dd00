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
