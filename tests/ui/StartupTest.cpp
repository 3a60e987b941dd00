#include "MainFormFixture.h"

#include "graph/Chart.h"
#include "shell/ScreenScale.h"
#include "table/DataStringGrid.h"
#include "table/DataTableModel.h"

#include <QDialog>
#include <QGuiApplication>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QSet>
#include <QSplitter>
#include <QStatusBar>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

TEST_F(MainFormTest, StartsWithTheDefaultDocumentAndItsTexts) {
    EXPECT_EQ(form->windowTitle(), "Kelvane");
    EXPECT_EQ(form->statusText(0), "Untitled.dat");
    EXPECT_EQ(form->statusText(1), "Error Method : Estimate dY");
    EXPECT_EQ(form->statusText(2), "Fit Type: Linear");
    EXPECT_EQ(form->statusText(3), "Error Bars: OFF");
    auto* equation = child<QLabel>("EquationLabel");
    EXPECT_EQ(equation->text(), "Fitting the equation:  y = a + bx");
    EXPECT_TRUE(equation->font().bold());
    EXPECT_EQ(equation->font().pixelSize(), 16);
    const QImage drawn = equation->grab().toImage();
    int bluePixels = 0;
    for (int y = 0; y < drawn.height(); ++y)
        for (int x = 0; x < drawn.width(); ++x)
            bluePixels += drawn.pixel(x, y) == qRgb(0, 0, 255);
    EXPECT_GT(bluePixels, 50) << "the equation is drawn in blue";

    const Document& doc = form->document();
    EXPECT_FALSE(doc.modified);
    EXPECT_FALSE(doc.errorBarsShown);
    EXPECT_EQ(doc.errorBarWidth, 1);
    EXPECT_FALSE(form->isFitShown());
    EXPECT_FALSE(action("ShowErrorBars")->isEnabled());
    EXPECT_FALSE(action("UniformdY")->isEnabled());
    EXPECT_FALSE(action("UniformdXdY")->isEnabled());
}

TEST_F(MainFormTest, StartUpCheckMarks) {
    for (const char* checked : {"LinearFit", "EstimateddYErrorMethod", "PopupEstimateddY",
                                "LinearAction", "Circle1", "ErrorBarWidth1"})
        EXPECT_TRUE(action(checked)->isChecked()) << checked;
    for (const char* unchecked : {"LinearFitZeroIntercept", "SecondOrderFit", "dYi", "PopupdYi",
                                  "SemiLogAction", "Star1", "ErrorBarWidth5", "AnalyzeDataAction"})
        EXPECT_FALSE(action(unchecked)->isChecked()) << unchecked;
    EXPECT_FALSE(action("Rows30")->isCheckable());
}

// Until a command changes the document, clicking another radio item leaves the marks where
// the document says they belong.
TEST_F(MainFormTest, CheckMarksFollowTheDocumentNotTheClick) {
    changeDocument([&](Document& d) { d.table.setCellText(2, 1, "-1"); });
    action("SemiLogAction")->trigger();    // refused: a logarithmic axis cannot show -1
    ui.answers = {UiServices::Answer::No}; // no new column, so the method stays
    action("PopupdXidYi")->trigger();
    EXPECT_TRUE(action("LinearAction")->isChecked());
    EXPECT_FALSE(action("SemiLogAction")->isChecked());
    EXPECT_TRUE(action("EstimateddYErrorMethod")->isChecked());
    EXPECT_TRUE(action("PopupEstimateddY")->isChecked());
    EXPECT_FALSE(action("PopupdXidYi")->isChecked());

    changeDocument([&](Document& d) { d.graphType = GraphType::LogLog; });
    changeDocument([&](Document& d) { d.errorBarWidth = 3; });
    action("LogLogAction")->trigger();
    EXPECT_TRUE(action("LogLogAction")->isChecked());
    EXPECT_TRUE(action("ErrorBarWidth3")->isChecked());
}

// The offscreen screen is 800 x 800: the window drawn 973 pixels wide is cut to it.
TEST_F(MainFormTest, TheRestoredWindowStaysOnTheScreen) {
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_TRUE(available.contains(form->geometry()))
        << form->geometry().width() << "x" << form->geometry().height();
    EXPECT_EQ(form->height(), 767) << "the height fits: it stays";
}

TEST_F(MainFormTest, WindowLayoutSizes) {
    // The offscreen screen is 800 pixels wide: the sizes stay those of a 1024-pixel screen.
    const int widths[] = {400, 225, 200, 120};
    for (int i = 0; i < 4; ++i) {
        auto* panel = form->findChild<QLabel*>(QStringLiteral("StatusPanel%1").arg(i));
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->width(), widths[i]) << i;
    }
    EXPECT_EQ(child<QStatusBar>("StatusBar1")->height(), 22);
    EXPECT_EQ(child<QToolBar>("ToolBar1")->height(), 33);
    auto& grid = form->grid();
    EXPECT_GE(grid.width(), 225);
    EXPECT_EQ(grid.minimumWidth(), 225);
    auto* splitter = child<QSplitter>("Splitter1");
    EXPECT_EQ(splitter->handleWidth(), 5);
    EXPECT_EQ(splitter->handle(1)->toolTip(), "Resize Data Table");
    EXPECT_EQ(splitter->widget(0), &grid);
    EXPECT_EQ(splitter->widget(1), &form->chart());
    EXPECT_EQ(form->chart().objectName(), "Chart1");
}

