#include "RandomUiServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include <array>

RandomUiServices::RandomUiServices(std::mt19937& random, QString folder)
    : random_(random), folder_(std::move(folder)) {
    // Targets that are folders, for the commands that write.
    QDir(folder_).mkpath("folder.dat");
    QDir(folder_).mkpath("folder.txt");
}

QString RandomUiServices::randomText() {
    static const std::array<const char*, 14> pieces = {
        "0", "1", "2.5", "-3", "1e3", "1e-300", ".", ",", "e", " ", "x", "\"X\"", "+", "\t"};
    switch (below(4)) {
    case 0:
        return QString();
    case 1:
        return QString::number(std::uniform_real_distribution<double>(-1e3, 1e3)(random_));
    case 2:
        return QString::number(below(200) + 1);
    default: {
        QString text;
        for (int n = below(5); n >= 0; --n)
            text += QLatin1String(pieces[std::size_t(below(int(pieces.size())))]);
        return text;
    }
    }
}

UiServices::Answer RandomUiServices::message(const QString&, const QString&, Icon,
                                             Buttons buttons) {
    if (buttons != Buttons::Ok)
        ++questionsAnswered;
    switch (buttons) {
    case Buttons::Ok:
        return Answer::Ok;
    case Buttons::YesNo:
        return below(2) ? Answer::Yes : Answer::No;
    case Buttons::YesNoCancel:
        break;
    }
    static const std::array<Answer, 3> answers = {Answer::Yes, Answer::No, Answer::Cancel};
    return answers[std::size_t(below(3))];
}

void RandomUiServices::changeFields(QWidget& dialog) {
    for (QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        if (edit->isEnabled() && below(2))
            edit->setText(randomText());
    for (QComboBox* list : dialog.findChildren<QComboBox*>())
        if (list->isEnabled() && list->count() > 0 && below(2)) {
            const int entry = below(list->count());
            list->setCurrentIndex(entry);
            emit list->activated(entry);
        }
    for (QSpinBox* spin : dialog.findChildren<QSpinBox*>())
        if (spin->isEnabled() && below(2))
            spin->setValue(spin->minimum() + below(spin->maximum() - spin->minimum() + 1));
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
        if (box->isEnabled() && below(2))
            box->click();
    for (QRadioButton* radio : dialog.findChildren<QRadioButton*>())
        if (radio->isEnabled() && below(3) == 0)
            radio->click();
}

int RandomUiServices::runModal(QDialog& dialog) {
    dialog.show();
    if (below(4))
        changeFields(dialog);
    // The dialog's own buttons, so that its checks run as they do for a user.
    const auto press = [&dialog](const QString& caption) {
        for (QPushButton* button : dialog.findChildren<QPushButton*>())
            if (button->isVisible() && button->text().remove('&') == caption) {
                QTest::mouseClick(button, Qt::LeftButton);
                return;
            }
        dialog.reject();
    };
    press(below(4) ? QStringLiteral("OK") : QStringLiteral("Cancel"));
    if (dialog.isVisible())
        press(QStringLiteral("Cancel"));
    dialog.hide();
    return dialog.result();
}

QString RandomUiServices::fileName() {
    if (!fixedFileName.isEmpty())
        return fixedFileName;
    static const std::array<const char*, 7> names = {
        "", "soak.dat", "other.dat", "table.txt", "folder.dat", "folder.txt", "absent/soak"};
    const QString name = QLatin1String(names[std::size_t(below(int(names.size())))]);
    return name.isEmpty() ? name : QDir(folder_).filePath(name);
}

QString RandomUiServices::openFileName(const QString&) {
    return fileName();
}

QString RandomUiServices::saveFileName(const QString&, bool) {
    return fileName();
}

std::optional<QColor> RandomUiServices::chooseColor(const QColor&) {
    if (below(2))
        return std::nullopt;
    return QColor(below(256), below(256), below(256));
}

QPrinter& RandomUiServices::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>();
        printer_->setOutputFormat(QPrinter::PdfFormat);
        printer_->setOutputFileName(QDir(folder_).filePath(QStringLiteral("printed.pdf")));
    }
    return *printer_;
}

bool RandomUiServices::setupPrinter(QPrinter&) {
    return false;
}

void RandomUiServices::openDocument(const QString&) {}

void RandomUiServices::openUrl(const QUrl&) {}
