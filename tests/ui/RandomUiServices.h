#pragma once

#include "shell/UiServices.h"

#include <QDialog>
#include <QPrinter>
#include <QString>
#include <QUrl>

#include <memory>
#include <random>
#include <string>

// The program's modal interactions answered at random from a seeded generator, for the
// random-command soak: each question gets one of its buttons, each dialog has its fields
// changed or left and is then confirmed or cancelled as a user would (a refused OK is
// followed by Cancel), file dialogs name one of a few files in a folder (or a folder, or a
// folder that does not exist) or are cancelled, and colour dialogs pick a colour or are
// cancelled. Printing writes a PDF file in the folder. Desktop requests do nothing.
class RandomUiServices : public UiServices {
public:
    RandomUiServices(std::mt19937& random, QString folder);

    // When set, every file dialog names this file.
    QString fixedFileName;
    // How many questions (messages with more than an OK button) were answered.
    int questionsAnswered = 0;

    // Random text for a field or a cell: mostly numbers, sometimes anything.
    QString randomText();
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    // Changes some of the window's fields: texts, lists, numbers, boxes and options.
    void changeFields(QWidget& window);

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
    QString fileName();

    std::mt19937& random_;
    QString folder_;
    std::unique_ptr<QPrinter> printer_;
};
