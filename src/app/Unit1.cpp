#include "app/Unit1.h"

#include "app/About.h"
#include "app/AppIcons.h"
#include "app/GuardedCommand.h"
#include "app/MainActions.h"
#include "app/MainMenus.h"
#include "common/AppInfo.h"
#include "document/DocumentEdits.h"
#include "document/UndoHistory.h"
#include "fitctl/FitRequestRun.h"
#include "graph/Chart.h"
#include "graph/ErrorBars.h"
#include "shell/ColorRefs.h"
#include "shell/ScreenScale.h"
#include "shell/UiServices.h"
#include "table/DataStringGrid.h"
#include "table/DataTableModel.h"

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr int RESTORED_WIDTH = 973;
constexpr int RESTORED_HEIGHT = 767;
constexpr int TABLE_WIDTH = 225;
constexpr int SPLITTER_WIDTH = 5;
constexpr int TOOL_BAR_HEIGHT = 33;
constexpr int STATUS_BAR_HEIGHT = 22;
constexpr int TOOL_ICON_SIZE = 20; // buttons that fit the tool bar's height
constexpr std::array<int, 4> STATUS_PANEL_WIDTHS = {400, 225, 200, 120};

const char* const USER_GUIDE = "kelvane_user_guide.pdf";
const char* const ERROR_METHOD_GUIDE = "kelvane_error_methods_guide.pdf";

int screenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size().width() : 1024;
}

ScreenRect availableArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    return {area.left(), area.top(), area.width(), area.height()};
}

// The buttons show icons only: assistive technology reads the command's caption (without
// its mnemonic) and hint.
void nameAfter(QToolButton& button, const QAction& command) {
    button.setAccessibleName(QString(command.iconText()).remove(QLatin1Char('&')));
    button.setAccessibleDescription(command.toolTip());
}

QFont equationFont() {
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(16);
    font.setBold(true);
    return font;
}

} // namespace

TMainForm::TMainForm(UiServices& ui, char decimalSeparator, QWidget* parent)
    : QMainWindow(parent), ui_(ui), document_(decimalSeparator),
      actions_(std::make_unique<MainActions>(this)) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QLatin1String(APPLICATION_TITLE));
    setWindowIcon(programIcon());
    const ScreenScale scale(screenWidth());
    const ScreenRect restored =
        restoredWindowRect(scale, RESTORED_WIDTH, RESTORED_HEIGHT, availableArea());
    setGeometry(restored.left, restored.top, restored.width, restored.height);

    buildMenuBar(*menuBar(), *actions_);
    createCentralArea(scale, decimalSeparator);
    createToolBar(scale);
    createStatusBar(scale);
    connectCommands();
    showStartUpState();
    createDialogs();
    history_ = std::make_unique<UndoHistory>(document_);
}

// The grid shows the document, which dies before the window's own destructor closes and
// hides the widgets; the grid goes first.
TMainForm::~TMainForm() {
    delete takeCentralWidget();
}

void TMainForm::createCentralArea(const ScreenScale& scale, char decimalSeparator) {
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setObjectName(QStringLiteral("Splitter1"));
    splitter->setHandleWidth(scale(SPLITTER_WIDTH));
    splitter->setChildrenCollapsible(false);

    grid_ = new DataStringGrid(document_, scale, splitter);
    grid_->setObjectName(QStringLiteral("DataStringGrid"));
    grid_->setMinimumWidth(scale(TABLE_WIDTH));
    grid_->setAccessibleName(QStringLiteral("Data Table"));
    editPopupMenu_ = buildEditPopupMenu(*actions_, this);
    grid_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(grid_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        editPopupMenu_->popup(grid_->viewport()->mapToGlobal(pos));
    });
    connect(&grid_->tableModel(), &DataTableModel::cellEdited, this, &TMainForm::acceptCellEntry);

    chart_ = new Chart(decimalSeparator, splitter);
    chart_->setObjectName(QStringLiteral("Chart1"));

    splitter->addWidget(grid_);
    splitter->addWidget(chart_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({scale(TABLE_WIDTH), scale(RESTORED_WIDTH)});
    splitter->handle(1)->setToolTip(QStringLiteral("Resize Data Table"));
    splitter->handle(1)->setAccessibleName(splitter->handle(1)->toolTip());
    setCentralWidget(splitter);
}

