#include "app/MainMenus.h"

#include "app/MainActions.h"

#include "common/FitConfig.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <array>

namespace {

// Menus show the hints of their items as tooltips.
QMenu* addMenu(QMenuBar& bar, const QString& title) {
    QMenu* menu = bar.addMenu(title);
    menu->setToolTipsVisible(true);
    return menu;
}

QMenu* addSubmenu(QMenu* menu, const QString& title) {
    QMenu* sub = menu->addMenu(title);
    sub->setToolTipsVisible(true);
    return sub;
}

template <std::size_t N> void addItems(QMenu* menu, const std::array<QAction*, N>& items) {
    for (QAction* item : items)
        menu->addAction(item);
}

QAction* fitItem(const MainActions& a, FitType type) {
    return a.fitTypeItems[static_cast<std::size_t>(type)];
}

void buildFileMenu(QMenuBar& bar, const MainActions& a) {
    QMenu* file = addMenu(bar, QStringLiteral("&File"));
    file->addActions({a.FileNew, a.FileOpen1, a.FileSave, a.FileSaveAs1});
    QMenu* data = addSubmenu(file, QStringLiteral("Import/Export &Data"));
    data->addActions({a.FileASCIIImport, a.FileDataImport, a.FileASCIIExport});
    QMenu* graph = addSubmenu(file, QStringLiteral("Export &Graph"));
    graph->menuAction()->setToolTip(QStringLiteral("Export Graph"));
    graph->addActions({a.FileExportGraphBitmap, a.FileExportGraphJpeg, a.FileExportGraphPng,
                       a.FileExportGraphSvg, a.FileExportGraphPdf});
    file->addSeparator();
    QMenu* print = addSubmenu(file, QStringLiteral("Print"));
    print->addActions({a.FilePrintData, a.FilePrintChart});
    file->addAction(a.FilePrintSetup1);
    file->addSeparator();
    file->addAction(a.FileExit1);
}

void buildTableMenu(QMenuBar& bar, const MainActions& a) {
    QMenu* table = addMenu(bar, QStringLiteral("&Data Table"));
    table->addActions({a.editUndo, a.editRedo});
    table->addSeparator();
    table->addActions({a.editCopy, a.editPaste, a.editCut, a.editDelete});
    table->addSeparator();
    table->addActions({a.AddColumnAction, a.DeleteColumnAction, a.RenameColumn});
    table->addSeparator();
    addItems(addSubmenu(table, QStringLiteral("&Set Number of Rows")), a.rowCountItems);
}

void buildGraphMenu(QMenuBar& bar, const MainActions& a) {
    QMenu* graph = addMenu(bar, QStringLiteral("&Graph"));
    graph->addActions({a.LabelChart, a.SelectColumnsAction, a.ShowErrorBars, a.ShowResiduals,
                       a.ShowConfidenceBand, a.ShowWorstFitLines, a.ShowBothUncertainties});
    graph->addSeparator();
    addItems(addSubmenu(graph, QStringLiteral("Graph &Type")), a.graphTypeItems);
    QMenu* options = addSubmenu(graph, QStringLiteral("Graph &Options"));
    options->addAction(a.DataPointColor1);
    addItems(addSubmenu(options, QStringLiteral("Data Point Type")), a.pointStyleItems);
    options->addSeparator();
    options->addAction(a.FitLineColor1);
    options->addSeparator();
    options->addAction(a.ErrorBarColor1);
    addItems(addSubmenu(options, QStringLiteral("Error Bar Width")), a.errorBarWidthItems);
    options->addSeparator();
    options->addAction(a.ChartOptionsAction);
}

void buildFitMenus(QMenuBar& bar, const MainActions& a) {
    QMenu* fit = addMenu(bar, QStringLiteral("Fitting Function"));
    fit->addActions({fitItem(a, FitType::LINEAR_NO_A), fitItem(a, FitType::LINEAR),
                     fitItem(a, FitType::EXPONENTIAL), fitItem(a, FitType::POWERLAW)});
    addSubmenu(fit, QStringLiteral("P&olynomial Fit"))
        ->addActions({fitItem(a, FitType::SECONDPOLY), fitItem(a, FitType::THIRDPOLY),
                      fitItem(a, FitType::FORTHPOLY), fitItem(a, FitType::FIFTHPOLY)});
    fit->addSeparator();
    fit->addAction(fitItem(a, FitType::USERMODEL));
    addItems(addMenu(bar, QStringLiteral("Error &Method")), a.errorMethodItems);
}

void buildToolsAndHelpMenus(QMenuBar& bar, const MainActions& a) {
    addMenu(bar, QStringLiteral("&Tools"))
        ->addActions({a.FitDataAction, a.AnalyzeDataAction, a.DefineFunctionAction, a.CopyResults});
    QMenu* help = addMenu(bar, QStringLiteral("&Help"));
    help->addActions({a.HelpContents, a.ErrorMethodGuide});
    help->addSeparator();
    help->addAction(a.HelpAbout);
}

} // namespace

void buildMenuBar(QMenuBar& bar, const MainActions& a) {
    buildFileMenu(bar, a);
    buildTableMenu(bar, a);
    buildGraphMenu(bar, a);
    buildFitMenus(bar, a);
    buildToolsAndHelpMenus(bar, a);
}

QMenu* buildEditPopupMenu(const MainActions& a, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("EditPopupMenu"));
    menu->addActions({a.editUndo, a.editRedo});
    menu->addSeparator();
    menu->addActions({a.editCopy, a.editPaste, a.editCut});
    menu->addSeparator();
    menu->addAction(a.editDelete);
    menu->addSeparator();
    menu->addActions({a.AddColumnAction, a.DeleteColumnAction});
    return menu;
}

QMenu* buildFitDataPopupMenu(const MainActions& a, QWidget* parent) {
    auto* menu = new QMenu(parent);
    menu->setObjectName(QStringLiteral("FitDataPopupMenu"));
    menu->setToolTipsVisible(true);
    menu->addAction(a.popupErrorMethodItems[0]);
    addSubmenu(menu, QStringLiteral("Input d&Y"))
        ->addActions({a.UniformdY, a.popupErrorMethodItems[1]});
    addSubmenu(menu, QStringLiteral("Input d&X, dY"))
        ->addActions({a.UniformdXdY, a.popupErrorMethodItems[2]});
    return menu;
}
