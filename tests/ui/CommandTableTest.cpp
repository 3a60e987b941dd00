#include "MainFormFixture.h"

#include "table/DataStringGrid.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>

#include <map>

namespace {

// One line per menu entry, indented by depth: "-" for a separator, "(x)"/"( )" before a
// checkable item, " [off]" after a disabled one; submenus follow their title.
void describe(const QList<QAction*>& actions, int depth, QStringList& lines) {
    const QString indent(depth * 2, QLatin1Char(' '));
    for (QAction* a : actions) {
        if (a->isSeparator()) {
            lines << indent + "-";
            continue;
        }
        QString line = indent;
        if (a->isCheckable())
            line += a->isChecked() ? "(x) " : "( ) ";
        line += a->text();
        if (!a->isEnabled())
            line += " [off]";
        lines << line;
        if (QMenu* sub = a->menu())
            describe(sub->actions(), depth + 1, lines);
    }
}

QString outline(const QList<QAction*>& actions) {
    QStringList lines;
    describe(actions, 0, lines);
    return lines.join('\n');
}

} // namespace

TEST_F(MainFormTest, MenuBarHoldsTheWholeCommandTable) {
    const QString expected = R"(&File
  &New
  &Open...
  &Save
  Save &As...
  Import/Export &Data
    Import From ASCII
    Import Data File...
    Export To ASCII
  Export &Graph
    Export To Bitmap Image
    Export To Jpeg Image
    Export To PNG Image
    Export To SVG Image
    Export To PDF
  -
  Print
    Print &Data...
    Print &Graph...
  Print Set&up...
  -
  E&xit
&Data Table
  &Undo [off]
  &Redo [off]
  -
  &Copy
  &Paste
  Cu&t
  &Delete Selection
  -
  &Add Column
  D&elete Column
  &Rename Column
  -
  &Set Number of Rows
    30
    60
    80
    100
    120
    140
    160
    180
    200
&Graph
  Set Graph &Labels
  &Select Columns to Graph
  Show/Hide &Error Bars [off]
  ( ) Show Re&siduals
  ( ) Show Confidence &Band
  ( ) Show &Worst-Fit Lines [off]
  ( ) Show Both &Uncertainties [off]
  -
  Graph &Type
    (x) &Linear Graph
    ( ) Semi-Log Graph
    ( ) L&og-Log Graph
  Graph &Options
    Data Point Color
    Data Point Type
      (x) Circle
      ( ) Rectangle
      ( ) Triangle
      ( ) Cross
      ( ) Star
    -
    Fit Line Color
    -
    Error Bar Color
    Error Bar Width
      (x) 1
      ( ) 2
      ( ) 3
      ( ) 4
      ( ) 5
    -
    Axis &Options
Fitting Function
  ( ) Linear Fit: &Zero y-Intercept (y = bx)
  (x) &Linear Fit (y = a + bx)
  ( ) &Exponential Fit:  y = a e^(bx)
  ( ) &Power Law Fit: y=ax^b
  P&olynomial Fit
    ( ) &2nd Order
    ( ) &3rd Order
    ( ) &4th Order
    ( ) &5th Order
  -
  ( ) &User Defined...
Error &Method
  (x) &Estimate dY
  ( ) &Y Error Bars
  ( ) &X and Y Error Bars
&Tools
  &Fit Data
  ( ) Show Cursor &Position
  &Define a Function
  Copy &Results [off]
&Help
  &User Guide
  &Error Method Guide
  -
  &About Kelvane)";
    EXPECT_EQ(outline(form->menuBar()->actions()).toStdString(), expected.toStdString());
}

TEST_F(MainFormTest, PopUpMenus) {
    auto* edit = child<QMenu>("EditPopupMenu");
    EXPECT_EQ(outline(edit->actions()).toStdString(), R"(&Undo [off]
&Redo [off]
-
&Copy
&Paste
Cu&t
-
&Delete Selection
-
&Add Column
D&elete Column)");
    auto* fit = child<QMenu>("FitDataPopupMenu");
    EXPECT_EQ(outline(fit->actions()).toStdString(), R"((x) &Estimate dY
Input d&Y
  ( ) &Uniform dY [off]
  ( ) &dYi
Input d&X, dY
  ( ) &Uniform dX,  dY [off]
  ( ) d&Xi, dYi)");
}

