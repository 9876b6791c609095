// SPDX-License-Identifier: MIT
#include <QProcess>
#include <QRegularExpression>
#include <QTest>

#include <utility>

#include "Desktop.h"
#include "JpegImage.h"

namespace {

// A drawn jumper as it shows on the screen: '1' for the maroon shunt, '0' for the grey
// header, '?' for anything else. Point lies on the body, between the pins.
QChar JumperState(const QImage& Screen, QPoint Point)
{
    const QRgb Colour = Screen.pixel(Point);
    if (Colour == qRgb(128, 0, 0))
        return u'1';
    if (Colour == qRgb(128, 128, 128))
        return u'0';
    return u'?';
}

} // namespace

// The card page with the real pointer and keyboard: every option group follows its
// controls, read back from the screen.
class TestCardPage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void baseAddressByKeyboardAndJumper();
    void irqLevelByJumper();
    void filterByCheckBox();
    void upgradeWarningAndBackToTheStart();

private:
    QString Popup(const char* Caption);
    QString OpenByMenu(const char* Caption, const char* Key);
    void ClickAt(QPoint Point);
    void Next();
    QString JumperPattern(const QList<QPoint>& Points) const;
    QString AddressPattern() const;
    bool EditIsEmpty() const;

    TDesktop FDesktop;
    QPoint FBoard;
    QString FPopup;
    QRect FClient;
};

void TestCardPage::initTestCase()
{
    QVERIFY(FDesktop.StartSettings());
    // The help window opens by itself shortly after start-up, once; closed, it stays so.
    const QString Help = TDesktop::WaitForWindow(QStringLiteral("^Instructions for Settings utility$"));
    QVERIFY(!Help.isEmpty());
    TDesktop::Activate(Help);
    TDesktop::Keys(QStringLiteral("alt+F4"));
    QTRY_VERIFY_WITH_TIMEOUT(!TDesktop::WindowShown(QStringLiteral("^Instructions for Settings utility$")), Patience);
    QVERIFY(!TDesktop::WindowShown(QStringLiteral("^Base Address$")));

    QFile Asset(QStringLiteral(BOARD_JPEG));
    QVERIFY(Asset.open(QIODevice::ReadOnly));
    FBoard = TDesktop::Locate(DecodeJpeg(Asset.readAll()), QPoint(280, 400));
    QVERIFY(FBoard.x() >= 0);
}

// Every test starts with no popup open: each is closed through its checked menu entry.
void TestCardPage::cleanup()
{
    for (const auto& [Caption, Key] : {std::pair{"Base Address", "b"}, {"IRQ Level", "i"},
                                       {"Manual Filter Selection", "f"}, {"Upgrade Connector", "u"}}) {
        const QString Pattern = QStringLiteral("^%1$").arg(QLatin1String(Caption));
        if (!TDesktop::WindowShown(Pattern))
            continue;
        TDesktop::ChooseMenu(FDesktop.MainWindow(), QStringLiteral("alt+s"), QLatin1String(Key));
        QTRY_VERIFY_WITH_TIMEOUT(!TDesktop::WindowShown(Pattern), Patience);
    }
}

QString TestCardPage::OpenByMenu(const char* Caption, const char* Key)
{
    TDesktop::ChooseMenu(FDesktop.MainWindow(), QStringLiteral("alt+s"), QLatin1String(Key));
    return Popup(Caption);
}

QString TestCardPage::Popup(const char* Caption)
{
    FPopup = TDesktop::WaitForWindow(QStringLiteral("^%1$").arg(QLatin1String(Caption)));
    FClient = FPopup.isEmpty() ? QRect() : TDesktop::ClientArea(FPopup);
    return FPopup;
}

// Point in the popup's client area.
void TestCardPage::ClickAt(QPoint Point)
{
    TDesktop::MovePointer(FClient.topLeft() + Point);
    TDesktop::Click();
}

void TestCardPage::Next()
{
    ClickAt({(FClient.width() - 58) / 2 + 29, FClient.height() - 44 + 12});
}

// The jumpers at these points of the popup's client area, as the screen shows them now.
QString TestCardPage::JumperPattern(const QList<QPoint>& Points) const
{
    const QImage Screen = TDesktop::Grab();
    QString Pattern;
    for (QPoint Point : Points)
        Pattern += JumperState(Screen, FClient.topLeft() + Point);
    return Pattern;
}

// Address bits 3 to 9 as drawn, jumpers at Left 96, Top 16 × bit − 16.
QString TestCardPage::AddressPattern() const
{
    QList<QPoint> Points;
    for (int Bit = 3; Bit <= 9; ++Bit)
        Points << QPoint(96 + 17, 16 * Bit - 16 + 9);
    return JumperPattern(Points);
}

// No text left in the base address edit (41 x 21 at Left 24, Top 60): no dark pixel inside
// its border, right of where the blinking caret of an empty edit stands.
bool TestCardPage::EditIsEmpty() const
{
    const QImage Edit = TDesktop::Grab().copy(FClient.x() + 24 + 6, FClient.y() + 60 + 3, 32, 15);
    for (int Y = 0; Y < Edit.height(); ++Y)
        for (int X = 0; X < Edit.width(); ++X)
            if (qGray(Edit.pixel(X, Y)) < 100)
                return false;
    return true;
}

