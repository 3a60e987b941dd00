#pragma once

#include "graph/GraphLabels.h"
#include "shell/OkCancelDialog.h"

struct Document;
class QLineEdit;

// "Graph Labels" (chartLabelDlg): the graph title and the X and Y axis titles, which are
// also the names of the X and Y columns. Opens with the document's titles and the focus on
// the first empty field; Enter in a field is OK.
class TchartLabelDlg : public OkCancelDialog {
    Q_OBJECT
public:
    TchartLabelDlg(UiServices& ui, const Document& document, QWidget* parent = nullptr);

    GraphLabels labels() const;

signals:
    // The text of a field changed, by typing or by the filling on opening: an unsaved
    // change of the document even if OK is not pressed.
    void labelEdited();

protected:
    void OKBtnClick() override;
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* addField(const char* name, const QString& caption);

    const Document& document_;
    QLineEdit* graphTitleEdit_;
    QLineEdit* xAxisEdit_;
    QLineEdit* yAxisEdit_;
};
