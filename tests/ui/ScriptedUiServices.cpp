#include "ScriptedUiServices.h"

#include <gtest/gtest.h>

template <class T> static T takeFront(std::deque<T>& queue) {
    T value = std::move(queue.front());
    queue.pop_front();
    return value;
}

UiServices::Answer ScriptedUiServices::message(const QString& text, const QString& caption,
                                               Icon icon, Buttons buttons) {
    messages.push_back({text, caption, icon, buttons});
    if (onMessage)
        onMessage(messages.back());
    if (!answers.empty())
        return takeFront(answers);
    if (buttons == Buttons::Ok)
        return Answer::Ok;
    ADD_FAILURE() << "unscripted question: " << text.toStdString();
    return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
}

int ScriptedUiServices::runModal(QDialog& dialog) {
    modalDialogTitles.push_back(dialog.windowTitle());
    if (dialogScripts.empty()) {
        ADD_FAILURE() << "unscripted dialog: " << dialog.windowTitle().toStdString();
        return QDialog::Rejected;
    }
    dialog.show();
    const int result = takeFront(dialogScripts)(dialog);
    dialog.hide();
    return result;
}

QString ScriptedUiServices::nextFileName(const QString& filter) {
    fileDialogFilters.push_back(filter);
    if (onFileDialog)
        onFileDialog();
    return fileNames.empty() ? QString() : takeFront(fileNames);
}

QString ScriptedUiServices::openFileName(const QString& filter) {
    return nextFileName(filter);
}

QString ScriptedUiServices::saveFileName(const QString& filter, bool) {
    return nextFileName(filter);
}

std::optional<QColor> ScriptedUiServices::chooseColor(const QColor& current) {
    colorDialogStarts.push_back(current);
    return colors.empty() ? std::nullopt : takeFront(colors);
}

QPrinter& ScriptedUiServices::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>();
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setPageSize(QPageSize(QPageSize::A4));
    }
    printer_->setOutputFileName(printedPdf);
    return *printer_;
}

bool ScriptedUiServices::setupPrinter(QPrinter&) {
    ++printerSetups;
    return !printerSetupAnswers.empty() && takeFront(printerSetupAnswers);
}

void ScriptedUiServices::openDocument(const QString& path) {
    openedDocuments.push_back(path);
}

void ScriptedUiServices::openUrl(const QUrl& url) {
    openedUrls.push_back(url);
}
