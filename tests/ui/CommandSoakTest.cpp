// The random-command soak: the real window, offscreen, driven through thousands of random
// commands (every menu command that is built, typing into cells, paste of random text,
// row selections, the fit button, zooms on the graph, the Define a Function and Axis
// Options windows), with every question and dialog
// answered at random. After each command the document must hold together, and what Save
// writes must open as the same document; every SAVE_EVERY commands the window itself saves
// and opens the file again.
//
// KELVANE_SOAK_SEED replays a run (the seed is printed on failure), KELVANE_SOAK_COMMANDS
// sets its length.

#include "MainFormFixture.h"
#include "RandomUiServices.h"

#include "files/DocumentFile.h"
#include "graph/Chart.h"
#include "table/DataStringGrid.h"
#include "table/DataTableModel.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cstdlib>
#include <iostream>
#include <random>
#include <set>

namespace {

constexpr long DEFAULT_COMMANDS = 2000;
constexpr long SAVE_EVERY = 50;

long environmentNumber(const char* name, long otherwise) {
    const char* text = std::getenv(name);
    return text ? std::strtol(text, nullptr, 10) : otherwise;
}

// The one command left out: leaving the program.
const std::set<QString> LEFT_OUT = {"FileExit1"};

// Commands after which there may be nothing to save though what Save writes changed: it
// was saved, or replaced by a file, a new document or an import, or Undo and Redo came
// back to the saved content.
bool mayLeaveUnmarked(const QString& command) {
    static const std::set<QString> commands = {"editUndo",       "editRedo",       "FileNew",
                                               "FileOpen1",      "FileSave",       "FileSaveAs1",
                                               "FileASCIIImport", "FileDataImport"};
    return commands.count(command) > 0;
}

// What Open gives back: no row selection, and no fit's results, which the file does not
// keep.
Document asReopened(Document d) {
    d.selectionTop = d.selectionBottom = 0;
    d.table.setSummaryText("");
    return d;
}

// The parts in which two documents differ, named, so that a failure says where to look.
std::string differences(const Document& a, const Document& b) {
    std::string names;
    const auto part = [&names](bool same, const char* name) {
        if (!same)
            names += std::string(names.empty() ? "" : ", ") + name;
    };
    part(a.table.columnCount() == b.table.columnCount() &&
             a.table.dataRowCount() == b.table.dataRowCount(),
         "table size");
    part(a.table.summaryText() == b.table.summaryText(), "summary");
    part(a.table == b.table, "table");
    for (int column = 0; column < a.table.columnCount() &&
                         names.find("table") != std::string::npos && column < b.table.columnCount();
         ++column)
        for (int row = 0; row <= DataTable::ROW_COUNT_CHOICES.back(); ++row)
            if (a.table.keptCellText(column, row) != b.table.keptCellText(column, row)) {
                names += " (cell " + std::to_string(column) + "," + std::to_string(row) + ": '" +
                         a.table.keptCellText(column, row) + "' against '" +
                         b.table.keptCellText(column, row) + "')";
                column = a.table.columnCount();
                break;
            }
    part(a.roles == b.roles, "roles");
    part(a.selectionTop == b.selectionTop && a.selectionBottom == b.selectionBottom, "selection");
    part(a.currentFileName == b.currentFileName, "file name");
    part(a.modified == b.modified, "modified");
    part(a.fitType == b.fitType && a.errorMethod == b.errorMethod, "fit configuration");
    part(a.graphType == b.graphType, "graph type");
    part(a.graphTitle == b.graphTitle && a.xAxisTitle == b.xAxisTitle &&
             a.yAxisTitle == b.yAxisTitle,
         "titles");
    part(a.pointStyle == b.pointStyle && a.dataPointColor == b.dataPointColor &&
             a.fitLineColor == b.fitLineColor,
         "points and line");
    part(a.errorBarsShown == b.errorBarsShown && a.errorBarColor == b.errorBarColor &&
             a.errorBarWidth == b.errorBarWidth,
         "error bars");
    part(a.xAxis == b.xAxis && a.xFormatFixed == b.xFormatFixed, "X axis");
    part(a.yAxis == b.yAxis && a.yFormatFixed == b.yFormatFixed, "Y axis");
    part(a == b || !names.empty(), "something else");
    return names;
}

class CommandSoakTest : public ::testing::Test {
protected:
    void SetUp() override {
        seed =
            static_cast<unsigned>(environmentNumber("KELVANE_SOAK_SEED", std::random_device()()));
        random.seed(seed);
        ui = std::make_unique<RandomUiServices>(random, dir.path());
        form = std::make_unique<TMainForm>(*ui, '.');
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        for (QAction* action : form->findChildren<QAction*>())
            if (!action->objectName().isEmpty() && !LEFT_OUT.count(action->objectName()))
                actions.push_back(action);
    }

    int below(int n) { return ui->below(n); }
    DataTableModel& model() { return form->grid().tableModel(); }
    QWidget* plot() { return form->chart().findChild<QWidget*>("Chart1Plot"); }
    QToolButton* fitButton() { return form->findChild<QToolButton*>("FitToolButton"); }

