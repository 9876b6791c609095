// SPDX-License-Identifier: MIT
// The hover anchor: a maximised window with one spot; the pointer entering the spot shows
// a plain stay-on-top tool window, built at the first entry, and leaving it hides it.
#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

class TSpot : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter(this).fillRect(rect(), FOpen ? QColor(255, 255, 120) : QColor(200, 200, 60));
    }
    void enterEvent(QEnterEvent*) override
    {
        if (!FTool) {
            FTool = new QWidget(this, Qt::Tool | Qt::WindowStaysOnTopHint);
            FTool->setWindowTitle(QStringLiteral("Anchor tool"));
            auto* Layout = new QVBoxLayout(FTool);
            Layout->addWidget(new QLabel(QStringLiteral("A plain tool window"), FTool));
            Layout->addWidget(new QPushButton(QStringLiteral("Done"), FTool));
            FTool->resize(194, 200);
            FTool->move(mapToGlobal(QPoint(width() + 40, 0)));
        }
        FOpen = true;
        update();
        FTool->show();
        FTool->raise();
    }
    void leaveEvent(QEvent*) override
    {
        FOpen = false;
        update();
        if (FTool)
            FTool->hide();
    }

private:
    QWidget* FTool = nullptr;
    bool FOpen = false;
};

} // namespace

int main(int Argc, char** Argv)
{
    qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
    QApplication Application(Argc, Argv);
    QMainWindow Window;
    Window.setWindowTitle(QStringLiteral("Anchor hover"));
    auto* Client = new QWidget;
    Client->setAutoFillBackground(true);
    Window.setCentralWidget(Client);
    // Where the bench points: the spot's top-left corner in the client area.
    auto* Spot = new TSpot(Client);
    Spot->setGeometry(300, 200, 47, 149);
    Window.showMaximized();
    return Application.exec();
}