TEST(ScreenScale, GrowsWithWideScreensAndNeverShrinks) {
    EXPECT_EQ(ScreenScale(800)(225), 225);
    EXPECT_EQ(ScreenScale(1024)(225), 225);
    EXPECT_EQ(ScreenScale(1280)(400), 500);
    EXPECT_EQ(ScreenScale(2048)(21), 42);
}

// The restored window keeps the scaled size where the screen has room and is cut to the
// available area where it has not, centred in that area.
TEST(ScreenScale, TheRestoredWindowFitsTheAvailableArea) {
    struct Case {
        int screenWidth;
        ScreenRect available;
        ScreenRect expected;
    };
    const Case cases[] = {
        {1024, {0, 0, 1024, 768}, {25, 0, 973, 767}},         // the size the window was drawn for
        {1024, {0, 28, 1024, 740}, {25, 28, 973, 740}},       // a panel at the top takes 28
        {1920, {0, 0, 1920, 1200}, {48, 0, 1824, 1200}},      // scaled 1824 x 1438: too tall
        {1920, {64, 0, 1856, 1152}, {80, 0, 1824, 1152}},     // a dock at the left, a bar below
        {1366, {0, 0, 1366, 736}, {34, 0, 1298, 736}},        // a small laptop screen
        {2560, {0, 0, 2560, 1440}, {63, 0, 2433, 1440}},      // wide: 2433 x 1918 scaled
        {800, {0, 0, 800, 600}, {0, 0, 800, 600}},            // narrower than the drawing
        {3840, {1920, 0, 3840, 2160}, {2015, 0, 3649, 2160}}, // a second screen, to the right
    };
    for (const Case& c : cases) {
        const ScreenRect got =
            restoredWindowRect(ScreenScale(c.screenWidth), 973, 767, c.available);
        EXPECT_TRUE(got == c.expected) << c.screenWidth << ": " << got.left << "," << got.top << " "
                                       << got.width << "x" << got.height;
    }
}

TEST_F(MainFormTest, ClearFitRemovesEveryTraceOfAFit) {
    Chart& chart = form->chart();
    form->grid().tableModel().setSummaryText("y = a + bx:\ra = 1  +/-  0.1");
    chart.setFooterLines({"y = a + bx", "a = 1 +/- 0.1"});
    chart.setFooterVisible(true);
    for (ChartSeries line : {ChartSeries::FitLineSeries, ChartSeries::FitLineBelowRangeSeries,
                             ChartSeries::FitLineAboveRangeSeries})
        chart.setPoints(line, {0, 1}, {2, 3});
    chart.setPoints(ChartSeries::DataPointSeries, {0, 1}, {2, 3});
    child<QToolButton>("FitToolButton")->setChecked(true);
    ASSERT_TRUE(form->isFitShown());
    ASSERT_TRUE(chart.isFooterShown());

    form->ClearFit();

    EXPECT_EQ(form->document().table.summaryText(), "");
    EXPECT_TRUE(chart.footerLines().isEmpty());
    EXPECT_FALSE(chart.isFooterShown());
    EXPECT_FALSE(form->isFitShown());
    EXPECT_EQ(chart.pointCount(ChartSeries::FitLineSeries), 0);
    EXPECT_EQ(chart.pointCount(ChartSeries::FitLineBelowRangeSeries), 0);
    EXPECT_EQ(chart.pointCount(ChartSeries::FitLineAboveRangeSeries), 0);
    EXPECT_EQ(chart.pointCount(ChartSeries::DataPointSeries), 2) << "the data stay plotted";
}

// One look at the whole window: table, graph, tool bar and status bar are drawn. Set
// KELVANE_SCREENSHOT to a file name to keep the picture.
TEST_F(MainFormTest, GrabbedWindowShowsItsParts) {
    form->showMaximized();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const QImage image = form->grab().toImage();
    QTemporaryDir dir;
    ASSERT_TRUE(image.save(dir.filePath("kelvane-main.png")));
    if (qEnvironmentVariableIsSet("KELVANE_SCREENSHOT"))
        image.save(qEnvironmentVariable("KELVANE_SCREENSHOT"));

    EXPECT_GE(image.width(), 600);
    EXPECT_GE(image.height(), 400);
    QSet<QRgb> colours;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            colours.insert(image.pixel(x, y));
    EXPECT_GT(colours.size(), 20);
    // The graph area is white around its axes.
    const QRect graph(form->chart().mapTo(form.get(), QPoint(0, 0)), form->chart().size());
    EXPECT_EQ(image.pixel(graph.center().x(), graph.top() + 3), qRgb(255, 255, 255));
}

// Only the windows consulted while closed are made at start; the others are made by their
// first use and then kept, so what a user typed in one stays for the next use.
TEST_F(MainFormTest, DialogsNotConsultedWhileClosedAreMadeOnFirstUse) {
    QStringList atStart;
    for (const QDialog* dialog : form->findChildren<QDialog*>(Qt::FindDirectChildrenOnly))
        atStart << dialog->objectName();
    atStart.sort();
    EXPECT_EQ(atStart.join(QLatin1Char(' ')), QStringLiteral("AboutBox ChartOptionsForm"));

    std::vector<const QDialog*> opened;
    const auto remember = [&opened](QDialog& dialog) {
        opened.push_back(&dialog);
        return int(QDialog::Rejected);
    };
    ui.dialogScripts = {remember, remember};
    for (int use = 0; use < 2; ++use)
        action("LabelChart")->trigger();
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0], opened[1]) << "the second use gets the dialog of the first";
    EXPECT_EQ(form->findChild<QDialog*>(QStringLiteral("chartLabelDlg")), opened[0]);
}
