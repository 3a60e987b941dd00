#pragma once

#include "shell/UiServices.h"

#include <QDialog>
#include <QPrinter>
#include <QString>
#include <QUrl>

#include <deque>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// The program's modal interactions, answered from a script: every message is recorded and
// answered from a queue, runModal shows the dialog and hands it to the next test callback
// (which fills fields and returns Accepted or Rejected), file and colour dialogs answer
// from queues, and desktop requests are recorded.
class ScriptedUiServices : public UiServices {
public:
    struct Message {
        QString text;
        QString caption;
        Icon icon;
        Buttons buttons;
    };
    using DialogScript = std::function<int(QDialog&)>;

    // Scripts.
    std::deque<Answer> answers;
    std::deque<DialogScript> dialogScripts;
    std::deque<QString> fileNames;
    std::deque<std::optional<QColor>> colors;
    std::deque<bool> printerSetupAnswers;

    // Called with every message as it is shown, while the program waits for the answer.
    std::function<void(const Message&)> onMessage;
    // Called as each file dialog answers, before the program goes on with the name.
    std::function<void()> onFileDialog;

    // Records.
    std::vector<Message> messages;
    std::vector<QString> modalDialogTitles;
    std::vector<QString> fileDialogFilters;
    std::vector<QColor> colorDialogStarts; // the colour each colour dialog opened with
    int printerSetups = 0;
    std::vector<QString> openedDocuments;
    std::vector<QUrl> openedUrls;

    Answer message(const QString& text, const QString& caption, Icon icon,
                   Buttons buttons) override;
    int runModal(QDialog& dialog) override;
    QString openFileName(const QString& filter) override;
    QString saveFileName(const QString& filter, bool overwritePrompt) override;
    std::optional<QColor> chooseColor(const QColor& current) override;
    // A printer that writes a PDF file: printedPdf.
    QPrinter& printer() override;
    bool setupPrinter(QPrinter& printer) override;
    void openDocument(const QString& path) override;
    void openUrl(const QUrl& url) override;

    QString printedPdf;

private:
    QString nextFileName(const QString& filter);
    std::unique_ptr<QPrinter> printer_;
};
