// SPDX-License-Identifier: MIT
#include "TestPage.h"

#include <QLineEdit>
#include <QMenuBar>

#include "JpegWriter.h"
#include "TBoardHighlight.h"
#include "TBoardImage.h"
#include "TRadioPanel.h"

QImage TTestPage::Picture()
{
    QImage Picture(600, 639, QImage::Format_RGB32);
    for (int Y = 0; Y < Picture.height(); ++Y)
        for (int X = 0; X < Picture.width(); ++X)
            Picture.setPixel(X, Y, qRgb(30 + X * 200 / 600, 60 + Y * 150 / 639, 40 + (X * Y) % 97));
    return Picture;
}

TTestPage::TTestPage(bool WithMenu)
{
    Client = new QWidget(this);
    setCentralWidget(Client);
    if (WithMenu) {
        Menu = new QMenuBar(this);
        Menu->addMenu(QStringLiteral("&File"));
        Menu->addMenu(QStringLiteral("&Help"));
        setMenuBar(Menu);
    }
    Board = new TBoardImage(Client);
    Board->setObjectName(QStringLiteral("Board"));
    Board->SetAutoSize(false);
    Board->setGeometry(222, 42, 600, 639);
    Board->Picture()->LoadFromJpeg(EncodeProgressiveJpeg(Picture(), 95));
    Board->SetStretch(true);
    Board->SetMenu(Menu);

    AlphaPanel = MakePanel(QStringLiteral("AlphaPanel"), QRect(702, 24, 203, 153),
                           {QStringLiteral("First line."), QStringLiteral("Second line.")});
    new QLineEdit(AlphaPanel);
    BetaPanel = MakePanel(QStringLiteral("BetaPanel"), QRect(24, 72, 169, 73), {QStringLiteral("Beta")});
    LinkedPanel = MakePanel(QStringLiteral("LinkedPanel"), QRect(26, 299, 215, 209), {});

    using H = TBoardHighlight;
    Alpha = MakeCircle(QStringLiteral("Alpha"), QRect(176, 57, 47, 149), QStringLiteral("&Alpha"),
                       H::htSettings, AlphaPanel);
    Beta = MakeCircle(QStringLiteral("Beta"), QRect(85, 60, 42, 188), QStringLiteral("&Beta"),
                      H::htSettings, BetaPanel);
    Linked0 = MakeCircle(QStringLiteral("Linked0"), QRect(136, 202, 48, 19), QStringLiteral("&Linked"),
                         H::htSettings, LinkedPanel);
    Linked1 = MakeCircle(QStringLiteral("Linked1"), QRect(127, 127, 48, 19), QStringLiteral("&Linked"),
                         H::htSettings, LinkedPanel);
    Info = MakeCircle(QStringLiteral("Info"), QRect(300, 400, 41, 41), QStringLiteral("&Info"),
                      H::htOptions, nullptr);
    AlphaOption = MakeCircle(QStringLiteral("AlphaOption"), QRect(400, 400, 41, 41),
                             QStringLiteral("&Alpha"), H::htOptions, nullptr);
    Calib = MakeCircle(QStringLiteral("Calib"), QRect(450, 100, 51, 51), QStringLiteral("&Calibrate"),
                       H::htCalibration, nullptr);
    Untitled = MakeCircle(QStringLiteral("Untitled"), QRect(500, 500, 31, 31), QString(),
                          H::htOptions, nullptr);
    Board->SetFirst(Alpha);
    setWindowTitle(QStringLiteral("Test page"));
    resize(760, 720);
}

TRadioPanel* TTestPage::MakePanel(const QString& Name, QRect Bounds, const QStringList& Lines)
{
    auto* Panel = new TRadioPanel(Client);
    Panel->setObjectName(Name);
    Panel->setGeometry(Bounds);
    Panel->SetLines(Lines);
    return Panel;
}

TBoardHighlight* TTestPage::MakeCircle(const QString& Name, QRect Bounds, const QString& Title,
                                       int Type, TRadioPanel* Panel)
{
    auto* Circle = new TBoardHighlight(Board);
    Circle->setObjectName(Name);
    Circle->setGeometry(Bounds);
    Circle->SetHighlightType(TBoardHighlight::THighlightType(Type));
    Circle->SetTitle(Title);
    Circle->SetRadioPanel(Panel);
    return Circle;
}
