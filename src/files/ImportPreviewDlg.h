#pragma once

#include "files/DelimitedFile.h"
#include "files/RowTake.h"
#include "shell/OkCancelDialog.h"

#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QSpinBox;
class QTableWidget;

// The preview of "Import Data File...": what was understood of the file (encoding,
// separator, decimal mark, header rows), the columns with their names and proposed roles,
// and the first rows as they will land in the table. Each setting can be changed and the
// preview follows at once; with more data rows than the table holds, a range and every
// k-th row choose which go in. A setting under which the file cannot be read shows why,
// and OK then refuses with that message.
class TImportPreviewDlg : public OkCancelDialog {
    Q_OBJECT
public:
    static constexpr int PREVIEW_ROWS = 20;

    TImportPreviewDlg(UiServices& ui, char tableSeparator, QWidget* parent = nullptr);

    // Starts over with a file as the reader detected it.
    void showFile(DelimitedFile file);

    // After OK: the table as the settings read it, and the indexes of the rows to take.
    const DelimitedTable& table() const { return file_.table; }
    std::vector<std::size_t> takenRowIndexes() const;

protected:
    void OKBtnClick() override;

private:
    QComboBox* addChoice(const char* name, const QString& caption, const QStringList& entries);
    void addRowChoice();
    void reread();
    void showLayout();
    void showRows();

    char tableSeparator_;
    DelimitedFile file_;
    LayoutChoice choice_;
    std::optional<std::string> problem_;
    QLabel* encoding_;
    QComboBox* separator_;
    QComboBox* decimalMark_;
    QComboBox* headerRows_;
    QSpinBox* firstRow_ = nullptr;
    QSpinBox* lastRow_ = nullptr;
    QSpinBox* everyRow_ = nullptr;
    QLabel* notice_;
    QLabel* roles_;
    QLabel* problemLabel_;
    QTableWidget* preview_;
};
