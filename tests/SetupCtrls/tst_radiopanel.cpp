// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "Probes.h"
#include "TRadioPanel.h"
#include "TTwoJumper.h"

using TStates = QList<bool>;

namespace {

class TDerivedJumper : public TTwoJumper {
public:
    using TTwoJumper::TTwoJumper;
};

class TDerivedPanel : public TRadioPanel {
public:
    using TRadioPanel::TRadioPanel;
};

// A shown panel with three jumpers in a row and, beside them, a closed jumper of a
// derived class, which the radio behaviour leaves alone.
struct TRadioFixture {
    TRadioPanel Panel;
    QList<TTwoJumper*> Jumpers;
    TDerivedJumper* Derived = new TDerivedJumper(&Panel);
    QStringList Events;

    TRadioFixture()
    {
        for (int I = 0; I < 3; ++I) {
            Jumpers << new TTwoJumper(&Panel);
            Jumpers[I]->move(40 * I, 0);
            Jumpers[I]->OnClick = [this](QObject* Sender) { Record("click", Sender); };
        }
        Derived->move(0, 40);
        Derived->SetClosed(true);
        Panel.OnRadioChange = [this](QObject* Sender) { Record("change", Sender); };
        Panel.show();
    }

    void Record(const QString& Event, QObject* Sender)
    {
        Events << QString("%1 %2 %3").arg(Event).arg(Jumpers.indexOf(qobject_cast<TTwoJumper*>(Sender))).arg(States(Jumpers));
    }
};

// A window with a line edit outside the panel and two inside it, next to a jumper.
struct TFocusFixture {
    QWidget Window;
    QLineEdit* Outside = new QLineEdit(&Window);
    TRadioPanel* Panel = new TRadioPanel(&Window);
    QLineEdit* First = new QLineEdit(Panel);
    QLineEdit* Second = new QLineEdit(Panel);
    TTwoJumper* Jumper = new TTwoJumper(Panel);
    int Entries = 0;

    TFocusFixture()
    {
        Window.resize(300, 200);
        Panel->move(0, 40);
        Second->move(0, 30);
        Jumper->move(0, 60);
        Panel->show();
        Panel->OnEnter = [this](QObject* Sender) {
            QCOMPARE(Sender, Panel);
            ++Entries;
        };
    }

    bool ShowWithFocusOutside()
    {
        Window.show();
        Window.activateWindow();
        if (!QTest::qWaitForWindowActive(&Window))
            return false;
        Outside->setFocus();
        return QApplication::focusWidget() == Outside && Entries == 0;
    }
};

} // namespace

class TestRadioPanel : public QObject {
    Q_OBJECT

private slots:
    void startsWithItsInitialValues();
    void propertiesSetByName();
    void linesAreCopied();
    void finalAnchorsApplyOnlyInPopup();
    void paintsColourAndBevels_data();
    void paintsColourAndBevels();
    void radioJumpers_data();
    void radioJumpers();
    void onlyExactClassesCount();
    void panelWithoutJumpersFiresNothing();
    void enterFromOutside();
    void enterOnlyFromOutsideThePanel();
    void reactivationIsNoEntry();
    void newPopupFocusEntersOnce();
};

// BevelOuter is declared raised, but a panel that is not told otherwise has no bevel.
void TestRadioPanel::startsWithItsInitialValues()
{
    QWidget Owner;
    TRadioPanel* Panel = new TRadioPanel(&Owner);
    Owner.show();
    QCOMPARE(Panel->size(), QSize(194, 100));
    QVERIFY(!Panel->isVisible());
    QCOMPARE(Panel->BevelOuter(), TRadioPanel::bvNone);
    QCOMPARE(Panel->BevelInner(), TRadioPanel::bvNone);
    QCOMPARE(Panel->BevelWidth(), 1);
    QCOMPARE(Panel->BorderWidth(), 0);
    QCOMPARE(Panel->Color(), clBtnFace);
    QCOMPARE(Panel->MemoHeight(), 58);
    QCOMPARE(Panel->RadioEnabled(), false);
    QCOMPARE(Panel->FinalAnchors(), akLeft | akTop);
    QCOMPARE(Anchors(Panel), akLeft | akTop);
    QCOMPARE(Panel->InPopup(), false);
    QVERIFY(Panel->Lines().isEmpty());
    QCOMPARE(Panel->Tag(), 0);
}

