#include "ColumnFormFixture.h"

#include <QCloseEvent>
#include <QHeaderView>
#include <QImage>
#include <QLabel>

namespace {

const QString ALREADY_USED = "This column name has already been used.";

} // namespace

TEST_F(ColumnFormTest, DialogsKeepARefusalUntilCancelled) {
    ui.dialogScripts = {[](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Name New Column");
        EXPECT_TRUE(dialog.findChild<QPushButton*>("OKBtn")->isDefault());
        EXPECT_EQ(dialog.findChild<QLabel*>("Label1")->text(), "Enter a name for the new column:");
        press(dialog, "OKBtn"); // blank
        EXPECT_TRUE(dialog.isVisible());
        QCloseEvent close;
        QCoreApplication::sendEvent(&dialog, &close);
        EXPECT_FALSE(close.isAccepted()) << "a refused dialog does not close";
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible()) << "Escape cancels";
        return dialog.result();
    }};
    action("AddColumnAction")->trigger();
    expectMessages({"Column Name cannot be blank."});
    EXPECT_EQ(ui.messages[0].caption, "Error");
    EXPECT_EQ(ui.messages[0].icon, UiServices::Icon::Stop);
    EXPECT_EQ(table().columnCount(), 3);
    EXPECT_FALSE(doc().modified);
}

TEST_F(ColumnFormTest, AddColumnRefusesAUsedNameAndTakesItsLowerCase) {
    showFakeFit();
    ui.dialogScripts = {[](QDialog& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>("ColNameEdit");
        QTest::keyClicks(edit, "X");
        press(dialog, "OKBtn");
        EXPECT_TRUE(dialog.isVisible());
        edit->setText("x");
        press(dialog, "OKBtn");
        return dialog.result();
    }};
    action("AddColumnAction")->trigger();
    expectMessages({ALREADY_USED});
    ASSERT_EQ(table().columnCount(), 4);
    EXPECT_EQ(table().columnName(3), "x");
    EXPECT_EQ(model().columnCount(), 3);
    EXPECT_EQ(model().headerData(2, Qt::Horizontal).toString(), "x");
    EXPECT_EQ(form->grid().columnSpan(model().summaryRow(), 0), 3);
    EXPECT_EQ(form->grid().columnWidth(2), 75);
    EXPECT_TRUE(doc().modified);
    EXPECT_TRUE(form->isFitShown()) << "adding a column keeps the fit";

    // The next opening starts with an empty field.
    ui.dialogScripts = {[](QDialog& dialog) {
        EXPECT_EQ(dialog.findChild<QLineEdit*>("ColNameEdit")->text(), "");
        return okOrCancel(dialog);
    }};
    action("AddColumnAction")->trigger();
}

TEST_F(ColumnFormTest, BlankNameIsAlsoUsedWhenAColumnHasNoName) {
    addColumns({""});
    ui.dialogScripts = {newColumn("")};
    action("AddColumnAction")->trigger();
    expectMessages({"Column Name cannot be blank.", ALREADY_USED});
    EXPECT_EQ(table().columnCount(), 4);
}

// The sizes of the other error methods are the core's rules; here the command stops at once.
TEST_F(ColumnFormTest, DeleteOnTheDefaultTableRefusesWithoutADialog) {
    action("DeleteColumnAction")->trigger();
    expectMessages({"Cannot delete columns.  A minimum of 2 columns is required for the "
                    "'Estimate dY' error method."});
    EXPECT_EQ(ui.messages[0].caption, "Cannot Delete!");
    EXPECT_TRUE(ui.modalDialogTitles.empty());
}

TEST_F(ColumnFormTest, DeleteTestsTheRolesInOrderAndShiftsThoseBehind) {
    addColumns({"C", "dY", "E"}); // C = 6
    changeDocument([&](Document& d) { d.roles.dy = 4; });
    showFakeFit();
    const auto deleteEntry = [this](int entry) {
        ui.dialogScripts = {[entry](QDialog& dialog) {
            auto* list = dialog.findChild<QComboBox*>("DeleteComboBox");
            EXPECT_EQ(list->currentIndex(), -1) << "none selected on opening";
            EXPECT_FALSE(list->isEditable());
            list->setCurrentIndex(entry);
            return okOrCancel(dialog);
        }};
        action("DeleteColumnAction")->trigger();
    };

    deleteEntry(-1);
    deleteEntry(0);
    deleteEntry(1);
    expectMessages(
        {"Select a column to delete or click 'Cancel'.",
         "Cannot delete this column. This column is currently being used for the X Axis.",
         "Cannot delete this column. This column is currently being used for the Y Axis."});
    EXPECT_EQ(table().columnCount(), 6);

    deleteEntry(2); // column 3, behind which dY moves down
    EXPECT_EQ(table().columnCount(), 5);
    EXPECT_EQ(doc().roles.dy, 3);
    EXPECT_EQ(model().headerData(2, Qt::Horizontal).toString(), "dY");
    EXPECT_EQ(form->grid().columnSpan(model().summaryRow(), 0), 4);

    changeDocument([&](Document& d) { d.errorMethod = ErrorMethod::DYI; });
    ui.messages.clear();
    deleteEntry(2);
    expectMessages(
        {"Cannot delete this column. This column is currently being used for the Y error bars."});
    changeDocument([&](Document& d) { d.errorMethod = ErrorMethod::ESTDY; });
    deleteEntry(2);
    EXPECT_EQ(doc().roles.dy, -1);
    EXPECT_EQ(table().columnCount(), 4);
    EXPECT_TRUE(doc().modified) << "the column has left what Save writes";
    EXPECT_TRUE(form->isFitShown()) << "deleting does not clear the fit";
}

