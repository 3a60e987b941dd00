#include "ColumnFormFixture.h"

#include "formula/ComputedColumn.h"
#include "formula/Function.h"

#include <QLabel>
#include <QMessageBox>
#include <QTextBlock>
#include <QTextEdit>

namespace {

// The Define Function window over a table with X = 1, 3 and Y = 2, 4.
class FunctionFormTest : public ColumnFormTest {
protected:
    void SetUp() override {
        ColumnFormTest::SetUp();
        changeDocument([](Document& d) {
            d.table.setCellText(1, 1, "1");
            d.table.setCellText(2, 1, "2");
            d.table.setCellText(1, 2, "3");
            d.table.setCellText(2, 2, "4");
        });
    }

    TFunctionForm* window() { return form->findChild<TFunctionForm*>("FunctionForm"); }
    template <class T> T* control(const char* name) {
        auto* found = window()->findChild<T*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* nameBox() { return control<QLineEdit>("NewColNameEdit"); }
    QLineEdit* equationBox() { return control<QLineEdit>("FunctionEdit"); }
    QComboBox* columnList() { return control<QComboBox>("VariableComboBox"); }

    void open() {
        action("DefineFunctionAction")->trigger();
        ASSERT_TRUE(window()->isVisible());
    }
    void type(const QString& name, const QString& equation) {
        nameBox()->setText(name);
        equationBox()->setText(equation);
    }
    void pressOK() { press(*window(), "OKButton"); }
    bool closeBoxCloses() {
        QCloseEvent close;
        QCoreApplication::sendEvent(window(), &close);
        return close.isAccepted();
    }
    // What the core says of the equation over the table as it is.
    QString coreMessage(const std::string& equation) {
        auto checked = checkEquation(equation, columnReferences(table()), variableList(table()));
        return QString::fromStdString(std::get<UserMessage>(checked).text);
    }
    std::vector<std::string> column(int c) {
        return {table().cellText(c, 0), table().cellText(c, 1), table().cellText(c, 2),
                table().cellText(c, 3)};
    }
};

QStringList instructionLines(QTextEdit& edit) {
    return edit.toPlainText().split('\n');
}

TEST_F(FunctionFormTest, WindowHoldsItsControlsHintsAndInstructions) {
    open();
    TFunctionForm& w = *window();
    EXPECT_EQ(w.windowTitle(), "Define Function");
    EXPECT_FALSE(w.isModal());
    EXPECT_EQ(w.parentWidget(), form.get()) << "stays over the main window";
    EXPECT_EQ(control<QLabel>("Label1")->text(),
              "Enter the name of column that you want to         place the results in:");
    EXPECT_EQ(control<QLabel>("Label2")->text(),
              "Enter the equation.  To use existing columns in "
              "your calculation, select them from 'Use Column':");
    EXPECT_EQ(control<QLabel>("FunctionLabel")->text(), "=");
    EXPECT_EQ(control<QLabel>("VariableLabel")->text(), "Use column:");
    EXPECT_EQ(nameBox()->toolTip(), "Enter column name for results.");
    EXPECT_EQ(equationBox()->toolTip(), "Type your function");
    EXPECT_EQ(columnList()->toolTip(), "Insert column name into equation.");
    EXPECT_FALSE(columnList()->isEditable());
    EXPECT_EQ(control<QPushButton>("OKButton")->text(), "OK");
    EXPECT_EQ(control<QPushButton>("CancelButton")->text(), "Cancel");

    auto* rich = control<QTextEdit>("RichEdit1");
    EXPECT_TRUE(rich->isReadOnly());
    EXPECT_EQ(instructionLines(*rich),
              (QStringList{"Instructions:",
                           "1. Enter a column name for the calculation results to be placed in.",
                           "(You can enter an existing column name or create a new one.)", "",
                           "2. Type the equation.  To use existing columns in a calculation, "
                           "select",
                           "the column from the 'Use Column'  selection menu to insert it into the",
                           "equation OR you can type the name of the column with \" \".",
                           "(Note: Column names are case sensitive.)", "",
                           "3. Once you've finshed editing your equation click OK."}));
    const QTextDocument& doc = *rich->document();
    EXPECT_EQ(doc.findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHCenter,
              Qt::AlignHCenter);
    EXPECT_EQ(doc.findBlockByNumber(1).blockFormat().leftMargin(), 0);
    EXPECT_GT(doc.findBlockByNumber(2).blockFormat().leftMargin(), 0) << "continuation indented";
    EXPECT_EQ(doc.findBlockByNumber(9).charFormat().foreground().color(), QColor(Qt::red));
}

TEST_F(FunctionFormTest, TooManyDecimalPointsKeepTheWindowShut) {
    changeDocument([](Document& d) { d.table.setCellText(2, 30, "1.2.3"); });
    action("DefineFunctionAction")->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.toStdString(), extraDecimalPointsRefusal(table())->text);
    EXPECT_FALSE(window()->isVisible());
}

TEST_F(FunctionFormTest, OpeningOffersTheColumnsAndKeepsOnlyTheEquation) {
    open();
    EXPECT_EQ(columnList()->count(), 2);
    EXPECT_EQ(columnList()->itemText(1), "\"Y\"");
    EXPECT_EQ(columnList()->currentIndex(), -1);
    EXPECT_EQ(window()->variableList(), "AAA,AAAA");
    EXPECT_EQ(window()->focusWidget(), nameBox());

    // A choice from the list goes to the end of the equation, where typing goes on.
    equationBox()->setText("2*");
    columnList()->setCurrentIndex(1);
    emit columnList()->activated(1);
    EXPECT_EQ(equationBox()->text(), "2*\"Y\"");
    EXPECT_EQ(window()->focusWidget(), equationBox());
    EXPECT_EQ(equationBox()->cursorPosition(), 5);

    nameBox()->setText("Z");
    window()->hide();
    model().addColumn("T");
    open();
    EXPECT_EQ(columnList()->count(), 3);
    EXPECT_EQ(window()->variableList(), "AAA,AAAA,AAAAA");
    EXPECT_EQ(nameBox()->text(), "");
    EXPECT_EQ(equationBox()->text(), "2*\"Y\"");

    press(*window(), "CancelButton");
    EXPECT_FALSE(window()->isVisible());
    open();
    EXPECT_EQ(equationBox()->text(), "") << "only Cancel clears the equation";
}

// The main window's activation comes between: the user went to look at the table.
TEST_F(FunctionFormTest, ComingBackFromTheMainWindowRefillsTheWindow) {
    open();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    type("Z", "\"X\"");
    form->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    model().addColumn("T");
    window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    QTRY_COMPARE(columnList()->count(), 3);
    EXPECT_EQ(nameBox()->text(), "");
    EXPECT_EQ(equationBox()->text(), "\"X\"");

    // Back from a box the window itself showed, the name stays.
    nameBox()->setText("Z");
    QMessageBox box(QMessageBox::Critical, "ERROR", "x", QMessageBox::Ok, window());
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.hide();
    window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window()));
    QCoreApplication::processEvents();
    EXPECT_EQ(nameBox()->text(), "Z");
}

