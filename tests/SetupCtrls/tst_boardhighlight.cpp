// SPDX-License-Identifier: MIT
#include <QTest>

#include <cmath>

#include "Probes.h"
#include "TBoardHighlight.h"
#include "TPopupForm.h"
#include "TRadioPanel.h"
#include "TestPage.h"

namespace {

const QRgb Grey = qRgb(100, 120, 140);

QImage Plain(int Width, int Height)
{
    QImage Image(Width, Height, QImage::Format_RGB32);
    Image.fill(Grey);
    return Image;
}

// One channel blended with weight K, rounded to the nearest, halves to even.
int Blend(int Pixel, int Ring, float K)
{
    return int(std::nearbyint(float(Pixel) * (1.0f - K) + float(Ring) * K));
}

QRgb Blended(QRgb Pixel, QColor Ring, float K)
{
    return qRgb(Blend(qRed(Pixel), Ring.red(), K), Blend(qGreen(Pixel), Ring.green(), K),
                Blend(qBlue(Pixel), Ring.blue(), K));
}

} // namespace

class TestBoardHighlight : public QObject {
    Q_OBJECT

private slots:
    void ringOnOddCircle();
    void emphasisedRingAtFullStrength();
    void ringOnTinyCircles_data();
    void ringOnTinyCircles();
    void typeSetsColourAndStrengths_data();
    void typeSetsColourAndStrengths();
    void makeIdentifier_data();
    void makeIdentifier();
    void titleGivesCaptionAndStem();
    void linkedCirclesShareOnePopup();
    void differentTypesDoNotLink();
    void panelHeldByAnotherTitleIsRefused();
    void looksFollowOpenAndActivation();
    void leavingToPhotographCloses();
    void leavingIntoPopupPinsUntilPopupIsLeft();
    void clickPinsPopup();
};

void TestBoardHighlight::ringOnOddCircle()
{
    QImage Image = Plain(21, 15);
    TBoardHighlight::DrawRing(Image, clYellow, 0.5f, false);
    // The centre lies inside 0.77 of the half-axes: weight 0.16 x strength.
    QCOMPARE(Image.pixel(10, 7), Blended(Grey, QColor(255, 255, 0), 0.16f * 0.5f));
    for (int X = 0; X < 21; ++X) {
        QCOMPARE(Image.pixel(X, 0), Grey);
        QCOMPARE(Image.pixel(X, 14), Grey);
    }
    for (int Y = 0; Y < 15; ++Y) {
        QCOMPARE(Image.pixel(0, Y), Grey);
        QCOMPARE(Image.pixel(20, Y), Grey);
    }
    // Every other pixel against the formula.
    for (int Y = 0; Y < 15; ++Y)
        for (int X = 0; X < 21; ++X) {
            const float U = float(X) * (2.0f / 20.0f) - 1.0f, V = float(Y) * (2.0f / 14.0f) - 1.0f;
            const float D = U * U + V * V;
            if (D >= 1.0f)
                QCOMPARE(Image.pixel(X, Y), Grey);
            else if (D >= 0.5929f) {
                const float K = (1.0f - 8.0f * std::fabs(std::sqrt(D) - 0.875f)) * 0.5f;
                QCOMPARE(Image.pixel(X, Y), Blended(Grey, QColor(255, 255, 0), K));
            }
        }
}

void TestBoardHighlight::emphasisedRingAtFullStrength()
{
    // 33 pixels across: u = x / 16 - 1, so x = 29, 30, 31 lie on r = 0.8125, 0.875, 0.9375.
    QImage Image = Plain(33, 33);
    TBoardHighlight::DrawRing(Image, clBlue, 1.0f, true);
    QCOMPARE(Image.pixel(30, 16), qRgb(255, 255, 255));
    QCOMPARE(Image.pixel(16, 2), qRgb(255, 255, 255));
    QCOMPARE(Image.pixel(29, 16), qRgb(0, 0, 255));
    QCOMPARE(Image.pixel(31, 16), qRgb(0, 0, 255));
    QCOMPARE(Image.pixel(16, 16), Blended(Grey, QColor(0, 0, 255), 0.16f));
}

