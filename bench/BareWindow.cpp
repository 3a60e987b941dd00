#include <QApplication>
#include <QMainWindow>
#include <QVector>

#include <qcustomplot.h>

// The least a Qt 6 program with a QCustomPlot graph does to put its window on the screen:
// the yardstick of the start-up script. The window's title is the first argument.
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("Bare"));
    auto* plot = new QCustomPlot(&window);
    plot->addGraph()->setData(QVector<double>{0, 1, 2}, QVector<double>{0, 1, 4});
    plot->rescaleAxes();
    window.setCentralWidget(plot);
    window.showMaximized();
    return app.exec();
}
