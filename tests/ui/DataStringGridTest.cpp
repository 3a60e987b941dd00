#include "MainFormFixture.h"

#include "table/DataStringGrid.h"
#include "table/DataTableModel.h"

#include <QHeaderView>
#include <QItemSelection>
#include <QLineEdit>
#include <QStyledItemDelegate>
#include <QTest>
#include <QToolButton>

#include <string>
#include <vector>

class DataStringGridTest : public MainFormTest {
protected:
    DataStringGrid& grid() { return form->grid(); }
    DataTableModel& model() { return grid().tableModel(); }
    const Document& doc() const { return form->document(); }
    const DataTable& table() const { return form->document().table; }

    void typeIntoCell(int row, int column, const QString& text) {
        grid().setCurrentIndex(model().index(row, column));
        typeIntoCurrentCell(text);
    }
    // Closed editors linger hidden until they are deleted later.
    QLineEdit* openEditor() {
        for (auto* editor : grid().viewport()->findChildren<QLineEdit*>())
            if (editor->isVisible())
                return editor;
        return nullptr;
    }
    // The first key opens the cell's editor, which takes the rest.
    void typeIntoCurrentCell(const QString& text) {
        QTest::keyClicks(&grid(), text.left(1));
        QLineEdit* editor = openEditor();
        ASSERT_NE(editor, nullptr) << "no editor opened";
        QTest::keyClicks(editor, text.mid(1));
        QTest::keyClick(editor, Qt::Key_Return);
        QCoreApplication::processEvents();
    }
};

TEST_F(DataStringGridTest, ShowsTheDefaultTableWithFixedNamesAndRowNumbers) {
    EXPECT_EQ(model().rowCount(), 35); // 30 data rows and the 5 summary rows
    EXPECT_EQ(model().columnCount(), 2);
    EXPECT_EQ(model().headerData(0, Qt::Horizontal).toString(), "X");
    EXPECT_EQ(model().headerData(1, Qt::Horizontal).toString(), "Y");
    EXPECT_EQ(model().headerData(0, Qt::Vertical).toString(), "1");
    EXPECT_EQ(model().headerData(29, Qt::Vertical).toString(), "30");
    EXPECT_EQ(model().headerData(30, Qt::Vertical).toString(), "");
    EXPECT_EQ(model().headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignCenter);
    EXPECT_EQ(model().data(model().index(0, 0), Qt::TextAlignmentRole).value<Qt::Alignment>(),
              Qt::AlignLeft | Qt::AlignBottom);
}

TEST_F(DataStringGridTest, StartUpGeometryAndFont) {
    EXPECT_EQ(grid().verticalHeader()->width(), 45);
    EXPECT_EQ(grid().columnWidth(0), 75);
    EXPECT_EQ(grid().columnWidth(1), 83);
    EXPECT_EQ(grid().horizontalHeader()->defaultSectionSize(), 75) << "width of added columns";
    EXPECT_EQ(grid().horizontalHeader()->sectionResizeMode(0), QHeaderView::Interactive);
    EXPECT_EQ(grid().rowHeight(0), 21);
    EXPECT_EQ(grid().rowHeight(34), 21);
    EXPECT_EQ(grid().horizontalHeader()->height(), 21);
    EXPECT_EQ(grid().font().pointSize(), 8);
}

