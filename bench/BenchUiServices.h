#pragma once

#include "app/QtUiServices.h"

#include <QString>
#include <QStringList>

// The program's own services with every modal call answered at once, so that a command
// runs from start to end without waiting for a person: file dialogs return the name the
// benchmark set, questions get the answer the benchmark set ("No" to saving changes
// unless told otherwise), dialogs are cancelled and colours are not changed. Messages
// that are no question (refusals, errors, notices) are recorded, so a benchmark can tell
// that its command did not stop early.
class BenchUiServices : public QtUiServices {
public:
    // The answer of the next file dialogs, open and save alike.
    QString fileName;
    Answer questionAnswer = Answer::No;
    QStringList messages;

    Answer message(const QString& text, const QString& caption, Icon icon,
                   Buttons buttons) override;
    int runModal(QDialog& dialog) override;
    QString openFileName(const QString& filter) override;
    QString saveFileName(const QString& filter, bool overwritePrompt) override;
    std::optional<QColor> chooseColor(const QColor& current) override;
};
