#pragma once

#include "common/UserMessage.h"
#include "document/Document.h"
#include "fitctl/FitRequest.h"

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class Chart;
enum class ChartAxis;
struct AxisRange;
struct AxisUpdate;
struct FitOutcome;
struct FitRequestResult;
struct ResultExtras;
struct AxisSettings;
struct CellRect;
struct PlotView;
class DataStringGrid;
class MainActions;
class QAction;
class QLabel;
class QMenu;
class QToolButton;
class ScreenScale;
struct Cascade;
struct ColumnFormula;
class TAboutBox;
class TPrinterDlg;
enum class GraphFileType;
class TColumnLabelDlg;
class TDeleteColumnDlg;
class TFitDlg;
class TImportPreviewDlg;
struct DelimitedTable;
class TFunctionForm;
class TchartLabelDlg;
struct PixelRect;
class TNewColumnDlg;
class TUserModelDlg;
struct UserModelSettings;
class TChartOptionsForm;
class QPainter;
class UiServices;
class UndoHistory;

// The main window (MainForm): it owns the one document and shows it in the data table at
// the left and the graph at the right, under the menus and the tool bar and over the
// four-panel status bar. Every command arrives here from a menu item, a tool button or a
// pop-up menu and runs through the one command wrapper. Commands change the document
// (structure changes through the grid's model) and then run the cascade the change asks for.
class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    TMainForm(UiServices& ui, char decimalSeparator, QWidget* parent = nullptr);
    ~TMainForm() override;

    const Document& document() const { return document_; }
    // Puts another whole document in place (New, Open, import): the grid is reset through
    // its model and the graph shows the new titles, colours, style and label formats. A
    // document that arrives unmodified is what later changes are measured against. What
    // the replacement then runs (ClearFit, RebuildPlot, the settings' commands) is the
    // caller's.
    void replaceDocument(Document document);
    const MainActions& actions() const { return *actions_; }
    Chart& chart() { return *chart_; }
    DataStringGrid& grid() { return *grid_; }
    QString statusText(int panel) const;

    // The fit toggle is down while a fit is shown.
    bool isFitShown() const;
    void ClearFit();
    void RebuildPlot();

    // ---- The fit request, its results and the data plot -------------------------------
    // (FitCommands.cpp, FitResultsView.cpp, DataPlot.cpp)
public:
    // Recomputes a shown fit, so that its curve spans the graph's new ranges.
    void RefreshFit();
    // The rows the last fit request read: fitFirstRow up to fitEndRow - 1.
    const FitRows& fitRows() const { return fitRows_; }

private:
    void connectFitCommands();
    void FitToolButtonClick();
    void FitDataCommand();
    void FitRequest(const std::optional<std::string>& alreadyShown = std::nullopt);
    bool fitColumnsChosen();
    void showFitResults(const FitOutcome& outcome);
    void showFitFooter(const FitOutcome& outcome);
    void writeFitFooter(const FitOutcome& outcome, const ResultExtras& extras);
    void drawFitCurve(const FitOutcome& outcome);
    PlotView plotView() const;
    void applyAxisUpdate(ChartAxis axis, const AxisUpdate& update, AxisSettings& settings,
                         bool& formatFixed);
    void putAxisRange(ChartAxis axis, const AxisRange& range);

    FitRows fitRows_;
    // When the shown fit was made, as its footer's last line gives it.
    std::string fitDate_;
    std::string fitTime_;
    // ---- end of the fit request, results and data plot ---------------------------------

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createCentralArea(const ScreenScale& scale, char decimalSeparator);
    void createToolBar(const ScreenScale& scale);
    void createStatusBar(const ScreenScale& scale);
    void createDialogs();
    void connectCommands();
    void onCommand(QAction* action, void (TMainForm::*handler)());
    void showStartUpState();
    void showCheckMarks();
    void showGraphTitles();
    void showGraphSettings();
    void setStatusText(int panel, const QString& text);
    void runCascade(const Cascade& cascade);

    void FileExit1Execute();
    void HelpContentsExecute();
    void ErrorMethodGuideExecute();
    void HelpAboutExecute();
    void openGuide(const QString& fileName);
    void acceptCellEntry();
    // An open edit committed before a command acts on the table.
    struct CommittedEdit {
        bool refused = false; // the user is back in the cell; the command does not run
        std::optional<std::string> shownMessage; // what the entry's own re-plot showed
    };
    CommittedEdit commitCellEdit();

    // ---- Cell editing and the clipboard (EditCommands.cpp) -----------------------------
    // Whether a command marks the document and removes a shown fit before or after it
    // changes the cells.
    enum class FitGoes { BeforeTheChange, AfterTheChange };
    void connectEditCommands();
    void editCopyExecute();
    void editPasteExecute();
    void editCutExecute();
    void editDeleteExecute();
    void changeSelectedCells(FitGoes when, const std::function<void(const CellRect&)>& change);
    void pasteInto(const CellRect& selection);
    CellRect selectedCells() const;
    void copyToClipboard(const CellRect& cells);
    // ---- end of cell editing and the clipboard -----------------------------------------

    // ---- Error bars, graph types and Axis Options (GraphCommands.cpp) -----------------