    // One random command; returns its name.
    QString runRandomCommand() {
        switch (below(9)) {
        case 0:
        case 1: {
            const int row = below(model().rowCount()), column = below(model().columnCount());
            model().setData(model().index(row, column), ui->randomText());
            return "type into a cell";
        }
        case 2:
            QGuiApplication::clipboard()->setText(randomBlock());
            selectCells();
            form->findChild<QAction*>("editPaste")->trigger();
            return "paste";
        case 3:
            selectCells();
            return "select";
        case 4:
            fitButton()->click();
            return "fit button";
        case 5: {
            const QRect area = plot()->rect();
            const QPoint from(below(area.width()), below(area.height()));
            const QPoint to(below(area.width()), below(area.height()));
            QTest::mousePress(plot(), Qt::LeftButton, {}, from);
            QTest::mouseMove(plot(), to);
            QTest::mouseRelease(plot(), Qt::LeftButton, {}, to);
            return "drag on the graph";
        }
        case 6:
            return useAToolWindow();
        default: {
            QAction* action = actions[std::size_t(below(int(actions.size())))];
            if (action->isEnabled())
                action->trigger();
            return action->objectName();
        }
        }
    }

    // The windows that stay open beside the main window (Define a Function, Axis Options):
    // one that is shown has some fields changed and one of its buttons pressed.
    QString useAToolWindow() {
        std::vector<QWidget*> shown;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window != form.get() && window->isVisible() && !qobject_cast<QMenu*>(window))
                shown.push_back(window);
        if (shown.empty())
            return "no tool window";
        QWidget& window = *shown[std::size_t(below(int(shown.size())))];
        ui->changeFields(window);
        std::vector<QPushButton*> buttons;
        for (QPushButton* button : window.findChildren<QPushButton*>())
            if (button->isVisible() && button->isEnabled())
                buttons.push_back(button);
        if (!buttons.empty())
            QTest::mouseClick(buttons[std::size_t(below(int(buttons.size())))], Qt::LeftButton);
        return "tool window " + window.objectName();
    }

    QString randomBlock() {
        QString text;
        for (int row = below(4); row >= 0; --row) {
            for (int cell = below(4); cell >= 0; --cell)
                text += ui->randomText() + (cell ? "\t" : "");
            text += below(2) ? "\r\n" : "\n";
        }
        return text;
    }

    // A mouse selection of data cells, as the grid reports it to the window.
    void selectCells() {
        DataStringGrid& grid = form->grid();
        const int rows = model().rowCount(), columns = model().columnCount();
        const QModelIndex from = model().index(below(rows), below(columns));
        const QModelIndex to = model().index(below(rows), below(columns));
        grid.scrollTo(from);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, grid.visualRect(from).center());
        grid.scrollTo(to);
        QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier,
                          grid.visualRect(to).center());
    }

    // What must hold after every command.
    void checkInvariants(const Document& before, const QString& command) {
        const Document& d = form->document();
        const int columns = d.table.columnCount() - 1;
        const auto isColumn = [columns](int c) { return c >= 1 && c <= columns; };
        EXPECT_TRUE(isColumn(d.roles.x) && isColumn(d.roles.y)) << "X or Y outside the table";
        EXPECT_TRUE((d.roles.dx == -1 || isColumn(d.roles.dx)) &&
                    (d.roles.dy == -1 || isColumn(d.roles.dy)))
            << "dX or dY outside the table";
        EXPECT_TRUE(DataTable::isRowCountChoice(d.table.dataRowCount()));
        EXPECT_TRUE(d.selectionTop >= 0 && d.selectionTop <= d.table.dataRowCount() &&
                    d.selectionBottom >= 0 && d.selectionBottom <= d.table.dataRowCount())
            << "selection " << d.selectionTop << ".." << d.selectionBottom;
        if (!mayLeaveUnmarked(command) && encodeDocument(d, 0) != encodeDocument(before, 0)) {
            EXPECT_TRUE(form->hasUnsavedChanges()) << "a change that Save would write left no mark";
        }
        EXPECT_TRUE(!form->isFitShown() || fitButton()->isChecked()) << "a fit shown, button up";
        EXPECT_EQ(differences(documentFrom(decodeDocument(encodeDocument(d, 0)), d), asReopened(d)),
                  "")
            << "Save then Open gives another document";
    }

    // The window's own Save As, then its Open of that file. Open replays the file's error
    // method, which may offer to add the columns it needs; when a question was answered
    // the user chose a change, so the documents are compared only when none was asked.
    void saveAndReopen() {
        const QString path = dir.filePath("reopened.dat");
        QFile::remove(path);
        ui->fixedFileName = path;
        form->findChild<QAction*>("FileSaveAs1")->trigger();
        const Document saved = asReopened(form->document());
        const int questions = ui->questionsAnswered;
        if (QFile::exists(path))
            form->findChild<QAction*>("FileOpen1")->trigger();
        ui->fixedFileName.clear();
        if (QFile::exists(path) && ui->questionsAnswered == questions) {
            EXPECT_EQ(differences(form->document(), saved), "") << "the window's Save then Open";
        }
    }

    QTemporaryDir dir;
    unsigned seed = 0;
    std::mt19937 random;
    std::unique_ptr<RandomUiServices> ui;
    std::unique_ptr<TMainForm> form;
    std::vector<QAction*> actions;
};

TEST_F(CommandSoakTest, TheDocumentHoldsTogetherThroughRandomCommands) {
    const long commands = environmentNumber("KELVANE_SOAK_COMMANDS", DEFAULT_COMMANDS);
    for (long n = 1; n <= commands; ++n) {
        const Document before = form->document();
        const QString command = runRandomCommand();
        SCOPED_TRACE("seed " + std::to_string(seed) + " (KELVANE_SOAK_SEED), command " +
                     std::to_string(n) + ": " + command.toStdString());
        checkInvariants(before, command);
        if (n % SAVE_EVERY == 0)
            saveAndReopen();
        if (HasFailure())
            return;
    }
    std::cout << "soak: " << commands << " commands, seed " << seed << '\n';
}

} // namespace
