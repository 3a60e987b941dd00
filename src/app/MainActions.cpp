#include "app/MainActions.h"

#include "app/AppIcons.h"
#include "common/FitConfig.h"
#include "table/DataTable.h"

#include <QAction>
#include <QActionGroup>

namespace {

// Of a hint made of two texts joined by "|" only the first is shown.
QString shownHint(const QString& hint) {
    return hint.section(QLatin1Char('|'), 0, 0);
}

QAction* makeAction(QObject* owner, const char* name, const QString& caption,
                    const QString& hint = QString()) {
    auto* action = new QAction(caption, owner);
    action->setObjectName(QLatin1String(name));
    if (!hint.isEmpty())
        action->setToolTip(shownHint(hint));
    return action;
}

// An item of a radio group; the group lets exactly one item carry the check mark.
QAction* makeRadioItem(QActionGroup* group, const char* name, const QString& caption,
                       const QString& hint = QString()) {
    QAction* action = makeAction(group->parent(), name, caption, hint);
    action->setCheckable(true);
    group->addAction(action);
    return action;
}

QActionGroup* makeGroup(QObject* owner) {
    auto* group = new QActionGroup(owner);
    group->setExclusive(true);
    return group;
}

} // namespace

MainActions::MainActions(QObject* owner) {
    createFileActions(owner);
    createTableActions(owner);
    createGraphActions(owner);
    createFitActions(owner);
    createToolsAndHelpActions(owner);
    addDesktopShortcuts();
}

// The keys every desktop program answers to, where the command table gives none; the
// table's own shortcuts keep their meaning (Ctrl+A stays the cursor readout).
void MainActions::addDesktopShortcuts() {
    FileNew->setShortcut(QKeySequence::New);
    FileSave->setShortcut(QKeySequence::Save);
    FileSaveAs1->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S));
    FileExit1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    HelpContents->setShortcut(QKeySequence(Qt::Key_F1));
}

void MainActions::createFileActions(QObject* owner) {
    FileNew =
        makeAction(owner, "FileNew", QStringLiteral("&New"), QStringLiteral("Create New File"));
    FileNew->setIcon(themedIcon("document-new"));
    FileOpen1 = makeAction(owner, "FileOpen1", QStringLiteral("&Open..."),
                           QStringLiteral("Open|Opens an existing file"));
    FileOpen1->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    FileOpen1->setIcon(themedIcon("document-open"));
    FileSave = makeAction(owner, "FileSave", QStringLiteral("&Save"), QStringLiteral("Save File"));
    FileSave->setIcon(themedIcon("document-save"));
    FileSaveAs1 = makeAction(owner, "FileSaveAs1", QStringLiteral("Save &As..."),
                             QStringLiteral("Save As|Saves the active file with a new name"));
    FileSaveAs1->setIcon(themedIcon("document-save-as"));
    FileASCIIImport = makeAction(owner, "FileASCIIImport", QStringLiteral("Import From ASCII"),
                                 QStringLiteral("Import data from an ASCII file."));
    FileASCIIImport->setIcon(themedIcon("document-import"));
    FileDataImport =
        makeAction(owner, "FileDataImport", QStringLiteral("Import Data File..."),
                   QStringLiteral("Import a CSV or data-logger file, with a preview."));
    FileASCIIExport = makeAction(owner, "FileASCIIExport", QStringLiteral("Export To ASCII"),
                                 QStringLiteral("Export data table to ASCII file"));
    FileASCIIExport->setIcon(themedIcon("document-export"));
    FileExportGraphBitmap =
        makeAction(owner, "FileExportGraphBitmap", QStringLiteral("Export To Bitmap Image"),
                   QStringLiteral("Export Graph"));
    FileExportGraphJpeg =
        makeAction(owner, "FileExportGraphJpeg", QStringLiteral("Export To Jpeg Image"),
                   QStringLiteral("Export Graph"));
    FileExportGraphPng =
        makeAction(owner, "FileExportGraphPng", QStringLiteral("Export To PNG Image"),
                   QStringLiteral("Export Graph"));
    FileExportGraphSvg =
        makeAction(owner, "FileExportGraphSvg", QStringLiteral("Export To SVG Image"),
                   QStringLiteral("Export Graph"));
    FileExportGraphPdf = makeAction(owner, "FileExportGraphPdf", QStringLiteral("Export To PDF"),
                                    QStringLiteral("Export Graph"));
    FilePrintData = makeAction(owner, "FilePrintData", QStringLiteral("Print &Data..."));
    FilePrintChart = makeAction(owner, "FilePrintChart", QStringLiteral("Print &Graph..."));
    FilePrintSetup1 = makeAction(owner, "FilePrintSetup1", QStringLiteral("Print Set&up..."),
                                 QStringLiteral("Print Setup"));
    FileExit1 = makeAction(owner, "FileExit1", QStringLiteral("E&xit"),
                           QStringLiteral("Exit|Quits the application"));
}