public:
    // The graph part of New, once the table and the fit configuration are reset: colours,
    // error-bar width, point style and Axis Options at their defaults, a linear graph
    // rebuilt from the table, both axes at -1 .. 1 with the label format "0.00", and the
    // document not modified.
    void resetGraph();

private:
    void createGraphWindows();
    void connectGraphCommands();
    void ShowErrorBarsExecute();
    std::optional<ColorRef> chooseColor();
    void ErrorBarColor1Click();
    void ErrorWidth1Click(int width);
    void LinearActionExecute();
    void SemiLogActionExecute();
    void LogLogActionExecute();
    void selectGraphType(GraphType type);
    void showGraphTypeAxes();
    void ChartOptionsActionExecute();
    void Chart1ClickAxis();
    void Chart1AfterDraw(QPainter& painter);
    void showAxisOptions();

    TChartOptionsForm* chartOptionsForm_ = nullptr;
    // The one colour dialog opens with the colour last chosen in any colour command.
    ColorRef lastChosenColor_ = BLACK;
    // ---- end of error bars, graph types and Axis Options --------------------------------

    // ---- Documents: New, Open, Save and Save As (FileCommands.cpp) ---------------------
public:
    // Opens a document named on the command line, as Open does after its dialog; a file
    // that cannot be read is reported and the default document stays.
    void openFile(const QString& path);

private:
    void connectFileCommands();
    void FileNewExecute();
    void FileOpen1Execute();
    void FileSaveExecute();
    void FileSaveAs1Execute();
    bool offerToSave(const char* question, MessageButtons buttons);
    bool saveDocumentAs();
    void writeDocument(const std::string& path);
    void newDocument();
    void openDocument(const QString& path);

    // Plain-text tables (TextTableCommands.cpp).
    void connectTextTableCommands();
    TImportPreviewDlg& importPreviewDlg();
    void FileASCIIExportExecute();
    void FileASCIIImportExecute();
    void FileDataImportExecute();
    void importDelimited(const DelimitedTable& table, const std::vector<std::size_t>& rows);

    TImportPreviewDlg* importPreviewDlg_ = nullptr;
    // ---- end of documents ----------------------------------------------------------------

    // ---- Graph export and printing (ExportCommands.cpp, PrintCommands.cpp) -------------
private:
    void connectExportCommands();
    void exportGraph(GraphFileType type);
    TPrinterDlg& printerDlg();
    void connectPrintCommands();
    // Shows the copies dialog under the caption; true when it closed with OK.
    bool askCopies(const char* caption);
    void FilePrintDataExecute();
    void FilePrintChartExecute();
    void FilePrintSetup1Execute();

    TPrinterDlg* printerDlg_ = nullptr;
    // ---- end of graph export and printing -----------------------------------------------

    // --- Column management and fit configuration (ColumnCommands.cpp, FitConfigCommands.cpp)
public:
    // Also run by the file commands, which replay a document's settings.
    void SelectFitType(FitType type);
    void SelectErrorMethod(ErrorMethod method);