TEST_F(ColumnFormTest, RenameRefusesAUsedNameAndRestoresTheChangeFlag) {
    for (bool before : {false, true}) {
        changeDocument([&](Document& d) { d.modified = before; });
        ui.messages.clear();
        ui.dialogScripts = {rename("X")};
        action("RenameColumn")->trigger();
        expectMessages({ALREADY_USED});
        EXPECT_EQ(doc().modified, before);
    }
    ui.messages.clear();
    ui.dialogScripts = {rename("")};
    action("RenameColumn")->trigger();
    expectMessages({"Column name cannot be blank."});
    EXPECT_EQ(table().columnName(1), "X");
}

TEST_F(ColumnFormTest, DoubleClickOnANameRenamesTheColumnAndItsAxisTitle) {
    Chart& chart = form->chart();
    chart.setAxisTitle(ChartAxis::BottomAxis, "X");
    chart.setAxisTitle(ChartAxis::LeftAxis, "Y");
    showFakeFit();
    QHeaderView* names = form->grid().horizontalHeader();
    ui.dialogScripts = {rename("Time")};
    emit names->sectionDoubleClicked(0);
    ASSERT_EQ(ui.modalDialogTitles, std::vector<QString>{"Rename Column"});
    EXPECT_EQ(table().columnName(1), "Time");
    EXPECT_EQ(model().headerData(0, Qt::Horizontal).toString(), "Time");
    EXPECT_EQ(chart.axisTitle(ChartAxis::BottomAxis), "Time");
    EXPECT_EQ(chart.axisTitle(ChartAxis::LeftAxis), "Y");
    EXPECT_TRUE(doc().modified);
    EXPECT_TRUE(form->isFitShown()) << "renaming keeps the fit";
    EXPECT_EQ(doc().roles.x, 1);
}

TEST_F(ColumnFormTest, ARenamedAxisTitleIsDrawnAtOnce) {
    Chart& chart = form->chart();
    chart.replot();
    ui.dialogScripts = {rename("Time")};
    emit form->grid().horizontalHeader()->sectionDoubleClicked(0);
    ASSERT_EQ(chart.axisTitle(ChartAxis::BottomAxis), "Time");
    const QImage shown = chart.grab().toImage();
    chart.replot();
    EXPECT_TRUE(chart.grab().toImage() == shown) << "the graph still showed the old title";
}

TEST_F(ColumnFormTest, RenameMenuCommandRenamesTheCurrentCellsColumn) {
    form->grid().setCurrentIndex(model().index(4, 1));
    ui.dialogScripts = {rename("Volts")};
    action("RenameColumn")->trigger();
    EXPECT_EQ(table().columnName(2), "Volts");
    EXPECT_EQ(table().columnName(1), "X");
}

TEST_F(ColumnFormTest, SelectColumnsOpensWithTheRolesAndListsForTheErrorMethod) {
    addColumns({"dY"});
    changeDocument([&](Document& d) { d.roles.dy = 3; });
    struct Case {
        ErrorMethod method;
        bool dxEnabled, dyEnabled;
    };
    for (const Case& c :
         {Case{ErrorMethod::ESTDY, false, false}, Case{ErrorMethod::DYI, false, true},
          Case{ErrorMethod::DXIDYI, true, true}}) {
        changeDocument([&](Document& d) { d.errorMethod = c.method; });
        ui.dialogScripts = {[c](QDialog& d) {
            const auto list = [&d](const char* name) {
                return d.findChild<QComboBox*>(QLatin1String(name));
            };
            EXPECT_EQ(list("XComboBox")->currentText(), "X");
            EXPECT_EQ(list("YComboBox")->currentText(), "Y");
            EXPECT_EQ(list("dXComboBox")->currentIndex(), -1);
            EXPECT_EQ(list("dYComboBox")->currentText(), "dY");
            EXPECT_EQ(list("XComboBox")->count(), 3);
            EXPECT_TRUE(list("XComboBox")->isEnabled());
            EXPECT_EQ(list("dXComboBox")->isEnabled(), c.dxEnabled);
            EXPECT_EQ(d.findChild<QLabel*>("dXLabel")->isEnabled(), c.dxEnabled);
            EXPECT_EQ(list("dYComboBox")->isEnabled(), c.dyEnabled);
            press(d, "CancelBtn");
            return d.result();
        }};
        action("SelectColumnsAction")->trigger();
    }
    EXPECT_EQ(ui.modalDialogTitles.size(), 3u);
}

