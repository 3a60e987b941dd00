#include "BenchUiServices.h"
#include "FullDocument.h"

#include "app/Unit1.h"
#include "files/TextExport.h"
#include "graph/Chart.h"
#include "table/CellRange.h"
#include "table/ClipboardText.h"
#include "table/DataStringGrid.h"
#include "table/DataTableModel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <benchmark/benchmark.h>

#include <chrono>
#include <clocale>
#include <functional>
#include <memory>
#include <string>
#include <utility>

// Every command a user runs, timed end to end in the real main window on the full document:
// from the action, button or edit that starts it until the graph and the table have been
// painted again. Each iteration times one command; what puts the window back in the state
// the command starts from is left out of the time.

namespace {

// The window and what the commands read and write, made once the application exists.
struct Session {
    BenchUiServices ui;
    TMainForm form{ui, '.'};
    QTemporaryDir folder;
    QImage chartImage;
    QImage gridImage;

    QString file(const char* name) const { return folder.filePath(QLatin1String(name)); }
};

Session* session = nullptr;

TMainForm& form() {
    return session->form;
}

QAction* action(const char* name) {
    return form().findChild<QAction*>(QLatin1String(name));
}

QToolButton* fitButton() {
    return form().findChild<QToolButton*>(QStringLiteral("FitToolButton"));
}

template <class T> T* axisOptionsControl(const char* name) {
    return form()
        .findChild<QWidget*>(QStringLiteral("ChartOptionsForm"))
        ->findChild<T*>(QLatin1String(name));
}

QWidget* plotArea() {
    return form().chart().findChild<QWidget*>(QStringLiteral("Chart1Plot"));
}

// What the user sees after a command: whatever the command left to the event loop runs,
// then the graph and the table paint, each into an image the size of its window.
void paintWindow() {
    QCoreApplication::processEvents();
    for (auto [widget, image] :
         {std::pair<QWidget*, QImage*>(&form().chart(), &session->chartImage),
          std::pair<QWidget*, QImage*>(&form().grid(), &session->gridImage)}) {
        if (image->size() != widget->size())
            *image = QImage(widget->size(), QImage::Format_ARGB32_Premultiplied);
        widget->render(image);
    }
}

void setFitShown(bool shown) {
    if (form().isFitShown() != shown)
        fitButton()->click();
}

// The full document, put in place as Open does, with X and Y error bars chosen and shown.
void installFullDocument() {
    form().replaceDocument(fullDocument());
    setFitShown(false);
    action("LinearFit")->trigger();
    action("dXidYi")->trigger();
    action("ShowErrorBars")->trigger();
    paintWindow();
    session->ui.messages.clear();
}

// The command and the repaint it causes: what is timed. A frame of its own, so that a
// profiler can count it alone (valgrind --toggle-collect='*commandAndRepaint*').
[[gnu::noinline]] void commandAndRepaint(const std::function<void()>& command) {
    command();
    paintWindow();
}

// Times `command` with its repaint once per iteration, after `prepare` has set the window up
// for it. A message the command showed means it stopped early: the time is not the command's.
void timeCommand(
    benchmark::State& state, const std::function<void()>& command,
    const std::function<void()>& prepare = [] {}) {
    for (auto _ : state) {
        prepare();
        QCoreApplication::processEvents(); // the drawing the preparation asked for
        const auto start = std::chrono::steady_clock::now();
        commandAndRepaint(command);
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        state.SetIterationTime(elapsed.count());
        if (!session->ui.messages.isEmpty()) {
            state.SkipWithError(session->ui.messages.first().toStdString().c_str());
            session->ui.messages.clear();
            break;
        }
    }
}

void CellEdit(benchmark::State& state) {
    installFullDocument();
    DataStringGrid& grid = form().grid();
    const QModelIndex cell = grid.tableModel().index(9, 2); // Y of row 10
    const QString texts[] = {QStringLiteral("2.5"), QStringLiteral("2.25")};
    int next = 0;
    timeCommand(
        state, [&grid] { grid.commitOpenEdit(); },
        [&] {
            setFitShown(true);
            grid.setCurrentIndex(cell);
            grid.edit(cell);
            // Closed editors linger hidden until they are deleted later.
            for (auto* editor : grid.viewport()->findChildren<QLineEdit*>())
                if (editor->isVisible())
                    editor->setText(texts[next++ % 2]);
        });
}

// The fit toggle pressed with one function and error method chosen: the request, the fit,
// the summary block, the footer and the curve.
void FitToggle(benchmark::State& state, const char* method, const char* function) {
    installFullDocument();
    action(method)->trigger();
    action(function)->trigger();
    if (action("ShowErrorBars")->isEnabled())
        action("ShowErrorBars")->trigger();
    paintWindow();
    timeCommand(
        state, [] { fitButton()->click(); }, [] { setFitShown(false); });
    setFitShown(false);
}

void RebuildPlot(benchmark::State& state) {
    installFullDocument();
    timeCommand(state, [] { form().RebuildPlot(); });
}

void GraphTypeChange(benchmark::State& state) {
    installFullDocument();
    setFitShown(true);
    const char* types[] = {"SemiLogAction", "LinearAction"};
    int next = 0;
    timeCommand(state, [&] { action(types[next++ % 2])->trigger(); });
    action("LinearAction")->trigger();
}

void AxisOptionsApply(benchmark::State& state) {
    installFullDocument();
    setFitShown(true);
    action("ChartOptionsAction")->trigger();
    axisOptionsControl<QRadioButton>("XManualRadioButton")->click();
    const char* maxima[] = {"80", "90"};
    int next = 0;
    timeCommand(
        state, [] { axisOptionsControl<QPushButton>("XApplyButton")->click(); },
        [&] {
            for (const auto& [name, text] :
                 {std::pair("XMinEdit", "5"), std::pair("XMaxEdit", maxima[next++ % 2])}) {
                auto* edit = axisOptionsControl<QLineEdit>(name);
                edit->clear();
                QTest::keyClicks(edit, QLatin1String(text));
            }
        });
    axisOptionsControl<QRadioButton>("XAutoRadioButton")->click();
    axisOptionsControl<QPushButton>("CancelButton")->click();
}

// A rubber band over the middle of the plot: down and to the right zooms, the other way
// undoes. The press and the moves draw the band; the release is the command.
using Release = std::function<void(QPoint)>;

void dragTo(bool zoomIn, const Release& release) {
    const QRect area = form().chart().plotRect();
    const QPoint topLeft = area.topLeft() + QPoint(area.width() / 4, area.height() / 4);
    const QPoint bottomRight = area.topLeft() + QPoint(area.width() / 2, area.height() / 2);
    const QPoint from = zoomIn ? topLeft : bottomRight;
    const QPoint to = zoomIn ? bottomRight : topLeft;
    QTest::mousePress(plotArea(), Qt::LeftButton, {}, from);
    QTest::mouseMove(plotArea(), (from + to) / 2);
    QTest::mouseMove(plotArea(), to);
    release(to);
}

void releaseAt(QPoint at) {
    QTest::mouseRelease(plotArea(), Qt::LeftButton, {}, at);
}

// Times only the release that ends a band: `prepare` draws the band untimed and hands its
// end point to `hold` instead of releasing there.
void timeRubberBandRelease(benchmark::State& state,
                           const std::function<void(const Release& hold)>& prepare) {
    installFullDocument();
    setFitShown(true);
    QPoint end;
    const Release hold = [&end](QPoint at) { end = at; };
    timeCommand(state, [&end] { releaseAt(end); }, [&] { prepare(hold); });
}

void Zoom(benchmark::State& state) {
    timeRubberBandRelease(state, [](const Release& hold) {
        form().chart().undoZoom();
        dragTo(true, hold);
    });
}

void UndoZoom(benchmark::State& state) {
    timeRubberBandRelease(state, [](const Release& hold) {
        dragTo(true, releaseAt);
        dragTo(false, hold);
    });
}

void PasteFullBlock(benchmark::State& state) {
    installFullDocument();
    const DataTable& table = form().document().table;
    QApplication::clipboard()->setText(
        QString::fromStdString(copyText(table, CellRect{1, 1, FULL_COLUMNS, FULL_ROWS})));
    DataStringGrid& grid = form().grid();
    timeCommand(
        state, [] { action("editPaste")->trigger(); },
        [&grid] {
            setFitShown(true);
            grid.setCurrentIndex(grid.tableModel().index(0, 0));
            grid.selectCurrentCellOnly();
        });
}

// "Define a Function" filling the last column from two others over every row.
void ComputedColumn(benchmark::State& state) {
    installFullDocument();
    // The Define Function window is made by its command's first use.
    action("DefineFunctionAction")->trigger();
    auto* window = form().findChild<QWidget*>(QStringLiteral("FunctionForm"));
    session->ui.questionAnswer = UiServices::Answer::Yes; // overwrite the column
    timeCommand(
        state, [window] { window->findChild<QPushButton*>(QStringLiteral("OKButton"))->click(); },
        [window] {
            setFitShown(true);
            action("DefineFunctionAction")->trigger();
            window->findChild<QLineEdit*>(QStringLiteral("NewColNameEdit"))
                ->setText(QStringLiteral("C50"));
            window->findChild<QLineEdit*>(QStringLiteral("FunctionEdit"))
                ->setText(QStringLiteral("\"Y\" * 2 + sqrt(\"X\")"));
        });
    session->ui.questionAnswer = UiServices::Answer::No;
}

void Save(benchmark::State& state) {
    installFullDocument();
    session->ui.fileName = session->file("full.dat");
    timeCommand(state, [] { action("FileSaveAs1")->trigger(); });
}

void Open(benchmark::State& state) {
    installFullDocument();
    session->ui.fileName = session->file("full.dat");
    action("FileSaveAs1")->trigger();
    timeCommand(state, [] { action("FileOpen1")->trigger(); });
}

void TextImport(benchmark::State& state) {
    installFullDocument();
    const QString path = session->file("full.txt");
    QFile text(path);
    text.open(QIODevice::WriteOnly);
    text.write(QByteArray::fromStdString(exportText(form().document().table)));
    text.close();
    session->ui.fileName = path;
    timeCommand(state, [] { action("FileASCIIImport")->trigger(); });
}

void TextExport(benchmark::State& state) {
    installFullDocument();
    session->ui.fileName = session->file("exported.txt");
    timeCommand(state, [] { action("FileASCIIExport")->trigger(); });
}

void GraphExport(benchmark::State& state, const char* actionName, const char* fileName) {
    installFullDocument();
    setFitShown(true);
    session->ui.fileName = session->file(fileName);
    timeCommand(state, [actionName] { action(actionName)->trigger(); });
}

// The graph drawn again with every point's error bars and the fitted curve.
void ChartPaint(benchmark::State& state) {
    installFullDocument();
    setFitShown(true);
    timeCommand(state, [] { form().chart().replot(); });
}

void registerCommands() {
    const auto add = [](const std::string& name, auto&& run) {
        benchmark::RegisterBenchmark(name.c_str(), std::forward<decltype(run)>(run))
            ->UseManualTime()
            ->Unit(benchmark::kMillisecond);
    };
    add("CellEdit", CellEdit);
    const std::pair<const char*, const char*> methods[] = {
        {"EstimateddYErrorMethod", "EstDY"}, {"dYi", "dYi"}, {"dXidYi", "dXidYi"}};
    const char* functions[] = {"LinearFit",      "LinearFitZeroIntercept", "ExponentialFit",
                               "PowerLawFit",    "SecondOrderFit",         "ThirdOrderFit",
                               "FourthOrderFit", "FifthOrderFit"};
    for (const auto& [method, methodName] : methods)
        for (const char* function : functions) {
            const std::string f = function;
            const bool xyErrors = std::string(method) == "dXidYi";
            if (xyErrors && (f == "LinearFitZeroIntercept" || f.find("Order") != std::string::npos))
                continue; // no fit with X and Y error bars
            add("FitToggle/" + std::string(methodName) + "/" + f,
                [method = method, function](benchmark::State& s) {
                    FitToggle(s, method, function);
                });
        }
    add("RebuildPlot", RebuildPlot);
    add("GraphTypeChange", GraphTypeChange);
    add("AxisOptionsApply", AxisOptionsApply);
    add("Zoom", Zoom);
    add("UndoZoom", UndoZoom);
    add("Paste200x50", PasteFullBlock);
    add("ComputedColumn", ComputedColumn);
    add("Save", Save);
    add("Open", Open);
    add("TextImport", TextImport);
    add("TextExport", TextExport);
    for (const auto& [name, actionName, file] :
         {std::tuple("Export/BMP", "FileExportGraphBitmap", "graph.bmp"),
          std::tuple("Export/JPEG", "FileExportGraphJpeg", "graph.jpg"),
          std::tuple("Export/PNG", "FileExportGraphPng", "graph.png"),
          std::tuple("Export/SVG", "FileExportGraphSvg", "graph.svg"),
          std::tuple("Export/PDF", "FileExportGraphPdf", "graph.pdf")})
        add(name, [actionName = actionName, file = file](benchmark::State& s) {
            GraphExport(s, actionName, file);
        });
    add("ChartPaint", ChartPaint);
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setlocale(LC_NUMERIC, "C"); // as the program does: the equations read "C" numbers
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    auto s = std::make_unique<Session>();
    session = s.get();
    session->form.resize(1366, 768);
    session->form.show();
    registerCommands();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    session = nullptr;
    return 0;
}
