#include "../support/TableFixture.h"
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
            d.table = tableWith({{"1", "2"}, {"3", "4"}});
            d.modified = false;
        });
    }

    TFunctionForm* window() { return form->findChild<TFunctionForm*>("FunctionForm"); }
    template <class T> T* control(const char* name) {
        return window()->findChild<T*>(QLatin1String(name));
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
    void activate(QWidget* w) {
        w->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w));
        QCoreApplication::processEvents();
    }
    std::string lastMessage() const { return ui.messages.back().text.toStdString(); }
    std::vector<std::string> column(int c) {
        return {table().cellText(c, 0), table().cellText(c, 1), table().cellText(c, 2)};
    }
};

TEST_F(FunctionFormTest, WindowHoldsItsControlsHintsAndInstructions) {
    open();
    EXPECT_EQ(window()->windowTitle(), "Define Function");
    EXPECT_FALSE(window()->isModal());
    EXPECT_EQ(window()->parentWidget(), form.get()) << "stays over the main window";
    const std::pair<const char*, QString> labels[] = {
        {"Label1", "Enter the name of column that you want to         place the results in:"},
        {"Label2", "Enter the equation.  To use existing columns in your calculation, select "
                   "them from 'Use Column':"},
        {"FunctionLabel", "="},
        {"VariableLabel", "Use column:"}};
    for (const auto& [name, text] : labels)
        EXPECT_EQ(control<QLabel>(name)->text(), text) << name;
    const std::pair<QWidget*, QString> hints[] = {
        {nameBox(), "Enter column name for results."},
        {equationBox(), "Type your function"},
        {columnList(), "Insert column name into equation."}};
    for (const auto& [widget, hint] : hints)
        EXPECT_EQ(widget->toolTip(), hint);
    EXPECT_FALSE(columnList()->isEditable());

    auto* rich = control<QTextEdit>("RichEdit1");
    EXPECT_TRUE(rich->isReadOnly());
    EXPECT_EQ(rich->toPlainText().split('\n'),
              (QStringList{"Instructions:",
                           "1. Enter a column name for the calculation results to be placed in.",
                           "(You can enter an existing column name or create a new one.)", "",
                           "2. Type the equation.  To use existing columns in a calculation, "
                           "select",
                           "the column from the 'Use Column'  selection menu to insert it into the",
                           "equation OR you can type the name of the column with \" \".",
                           "(Note: Column names are case sensitive.)", "",
                           "3. Once you've finshed editing your equation click OK."}));
    const QTextDocument& text = *rich->document();
    EXPECT_TRUE(text.findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHCenter);
    EXPECT_EQ(text.findBlockByNumber(1).blockFormat().leftMargin(), 0);
    EXPECT_GT(text.findBlockByNumber(2).blockFormat().leftMargin(), 0) << "continuation indented";
    EXPECT_EQ(text.findBlockByNumber(9).charFormat().foreground().color(), QColor(Qt::red));
}

TEST_F(FunctionFormTest, TooManyDecimalPointsKeepTheWindowShut) {
    changeDocument([](Document& d) { d.table.setCellText(2, 30, "1.2.3"); });
    action("DefineFunctionAction")->trigger();
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(lastMessage(), extraDecimalPointsRefusal(table())->text);
    const TFunctionForm* refused = window(); // not even made when it never opened
    EXPECT_FALSE(refused && refused->isVisible());
}

// Each visit from the main window starts with the columns of that moment and no name; the
// equation stays until Cancel. Back from a box of the window's own, nothing is reset.
TEST_F(FunctionFormTest, ActivationRefillsTheColumnsAndClearsTheName) {
    open();
    EXPECT_EQ(columnList()->count(), 2);
    EXPECT_EQ(columnList()->itemText(1), "\"Y\"");
    EXPECT_EQ(columnList()->currentIndex(), -1);
    EXPECT_EQ(window()->variableList(), "AAA,AAAA");
    EXPECT_EQ(window()->focusWidget(), nameBox());

    // A choice from the list goes to the end of the equation, where typing goes on.
    type("Z", "2*");
    columnList()->setCurrentIndex(1);
    emit columnList()->activated(1);
    EXPECT_EQ(equationBox()->text(), "2*\"Y\"");
    EXPECT_EQ(window()->focusWidget(), equationBox());
    EXPECT_EQ(equationBox()->cursorPosition(), 5);

    activate(window());
    activate(form.get());
    model().addColumn("T");
    activate(window());
    EXPECT_EQ(columnList()->count(), 3);
    EXPECT_EQ(window()->variableList(), "AAA,AAAA,AAAAA");
    EXPECT_EQ(nameBox()->text(), "");
    EXPECT_EQ(equationBox()->text(), "2*\"Y\"");

    nameBox()->setText("Z");
    QMessageBox box(QMessageBox::Critical, "ERROR", "x", QMessageBox::Ok, window());
    box.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&box));
    box.hide();
    activate(window());
    EXPECT_EQ(nameBox()->text(), "Z");
}

