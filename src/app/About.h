#pragma once

#include <QDialog>

class UiServices;

// The about box (AboutBox): program icon, name, version and credits on a white panel. The
// programming credit line opens an e-mail to the developers.
class TAboutBox : public QDialog {
    Q_OBJECT
public:
    explicit TAboutBox(UiServices& ui, QWidget* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    UiServices& ui_;
    QWidget* programmingCredit_;
};
