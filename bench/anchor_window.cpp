// SPDX-License-Identifier: MIT
// The start-up anchor: a bare Qt Widgets main window, maximised, with a File and a Help
// menu and one painted child, as little as a program of this kind can be.
#include <QApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QPainter>

namespace {

class TPaintedChild : public QWidget {
protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter Painter(this);
        Painter.fillRect(rect(), QColor(40, 110, 60));
        Painter.fillRect(rect().adjusted(40, 40, -40, -40), QColor(200, 180, 60));
    }
};

} // namespace

int main(int Argc, char** Argv)
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication Application(Argc, Argv);
    QMainWindow Window;
    Window.setWindowTitle(QStringLiteral("Anchor window"));
    Window.menuBar()->addMenu(QStringLiteral("&File"))->addAction(QStringLiteral("&Exit"), &Window,
                                                                  &QWidget::close);
    Window.menuBar()->addMenu(QStringLiteral("&Help"))->addAction(QStringLiteral("&About"));
    Window.setCentralWidget(new TPaintedChild);
    Window.showMaximized();
    return Application.exec();
}