void MainActions::createTableActions(QObject* owner) {
    editUndo = makeAction(owner, "editUndo", QStringLiteral("&Undo"));
    editUndo->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    editUndo->setEnabled(false);
    editRedo = makeAction(owner, "editRedo", QStringLiteral("&Redo"));
    editRedo->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    editRedo->setEnabled(false);
    editCopy = makeAction(owner, "editCopy", QStringLiteral("&Copy"));
    editCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    editPaste = makeAction(owner, "editPaste", QStringLiteral("&Paste"));
    editPaste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    editCut = makeAction(owner, "editCut", QStringLiteral("Cu&t"));
    editCut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    editDelete = makeAction(owner, "editDelete", QStringLiteral("&Delete Selection"));
    editDelete->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_D));
    AddColumnAction = makeAction(owner, "AddColumnAction", QStringLiteral("&Add Column"));
    DeleteColumnAction = makeAction(owner, "DeleteColumnAction", QStringLiteral("D&elete Column"));
    RenameColumn = makeAction(owner, "RenameColumn", QStringLiteral("&Rename Column"));
    for (std::size_t i = 0; i < rowCountItems.size(); ++i) {
        const int rows = DataTable::ROW_COUNT_CHOICES[i];
        const QByteArray name = "Rows" + QByteArray::number(rows);
        rowCountItems[i] = makeAction(owner, name.constData(), QString::number(rows));
        rowCountItems[i]->setData(rows);
    }
}

void MainActions::createGraphActions(QObject* owner) {
    // Menu captions; the tool buttons show the commands' own captions as icon text.
    LabelChart = makeAction(owner, "LabelChart", QStringLiteral("Set Graph &Labels"),
                            QStringLiteral("Label Graph"));
    LabelChart->setIconText(QStringLiteral("&Label Chart"));
    LabelChart->setIcon(themedIcon("kelvane-labels"));
    SelectColumnsAction =
        makeAction(owner, "SelectColumnsAction", QStringLiteral("&Select Columns to Graph"));
    ShowErrorBars = makeAction(owner, "ShowErrorBars", QStringLiteral("Show/Hide &Error Bars"),
                               QStringLiteral("Show/Hide Error Bars"));
    ShowErrorBars->setIconText(QStringLiteral("Show &Error Bars"));
    ShowErrorBars->setIcon(themedIcon("kelvane-error-bars"));
    ShowErrorBars->setEnabled(false); // no error bars with the start-up error method
    ShowResiduals = makeAction(owner, "ShowResiduals", QStringLiteral("Show Re&siduals"),
                               QStringLiteral("Show the residuals of the fit under the graph"));
    ShowResiduals->setCheckable(true);
    ShowConfidenceBand =
        makeAction(owner, "ShowConfidenceBand", QStringLiteral("Show Confidence &Band"),
                   QStringLiteral("Show the fitted curve's one-sigma band"));
    ShowConfidenceBand->setCheckable(true);
    // Check items that only some fits have: offered once such a fit is shown.
    const auto fitViewItem = [owner](const char* name, const QString& caption,
                                     const QString& hint) {
        QAction* item = makeAction(owner, name, caption, hint);
        item->setCheckable(true);
        item->setEnabled(false);
        return item;
    };
    ShowWorstFitLines =
        fitViewItem("ShowWorstFitLines", QStringLiteral("Show &Worst-Fit Lines"),
                    QStringLiteral("Show the steepest and the shallowest lines "
                                   "through every error bar of a straight-line fit"));
    ShowBothUncertainties = fitViewItem(
        "ShowBothUncertainties", QStringLiteral("Show Both &Uncertainties"),
        QStringLiteral("Show every uncertainty from the error bars and from the scatter"));

    QActionGroup* graphTypes = makeGroup(owner);
    graphTypeItems = {makeRadioItem(graphTypes, "LinearAction", QStringLiteral("&Linear Graph")),
                      makeRadioItem(graphTypes, "SemiLogAction", QStringLiteral("Semi-Log Graph")),
                      makeRadioItem(graphTypes, "LogLogAction", QStringLiteral("L&og-Log Graph"))};

    DataPointColor1 = makeAction(owner, "DataPointColor1", QStringLiteral("Data Point Color"));
    QActionGroup* pointStyles = makeGroup(owner);
    pointStyleItems = {makeRadioItem(pointStyles, "Circle1", QStringLiteral("Circle")),
                       makeRadioItem(pointStyles, "Rectangle1", QStringLiteral("Rectangle")),
                       makeRadioItem(pointStyles, "Triangle1", QStringLiteral("Triangle")),
                       makeRadioItem(pointStyles, "Cross1", QStringLiteral("Cross")),
                       makeRadioItem(pointStyles, "Star1", QStringLiteral("Star"))};
    for (std::size_t i = 0; i < pointStyleItems.size(); ++i)
        pointStyleItems[i]->setData(int(i) + 1);
    FitLineColor1 = makeAction(owner, "FitLineColor1", QStringLiteral("Fit Line Color"));
    ErrorBarColor1 = makeAction(owner, "ErrorBarColor1", QStringLiteral("Error Bar Color"));
    QActionGroup* widths = makeGroup(owner);
    for (std::size_t i = 0; i < errorBarWidthItems.size(); ++i) {
        const int width = int(i) + 1;
        const QByteArray name = "ErrorBarWidth" + QByteArray::number(width);
        errorBarWidthItems[i] = makeRadioItem(widths, name.constData(), QString::number(width));
        errorBarWidthItems[i]->setData(width);
    }
    ChartOptionsAction = makeAction(owner, "ChartOptionsAction", QStringLiteral("Axis &Options"),
                                    QStringLiteral("Graph Options"));
    ChartOptionsAction->setIconText(QStringLiteral("&Chart Options..."));
}