TEST_F(FunctionFormTest, OKFillsANewColumnClearsTheFitAndReplots) {
    showFakeFit();
    open();
    type("Z", "\"X\"*\"Y\"");
    QTest::keyClick(equationBox(), Qt::Key_Return); // Enter in the equation box is OK
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_EQ(column(3), (std::vector<std::string>{"Z", "2", "12"}));
    EXPECT_EQ(model().columnCount(), 3);
    EXPECT_EQ(model().data(model().index(1, 2)).toString(), "12");
    EXPECT_EQ(form->grid().columnSpan(model().summaryRow(), 0), 3) << "summary block widened";
    EXPECT_TRUE(doc().modified);
    expectFitCleared();
    EXPECT_EQ(form->chart().pointCount(ChartSeries::DataPointSeries), 2);
    EXPECT_FALSE(window()->isVisible());
}

TEST_F(FunctionFormTest, AnExistingColumnIsOverwrittenOnlyAfterYes) {
    open();
    type("Y", "\"X\"*\"Y\"");
    ui.answers = {Answer::No};
    pressOK();
    EXPECT_EQ(lastMessage(), overwriteQuestion().text);
    EXPECT_TRUE(window()->keepOpen());
    EXPECT_EQ(column(2), (std::vector<std::string>{"Y", "2", "4"}));

    ui.answers = {Answer::Yes};
    pressOK();
    EXPECT_EQ(table().columnCount(), 3);
    EXPECT_EQ(column(2), (std::vector<std::string>{"Y", "2", "12"}));
    EXPECT_FALSE(window()->isVisible());
}

TEST_F(FunctionFormTest, RefusalsKeepTheWindowOpenAndTheTableAsItWas) {
    const Document before = doc();
    open();
    pressOK(); // no name
    EXPECT_EQ(lastMessage(), blankResultNameRefusal().text);
    EXPECT_TRUE(window()->keepOpen());
    EXPECT_FALSE(closeBoxCloses());
    QTest::keyClick(window(), Qt::Key_Escape);
    EXPECT_TRUE(window()->isVisible()) << "Escape is the close box";
    EXPECT_EQ(window()->focusWidget(), nameBox());

    for (const char* equation : {"", "\"X\"+"}) {
        type("Z", equation);
        pressOK();
        auto checked = checkEquation(equation, columnReferences(table()), variableList(table()));
        EXPECT_EQ(lastMessage(), std::get<UserMessage>(checked).text);
        EXPECT_FALSE(window()->keepOpen()) << "the name passed";
    }
    changeDocument([](Document& d) { d.table.setCellText(1, 3, "abc"); });
    type("Z", "\"X\"*2");
    pressOK();
    EXPECT_EQ(lastMessage(), "'abc' is not a valid floating point value");
    EXPECT_EQ(ui.messages.size(), 4u);
    EXPECT_TRUE(window()->isVisible());
    changeDocument([](Document& d) { d.table.setCellText(1, 3, ""); });
    EXPECT_TRUE(doc() == before) << "nothing written";

    nameBox()->clear();
    pressOK();
    ASSERT_TRUE(window()->keepOpen());
    press(*window(), "CancelButton");
    EXPECT_FALSE(window()->isVisible());
    EXPECT_FALSE(window()->keepOpen());
    open();
    EXPECT_EQ(equationBox()->text(), "") << "Cancel clears the equation";
}

TEST_F(FunctionFormTest, RowsThatCannotBeEvaluatedAreNamedOnceWritten) {
    changeDocument([](Document& d) { d.table.setCellText(1, 2, "0"); });
    open();
    type("R", "1/\"X\"");
    pressOK();
    EXPECT_EQ(column(3), (std::vector<std::string>{"R", "1", ""}));
    ColumnResults results;
    results.unevaluatedRows = 1;
    results.firstUnevaluatedRow = 2;
    ASSERT_EQ(ui.messages.size(), 1u);
    EXPECT_EQ(lastMessage(), unevaluatedRowsWarning(results)->text);
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
