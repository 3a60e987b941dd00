#include "BenchUiServices.h"

#include <QDialog>

UiServices::Answer BenchUiServices::message(const QString& text, const QString&, Icon,
                                            Buttons buttons) {
    if (buttons != Buttons::Ok)
        return questionAnswer;
    messages << text;
    return Answer::Ok;
}

int BenchUiServices::runModal(QDialog&) {
    return QDialog::Rejected;
}

QString BenchUiServices::openFileName(const QString&) {
    return fileName;
}

QString BenchUiServices::saveFileName(const QString&, bool) {
    return fileName;
}

std::optional<QColor> BenchUiServices::chooseColor(const QColor&) {
    return std::nullopt;
}