void MainActions::createFitActions(QObject* owner) {
    QActionGroup* fitTypes = makeGroup(owner);
    const auto fitItem = [&](FitType type, const char* name, const char* caption) {
        fitTypeItems[static_cast<std::size_t>(type)] =
            makeRadioItem(fitTypes, name, QString::fromUtf8(caption));
    };
    fitItem(FitType::LINEAR_NO_A, "LinearFitZeroIntercept",
            "Linear Fit: &Zero y-Intercept (y = bx)");
    fitItem(FitType::LINEAR, "LinearFit", "&Linear Fit (y = a + bx)");
    fitItem(FitType::EXPONENTIAL, "ExponentialFit", "&Exponential Fit:  y = a e^(bx)");
    fitItem(FitType::POWERLAW, "PowerLawFit", "&Power Law Fit: y=ax^b");
    fitItem(FitType::SECONDPOLY, "SecondOrderFit", "&2nd Order");
    fitItem(FitType::THIRDPOLY, "ThirdOrderFit", "&3rd Order");
    fitItem(FitType::FORTHPOLY, "FourthOrderFit", "&4th Order");
    fitItem(FitType::FIFTHPOLY, "FifthOrderFit", "&5th Order");
    fitItem(FitType::USERMODEL, "UserDefinedFit", "&User Defined...");

    const QString estimateHint = QStringLiteral("Use variance in Y to estimate dY");
    const QString dYHint = QStringLiteral("Input dY for all Y.");
    const QString dXdYHint = QStringLiteral("Input dX & dY for all X & Y respectively.");
    QActionGroup* methods = makeGroup(owner);
    errorMethodItems = {
        makeRadioItem(methods, "EstimateddYErrorMethod", QStringLiteral("&Estimate dY"),
                      estimateHint),
        makeRadioItem(methods, "dYi", QStringLiteral("&Y Error Bars"), dYHint),
        makeRadioItem(methods, "dXidYi", QStringLiteral("&X and Y Error Bars"), dXdYHint)};

    // The pop-up's items carry the same commands under their own captions; the two
    // "Uniform" items have no command of their own and are shown disabled.
    QActionGroup* popup = makeGroup(owner);
    popupErrorMethodItems[0] =
        makeRadioItem(popup, "PopupEstimateddY", QStringLiteral("&Estimate dY"), estimateHint);
    UniformdY = makeRadioItem(popup, "UniformdY", QStringLiteral("&Uniform dY"),
                              QStringLiteral("Input dY. Assume same dY for all Y."));
    popupErrorMethodItems[1] = makeRadioItem(popup, "PopupdYi", QStringLiteral("&dYi"), dYHint);
    UniformdXdY = makeRadioItem(
        popup, "UniformdXdY", QStringLiteral("&Uniform dX,  dY"),
        QStringLiteral("Input dX & dY. Assume same dX & dY for all X & Y respectively."));
    popupErrorMethodItems[2] =
        makeRadioItem(popup, "PopupdXidYi", QStringLiteral("d&Xi, dYi"), dXdYHint);
    UniformdY->setEnabled(false);
    UniformdXdY->setEnabled(false);
    for (std::size_t i = 0; i < popupErrorMethodItems.size(); ++i)
        QObject::connect(popupErrorMethodItems[i], &QAction::triggered, errorMethodItems[i],
                         &QAction::trigger);
}

void MainActions::createToolsAndHelpActions(QObject* owner) {
    FitDataAction = makeAction(owner, "FitDataAction", QStringLiteral("&Fit Data"),
                               QStringLiteral("Toggle Data Fit"));
    AnalyzeDataAction =
        makeAction(owner, "AnalyzeDataAction", QStringLiteral("Show Cursor &Position"));
    AnalyzeDataAction->setIconText(QStringLiteral("Analyze Data..."));
    AnalyzeDataAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));
    AnalyzeDataAction->setCheckable(true);
    DefineFunctionAction =
        makeAction(owner, "DefineFunctionAction", QStringLiteral("&Define a Function"));
    CopyResults = makeAction(owner, "CopyResults", QStringLiteral("Copy &Results"),
                             QStringLiteral("Copy the fit's results, rounded for a report"));
    CopyResults->setEnabled(false);

    HelpContents = makeAction(owner, "HelpContents", QStringLiteral("&User Guide"),
                              QStringLiteral("Help Contents"));
    ErrorMethodGuide = makeAction(owner, "ErrorMethodGuide", QStringLiteral("&Error Method Guide"));
    HelpAbout = makeAction(owner, "HelpAbout", QStringLiteral("&About Kelvane"));
}