void TestRadioPanel::propertiesSetByName()
{
    TRadioPanel Panel;
    QVERIFY(Panel.setProperty("BevelOuter", "bvRaised"));
    QVERIFY(Panel.setProperty("BevelInner", "bvLowered"));
    QVERIFY(Panel.setProperty("BevelWidth", 2));
    QVERIFY(Panel.setProperty("BorderWidth", 3));
    QVERIFY(Panel.setProperty("Color", clWhite));
    QVERIFY(Panel.setProperty("MemoHeight", 40));
    QVERIFY(Panel.setProperty("RadioEnabled", true));
    QVERIFY(Panel.setProperty("Lines", QStringList{"one", "two"}));
    QVERIFY(Panel.setProperty("Tag", 4));
    QCOMPARE(Panel.BevelOuter(), TRadioPanel::bvRaised);
    QCOMPARE(Panel.BevelInner(), TRadioPanel::bvLowered);
    QCOMPARE(Panel.BevelWidth(), 2);
    QCOMPARE(Panel.BorderWidth(), 3);
    QCOMPARE(Panel.Color(), clWhite);
    QCOMPARE(Panel.MemoHeight(), 40);
    QCOMPARE(Panel.RadioEnabled(), true);
    QCOMPARE(Panel.Lines(), (QStringList{"one", "two"}));
    QCOMPARE(Panel.property("Tag").toInt(), 4);

    // Values the panel cannot draw are ignored.
    Panel.setProperty("BevelOuter", 7);
    Panel.setProperty("BevelWidth", 0);
    Panel.setProperty("BorderWidth", -1);
    QCOMPARE(Panel.BevelOuter(), TRadioPanel::bvRaised);
    QCOMPARE(Panel.BevelWidth(), 2);
    QCOMPARE(Panel.BorderWidth(), 3);
}

void TestRadioPanel::linesAreCopied()
{
    TRadioPanel Panel;
    QStringList Given{"first"};
    Panel.SetLines(Given);
    Given << "second";
    Given[0] = "changed";
    QCOMPARE(Panel.Lines(), QStringList{"first"});
}

void TestRadioPanel::finalAnchorsApplyOnlyInPopup()
{
    QWidget MainWindow;
    QWidget Popup;
    TRadioPanel* Panel = new TRadioPanel(&MainWindow);
    Panel->SetFinalAnchors(akLeft | akTop | akRight | akBottom);
    QCOMPARE(Anchors(Panel), akLeft | akTop);
    QCOMPARE(Panel->FinalAnchors(), akLeft | akTop | akRight | akBottom);

    // What the popup construction does with the panel.
    Panel->setParent(&Popup);
    SetAnchors(Panel, Panel->FinalAnchors());
    Panel->SetInPopup();
    Panel->SetFinalAnchors(akRight | akBottom);
    QCOMPARE(Anchors(Panel), akRight | akBottom);
    QCOMPARE(Panel->FinalAnchors(), akRight | akBottom);
}

void TestRadioPanel::paintsColourAndBevels_data()
{
    QTest::addColumn<int>("Outer");
    QTest::addColumn<int>("Inner");
    QTest::addColumn<int>("BevelWidth");
    QTest::addColumn<int>("BorderWidth");
    // Expected colour roles from the top-left corner inwards, and at the bottom-right corner.
    QTest::addColumn<QList<int>>("Diagonal");
    QTest::addColumn<int>("BottomRight");
    const int Face = -1, Light = QPalette::Light, Dark = QPalette::Dark;
    QTest::newRow("no bevel") << int(TRadioPanel::bvNone) << int(TRadioPanel::bvNone) << 1 << 0
                              << QList<int>{Face, Face} << Face;
    QTest::newRow("raised") << int(TRadioPanel::bvRaised) << int(TRadioPanel::bvNone) << 1 << 0
                            << QList<int>{Light, Face} << Dark;
    QTest::newRow("lowered, two wide") << int(TRadioPanel::bvLowered) << int(TRadioPanel::bvNone) << 2 << 0
                                       << QList<int>{Dark, Dark, Face} << Light;
    QTest::newRow("raised, border, lowered")
        << int(TRadioPanel::bvRaised) << int(TRadioPanel::bvLowered) << 1 << 2
        << QList<int>{Light, Face, Face, Dark, Face} << Dark;
    QTest::newRow("border wider than the panel")
        << int(TRadioPanel::bvNone) << int(TRadioPanel::bvRaised) << 1 << 100000
        << QList<int>{Face, Face} << Face;
}

