#include <QApplication>
#include <QMainWindow>
#include <QVector>

#include <qcustomplot.h>

// The least a Qt 6 program with a QCustomPlot graph does to put its window on the screen:
// the yardstick of the start-up script. Arguments: the window's title, and its width and
// height, so that it opens at the size of the window it is compared with (the buffers of
// both grow with it).
int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 4)
        return 2;
    QMainWindow window;
    window.setWindowTitle(QString::fromLocal8Bit(argv[1]));
    window.resize(QString::fromLocal8Bit(argv[2]).toInt(), QString::fromLocal8Bit(argv[3]).toInt());
    auto* plot = new QCustomPlot(&window);
    plot->addGraph()->setData(QVector<double>{0, 1, 2}, QVector<double>{0, 1, 4});
    plot->rescaleAxes();
    window.setCentralWidget(plot);
    window.showMaximized();
    return app.exec();
}