// The command table's shortcuts and the desktop's usual ones where the table has none.
TEST_F(MainFormTest, ShortcutsAreExactlyThoseOfTheCommandTable) {
    const std::map<QString, QString> expected = {
        {"FileOpen1", "Ctrl+O"}, {"editCopy", "Ctrl+C"},   {"editPaste", "Ctrl+V"},
        {"editCut", "Ctrl+X"},   {"editDelete", "Ctrl+D"}, {"AnalyzeDataAction", "Ctrl+A"},
        {"FileNew", "Ctrl+N"},   {"FileSave", "Ctrl+S"},   {"FileSaveAs1", "Ctrl+Shift+S"},
        {"FileExit1", "Ctrl+Q"}, {"HelpContents", "F1"},     {"editUndo", "Ctrl+Z"},
        {"editRedo", "Ctrl+Shift+Z"}};
    std::map<QString, QString> actual;
    for (QAction* a : form->findChildren<QAction*>())
        if (!a->shortcut().isEmpty())
            actual[a->objectName()] = a->shortcut().toString();
    EXPECT_EQ(actual, expected);
}

TEST_F(MainFormTest, HintsShowTheirFirstText) {
    const std::map<const char*, QString> hints = {
        {"FileNew", "Create New File"},
        {"FileOpen1", "Open"},
        {"FileSave", "Save File"},
        {"FileSaveAs1", "Save As"},
        {"FileASCIIImport", "Import data from an ASCII file."},
        {"FileDataImport", "Import a CSV or data-logger file, with a preview."},
        {"FileASCIIExport", "Export data table to ASCII file"},
        {"FileExportGraphBitmap", "Export Graph"},
        {"FileExportGraphJpeg", "Export Graph"},
        {"FilePrintSetup1", "Print Setup"},
        {"FileExit1", "Exit"},
        {"LabelChart", "Label Graph"},
        {"ShowErrorBars", "Show/Hide Error Bars"},
        {"ChartOptionsAction", "Graph Options"},
        {"EstimateddYErrorMethod", "Use variance in Y to estimate dY"},
        {"dYi", "Input dY for all Y."},
        {"dXidYi", "Input dX & dY for all X & Y respectively."},
        {"PopupdYi", "Input dY for all Y."},
        {"UniformdY", "Input dY. Assume same dY for all Y."},
        {"UniformdXdY", "Input dX & dY. Assume same dX & dY for all X & Y respectively."},
        {"FitDataAction", "Toggle Data Fit"},
        {"HelpContents", "Help Contents"}};
    for (const auto& [name, hint] : hints)
        EXPECT_EQ(action(name)->toolTip(), hint) << name;
    // Commands with their own caption beside the menu's.
    EXPECT_EQ(action("LabelChart")->iconText(), "&Label Chart");
    EXPECT_EQ(action("ShowErrorBars")->iconText(), "Show &Error Bars");
    EXPECT_EQ(action("ChartOptionsAction")->iconText(), "&Chart Options...");
    EXPECT_EQ(action("AnalyzeDataAction")->iconText(), "Analyze Data...");
}

TEST_F(MainFormTest, ToolBarButtonsInOrderWithTheirHints) {
    auto* bar = child<QToolBar>("ToolBar1");
    QStringList order;
    for (QAction* a : bar->actions()) {
        if (a->isSeparator())
            order << "|";
        else if (QWidget* w = bar->widgetForAction(a))
            order << (a->objectName().isEmpty() ? w->objectName() : a->objectName());
    }
    EXPECT_EQ(order.join(' ').toStdString(),
              "FileNew FileOpen1 FileSave FileSaveAs1 FileASCIIImport FileASCIIExport | "
              "FitToolButton LabelChart ShowErrorBars | EquationLabel");
    auto* fit = child<QToolButton>("FitToolButton");
    EXPECT_TRUE(fit->isCheckable());
    EXPECT_EQ(fit->toolTip(), "Toggle Data Fit");
    EXPECT_EQ(child<QToolButton>("ErrorBarsToolButton")->toolTip(), "Show/Hide Error Bars");
    for (QAction* a : bar->actions()) {
        if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(a))) {
            EXPECT_FALSE(button->icon().isNull()) << a->objectName().toStdString();
        }
    }
}

TEST_F(MainFormTest, PopUpErrorMethodItemsRunTheMenuCommands) {
    int runs = 0;
    QObject::connect(action("dYi"), &QAction::triggered, [&runs] { ++runs; });
    ui.answers = {UiServices::Answer::No}; // the command offers a new column first
    action("PopupdYi")->trigger();
    EXPECT_EQ(runs, 1);
}

TEST_F(MainFormTest, RightClicksOpenThePopUpMenus) {
    const auto rightClick = [](QWidget* widget, QPoint pos) {
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
        QApplication::sendEvent(widget, &event);
    };
    rightClick(child<QToolButton>("FitToolButton"), QPoint(2, 2));
    auto* fitMenu = child<QMenu>("FitDataPopupMenu");
    EXPECT_TRUE(fitMenu->isVisible());
    fitMenu->hide();

    rightClick(form->grid().viewport(), QPoint(40, 30));
    auto* editMenu = child<QMenu>("EditPopupMenu");
    EXPECT_TRUE(editMenu->isVisible());
    editMenu->hide();
}