TEST_F(DataStringGridTest, SummaryBlockIsOneMergedReadOnlyCell) {
    const int first = model().summaryRow();
    EXPECT_EQ(first, 30);
    EXPECT_EQ(grid().rowSpan(first, 0), 5);
    EXPECT_EQ(grid().columnSpan(first, 0), 2);
    EXPECT_FALSE(model().flags(model().index(first, 0)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model().flags(model().index(first, 0)) & Qt::ItemIsSelectable);
    EXPECT_TRUE(model().flags(model().index(29, 1)) & Qt::ItemIsEditable);

    model().setSummaryText("y = a + bx:\ra = 1  +/-  0.1");
    EXPECT_EQ(model().data(model().index(first, 0)).toString(), "y = a + bx:\ra = 1  +/-  0.1");
    EXPECT_EQ(model().data(model().index(first + 1, 0)).toString(), "");
}

TEST_F(DataStringGridTest, EditingADataCellChangesTheDocument) {
    typeIntoCell(2, 1, "4.5");
    EXPECT_EQ(table().cellText(2, 3), "4.5");
    EXPECT_TRUE(doc().modified);
    EXPECT_EQ(model().data(model().index(2, 1)).toString(), "4.5");
}

TEST_F(DataStringGridTest, AnEditThatChangesNothingLeavesTheDocumentUnmodified) {
    changeDocument([](Document& d) { d.table.setCellText(1, 1, "7"); });
    EXPECT_TRUE(model().setData(model().index(0, 0), "7"));
    EXPECT_FALSE(doc().modified);
    EXPECT_FALSE(model().setData(model().index(30, 0), "text")) << "summary block";
    EXPECT_EQ(table().summaryText(), "");
}

TEST_F(DataStringGridTest, AnEditRemovesAShownFit) {
    model().setSummaryText("y = a + bx:");
    form->findChild<QToolButton*>("FitToolButton")->setChecked(true);
    ASSERT_TRUE(form->isFitShown());
    EXPECT_TRUE(model().setData(model().index(0, 0), "1"));
    EXPECT_FALSE(form->isFitShown());
    EXPECT_EQ(table().summaryText(), "");
}

TEST_F(DataStringGridTest, EnterMovesToTheCellBelowUntilTheLastDataRow) {
    typeIntoCell(0, 0, "1");
    typeIntoCurrentCell("2");
    typeIntoCurrentCell("3");
    EXPECT_EQ(table().cellText(1, 1), "1");
    EXPECT_EQ(table().cellText(1, 2), "2");
    EXPECT_EQ(table().cellText(1, 3), "3");
    EXPECT_EQ(grid().currentIndex(), model().index(3, 0));

    typeIntoCell(29, 1, "30");
    EXPECT_EQ(grid().currentIndex(), model().index(29, 1)) << "the summary block is no cell";
}

// The cells whose text is laid out once must look exactly as Qt's own item drawing makes
// them: selected and not, the current cell with the keyboard focus and without, a text cut
// short in a narrow column, a column widened, another font.
TEST_F(DataStringGridTest, CellsLookExactlyAsQtDrawsThem) {
    changeDocument([](Document& d) {
        for (int row = 1; row <= 30; ++row) {
            d.table.setCellText(1, row, std::to_string(row * 0.37));
            d.table.setCellText(2, row, row % 7 ? std::to_string(row * 1234.5) : "-1.25e-12");
        }
        d.table.setCellText(1, 4, "12345678901234567890"); // wider than its column
    });
    grid().selectionModel()->select(QItemSelection(model().index(2, 0), model().index(5, 1)),
                                    QItemSelectionModel::Select);
    grid().setCurrentIndex(model().index(3, 1));
    const auto looks = [this] {
        std::vector<QImage> seen{grid().grab().toImage()};
        grid().setColumnWidth(1, 140);
        seen.push_back(grid().grab().toImage());
        grid().setColumnWidth(1, 83);
        const QFont font = grid().font();
        QFont larger = font;
        larger.setPointSize(font.pointSize() + 3);
        grid().setFont(larger);
        seen.push_back(grid().grab().toImage());
        grid().setFont(font);
        return seen;
    };
    for (const bool focused : {false, true}) {
        if (focused) {
            grid().setFocus();
            QCoreApplication::processEvents();
        }
        const auto laidOnce = looks();
        QAbstractItemDelegate* ours = grid().itemDelegate();
        QStyledItemDelegate qts;
        grid().setItemDelegate(&qts);
        const auto byQt = looks();
        grid().setItemDelegate(ours);
        for (std::size_t i = 0; i < byQt.size(); ++i)
            EXPECT_TRUE(laidOnce[i] == byQt[i]) << "focused " << focused << ", look " << i;
    }
}