void TMainForm::createToolBar(const ScreenScale& scale) {
    QToolBar* bar = addToolBar(QStringLiteral("Tool Bar"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setContextMenuPolicy(Qt::PreventContextMenu);
    bar->setIconSize(QSize(TOOL_ICON_SIZE, TOOL_ICON_SIZE));
    bar->setFixedHeight(scale(TOOL_BAR_HEIGHT));
    const MainActions& a = *actions_;
    bar->addActions(
        {a.FileNew, a.FileOpen1, a.FileSave, a.FileSaveAs1, a.FileASCIIImport, a.FileASCIIExport});
    bar->addSeparator();

    fitToolButton_ = new QToolButton(bar);
    fitToolButton_->setObjectName(QStringLiteral("FitToolButton"));
    fitToolButton_->setCheckable(true);
    fitToolButton_->setIcon(themedIcon("kelvane-fit"));
    fitToolButton_->setToolTip(QStringLiteral("Toggle Data Fit"));
    fitDataPopupMenu_ = buildFitDataPopupMenu(a, this);
    fitToolButton_->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(fitToolButton_, &QWidget::customContextMenuRequested, this, [this](const QPoint& pos) {
        fitDataPopupMenu_->popup(fitToolButton_->mapToGlobal(pos));
    });
    bar->addWidget(fitToolButton_);
    bar->addActions({a.LabelChart, a.ShowErrorBars});
    bar->widgetForAction(a.ShowErrorBars)->setObjectName(QStringLiteral("ErrorBarsToolButton"));
    bar->addSeparator();
    for (QAction* command : bar->actions())
        if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(command)))
            nameAfter(*button, *command);
    // The fit toggle is the "Fit Data" command's button, with a check state of its own.
    nameAfter(*fitToolButton_, *a.FitDataAction);

    equationLabel_ = new QLabel(bar);
    equationLabel_->setObjectName(QStringLiteral("EquationLabel"));
    equationLabel_->setFont(equationFont());
    // Inside the tool bar a label would draw in the button text colour.
    equationLabel_->setForegroundRole(QPalette::WindowText);
    QPalette blue = equationLabel_->palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    equationLabel_->setPalette(blue);
    equationLabel_->setContentsMargins(6, 0, 6, 0);
    bar->addWidget(equationLabel_);
}

void TMainForm::createStatusBar(const ScreenScale& scale) {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setFixedHeight(scale(STATUS_BAR_HEIGHT));
    for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFixedWidth(scale(STATUS_PANEL_WIDTHS[i]));
        panel->setContentsMargins(4, 0, 4, 0);
        bar->addWidget(panel);
        statusPanels_[i] = panel;
    }
}

// The dialogs are created once, after the main window, and hidden between uses. Those the
// window consults while they are closed are made here; the others on first use, through
// their accessors, which keeps them out of the start-up.
void TMainForm::createDialogs() {
    aboutBox_ = new TAboutBox(ui_, this);
    createGraphWindows();
}

void TMainForm::onCommand(QAction* action, void (TMainForm::*handler)()) {
    connect(action, &QAction::triggered, this, [this, handler] {
        runCommand(ui_, [this, handler] { (this->*handler)(); });
        showCheckMarks();
    });
}