void TestCardPage::baseAddressByKeyboardAndJumper()
{
    TDesktop::MovePointer(FBoard + QPoint(176 + 23, 57 + 74));
    QVERIFY(!Popup("Base Address").isEmpty());
    TDesktop::Click();
    QTRY_COMPARE_WITH_TIMEOUT(AddressPattern(), QString("1111100"), Patience);

    // Overtype the "3" of "300": only the bit 9 jumper stays open.
    ClickAt({24 + 8, 60 + 10});
    TDesktop::Keys(QStringLiteral("Home"));
    TDesktop::Keys(QStringLiteral("shift+Right"));
    TDesktop::Type(QStringLiteral("2"));
    QTRY_COMPARE_WITH_TIMEOUT(AddressPattern(), QString("1111110"), Patience);
    // "g" is discarded and "c" read as C: 200C masks to 8. Emptying the edit keeps the
    // jumpers; "2" alone masks to 0.
    TDesktop::Keys(QStringLiteral("End"));
    TDesktop::Type(QStringLiteral("gc"));
    QTRY_COMPARE_WITH_TIMEOUT(AddressPattern(), QString("0111111"), Patience);
    TDesktop::Keys(QStringLiteral("BackSpace"));
    QTRY_VERIFY_WITH_TIMEOUT(EditIsEmpty(), Patience);
    QCOMPARE(AddressPattern(), QString("0111111"));
    TDesktop::Type(QStringLiteral("2"));
    QTRY_COMPARE_WITH_TIMEOUT(AddressPattern(), QString("1111111"), Patience);

    // Opening the bit 9 and bit 5 jumpers gives 220; Delete at the front leaves 20, and a
    // 3 typed there makes 320.
    ClickAt({96 + 17, 128 + 9});
    ClickAt({96 + 17, 64 + 9});
    QTRY_COMPARE_WITH_TIMEOUT(AddressPattern(), QString("1101110"), Patience);
    TDesktop::Keys(QStringLiteral("Home"));
    TDesktop::Keys(QStringLiteral("Delete"));
    QTRY_COMPARE_WITH_TIMEOUT(AddressPattern(), QString("1101111"), Patience);
    TDesktop::Type(QStringLiteral("3"));
    QTRY_COMPARE_WITH_TIMEOUT(AddressPattern(), QString("1101100"), Patience);
}

void TestCardPage::irqLevelByJumper()
{
    QVERIFY(!OpenByMenu("IRQ Level", "i").isEmpty());
    QList<QPoint> Points;
    for (int Top : {6, 24, 42, 60, 78, 96, 114, 132, 150, 168, 186})
        Points << QPoint(24 + 17, Top + 9);
    auto Pattern = [this, &Points] { return JumperPattern(Points); };
    QTRY_COMPARE_WITH_TIMEOUT(Pattern(), QString("00000000000"), Patience);
    // The jumper beside the label "9" is the sixth from the top.
    ClickAt({24 + 17, 96 + 9});
    QTRY_COMPARE_WITH_TIMEOUT(Pattern(), QString("00000100000"), Patience);
    ClickAt({24 + 17, 6 + 9});
    QTRY_COMPARE_WITH_TIMEOUT(Pattern(), QString("10000000000"), Patience);
}

void TestCardPage::filterByCheckBox()
{
    QVERIFY(!OpenByMenu("Manual Filter Selection", "f").isEmpty());
    QList<QPoint> Points;
    for (int Left : {480, 462, 444, 426, 408, 390, 372, 354, 298, 280, 262, 244, 226, 208, 190, 172})
        Points << QPoint(Left + 9, 56 + 16);
    auto Pattern = [this, &Points] { return JumperPattern(Points); };
    QTRY_COMPARE_WITH_TIMEOUT(Pattern(), QString("0000000000000000"), Patience);
    // "Filter 8" heads the second column.
    ClickAt({80 + 6, 16 + 8});
    QTRY_COMPARE_WITH_TIMEOUT(Pattern(), QString("0000000010000000"), Patience);
    // The Tab key goes from "Filter 9" to "Filter 11", whose jumper closes.
    for (const char* Key : {"Tab", "Tab", "space"})
        TDesktop::Keys(QLatin1String(Key));
    QTRY_COMPARE_WITH_TIMEOUT(Pattern(), QString("0000000010010000"), Patience);
    ClickAt({172 + 9, 56 + 16});
    QTRY_COMPARE_WITH_TIMEOUT(Pattern(), QString("0000000010010001"), Patience);
}

void TestCardPage::upgradeWarningAndBackToTheStart()
{
    QVERIFY(!OpenByMenu("Upgrade Connector", "u").isEmpty());
    auto RedPixels = [this] {
        const QImage Warning = TDesktop::Grab().copy(FClient.x() + 56, FClient.y() + 24, 72, 20);
        int Count = 0;
        for (int Y = 0; Y < Warning.height(); ++Y)
            for (int X = 0; X < Warning.width(); ++X)
                Count += Warning.pixel(X, Y) == qRgb(255, 0, 0);
        return Count;
    };
    QTRY_VERIFY_WITH_TIMEOUT(RedPixels() > 40, Patience);

    // The last circle leads back to the first.
    Next();
    QTRY_VERIFY_WITH_TIMEOUT(!TDesktop::WindowShown(QStringLiteral("^Upgrade Connector$")), Patience);
    QVERIFY(!Popup("Base Address").isEmpty());
}

QTEST_MAIN(TestCardPage)
#include "tst_cardpage.moc"