private:
    TNewColumnDlg& newColumnDlg();
    TFitDlg& fitDlg();
    TDeleteColumnDlg& deleteColumnDlg();
    TColumnLabelDlg& columnLabelDlg();
    void connectColumnAndFitCommands();
    void AddColumnActionExecute();
    void DeleteColumnActionExecute();
    void RenameColumnClick();
    void DataStringGridDblClickCell(int column, int row);
    void SelectColumnsActionExecute();
    void ChangeRowActionExecute(int rows);
    void DataStringGridMouseUp(int selectionTop, int selectionBottom);
    void DataStringGridCellChanging(int row);
    bool addNamedColumn(const QString& prompt);
    bool offerNewColumns(ErrorMethod method);
    void markErrorMethod(ErrorMethod method);

    // --- Graph labels and point style (LabelCommands.cpp)
    TchartLabelDlg& chartLabelDlg();
    void connectLabelCommands();
    void LabelChartExecute();
    void PointStyleActionExecute(int tag);
    void DataPointColor1Click();
    void FitLineColor1Click();

    // The cursor readout and zoom (CursorCommands.cpp).
    void connectCursorCommands();
    void AnalyzeDataActionExecute();
    void Chart1MouseMove(const QPoint& position);
    void showCursorBox(const PixelRect& box, const QPoint& readAt);

    TchartLabelDlg* chartLabelDlg_ = nullptr;
    // --- end of graph labels and point style

    TNewColumnDlg* newColumnDlg_ = nullptr;
    TFitDlg* fitDlg_ = nullptr;
    TDeleteColumnDlg* deleteColumnDlg_ = nullptr;
    TColumnLabelDlg* columnLabelDlg_ = nullptr;
    // --- end of column management and fit configuration

    // --- Undo and Redo (UndoCommands.cpp)
public:
    // Whether the document differs from what was last saved, opened, imported or made new,
    // or a command marked it changed: closing, New, Open and import ask to save first.
    bool hasUnsavedChanges() const;

private:
    // Every command runs through here (the free runCommand shows its error): once the
    // outermost command has ended, whatever it changed in the document is one undo step.
    std::optional<std::string> runCommand(UiServices& ui, const std::function<void()>& command);
    void connectUndoCommands();
    void editUndoExecute();
    void editRedoExecute();
    void recordCommand();
    void restoreDocument(Document document);
    void showDocumentSettings(const Document& previous);

    std::unique_ptr<UndoHistory> history_;
    int commandDepth_ = 0;
    // New and Open start a fresh history once their command has ended.
    bool historyRestarts_ = false;
    // --- end of Undo and Redo

    // --- What the window adds to a shown fit: Copy Results, the residual strip, the
    // confidence band, the worst-fit lines and both uncertainties (ShownFitCommands.cpp)
private:
    void connectShownFitCommands();
    void keepShownFit(const FitRequestResult& result);
    void forgetShownFit();
    void showFitExtras();
    void CopyResultsExecute();
    void ShowFitExtraExecute();

    std::unique_ptr<FitRequestResult> shownFit_; // while a fit is shown
    // --- end of what the window adds to a shown fit

    // --- Computed columns (FunctionCommands.cpp)
private:
    void connectFunctionCommands();
    TFunctionForm& functionForm();
    void hideFunctionForm();
    void XequalsExecute();
    void FunctionFormOK(ColumnFormula& formula);

    TFunctionForm* functionForm_ = nullptr;
    // --- end of computed columns

    // --- The user's own law (UserModelCommands.cpp)
private:
    TUserModelDlg& userModelDlg();
    void UserDefinedFitExecute();
    void previewUserModel(const UserModelSettings& model);
    void endPreview();

    TUserModelDlg* userModelDlg_ = nullptr;
    // --- end of the user's own law

    UiServices& ui_;
    Document document_;
    // The message of the last cell entry whose re-plot failed.
    std::optional<std::string> rejectedEntry_;
    std::unique_ptr<MainActions> actions_;
    DataStringGrid* grid_ = nullptr;
    Chart* chart_ = nullptr;
    QToolButton* fitToolButton_ = nullptr;
    QLabel* equationLabel_ = nullptr;
    std::array<QLabel*, 4> statusPanels_{};
    QMenu* editPopupMenu_ = nullptr;
    QMenu* fitDataPopupMenu_ = nullptr;
    TAboutBox* aboutBox_ = nullptr;
};
