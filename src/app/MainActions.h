#pragma once

#include "graph/ErrorBars.h"

#include <QObject>

#include <array>
#include <vector>

class QAction;
class QActionGroup;

// The commands of the main window, created once and shared by the menus, the pop-up menus
// and the tool bar. Each action's object name is its component name; captions, shortcuts,
// hints and start-up check marks are set here. The radio groups are indexed by the value
// they stand for (FitType, ErrorMethod, GraphType, point style and error-bar width in
// menu order), so a command can mark the item of the current state.
class MainActions {
public:
    explicit MainActions(QObject* owner);

    // Menu "&File".
    QAction* FileNew;
    QAction* FileOpen1;
    QAction* FileSave;
    QAction* FileSaveAs1;
    QAction* FileASCIIImport;
    QAction* FileDataImport;
    QAction* FileASCIIExport;
    QAction* FileExportGraphBitmap;
    QAction* FileExportGraphJpeg;
    QAction* FileExportGraphPng;
    QAction* FileExportGraphSvg;
    QAction* FileExportGraphPdf;
    QAction* FilePrintData;
    QAction* FilePrintChart;
    QAction* FilePrintSetup1;
    QAction* FileExit1;

    // Menu "&Data Table" and the table's pop-up menu.
    QAction* editUndo;
    QAction* editRedo;
    QAction* editCopy;
    QAction* editPaste;
    QAction* editCut;
    QAction* editDelete;
    QAction* AddColumnAction;
    QAction* DeleteColumnAction;
    QAction* RenameColumn;
    std::array<QAction*, 9> rowCountItems; // the number of rows is each item's data

    // Menu "&Graph".
    QAction* LabelChart;
    QAction* SelectColumnsAction;
    QAction* ShowErrorBars;
    QAction* ShowResiduals;         // checkable; a view of the shown fit, not kept in documents
    QAction* ShowConfidenceBand;    // likewise
    QAction* ShowWorstFitLines;     // likewise; offered while a straight line with error bars
                                    // is shown
    QAction* ShowBothUncertainties; // likewise; offered while a fit with error bars is shown
    std::array<QAction*, 3> graphTypeItems; // LinearAction, SemiLogAction, LogLogAction
    QAction* DataPointColor1;
    std::array<QAction*, 5> pointStyleItems; // tags 1..5 as item data
    QAction* FitLineColor1;
    QAction* ErrorBarColor1;
    std::array<QAction*, MAX_ERROR_BAR_WIDTH> errorBarWidthItems; // widths 1..5 as item data
    QAction* ChartOptionsAction;

    // Menu "Fitting Function".
    std::array<QAction*, 9> fitTypeItems; // by FitType; USERMODEL opens its dialog

    // Menu "Error &Method" and, with their own captions, the fit toggle's pop-up menu.
    std::array<QAction*, 3> errorMethodItems; // EstimateddYErrorMethod, dYi, dXidYi
    std::array<QAction*, 3> popupErrorMethodItems;
    QAction* UniformdY;
    QAction* UniformdXdY;

    // Menu "&Tools".
    QAction* FitDataAction;
    QAction* AnalyzeDataAction;
    QAction* DefineFunctionAction;
    QAction* CopyResults; // enabled while a fit is shown

    // Menu "&Help".
    QAction* HelpContents;
    QAction* ErrorMethodGuide;
    QAction* HelpAbout;

private:
    void createFileActions(QObject* owner);
    void createTableActions(QObject* owner);
    void createGraphActions(QObject* owner);
    void createFitActions(QObject* owner);
    void createToolsAndHelpActions(QObject* owner);
    void addDesktopShortcuts();
};
