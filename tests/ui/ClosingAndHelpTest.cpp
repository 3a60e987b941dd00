#include "MainFormFixture.h"

#include "app/GuardedCommand.h"
#include "app/QtUiServices.h"
#include "common/KelvaneError.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <stdexcept>

using Answer = UiServices::Answer;

namespace {

void expectSavePrompt(const ScriptedUiServices::Message& m) {
    EXPECT_EQ(m.text, "Do you want to save changes before closing Kelvane?");
    EXPECT_EQ(m.caption, "Save Changes ?");
    EXPECT_EQ(m.icon, UiServices::Icon::Question);
    EXPECT_EQ(m.buttons, UiServices::Buttons::YesNoCancel);
}

// Runs a test in a scratch current directory, as the guides are looked up relative to it.
class ScratchCurrentDir {
public:
    ScratchCurrentDir() : previous_(QDir::currentPath()) { QDir::setCurrent(dir_.path()); }
    ~ScratchCurrentDir() { QDir::setCurrent(previous_); }
    void createFile(const QString& name) const {
        QFile file(dir_.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

private:
    QTemporaryDir dir_;
    QString previous_;
};

} // namespace

TEST_F(MainFormTest, ClosingWithoutChangesNeverAsks) {
    EXPECT_TRUE(form->close());
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(MainFormTest, ClosingWithChangesAsksAndCancelKeepsTheWindow) {
    changeDocument([&](Document& d) { d.modified = true; });
    ui.answers = {Answer::Cancel};
    EXPECT_FALSE(form->close());
    ASSERT_EQ(ui.messages.size(), 1u);
    expectSavePrompt(ui.messages[0]);
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(form->document().modified);
}

TEST_F(MainFormTest, ExitAnsweredNoClosesWithoutSaving) {
    changeDocument([&](Document& d) { d.modified = true; });
    int saves = 0;
    QObject::connect(action("FileSaveAs1"), &QAction::triggered, [&saves] { ++saves; });
    ui.answers = {Answer::No};
    action("FileExit1")->trigger();
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(saves, 0);
    ASSERT_EQ(ui.messages.size(), 1u);
    expectSavePrompt(ui.messages[0]);
}

// "Yes" runs Save As and keeps the window open; once the document is written, closing
// asks nothing.
TEST_F(MainFormTest, ClosingAnsweredYesRunsSaveAsAndStaysOpen) {
    changeDocument([&](Document& d) { d.modified = true; });
    QTemporaryDir dir;

    ui.answers = {Answer::Yes};
    EXPECT_FALSE(form->close()); // the Save As dialog is cancelled
    EXPECT_EQ(ui.fileDialogFilters.size(), 1u);
    EXPECT_TRUE(form->document().modified) << "Save As was cancelled";

    ui.answers = {Answer::Yes};
    ui.fileNames = {dir.filePath("closing")};
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(QFile::exists(dir.filePath("closing.dat")));
    EXPECT_TRUE(form->isVisible());

    EXPECT_TRUE(form->close()) << "written: closes at once";
    EXPECT_EQ(ui.messages.size(), 2u);
}

TEST_F(MainFormTest, HelpCommandsOpenTheGuidesOnlyWhenPresent) {
    ScratchCurrentDir scratch;
    action("HelpContents")->trigger();
    action("ErrorMethodGuide")->trigger();
    EXPECT_TRUE(ui.openedDocuments.empty());
    EXPECT_TRUE(ui.messages.empty()) << "a missing guide is not reported";

    scratch.createFile("kelvane_user_guide.pdf");
    scratch.createFile("kelvane_error_methods_guide.pdf");
    action("HelpContents")->trigger();
    action("ErrorMethodGuide")->trigger();
    EXPECT_EQ(ui.openedDocuments,
              (std::vector<QString>{"kelvane_user_guide.pdf", "kelvane_error_methods_guide.pdf"}));

    // Started elsewhere (from the desktop's menu, say), the program finds the guide beside
    // itself.
    ScratchCurrentDir elsewhere;
    const QString beside =
        QDir(QCoreApplication::applicationDirPath()).filePath("kelvane_user_guide.pdf");
    QFile guide(beside);
    ASSERT_TRUE(guide.open(QIODevice::WriteOnly));
    ui.openedDocuments.clear();
    action("HelpContents")->trigger();
    guide.remove();
    EXPECT_EQ(ui.openedDocuments, std::vector<QString>{beside});
}

TEST_F(MainFormTest, AboutBoxShowsVersionAndMailsTheDevelopers) {
    QStringList texts;
    QString creditHint;
    Qt::CursorShape creditCursor = Qt::ArrowCursor;
    ui.dialogScripts.push_back([&](QDialog& box) {
        for (QLabel* label : box.findChildren<QLabel*>())
            texts << label->text();
        auto* credit = box.findChild<QLabel*>("ProgrammingCredit");
        if (!credit)
            return int(QDialog::Rejected);
        creditHint = credit->toolTip();
        creditCursor = credit->cursor().shape();
        QTest::mouseClick(credit, Qt::LeftButton);
        auto* ok = box.findChild<QPushButton*>();
        EXPECT_TRUE(ok && ok->isDefault());
        return int(QDialog::Accepted);
    });
    action("HelpAbout")->trigger();
    EXPECT_EQ(ui.modalDialogTitles, std::vector<QString>{"About Kelvane"});
    EXPECT_TRUE(texts.contains("Kelvane"));
    EXPECT_TRUE(texts.contains("Version 2.4"));
    EXPECT_EQ(creditHint, "Click to e-mail me.");
    EXPECT_EQ(creditCursor, Qt::PointingHandCursor);
    ASSERT_EQ(ui.openedUrls.size(), 1u);
    EXPECT_EQ(ui.openedUrls[0].scheme(), "mailto");
}

TEST_F(MainFormTest, PrintSetUpRunsThePrinterDialog) {
    action("FilePrintSetup1")->trigger();
    EXPECT_EQ(ui.printerSetups, 1);
}

TEST(CommandWrapper, ShowsAnErrorsTextAndCarriesOn) {
    ScriptedUiServices ui;
    bool changedBeforeError = false;
    runCommand(ui, [&] {
        changedBeforeError = true;
        throw KelvaneError("'abc' is not a valid floating point value");
    });
    runCommand(ui, [] { throw std::runtime_error("Cannot create file x.dat"); });
    ASSERT_EQ(ui.messages.size(), 2u);
    EXPECT_EQ(ui.messages[0].text, "'abc' is not a valid floating point value");
    EXPECT_EQ(ui.messages[0].icon, UiServices::Icon::Stop);
    EXPECT_EQ(ui.messages[0].buttons, UiServices::Buttons::Ok);
    EXPECT_EQ(ui.messages[1].text, "Cannot create file x.dat");
    EXPECT_TRUE(changedBeforeError);
}

TEST(QtFileFilter, TurnsPipeListsIntoDialogFilters) {
    EXPECT_EQ(qtFileFilter("Data Files|*.dat|All Files|*.*"),
              "Data Files (*.dat);;All Files (*.*)");
    EXPECT_EQ(qtFileFilter("Data Files|*.dat"), "Data Files (*.dat)");
    EXPECT_EQ(qtFileFilter("Jpeg Files|*.jpg;*.jpeg|All Files|*.*"),
              "Jpeg Files (*.jpg *.jpeg);;All Files (*.*)");
}

TEST(QtFileFilter, TheFirstPatternGivesTheSaveDialogsExtension) {
    EXPECT_EQ(defaultSuffix("Data Files|*.dat"), "dat");
    EXPECT_EQ(defaultSuffix("Jpeg Files|*.jpg;*.jpeg|All Files|*.*"), "jpg");
    EXPECT_EQ(defaultSuffix("All Files|*.*"), "");
}
