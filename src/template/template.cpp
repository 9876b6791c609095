// SPDX-License-Identifier: MIT
#include "template.h"

#include <QFile>

TMainForm::TMainForm(QWidget* Parent) : QMainWindow(Parent)
{
    setupUi(this);

    // The description was laid out in pixels at 96 dpi; its font is given in pixels too.
    QFont FormFont(QStringLiteral("MS Sans Serif"));
    FormFont.setPixelSize(11);
    setFont(FormFont);
    QPalette ClientPalette = ClientArea->palette();
    ClientPalette.setColor(QPalette::Window, Qt::white);
    ClientArea->setPalette(ClientPalette);

    QFile Photograph(QStringLiteral(":/board.jpg"));
    if (Photograph.open(QIODevice::ReadOnly))
        BoardImage1->Picture()->LoadFromJpeg(Photograph.readAll());
    BoardImage1->SetMenu(MainMenu1);

    connect(Exit2, &QAction::triggered, this, [this] { Exit2Click(Exit2); });
}

void TMainForm::Exit2Click(QObject*)
{
    close();
}
