// The clipboard and delete commands of the data table, and the report of a refused entry.
// They move any text: the entry check is for typing only, and a word that lands in a
// plotted row is reported by the re-plot that follows.

#include "app/Unit1.h"

#include "app/MainActions.h"
#include "common/KelvaneError.h"
#include "shell/UiServices.h"
#include "table/ClipboardText.h"
#include "table/DataStringGrid.h"
#include "table/DataTableModel.h"
#include "table/PastePlan.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLocale>

#include <algorithm>
#include <utility>

namespace {

// The clipboard's text as rows of cells, converted a piece at a time and no further than
// the paste can reach, so that a clipboard of many megabytes costs no more than the table.
PasteTextReader::Rows clipboardRows(const CellRect& reach) {
    const QString text = QGuiApplication::clipboard()->text();
    constexpr qsizetype PIECE = 64 * 1024;
    PasteTextReader reader(reach.height(), reach.width());
    for (qsizetype at = 0; at < text.size();) {
        qsizetype length = std::min(PIECE, text.size() - at);
        if (text.at(at + length - 1).isHighSurrogate() && at + length < text.size())
            ++length; // a character is not cut in two
        const QByteArray piece = QStringView(text).mid(at, length).toUtf8();
        if (!reader.read(std::string_view(piece.constData(), std::size_t(piece.size()))))
            break;
        at += length;
    }
    return reader.finish();
}

} // namespace

void TMainForm::connectEditCommands() {
    const MainActions& a = *actions_;
    onCommand(a.editCopy, &TMainForm::editCopyExecute);
    onCommand(a.editPaste, &TMainForm::editPasteExecute);
    onCommand(a.editCut, &TMainForm::editCutExecute);
    onCommand(a.editDelete, &TMainForm::editDeleteExecute);
    // The refusal of a typed entry, in the stop box of every refusal.
    connect(grid_, &DataStringGrid::entryRefused, this,
            [this](const UserMessage& refusal) { ui_.show(refusal); });
}

void TMainForm::editCopyExecute() {
    if (!commitForCommand().refused)
        copyToClipboard(selectedCells());
}

void TMainForm::editPasteExecute() {
    changeSelectedCells(FitGoes::BeforeTheChange,
                        [this](const CellRect& selection) { pasteInto(selection); });
}

void TMainForm::editCutExecute() {
    changeSelectedCells(FitGoes::BeforeTheChange, [this](const CellRect& selection) {
        copyToClipboard(selection);
        grid_->tableModel().clearCells(selection);
    });
}

void TMainForm::editDeleteExecute() {
    changeSelectedCells(FitGoes::AfterTheChange, [this](const CellRect& selection) {
        grid_->tableModel().clearCells(selection);
    });
}

// A cell still being edited is committed first, so that a command acts on what the user
// sees. When the entry check refuses it, the user has read why and is back in the cell.
TMainForm::CommittedEdit TMainForm::commitForCommand() {
    rejectedEntry_.reset();
    const bool accepted = grid_->commitOpenEdit();
    return {!accepted, std::exchange(rejectedEntry_, std::nullopt)};
}

// The steps of paste, cut and delete around their change of the selected cells; the
// re-plot comes last. A committed entry that does not convert has shown its message in its
// own re-plot, and the command's re-plot, which meets the same cell, does not repeat it.
void TMainForm::changeSelectedCells(FitGoes when,
                                    const std::function<void(const CellRect&)>& change) {
    const CommittedEdit edit = commitForCommand();
    if (edit.refused)
        return;
    const CellRect selection = selectedCells();
    const auto fitGoes = [this] {
        document_.modified = true;
        ClearFit();
    };
    if (when == FitGoes::BeforeTheChange)
        fitGoes();
    change(selection);
    if (when == FitGoes::AfterTheChange)
        fitGoes();
    try {
        RebuildPlot();
    } catch (const KelvaneError& error) {
        if (edit.shownMessage != std::string(error.what()))
            throw;
    }
}

void TMainForm::pasteInto(const CellRect& selection) {
    DataTableModel& model = grid_->tableModel();
    const CellRect editable = model.editableCells();
    const SeriesFormats formats{document_.table.decimalSeparator(),
                                QLocale().dateFormat(QLocale::ShortFormat).toStdString()};
    model.writeCells(
        planPaste(clipboardRows(pasteReach(selection, editable)), selection, editable, formats));
}

// A view the user has not entered yet has no current cell; its first cell stands for it.
CellRect TMainForm::selectedCells() const {
    return grid_->selectedCells().value_or(CellRect{1, 1, 1, 1});
}

void TMainForm::copyToClipboard(const CellRect& cells) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(copyText(document_.table, cells)));
}
