#include "app/QtUiServices.h"

#include <QApplication>
#include <QColorDialog>
#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrintDialog>
#include <QStringList>

namespace {

QWidget* dialogParent() {
    return QApplication::activeWindow();
}

QMessageBox::Icon boxIcon(UiServices::Icon icon) {
    switch (icon) {
    case UiServices::Icon::Stop:
        return QMessageBox::Critical;
    case UiServices::Icon::Warning:
        return QMessageBox::Warning;
    case UiServices::Icon::Information:
        return QMessageBox::Information;
    case UiServices::Icon::Question:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons boxButtons(UiServices::Buttons buttons) {
    switch (buttons) {
    case UiServices::Buttons::Ok:
        return QMessageBox::Ok;
    case UiServices::Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case UiServices::Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

UiServices::Answer answerOf(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return UiServices::Answer::Yes;
    case QMessageBox::No:
        return UiServices::Answer::No;
    case QMessageBox::Cancel:
        return UiServices::Answer::Cancel;
    default:
        return UiServices::Answer::Ok;
    }
}

} // namespace

QString qtFileFilter(const QString& filter) {
    const QStringList parts = filter.split('|');
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2)
        entries << QStringLiteral("%1 (%2)").arg(parts[i], QString(parts[i + 1]).replace(';', ' '));
    return entries.join(QStringLiteral(";;"));
}

UiServices::Answer QtUiServices::message(const QString& text, const QString& caption, Icon icon,
                                         Buttons buttons) {
    QMessageBox box(boxIcon(icon), caption, text, boxButtons(buttons), dialogParent());
    if (buttons == Buttons::YesNoCancel)
        box.setEscapeButton(QMessageBox::Cancel);
    return answerOf(box.exec());
}

int QtUiServices::runModal(QDialog& dialog) {
    return dialog.exec();
}

QString QtUiServices::openFileName(const QString& filter) {
    return QFileDialog::getOpenFileName(dialogParent(), QString(), QString(), qtFileFilter(filter));
}

QString defaultSuffix(const QString& filter) {
    const QString pattern = filter.section(QLatin1Char('|'), 1, 1).section(QLatin1Char(';'), 0, 0);
    const QString suffix = pattern.section(QLatin1Char('.'), 1);
    return suffix.contains(QLatin1Char('*')) ? QString() : suffix;
}

// A name typed without an extension gets the filter's here, in the dialog, so that the
// dialog asks before it overwrites a file of that name; the command would otherwise add
// the extension afterwards and replace such a file unasked.
QString QtUiServices::saveFileName(const QString& filter, bool overwritePrompt) {
    QFileDialog dialog(dialogParent(), QString(), QString(), qtFileFilter(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !overwritePrompt);
    dialog.setDefaultSuffix(defaultSuffix(filter));
    if (dialog.exec() != QDialog::Accepted)
        return QString();
    return dialog.selectedFiles().value(0);
}

std::optional<QColor> QtUiServices::chooseColor(const QColor& current) {
    const QColor chosen = QColorDialog::getColor(current, dialogParent());
    if (!chosen.isValid())
        return std::nullopt;
    return chosen;
}

QPrinter& QtUiServices::printer() {
    if (!printer_)
        printer_ = std::make_unique<QPrinter>();
    return *printer_;
}

bool QtUiServices::setupPrinter(QPrinter& printer) {
    QPrintDialog dialog(&printer, dialogParent());
    return dialog.exec() == QDialog::Accepted;
}

void QtUiServices::openDocument(const QString& path) {
    QDesktopServices::openUrl(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath()));
}

void QtUiServices::openUrl(const QUrl& url) {
    QDesktopServices::openUrl(url);
}
