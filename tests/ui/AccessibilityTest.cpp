#include "MainFormFixture.h"

#include <QAccessible>
#include <QAccessibleInterface>
#include <QDialog>
#include <QLineEdit>
#include <QSet>
#include <QStringList>
#include <QTemporaryDir>
#include <QToolButton>

#include <fstream>

namespace {

// The roles of controls that take input, as a screen reader announces them.
bool isControl(const QAccessibleInterface& control) {
    static const QSet<QAccessible::Role> roles = {
        QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
        QAccessible::ComboBox,   QAccessible::EditableText, QAccessible::SpinBox,
        QAccessible::Slider,     QAccessible::ButtonMenu,   QAccessible::ButtonDropDown,
        QAccessible::Table,      QAccessible::List,         QAccessible::Tree,
        QAccessible::PageTab,    QAccessible::Grip,         QAccessible::Link};
    return roles.contains(control.role()) || control.state().focusable;
}

// Qt's own parts, which Qt names or leaves unnamed: the overflow buttons of the menu and
// tool bars, the splitter's handles, the list that drops down from a list box, the table's
// corner button and the window's size grip.
bool isPartOfQt(const QWidget& widget) {
    static const QSet<QString> classes = {"QToolBarExtension", "QComboBoxListView",
                                          "QTableCornerButton", "QSizeGrip"};
    return widget.objectName().startsWith(QLatin1String("qt_")) ||
           classes.contains(QLatin1String(widget.metaObject()->className()));
}

// Most dialogs are made by their command on first use: each is opened once and cancelled,
// so that the walk meets it. The delete command needs a third column to open its dialog,
// and the import then offers to save it first.
void openEveryDialog(TMainForm& form, ScriptedUiServices& ui, const QString& dataFile) {
    const auto cancel = [](QDialog&) { return int(QDialog::Rejected); };
    ui.dialogScripts.push_back([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("ColNameEdit"))->setText(QStringLiteral("C"));
        return int(QDialog::Accepted);
    });
    ui.dialogScripts.insert(ui.dialogScripts.end(), 7, cancel);
    ui.answers = {UiServices::Answer::No};
    ui.fileNames = {dataFile};
    for (const char* command :
         {"AddColumnAction", "DeleteColumnAction", "RenameColumn", "SelectColumnsAction",
          "LabelChart", "UserDefinedFit", "FilePrintData", "FileDataImport"})
        form.findChild<QAction*>(QLatin1String(command))->trigger();
    form.findChild<QAction*>(QStringLiteral("DefineFunctionAction"))->trigger();
    form.findChild<QDialog*>(QStringLiteral("FunctionForm"))->hide();
}

} // namespace

// What a screen reader meets: every control of the main window and of the dialogs it owns
// reaches the accessibility bus with a name. A control that hands its focus to another
// (the text field inside a list) is spoken for by that one.
TEST_F(MainFormTest, EveryControlHasANameForAssistiveTechnology) {
    QTemporaryDir dir;
    const QString dataFile = dir.filePath(QStringLiteral("data.csv"));
    std::ofstream(dataFile.toStdString()) << "t,U\n1,2\n";
    openEveryDialog(*form, ui, dataFile);
    ASSERT_TRUE(ui.dialogScripts.empty()) << "every dialog opened";
    QStringList unnamed;
    int controls = 0;
    for (QWidget* widget : form->findChildren<QWidget*>()) {
        if (widget->focusProxy() || isPartOfQt(*widget))
            continue;
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || !isControl(*accessible))
            continue;
        ++controls;
        if (accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << widget->metaObject()->className() + QStringLiteral(" ") +
                           widget->objectName() + QStringLiteral(" in ") +
                           widget->window()->objectName();
    }
    EXPECT_GT(controls, 50) << "the walk reached the dialogs";
    EXPECT_TRUE(unnamed.isEmpty()) << unnamed.join(QStringLiteral(", ")).toStdString();
}

// Icon-only buttons say what they do: the command's caption as name, its hint as
// description.
TEST_F(MainFormTest, IconOnlyToolButtonsAreNamedAfterTheirCommands) {
    struct Expected {
        const char* button;
        const char* name;
        const char* description;
    };
    for (const Expected& e :
         {Expected{"FitToolButton", "Fit Data", "Toggle Data Fit"},
          Expected{"ErrorBarsToolButton", "Show Error Bars", "Show/Hide Error Bars"}}) {
        QAccessibleInterface* accessible =
            QAccessible::queryAccessibleInterface(child<QToolButton>(e.button));
        ASSERT_NE(accessible, nullptr) << e.button;
        EXPECT_EQ(accessible->text(QAccessible::Name), QLatin1String(e.name));
        EXPECT_EQ(accessible->text(QAccessible::Description), QLatin1String(e.description));
    }
}
