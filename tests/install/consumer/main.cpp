// Draws a chart and writes it to the PNG file named on the command line.
#include <tesmo/TesmoWidget.h>

#include <QApplication>
#include <QImage>
#include <cmath>
#include <cstdio>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: tesmo-consumer FILE.png\n");
        return 2;
    }
    tesmo::TesmoWidget chart;
    chart.resize(320, 240);
    tesmo::ucTesmo& c = chart.control();
    c.setMapStyle(tesmo::enMapStyle::ScaleSystem);
    for (int x = 0; x <= 100; ++x) c.Point_Add(x, 50 + 40 * std::sin(x / 8.0));
    chart.show();
    if (!c.SetScaleUnit() || !c.Draw()) return 3;
    if (!chart.exportImage(QString::fromLocal8Bit(argv[1]))) return 4;
    return QImage(QString::fromLocal8Bit(argv[1])).size() == chart.size() ? 0 : 5;
}
