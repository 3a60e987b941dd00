#pragma once

#include "common/UserMessage.h"

#include <QColor>
#include <QString>
#include <QUrl>

#include <optional>

class QDialog;
class QPrinter;

// Every modal interaction of the program goes through this one interface: message boxes,
// modal dialogs, the common file, colour and printer dialogs, and requests to the desktop.
// The program uses QtUiServices; tests answer from a script, so the whole main window runs
// headless.
class UiServices {
public:
    using Icon = MessageIcon;
    using Buttons = MessageButtons;
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~UiServices() = default;

    virtual Answer message(const QString& text, const QString& caption, Icon icon,
                           Buttons buttons) = 0;
    // A message the core decided on.
    Answer show(const UserMessage& m) {
        return message(QString::fromStdString(m.text), QString::fromStdString(m.caption), m.icon,
                       m.buttons);
    }
    // Shows the dialog modally; returns its result (QDialog::Accepted or Rejected).
    virtual int runModal(QDialog& dialog) = 0;
    // File-type filters are "description|pattern|description|pattern" lists; several
    // patterns of one description are separated by ";". An empty name means cancelled.
    virtual QString openFileName(const QString& filter) = 0;
    virtual QString saveFileName(const QString& filter, bool overwritePrompt) = 0;
    virtual std::optional<QColor> chooseColor(const QColor& current) = 0;
    // The printer the print commands print on, as the printer set-up dialog last left it.
    // Tests hand out one that writes PDF files.
    virtual QPrinter& printer() = 0;
    // The system's printer set-up dialog; false when it was cancelled.
    virtual bool setupPrinter(QPrinter& printer) = 0;
    // Asks the desktop to open a document with the user's default viewer; a path without
    // a folder is taken relative to the current directory. Failures are not reported.
    virtual void openDocument(const QString& path) = 0;
    virtual void openUrl(const QUrl& url) = 0;
};