TEST_F(FunctionFormTest, OKFillsANewColumnClearsTheFitAndReplots) {
    changeDocument([](Document& d) { d.modified = false; });
    showFakeFit();
    open();
    type("Z", "\"X\"*\"Y\"");
    QTest::keyClick(equationBox(), Qt::Key_Return); // Enter in the equation box is OK
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(column(3), (std::vector<std::string>{"Z", "2", "12", ""}));
    EXPECT_EQ(model().columnCount(), 3);
    EXPECT_EQ(form->grid().columnSpan(model().summaryRow(), 0), 3) << "summary block widened";
    EXPECT_EQ(model().data(model().index(1, 2)).toString(), "12");
    EXPECT_TRUE(doc().modified);
    expectFitCleared();
    EXPECT_EQ(form->chart().pointCount(ChartSeries::DataPointSeries), 2);
    EXPECT_FALSE(window()->isVisible());
}

TEST_F(FunctionFormTest, OverwritingAskSkipsTheNewColumn) {
    open();
    type("Y", "\"X\"*\"Y\"");
    ui.answers = {Answer::No};
    pressOK();
    EXPECT_EQ(ui.messages.back().text.toStdString(), overwriteQuestion().text);
    EXPECT_TRUE(window()->isVisible());
    EXPECT_TRUE(window()->keepOpen());
    EXPECT_EQ(column(2), (std::vector<std::string>{"Y", "2", "4", ""}));

    ui.answers = {Answer::Yes};
    pressOK();
    EXPECT_EQ(table().columnCount(), 3);
    EXPECT_EQ(column(2), (std::vector<std::string>{"Y", "2", "12", ""}));
    EXPECT_FALSE(window()->isVisible());
}