void TestRadioPanel::paintsColourAndBevels()
{
    QFETCH(int, Outer);
    QFETCH(int, Inner);
    QFETCH(int, BevelWidth);
    QFETCH(int, BorderWidth);
    QFETCH(QList<int>, Diagonal);
    QFETCH(int, BottomRight);
    TRadioPanel Panel;
    Panel.setObjectName("BasePanel");
    Panel.SetColor(clBlue);
    Panel.SetBevelOuter(TRadioPanel::TBevelCut(Outer));
    Panel.SetBevelInner(TRadioPanel::TBevelCut(Inner));
    Panel.SetBevelWidth(BevelWidth);
    Panel.SetBorderWidth(BorderWidth);
    const QImage Image = Picture(&Panel);
    auto Expected = [&Panel](int Role) {
        return Role < 0 ? qRgb(0, 0, 255) : Panel.palette().color(QPalette::ColorRole(Role)).rgb();
    };

    for (int I = 0; I < Diagonal.size(); ++I)
        QCOMPARE(Image.pixel(I, I), Expected(Diagonal[I]));
    QCOMPARE(Image.pixel(193, 99), Expected(BottomRight));
    // No caption: the middle of the panel is plain background.
    const QRect Middle(40, 30, 114, 40);
    for (int Y = Middle.top(); Y <= Middle.bottom(); ++Y)
        for (int X = Middle.left(); X <= Middle.right(); ++X)
            QCOMPARE(Image.pixel(X, Y), qRgb(0, 0, 255));
}

void TestRadioPanel::radioJumpers_data()
{
    QTest::addColumn<bool>("RadioEnabled");
    QTest::addColumn<TStates>("Before");
    QTest::addColumn<int>("Clicked");
    QTest::addColumn<QStringList>("Events");
    // Each event with the jumper it names and the states it sees.
    QTest::newRow("all open") << true << TStates{false, false, false} << 1
                              << QStringList{"click 1 010"};
    QTest::newRow("another closed") << true << TStates{true, false, false} << 1
                                    << QStringList{"change 1 010", "click 1 010"};
    QTest::newRow("the closed one") << true << TStates{false, true, false} << 1
                                    << QStringList{"change 1 010", "click 1 010"};
    QTest::newRow("all closed") << true << TStates{true, true, true} << 1
                                << QStringList{"change 1 010", "click 1 010"};
    QTest::newRow("first and last closed") << true << TStates{true, false, true} << 2
                                           << QStringList{"change 2 001", "click 2 001"};
    QTest::newRow("radio off") << false << TStates{true, false, true} << 1
                               << QStringList{"click 1 111"};
}

void TestRadioPanel::radioJumpers()
{
    QFETCH(bool, RadioEnabled);
    QFETCH(TStates, Before);
    QFETCH(int, Clicked);
    QFETCH(QStringList, Events);
    TRadioFixture Fixture;
    Fixture.Panel.SetRadioEnabled(RadioEnabled);
    for (int I = 0; I < 3; ++I)
        Fixture.Jumpers[I]->SetClosed(Before[I]);

    QTest::mouseClick(Fixture.Jumpers[Clicked], Qt::LeftButton);
    QCOMPARE(Fixture.Events, Events);
    QVERIFY(Fixture.Derived->Closed());
}