TEST_F(ColumnFormTest, SelectColumnsSetsRolesAndAxisTitlesAndClearsTheFit) {
    addColumns({"T", "dT"});
    showFakeFit();
    ui.dialogScripts = {chooseColumns(2, -1, 2, -1)}; // X and Y may be the same column
    action("SelectColumnsAction")->trigger();
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(doc().roles.x, 3);
    EXPECT_EQ(doc().roles.y, 3);
    EXPECT_EQ(doc().roles.dx, -1) << "disabled lists keep their roles";
    EXPECT_EQ(doc().roles.dy, -1);
    EXPECT_EQ(form->chart().axisTitle(ChartAxis::BottomAxis), "T");
    EXPECT_EQ(form->chart().axisTitle(ChartAxis::LeftAxis), "T");
    EXPECT_TRUE(doc().modified);
    expectFitCleared();

    changeDocument([&](Document& d) { d.errorMethod = ErrorMethod::DYI; });
    ui.dialogScripts = {chooseColumns(0, -1, 1, 3)};
    action("SelectColumnsAction")->trigger();
    EXPECT_EQ(doc().roles.x, 1);
    EXPECT_EQ(doc().roles.y, 2);
    EXPECT_EQ(doc().roles.dy, 4);
}

// A newly chosen column whose cell does not convert stops the re-plot; the fit of the old
// columns is gone before that, and the new roles count as a change.
TEST_F(ColumnFormTest, SelectColumnsClearsTheFitBeforeARePlotThatFails) {
    addColumns({"Notes"});
    changeDocument([](Document& d) {
        for (int row = 1; row <= 3; ++row)
            for (int column = 1; column <= 2; ++column)
                d.table.setCellText(column, row, std::to_string(row * column));
        d.table.setCellText(3, 2, "abc");
    });
    showFakeFit();
    ui.dialogScripts = {chooseColumns(2, -1, -1, -1)};
    action("SelectColumnsAction")->trigger();
    expectMessages({"'abc' is not a valid floating point value"});
    EXPECT_EQ(doc().roles.x, 3);
    EXPECT_TRUE(doc().modified);
    expectFitCleared();
}

TEST_F(ColumnFormTest, SelectColumnsRefusesAMissingErrorColumnAndCancelReleasesTheFit) {
    addColumns({"dX", "dY"});
    changeDocument([&](Document& d) { d.errorMethod = ErrorMethod::DYI; });
    showFakeFit();
    ui.dialogScripts = {chooseColumns(1, -1, 0, -1)};
    action("SelectColumnsAction")->trigger();
    expectMessages({"Please select column for dY"});
    EXPECT_EQ(ui.messages[0].caption, "ERROR");
    EXPECT_EQ(doc().roles.x, 1) << "roles unchanged";
    EXPECT_FALSE(doc().modified);
    expectFitCleared();

    changeDocument([&](Document& d) { d.errorMethod = ErrorMethod::DXIDYI; });
    ui.messages.clear();
    ui.dialogScripts = {chooseColumns(-1, -1, -1, 3)};
    action("SelectColumnsAction")->trigger();
    expectMessages({"Please select column for dX and/or dY"});
}

TEST_F(ColumnFormTest, RowCountKeepsTheDataAndMovesTheSummaryBlock) {
    changeDocument([](Document& d) { d.table.setCellText(1, 30, "3.5"); });
    showFakeFit();
    action("Rows60")->trigger();
    EXPECT_EQ(table().dataRowCount(), 60);
    EXPECT_EQ(model().rowCount(), 65);
    EXPECT_EQ(model().data(model().index(29, 0)).toString(), "3.5");
    EXPECT_EQ(model().data(model().index(30, 0)).toString(), "");
    EXPECT_EQ(model().headerData(59, Qt::Vertical).toString(), "60");
    EXPECT_EQ(model().summaryRow(), 60);
    EXPECT_EQ(form->grid().rowSpan(60, 0), 5);
    EXPECT_EQ(form->grid().columnSpan(60, 0), 2);
    EXPECT_EQ(form->grid().rowSpan(30, 0), 1) << "no block left at the old place";
    EXPECT_EQ(form->grid().columnWidth(1), 83) << "column widths survive";
    expectFitCleared();
    EXPECT_TRUE(doc().modified) << "Save writes the row count";

    action("Rows30")->trigger();
    EXPECT_EQ(model().rowCount(), 35);
    EXPECT_EQ(form->grid().rowSpan(30, 0), 5);
}
