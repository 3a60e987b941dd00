#include "app/About.h"

#include "app/AppIcons.h"
#include "common/AppInfo.h"
#include "shell/UiServices.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {

const char* const DEVELOPERS_ADDRESS = "mailto:kelvane-developers@example.org";

QLabel* addLine(QVBoxLayout* layout, const QString& text, const char* name = nullptr) {
    auto* label = new QLabel(text);
    label->setAlignment(Qt::AlignHCenter);
    if (name)
        label->setObjectName(QLatin1String(name));
    layout->addWidget(label);
    return label;
}

QLabel* addProgramName(QVBoxLayout* layout) {
    QLabel* name = addLine(layout, QLatin1String(APPLICATION_TITLE), "ProductName");
    QFont font = name->font();
    font.setPointSize(font.pointSize() * 2);
    font.setBold(true);
    name->setFont(font);
    return name;
}

} // namespace

TAboutBox::TAboutBox(UiServices& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Kelvane"));

    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setAutoFillBackground(true);
    QPalette white = panel->palette();
    white.setColor(QPalette::Window, Qt::white);
    white.setColor(QPalette::WindowText, Qt::black);
    panel->setPalette(white);

    auto* lines = new QVBoxLayout(panel);
    lines->setContentsMargins(24, 18, 24, 18);
    auto* icon = new QLabel;
    icon->setPixmap(programIcon().pixmap(64, 64));
    icon->setAlignment(Qt::AlignHCenter);
    lines->addWidget(icon);
    addProgramName(lines);
    addLine(lines, QStringLiteral("Version %1").arg(QLatin1String(APPLICATION_VERSION)), "Version");
    addLine(lines, QStringLiteral("Developed 2026"));
    lines->addSpacing(8);
    QLabel* programming =
        addLine(lines, QStringLiteral("Programming: the Kelvane developers"), "ProgrammingCredit");
    programming->setCursor(Qt::PointingHandCursor);
    programming->setToolTip(QStringLiteral("Click to e-mail me."));
    programming->installEventFilter(this);
    programmingCredit_ = programming;
    addLine(lines, QStringLiteral("Development: physics teaching laboratories"));
    addLine(lines, QStringLiteral("Plotting: QCustomPlot by Emanuel Eichhammer"));
    addLine(lines, QStringLiteral("Linear algebra: TNT and JAMA from NIST"));
    lines->addSpacing(8);
    addLine(lines, QStringLiteral("Function parser library by Juha Nieminen and Joel Yliluoma"),
            "ParserCredit");

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(panel);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
    if (watched == programmingCredit_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        ui_.openUrl(QUrl(QLatin1String(DEVELOPERS_ADDRESS)));
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