// A jumper on a panel of a derived class toggles alone, and the panel's own SelectJumper
// passes over jumpers of derived classes.
void TestRadioPanel::onlyExactClassesCount()
{
    TDerivedPanel Derived;
    Derived.SetRadioEnabled(true);
    TTwoJumper* Clicked = new TTwoJumper(&Derived);
    TTwoJumper* Other = new TTwoJumper(&Derived);
    Other->move(0, 30);
    Other->SetClosed(true);
    Derived.show();
    QTest::mouseClick(Clicked, Qt::LeftButton);
    QVERIFY(Clicked->Closed());
    QVERIFY(Other->Closed());

    TRadioFixture Fixture;
    Fixture.Panel.SelectJumper(Fixture.Jumpers[0]);
    QCOMPARE(States(Fixture.Jumpers), QString("100"));
    QVERIFY(Fixture.Derived->Closed());
}

void TestRadioPanel::panelWithoutJumpersFiresNothing()
{
    TRadioPanel Panel;
    new QLineEdit(&Panel);
    TTwoJumper Stray;
    bool Fired = false;
    Panel.OnRadioChange = [&Fired](QObject*) { Fired = true; };
    Panel.SelectJumper(&Stray);
    Panel.SelectJumper(nullptr);
    QVERIFY(!Fired);
}

// Focus given by code, by the Tab key and by a click, each from a control outside the panel.
void TestRadioPanel::enterFromOutside()
{
    TFocusFixture Fixture;
    QVERIFY(Fixture.ShowWithFocusOutside());

    Fixture.Panel->setFocus();
    QCOMPARE(Fixture.Entries, 1);
    QVERIFY(Fixture.Panel->hasFocus());

    Fixture.Outside->setFocus();
    QTest::keyClick(Fixture.Outside, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), Fixture.First);
    QCOMPARE(Fixture.Entries, 2);

    Fixture.Outside->setFocus();
    QTest::mouseClick(Fixture.Second, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), Fixture.Second);
    QCOMPARE(Fixture.Entries, 3);
}

void TestRadioPanel::enterOnlyFromOutsideThePanel()
{
    TFocusFixture Fixture;
    QVERIFY(Fixture.ShowWithFocusOutside());

    // A click on a jumper moves no focus.
    QTest::mouseClick(Fixture.Jumper, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), Fixture.Outside);
    QCOMPARE(Fixture.Entries, 0);

    Fixture.First->setFocus();
    Fixture.Panel->setFocus();
    QTest::keyClick(Fixture.Panel, Qt::Key_Tab);
    QTest::mouseClick(Fixture.Second, Qt::LeftButton);
    QTest::mouseClick(Fixture.First, Qt::LeftButton);
    QCOMPARE(Fixture.Entries, 1);
}

void TestRadioPanel::reactivationIsNoEntry()
{
    TFocusFixture Fixture;
    QVERIFY(Fixture.ShowWithFocusOutside());
    Fixture.Second->setFocus();
    QCOMPARE(Fixture.Entries, 1);

    QWidget Other;
    Other.show();
    Other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Other));
    QCOMPARE(QApplication::focusWidget(), nullptr);
    Fixture.Window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Fixture.Window));
    QCOMPARE(QApplication::focusWidget(), Fixture.Second);
    QCOMPARE(Fixture.Entries, 1);

    // Back in the window, leaving the panel and coming back is an entry again.
    Fixture.Outside->setFocus();
    Fixture.First->setFocus();
    QCOMPARE(Fixture.Entries, 2);
}

// The popup takes the panel over, is shown and gives the panel the focus at once, before
// the window system may have activated it. Showing the popup again is no further entry.
void TestRadioPanel::newPopupFocusEntersOnce()
{
    TFocusFixture Fixture;
    QVERIFY(Fixture.ShowWithFocusOutside());
    QWidget Popup(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint);
    Popup.resize(200, 200);

    Fixture.Panel->setParent(&Popup);
    Fixture.Panel->move(0, 0);
    Fixture.Panel->show();
    Popup.show();
    Fixture.Panel->setFocus();
    Popup.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Popup));
    QTRY_COMPARE(Fixture.Entries, 1);
    QCOMPARE(QApplication::focusWidget(), Fixture.Panel);

    Popup.hide();
    Fixture.Window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Fixture.Window));
    Popup.show();
    Popup.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Popup));
    QCOMPARE(QApplication::focusWidget(), Fixture.Panel);
    QCOMPARE(Fixture.Entries, 1);
}

QTEST_MAIN(TestRadioPanel)
#include "tst_radiopanel.moc"
