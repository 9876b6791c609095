// SPDX-License-Identifier: MIT
// What start-up and the first paint cost: decoding the photograph and preparing the looks
// of the card page's largest circle. Run: build/default/bench/bench_startup
#include <QFile>
#include <QTest>

#include "JpegImage.h"
#include "TBoardHighlight.h"

class BenchStartup : public QObject {
    Q_OBJECT

private slots:
    void decodePhotograph();
    void prepareLooksOfFilterCircle();
};

void BenchStartup::decodePhotograph()
{
    QFile Asset(QStringLiteral(BOARD_JPEG));
    QVERIFY(Asset.open(QIODevice::ReadOnly));
    const QByteArray Data = Asset.readAll();
    QImage Picture;
    QBENCHMARK {
        Picture = DecodeJpeg(Data);
    }
    QCOMPARE(Picture.size(), QSize(600, 639));
}

void BenchStartup::prepareLooksOfFilterCircle()
{
    QImage Under(280, 40, QImage::Format_RGB32);
    Under.fill(qRgb(20, 110, 50));
    QBENCHMARK {
        for (const bool Emphasised : {false, true, false}) {
            QImage Look = Under;
            TBoardHighlight::DrawRing(Look, clYellow, 0.75f, Emphasised);
        }
    }
}

QTEST_MAIN(BenchStartup)
#include "bench_startup.moc"