void TestBoardHighlight::ringOnTinyCircles_data()
{
    QTest::addColumn<QSize>("size");
    QTest::newRow("1 x 1") << QSize(1, 1);
    QTest::newRow("1 x 20") << QSize(1, 20);
    QTest::newRow("20 x 1") << QSize(20, 1);
}

void TestBoardHighlight::ringOnTinyCircles()
{
    QFETCH(QSize, size);
    QImage Image = Plain(size.width(), size.height());
    TBoardHighlight::DrawRing(Image, clRed, 1.0f, true);
    QCOMPARE(Image, Plain(size.width(), size.height()));
}

void TestBoardHighlight::typeSetsColourAndStrengths_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("color");
    QTest::addColumn<float>("idle");
    QTest::addColumn<float>("lit");
    QTest::newRow("options") << int(TBoardHighlight::htOptions) << clBlue << 0.25f << 0.5f;
    QTest::newRow("settings") << int(TBoardHighlight::htSettings) << clYellow << 0.5f << 0.75f;
    QTest::newRow("calibration") << int(TBoardHighlight::htCalibration) << clRed << 0.5f << 0.75f;
}

void TestBoardHighlight::typeSetsColourAndStrengths()
{
    QFETCH(int, type);
    QFETCH(int, color);
    QFETCH(float, idle);
    QFETCH(float, lit);
    TBoardHighlight Circle;
    QCOMPARE(Circle.HighlightType(), TBoardHighlight::htSettings);
    QCOMPARE(Circle.size(), QSize(65, 65));
    QVERIFY(Circle.setProperty("HighlightType", type));
    QCOMPARE(Circle.RingColor(), color);
    QCOMPARE(Circle.IdleStrength(), idle);
    QCOMPARE(Circle.LitStrength(), lit);
    QCOMPARE(Circle.ActiveStrength(), 1.0f);
}

void TestBoardHighlight::makeIdentifier_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("base") << "&Base Address" << "BaseAddress";
    QTest::newRow("irq") << "&IRQ Level" << "IRQLevel";
    QTest::newRow("filter") << "Manual &Filter Selection" << "ManualFilterSelection";
    QTest::newRow("upgrade") << "&Upgrade Connector" << "UpgradeConnector";
    QTest::newRow("identifier") << "Plain_1" << "Plain_1";
    QTest::newRow("leading digits") << "12 Volt Supply" << "VoltSupply";
    QTest::newRow("leading symbols") << "&-_x y" << "_xy";
    QTest::newRow("no letters") << "123 &%" << "";
    QTest::newRow("empty") << "" << "";
    QTest::newRow("non-ASCII letters") << QString::fromUtf8("Über Größe") << QString::fromUtf8("berGre");
}

void TestBoardHighlight::makeIdentifier()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    QCOMPARE(TBoardHighlight::MakeIdentifier(text), expected);
}

void TestBoardHighlight::titleGivesCaptionAndStem()
{
    TBoardHighlight Circle;
    Circle.SetTitle(QStringLiteral("Manual &Filter Selection"));
    QCOMPARE(Circle.PopupCaption(), QStringLiteral("Manual Filter Selection"));
    QCOMPARE(Circle.NameStem(), QStringLiteral("ManualFilterSelection"));
}

void TestBoardHighlight::linkedCirclesShareOnePopup()
{
    TTestPage Page;
    Page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Page));
    Page.Linked1->MouseEnter(false);
    QVERIFY(Page.Linked0->Open());
    QVERIFY(Page.Linked1->Open());
    // The circle hovered first builds the popup; the other leaves it to that one.
    QVERIFY(Page.Linked1->Popup());
    QVERIFY(!Page.Linked0->Popup());
    QCOMPARE(Page.LinkedPanel->parentWidget(), Page.Linked1->Popup());
    int Popups = 0;
    for (QWidget* Form : QApplication::topLevelWidgets())
        Popups += qobject_cast<TPopupForm*>(Form) != nullptr;
    QCOMPARE(Popups, 1);

    Page.Linked1->Popup()->close();
    QVERIFY(!Page.Linked0->Open());
    QVERIFY(!Page.Linked1->Open());
    Page.Linked0->MouseEnter(false);
    QVERIFY(Page.Linked1->Popup()->isVisible());
    QVERIFY(!Page.Linked0->Popup());
}