void TMainForm::connectCommands() {
    const MainActions& a = *actions_;
    onCommand(a.FileExit1, &TMainForm::FileExit1Execute);
    onCommand(a.HelpContents, &TMainForm::HelpContentsExecute);
    onCommand(a.ErrorMethodGuide, &TMainForm::ErrorMethodGuideExecute);
    onCommand(a.HelpAbout, &TMainForm::HelpAboutExecute);
    connectUndoCommands();
    connectFitCommands();
    connectShownFitCommands();
    connectEditCommands();
    connectFileCommands();
    connectExportCommands();
    connectPrintCommands();
    connectFunctionCommands();

    // A checkable item marks itself when clicked. The check marks follow the document
    // instead, so they are shown anew after every click, whether or not a command ran.
    std::vector<QAction*> marked(a.fitTypeItems.begin(), a.fitTypeItems.end());
    marked.insert(marked.end(), a.errorMethodItems.begin(), a.errorMethodItems.end());
    marked.insert(marked.end(), a.popupErrorMethodItems.begin(), a.popupErrorMethodItems.end());
    marked.insert(marked.end(), a.graphTypeItems.begin(), a.graphTypeItems.end());
    marked.insert(marked.end(), a.pointStyleItems.begin(), a.pointStyleItems.end());
    marked.insert(marked.end(), a.errorBarWidthItems.begin(), a.errorBarWidthItems.end());
    marked.push_back(a.AnalyzeDataAction);
    for (QAction* item : marked)
        connect(item, &QAction::triggered, this, &TMainForm::showCheckMarks);
    connectColumnAndFitCommands();
    connectLabelCommands();
    connectCursorCommands();
    connectTextTableCommands();
    connectGraphCommands();
}

// The texts of the start-up configuration; the fit-configuration commands write their
// own texts later (the error-method panel's start-up text differs from theirs).
void TMainForm::showStartUpState() {
    setStatusText(0, QString::fromStdString(document_.currentFileName));
    setStatusText(1, QStringLiteral("Error Method : Estimate dY"));
    setStatusText(2, QStringLiteral("Fit Type: Linear"));
    setStatusText(3, QStringLiteral("Error Bars: OFF"));
    equationLabel_->setText(QStringLiteral("Fitting the equation:  y = a + bx"));
    showGraphSettings();
    showCheckMarks();
}

void TMainForm::replaceDocument(Document document) {
    grid_->tableModel().replaceDocument(std::move(document));
    if (!document_.modified)
        history_->saved(document_);
    showGraphSettings();
    showCheckMarks();
}

void TMainForm::showGraphSettings() {
    chart_->setSeriesColor(ChartSeries::DataPointSeries, colorOf(document_.dataPointColor));
    chart_->setSeriesColor(ChartSeries::FitLineSeries, colorOf(document_.fitLineColor));
    chart_->setDataPointStyle(document_.pointStyle);
    chart_->setLabelFormat(ChartAxis::BottomAxis, document_.xAxis.labelFormat);
    chart_->setLabelFormat(ChartAxis::LeftAxis, document_.yAxis.labelFormat);
    chart_->setMinorGridVisible(ChartAxis::BottomAxis, document_.xAxis.minorGrid);
    chart_->setMinorGridVisible(ChartAxis::LeftAxis, document_.yAxis.minorGrid);
    showGraphTitles();
    showAxisOptions();
    chart_->replot();
}

void TMainForm::showGraphTitles() {
    chart_->setGraphTitle(QString::fromStdString(document_.graphTitle));
    chart_->setAxisTitle(ChartAxis::BottomAxis, QString::fromStdString(document_.xAxisTitle));
    chart_->setAxisTitle(ChartAxis::LeftAxis, QString::fromStdString(document_.yAxisTitle));
}

void TMainForm::showCheckMarks() {
    const MainActions& a = *actions_;
    const auto method = static_cast<std::size_t>(document_.errorMethod);
    a.fitTypeItems[static_cast<std::size_t>(document_.fitType)]->setChecked(true);
    a.errorMethodItems[method]->setChecked(true);
    a.popupErrorMethodItems[method]->setChecked(true);
    a.graphTypeItems[static_cast<std::size_t>(document_.graphType)]->setChecked(true);
    a.pointStyleItems[static_cast<std::size_t>(document_.pointStyle)]->setChecked(true);
    const int width = shownErrorBarWidth(document_.errorBarWidth);
    a.errorBarWidthItems[static_cast<std::size_t>(width - 1)]->setChecked(true);
    a.AnalyzeDataAction->setChecked(chart_->isCursorBoxActive());
}

