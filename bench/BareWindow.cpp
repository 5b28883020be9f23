// pendra-bare-window: the least a Qt window costs that shows a new number at
// the screen's pace, as a process of its own so that its CPU time can be read
// beside the real panel's. Six readouts of the panel's size and face, green
// on black; the first gets a new number every frame, as the bench's host
// moves only X.
//
//   pendra-bare-window

#include <QApplication>
#include <QFont>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

namespace {

// A number painted on a black face, whole, with nothing behind it.
class Readout : public QWidget
{
public:
    explicit Readout(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_OpaquePaintEvent); }
    void show(const QString& number)
    {
        text = number;
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::black);
        painter.setPen(Qt::green);
        painter.drawText(rect(), Qt::AlignRight | Qt::AlignVCenter, text);
    }

private:
    QString text = QStringLiteral("0.0000");
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("pendra-bare-window"));
    window.resize(440, 260);
    QFont face(QStringLiteral("Arial"));
    face.setBold(true);
    face.setPixelSize(window.logicalDpiY() * 220 / 720);
    Readout* first = nullptr;
    for (int row = 0; row < 6; ++row) {
        auto* readout = new Readout(&window);
        readout->setGeometry(66, 20 + 33 * row, 339, 33);
        readout->setFont(face);
        first = first ? first : readout;
    }
    window.show();

    const double rate = window.screen() ? window.screen()->refreshRate() : 0.0;
    QTimer frames;
    frames.setTimerType(Qt::PreciseTimer);
    frames.setInterval(static_cast<int>(1000.0 / (rate >= 1.0 ? rate : 60.0)));
    long frame = 0;
    QObject::connect(&frames, &QTimer::timeout, [&] {
        first->show(QString::number(static_cast<double>(++frame) + 0.125, 'f', 4));
    });
    frames.start();
    return app.exec();
}
