#include "ColumnFormFixture.h"

#include "document/DocumentEdits.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

#include <functional>

namespace {

// Each command family changes the document exactly as the core says, and nothing else:
// the document after the command equals the one before with the expected change made.
TEST_F(ColumnFormTest, CommandsChangeTheDocumentAndNothingElse) {
    struct Case {
        const char* name;
        std::function<void()> run;
        std::function<void(Document&)> expect;
    };
    const std::vector<Case> cases = {
        {"add a column",
         [&] {
             ui.dialogScripts = {newColumn("dY")};
             action("AddColumnAction")->trigger();
         },
         [](Document& d) {
             d.table.addColumn("dY");
             d.modified = true;
         }},
        {"rename a column",
         [&] {
             ui.dialogScripts = {rename("Time")};
             action("RenameColumn")->trigger();
         },
         [](Document& d) {
             renameColumn(d, 1, "Time");
             d.modified = true;
         }},
        {"choose columns",
         [&] {
             ui.dialogScripts = {chooseColumns(2, -1, 0, -1)};
             action("SelectColumnsAction")->trigger();
         },
         [](Document& d) {
             ::chooseColumns(d, {3, -1, 1, -1});
         }},
        {"row count", [&] { action("Rows80")->trigger(); },
         [](Document& d) { d.table.setDataRowCount(80); }},
        {"fitting function", [&] { action("PowerLawFit")->trigger(); },
         [](Document& d) {
             d.fitType = FitType::POWERLAW;
             d.modified = true;
         }},
        {"error method", [&] { action("dYi")->trigger(); },
         [](Document& d) {
             d.errorMethod = ErrorMethod::DYI;
             d.modified = true;
         }},
        {"computed column",
         [&] {
             action("DefineFunctionAction")->trigger();
             auto* window = form->findChild<QDialog*>("FunctionForm");
             window->findChild<QLineEdit*>("NewColNameEdit")->setText("P");
             window->findChild<QLineEdit*>("FunctionEdit")->setText("1/3");
             press(*window, "OKButton");
         },
         [](Document& d) {
             d.table.addColumn("P"); // every row is empty, so no cell is written
             d.modified = true;
         }},
        {"delete a column",
         [&] {
             ui.dialogScripts = {[](QDialog& dialog) {
                 dialog.findChild<QComboBox*>("DeleteComboBox")->setCurrentIndex(3);
                 return okOrCancel(dialog);
             }};
             action("DeleteColumnAction")->trigger();
         },
         [](Document& d) { deleteColumn(d, 4); }},
        {"paste",
         [&] {
             QApplication::clipboard()->setText("5\t6");
             action("editPaste")->trigger();
         },
         [](Document& d) {
             d.table.setCellText(1, 1, "5");
             d.table.setCellText(2, 1, "6");
             d.modified = true;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        changeDocument([](Document& d) {
            if (d.table.columnCount() < 4)
                d.table.addColumn("Z");
            d.modified = false;
        });
        Document expected = form->document();
        c.run();
        c.expect(expected);
        EXPECT_TRUE(ui.messages.empty());
        EXPECT_TRUE(form->document() == expected);
    }
}

} // namespace
