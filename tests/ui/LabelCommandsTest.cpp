#include "ColumnFormFixture.h"

#include <QLineEdit>

namespace {

class LabelCommandsTest : public ColumnFormTest {
protected:
    // Fills the three fields of "Graph Labels", then okOrCancel.
    static Script label(const QString& title, const QString& x, const QString& y) {
        return [=](QDialog& dialog) {
            const std::pair<const char*, QString> fields[] = {
                {"GraphTitleEdit", title}, {"xAxisEdit", x}, {"yAxisEdit", y}};
            for (const auto& [name, text] : fields)
                dialog.findChild<QLineEdit*>(QLatin1String(name))->setText(text);
            return okOrCancel(dialog);
        };
    }
};

TEST_F(LabelCommandsTest, GraphLabelsRenameTheXAndYColumnsAndTheGraph) {
    ui.dialogScripts = {label("Fall", "Distance", "Time")};
    action("LabelChart")->trigger();
    EXPECT_EQ(ui.modalDialogTitles.back(), "Graph Labels");
    EXPECT_EQ(model().headerData(0, Qt::Horizontal).toString(), "Distance");
    EXPECT_EQ(model().headerData(1, Qt::Horizontal).toString(), "Time");
    EXPECT_EQ(form->chart().axisTitle(ChartAxis::BottomAxis), "Distance");
    EXPECT_EQ(form->chart().graphTitle(), "Fall");
    EXPECT_TRUE(doc().modified);

    // A refused OK keeps the dialog open and leaves the document's titles; the typing
    // itself was a change, and stays one.
    changeDocument([](Document& d) { d.modified = false; });
    ui.dialogScripts = {label("Fall", "t", "t")};
    action("LabelChart")->trigger();
    expectMessages({"X and Y axes cannot have the same name."});
    EXPECT_EQ(doc().xAxisTitle, "Distance");
    EXPECT_TRUE(doc().modified);
}

TEST_F(LabelCommandsTest, ADoubleClickOnTheGraphOpensTheLabels) {
    ui.dialogScripts = {cancel()};
    emit form->chart().doubleClicked();
    EXPECT_EQ(ui.modalDialogTitles, std::vector<QString>{"Graph Labels"});
}

TEST_F(LabelCommandsTest, PointTypeChangesTheDataMarkersOnly) {
    action("Star1")->trigger();
    EXPECT_EQ(doc().pointStyle, PointStyle::Star);
    EXPECT_EQ(form->chart().dataPointStyle(), PointStyle::Star);
    EXPECT_TRUE(action("Star1")->isChecked());
    EXPECT_TRUE(doc().modified) << "Save writes the style";
}

} // namespace