QString TMainForm::statusText(int panel) const {
    return statusPanels_.at(panel)->text();
}

void TMainForm::setStatusText(int panel, const QString& text) {
    statusPanels_.at(panel)->setText(text);
}

void TMainForm::runCascade(const Cascade& cascade) {
    if (cascade.clearFit)
        ClearFit();
    if (cascade.rebuildPlot)
        RebuildPlot();
    if (cascade.refreshFit)
        RefreshFit();
}

bool TMainForm::isFitShown() const {
    return fitToolButton_->isChecked();
}

void TMainForm::ClearFit() {
    grid_->tableModel().setSummaryText(std::string());
    chart_->setFooterLines({});
    chart_->setFooterVisible(false);
    fitToolButton_->setChecked(false);
    forgetShownFit();
    for (ChartSeries line : {ChartSeries::FitLineSeries, ChartSeries::FitLineBelowRangeSeries,
                             ChartSeries::FitLineAboveRangeSeries})
        chart_->clearSeries(line);
    chart_->replot();
}

// An edited cell whose new text passed the entry check: the fit no longer matches the data.
// A text that does not convert (a lone "-" on a linear graph passes the check) stops the
// re-plot with its message, which is kept for commitCellEdit.
void TMainForm::acceptCellEntry() {
    rejectedEntry_ = runCommand(ui_, [this] {
        document_.modified = true;
        ClearFit();
        RebuildPlot();
    });
}

// A cell still being edited is committed first, so that a command acts on what the user
// sees. When the entry check refuses it, the user has read why and is back in the cell;
// when its re-plot failed, the command knows the message that was shown.
TMainForm::CommittedEdit TMainForm::commitCellEdit() {
    rejectedEntry_.reset();
    const bool accepted = grid_->commitOpenEdit();
    return {!accepted, std::exchange(rejectedEntry_, std::nullopt)};
}

// Every way of closing asks first while there are unsaved changes, an entry still being
// typed among them. "Yes" saves under a new name and keeps the window open, so the user
// sees that the document was written.
void TMainForm::closeEvent(QCloseEvent* event) {
    if (commitCellEdit().refused) {
        event->ignore();
        return;
    }
    if (!hasUnsavedChanges()) {
        event->accept();
        return;
    }
    const UiServices::Answer answer =
        ui_.message(QStringLiteral("Do you want to save changes before closing Kelvane?"),
                    QStringLiteral("Save Changes ?"), UiServices::Icon::Question,
                    UiServices::Buttons::YesNoCancel);
    if (answer == UiServices::Answer::No) {
        event->accept();
        return;
    }
    event->ignore();
    if (answer == UiServices::Answer::Yes)
        actions_->FileSaveAs1->trigger();
}

void TMainForm::FileExit1Execute() {
    close();
}

void TMainForm::HelpContentsExecute() {
    openGuide(QLatin1String(USER_GUIDE));
}

void TMainForm::ErrorMethodGuideExecute() {
    openGuide(QLatin1String(ERROR_METHOD_GUIDE));
}

// The guides are looked for in the current directory, then beside the program (a build
// tree), then in the installed documentation folder: a program started from the desktop's
// menu runs in the home folder. A missing guide is not reported.
void TMainForm::openGuide(const QString& fileName) {
    if (QFileInfo::exists(fileName)) {
        ui_.openDocument(fileName);
        return;
    }
    for (const QString& folder :
         {QCoreApplication::applicationDirPath(), QStringLiteral(KELVANE_DOC_DIR)}) {
        const QString path = QDir(folder).filePath(fileName);
        if (QFileInfo::exists(path)) {
            ui_.openDocument(path);
            return;
        }
    }
}

void TMainForm::HelpAboutExecute() {
    ui_.runModal(*aboutBox_);
}