void TestBoardHighlight::differentTypesDoNotLink()
{
    TTestPage Page;
    Page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Page));
    Page.Alpha->MouseEnter(false);
    QVERIFY(Page.Alpha->Open());
    QVERIFY(!Page.AlphaOption->Open());
}

void TestBoardHighlight::panelHeldByAnotherTitleIsRefused()
{
    TTestPage Page;
    Page.Beta->SetRadioPanel(Page.AlphaPanel);
    QCOMPARE(Page.Beta->RadioPanel(), Page.BetaPanel);
    Page.AlphaOption->SetRadioPanel(Page.AlphaPanel); // same title, other type
    QVERIFY(!Page.AlphaOption->RadioPanel());
    Page.Beta->SetRadioPanel(nullptr);
    QVERIFY(!Page.Beta->RadioPanel());
}

void TestBoardHighlight::looksFollowOpenAndActivation()
{
    TTestPage Page;
    Page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Page));
    QTRY_VERIFY(Page.Alpha->Prepared());
    const auto Shown = [&] { return Picture(Page.Alpha); };
    QCOMPARE(Shown(), Page.Alpha->IdleImage());
    QVERIFY(Page.Alpha->IdleImage() != Page.Alpha->LitImage());
    QVERIFY(Page.Alpha->LitImage() != Page.Alpha->ActiveImage());
    Page.Alpha->MouseEnter(false);
    QTRY_VERIFY(Page.Alpha->PopupActive());
    QCOMPARE(Shown(), Page.Alpha->ActiveImage());
    Page.Alpha->SetActiveLook(false, true);
    QCOMPARE(Shown(), Page.Alpha->LitImage());
}

void TestBoardHighlight::leavingToPhotographCloses()
{
    TTestPage Page;
    Page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Page));
    Page.Alpha->MouseEnter(false);
    TPopupForm* Popup = Page.Alpha->Popup();
    QVERIFY(Popup && Popup->isVisible());
    QCursor::setPos(Popup->OuterRect().bottomRight() + QPoint(40, 40));
    Page.Alpha->MouseLeave(false);
    QVERIFY(!Popup->isVisible());
    QVERIFY(!Page.Alpha->Open());
}

void TestBoardHighlight::leavingIntoPopupPinsUntilPopupIsLeft()
{
    TTestPage Page;
    Page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Page));
    Page.Alpha->MouseEnter(false);
    TPopupForm* Popup = Page.Alpha->Popup();
    QCursor::setPos(Popup->OuterRect().center());
    Page.Alpha->MouseLeave(false);
    QVERIFY(Popup->isVisible());
    QVERIFY(Popup->CloseOnLeave);
    QVERIFY(Page.Alpha->Pinned());

    // Moving about inside the popup keeps it; leaving its window closes it.
    QEvent Leave(QEvent::Leave);
    QApplication::sendEvent(Popup, &Leave);
    QVERIFY(Popup->isVisible());
    QCursor::setPos(Popup->OuterRect().topLeft() - QPoint(5, 5));
    QApplication::sendEvent(Popup, &Leave);
    QVERIFY(!Popup->isVisible());
    QVERIFY(!Popup->CloseOnLeave);
}

void TestBoardHighlight::clickPinsPopup()
{
    TTestPage Page;
    Page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Page));
    int Clicks = 0;
    Page.Beta->OnClick = [&](QObject* Sender) {
        QCOMPARE(Sender, Page.Beta);
        ++Clicks;
    };
    Page.Beta->MouseEnter(false);
    QTest::mouseClick(Page.Beta, Qt::LeftButton);
    QCOMPARE(Clicks, 1);
    QVERIFY(Page.Beta->Pinned());
    QCursor::setPos(Page.Beta->Popup()->OuterRect().bottomRight() + QPoint(40, 40));
    Page.Beta->MouseLeave(false);
    QVERIFY(Page.Beta->Popup()->isVisible());
}

QTEST_MAIN(TestBoardHighlight)
#include "tst_boardhighlight.moc"
