// SPDX-License-Identifier: MIT
// The yardstick for the program's start-up: the least Qt Widgets program of the same make-up, a
// main window with a menu bar, four scroll bars, a group box with two radio buttons, five labels
// and a 632 × 434 image painted with QPainter and copied to the screen. With
// FALORYS_EXIT_AFTER_FIRST_PAINT=1 it reports its first complete paint and quits just as the
// program does (see app/main_window/first_paint_report.h).
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPaintEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>

#include <chrono>
#include <cstdio>

namespace {

class Canvas : public QWidget
{
public:
    explicit Canvas(QWidget *parent) : QWidget(parent)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
        setFixedSize(m_image.size());
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        const bool first = !m_painted;
        if (first) {
            m_painted = true;
            paintImage();
        }
        QPainter painter(this);
        painter.drawImage(event->rect(), m_image, event->rect());
        if (first && m_exitAfterFirstPaint && event->rect().contains(rect())) {
            painter.end();
            const auto now = std::chrono::steady_clock::now().time_since_epoch();
            std::fprintf(stderr, "first complete paint at %lld ns\n",
                         static_cast<long long>(std::chrono::nanoseconds(now).count()));
            QCoreApplication::exit(0);
        }
    }

private:
    void paintImage()
    {
        m_image.fill(palette().color(QPalette::Window));
        QPainter painter(&m_image);
        painter.fillRect(8, 105, 361, 40, QColor(122, 0, 255));
        painter.drawRect(8, 14, 360, 75);
        for (int x = 8; x <= 368; x += 30)
            painter.drawLine(x, 85, x, 105);
        painter.fillRect(8, 144, 361, 264, Qt::black);
        painter.drawText(194, 12, QStringLiteral("Natężenie"));
    }

    QImage m_image {632, 434, QImage::Format_RGB32};
    bool m_painted = false;
    const bool m_exitAfterFirstPaint =
        qEnvironmentVariableIntValue("FALORYS_EXIT_AFTER_FIRST_PAINT") == 1;
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QMainWindow window;
    auto *canvas = new Canvas(&window);
    window.setCentralWidget(canvas);
    for (int i = 0; i < 4; ++i) {
        auto *bar = new QScrollBar(Qt::Horizontal, canvas);
        bar->setGeometry(440, 181 + 45 * i, 168, 17);
        bar->setRange(1, 100);
    }
    const char *const labels[] = {"długość fali", "l =", "odległość szczelin d =",
                                  "odległość od ekranu L =", "szerokość szczelin a ="};
    for (int i = 0; i < 5; ++i) {
        auto *label = new QLabel(QString::fromUtf8(labels[i]), canvas);
        label->move(i == 1 ? 518 : 426, 202 + 45 * (i < 2 ? 0 : i - 1));
    }
    auto *options = new QGroupBox(QStringLiteral("Opcje"), canvas);
    options->setGeometry(448, 24, 137, 73);
    auto *first = new QRadioButton(QStringLiteral("a  regulowane"), options);
    first->setGeometry(8, 20, 120, 20);
    first->setChecked(true);
    (new QRadioButton(QStringLiteral("a <<"), options))->setGeometry(8, 44, 120, 20);

    // Made after the image, as the program makes its menu after its client area: the menu bar is
    // then painted after the image, in the program and here alike, and neither report counts it.
    window.menuBar()->setNativeMenuBar(false);
    window.menuBar()->addAction(QStringLiteral("Koniec"));
    QMenu *help = window.menuBar()->addMenu(QStringLiteral("Pomoc"));
    help->addAction(QStringLiteral("Opis programu"));
    help->addAction(QStringLiteral("O programie"));

    window.setWindowTitle(QStringLiteral("Start-up fixture"));
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.show();
    return app.exec();
}