TEST_F(FunctionFormTest, RefusalsKeepTheWindowOpenAndTheTableAsItWas) {
    const Document before = doc();
    open();
    pressOK(); // no name
    EXPECT_EQ(ui.messages.back().text.toStdString(), blankResultNameRefusal().text);
    EXPECT_TRUE(window()->keepOpen());
    EXPECT_FALSE(closeBoxCloses());
    QTest::keyClick(window(), Qt::Key_Escape);
    EXPECT_TRUE(window()->isVisible()) << "Escape is the close box";
    EXPECT_EQ(window()->focusWidget(), nameBox());

    type("Z", ""); // the name passes, so the close box works again
    pressOK();
    EXPECT_EQ(ui.messages.back().text, "The = equation box is blank!");
    EXPECT_FALSE(window()->keepOpen());

    type("Z", "\"X\"+");
    pressOK();
    EXPECT_EQ(ui.messages.back().text, coreMessage("\"X\"+"));

    changeDocument([](Document& d) { d.table.setCellText(1, 3, "abc"); });
    type("Z", "\"X\"*2");
    pressOK();
    EXPECT_EQ(ui.messages.back().text, "'abc' is not a valid floating point value");
    EXPECT_EQ(ui.messages.back().caption, "Kelvane");
    EXPECT_EQ(ui.messages.size(), 4u);
    EXPECT_TRUE(window()->isVisible());
    changeDocument([](Document& d) { d.table.setCellText(1, 3, ""); });
    EXPECT_TRUE(doc() == before) << "nothing written";

    pressOK();
    EXPECT_FALSE(window()->isVisible());
    EXPECT_TRUE(closeBoxCloses());
}

TEST_F(FunctionFormTest, CancelReleasesARefusedWindow) {
    open();
    pressOK();
    ASSERT_TRUE(window()->keepOpen());
    equationBox()->setText("1");
    press(*window(), "CancelButton");
    EXPECT_FALSE(window()->isVisible());
    EXPECT_FALSE(window()->keepOpen());
    EXPECT_EQ(equationBox()->text(), "");
}

TEST_F(FunctionFormTest, RowsThatCannotBeEvaluatedAreNamedAfterTheColumnIsWritten) {
    changeDocument([](Document& d) { d.table.setCellText(1, 2, "0"); });
    open();
    type("R", "1/\"X\"");
    pressOK();
    EXPECT_EQ(column(3), (std::vector<std::string>{"R", "1", "", ""}));
    ColumnResults results;
    results.unevaluatedRows = 1;
    results.firstUnevaluatedRow = 2;
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(ui.messages[0].text.toStdString(), unevaluatedRowsWarning(results)->text);
    EXPECT_EQ(ui.messages[0].icon, UiServices::Icon::Warning);
}

TEST_F(FunctionFormTest, ErrorMethodCommandsHideTheWindow) {
    addColumns({"dY", "dX"});
    for (const char* method : {"dYi", "dXidYi", "EstimateddYErrorMethod"}) {
        open();
        action(method)->trigger();
        EXPECT_FALSE(window()->isVisible()) << method;
    }
}

} // namespace
