#pragma once

#include "shell/UiServices.h"

#include <QPrinter>

#include <memory>

// The real dialogs and desktop services, parented to the active window.
class QtUiServices : public UiServices {
public:
    Answer message(const QString& text, const QString& caption, Icon icon,
                   Buttons buttons) override;
    int runModal(QDialog& dialog) override;
    QString openFileName(const QString& filter) override;
    QString saveFileName(const QString& filter, bool overwritePrompt) override;
    std::optional<QColor> chooseColor(const QColor& current) override;
    QPrinter& printer() override;
    bool setupPrinter(QPrinter& printer) override;
    void openDocument(const QString& path) override;
    void openUrl(const QUrl& url) override;

private:
    std::unique_ptr<QPrinter> printer_; // made when first needed: it asks the print system
};

// "Data Files|*.dat|All Files|*.*" becomes "Data Files (*.dat);;All Files (*.*)".
QString qtFileFilter(const QString& filter);

// The extension of the filter's first pattern ("dat" for "Data Files|*.dat"), which the
// save dialog adds to a name typed without one; empty for "*.*".
QString defaultSuffix(const QString& filter);
