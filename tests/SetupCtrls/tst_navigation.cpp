// SPDX-License-Identifier: MIT
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>

#include "Messages.h"
#include "TBoardHighlight.h"
#include "TBoardImage.h"
#include "TPopupForm.h"
#include "TestPage.h"

namespace {

QStringList Captions(const QList<QAction*>& Actions)
{
    QStringList Texts;
    for (const QAction* Action : Actions)
        Texts << Action->text();
    return Texts;
}

QMenu* Group(const QMenuBar* Menu, const QString& Caption)
{
    for (QAction* Item : Menu->actions())
        if (Item->text() == Caption)
            return Item->menu();
    return nullptr;
}

QAction* Entry(const QMenuBar* Menu, const QString& GroupCaption, const QString& Title)
{
    for (QAction* Item : Group(Menu, GroupCaption)->actions())
        if (Item->text() == Title)
            return Item;
    return nullptr;
}

} // namespace

class TestNavigation : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void groupsStandBeforeHelp();
    void entriesInPaintOrderWithFreeNames();
    void checkMarksFollowPinnedPopups();
    void checkedEntryClosesPopup();
    void sharedEntryOpensThePairsPopup();
    void nextAndPreviousWrapAround();
    void singleEntryGroupReopens();
    void untitledCircleHasNoEntry();
    void startMessageOpensFirstPinned();
    void boardWithoutMenu();
    void existingGroupIsUsed();
    void deletedComponentsAreMissing();

private:
    void ShowPage(TTestPage* Shown);
    TTestPage* Page = nullptr;
};

void TestNavigation::ShowPage(TTestPage* Shown)
{
    Page = Shown;
    Page->show();
    QVERIFY(QTest::qWaitForWindowExposed(Page));
    QTRY_VERIFY(Page->Untitled->Prepared());
}

void TestNavigation::init()
{
    ShowPage(new TTestPage);
}

void TestNavigation::cleanup()
{
    delete Page;
    Page = nullptr;
}

void TestNavigation::groupsStandBeforeHelp()
{
    QCOMPARE(Captions(Page->Menu->actions()),
             QStringList({"&File", "&Settings", "&Calibration", "&Options", "&Help"}));
    QCOMPARE(Group(Page->Menu, "&Settings")->objectName(), QStringLiteral("Settings1"));
    QCOMPARE(Group(Page->Menu, "&Options")->objectName(), QStringLiteral("Options1"));
}

void TestNavigation::entriesInPaintOrderWithFreeNames()
{
    QCOMPARE(Captions(Group(Page->Menu, "&Settings")->actions()),
             QStringList({"&Alpha", "&Beta", "&Linked"}));
    QCOMPARE(Captions(Group(Page->Menu, "&Options")->actions()), QStringList({"&Info", "&Alpha"}));
    QCOMPARE(Entry(Page->Menu, "&Settings", "&Alpha")->objectName(), QStringLiteral("Alpha1"));
    // "Alpha1" is taken by the settings entry, so the options entry gets the next number.
    QCOMPARE(Entry(Page->Menu, "&Options", "&Alpha")->objectName(), QStringLiteral("Alpha2"));
    // The circle Linked1 already carries that name.
    QCOMPARE(Entry(Page->Menu, "&Settings", "&Linked")->objectName(), QStringLiteral("Linked2"));
}

void TestNavigation::checkMarksFollowPinnedPopups()
{
    QAction* Beta = Entry(Page->Menu, "&Settings", "&Beta");
    Page->Beta->MouseEnter(false);
    QVERIFY(!Beta->isChecked());
    Page->Beta->Click();
    QVERIFY(Beta->isChecked());
    Page->Beta->Popup()->DoneButton->click();
    QVERIFY(!Beta->isChecked());
    QVERIFY(!Page->Beta->Popup()->isVisible());
}

void TestNavigation::checkedEntryClosesPopup()
{
    QAction* Alpha = Entry(Page->Menu, "&Settings", "&Alpha");
    Alpha->trigger();
    QVERIFY(Alpha->isChecked());
    QVERIFY(Page->Alpha->Popup()->isVisible());
    QVERIFY(Page->Alpha->Pinned());
    Alpha->trigger();
    QVERIFY(!Alpha->isChecked());
    QVERIFY(!Page->Alpha->Popup()->isVisible());
    Alpha->trigger();
    QVERIFY(Alpha->isChecked());
    QVERIFY(Page->Alpha->Popup()->isVisible());
}

void TestNavigation::sharedEntryOpensThePairsPopup()
{
    // Linked1 builds the pair's popup; the entry was made by Linked0.
    Page->Linked1->MouseEnter(false);
    Page->Linked1->Popup()->close();
    QAction* Linked = Entry(Page->Menu, "&Settings", "&Linked");
    Linked->trigger();
    QVERIFY(Page->Linked1->Popup()->isVisible());
    QVERIFY(!Page->Linked0->Popup());
    QVERIFY(Linked->isChecked());
    Linked->trigger();
    QVERIFY(!Page->Linked1->Popup()->isVisible());
    QVERIFY(!Linked->isChecked());
}

void TestNavigation::nextAndPreviousWrapAround()
{
    Page->Alpha->MouseEnter(false);
    Page->Alpha->Popup()->NextButton->click();
    QVERIFY(!Page->Alpha->Popup()->isVisible());
    QVERIFY(Page->Beta->Popup()->isVisible());
    QVERIFY(Page->Beta->Pinned());
    Page->Beta->Popup()->NextButton->click();
    QVERIFY(Page->Linked0->Popup()->isVisible());
    Page->Linked0->Popup()->NextButton->click();
    QVERIFY(Page->Alpha->Popup()->isVisible());
    QVERIFY(!Page->Linked0->Popup()->isVisible());
    Page->Alpha->Popup()->PreviousButton->click();
    QVERIFY(Page->Linked0->Popup()->isVisible());
    QVERIFY(Entry(Page->Menu, "&Settings", "&Linked")->isChecked());
    QVERIFY(!Entry(Page->Menu, "&Settings", "&Alpha")->isChecked());
    // Navigation stays within the circle's own type.
    QVERIFY(!Page->Info->Popup());
}

void TestNavigation::singleEntryGroupReopens()
{
    Page->Calib->MouseEnter(false);
    TPopupForm* Popup = Page->Calib->Popup();
    QVERIFY(!Page->Calib->Pinned());
    Popup->NextButton->click();
    QVERIFY(Popup->isVisible());
    QVERIFY(Page->Calib->Pinned());
    Popup->PreviousButton->click();
    QVERIFY(Popup->isVisible());
}

void TestNavigation::untitledCircleHasNoEntry()
{
    Page->Untitled->MouseEnter(false);
    TPopupForm* Popup = Page->Untitled->Popup();
    Popup->NextButton->click();
    QVERIFY(Popup->isVisible());
    QVERIFY(!Page->Info->Popup());
    Popup->DoneButton->click();
    QVERIFY(!Popup->isVisible());
}

void TestNavigation::startMessageOpensFirstPinned()
{
    TMessageEvent Start(WM_BOARDSTART);
    QApplication::sendEvent(Page->Board, &Start);
    TPopupForm* Popup = Page->Alpha->Popup();
    QVERIFY(Popup && Popup->isVisible());
    QVERIFY(Page->Alpha->Pinned());
    QVERIFY(Entry(Page->Menu, "&Settings", "&Alpha")->isChecked());
    QApplication::sendEvent(Page->Board, &Start);
    QCOMPARE(Page->Alpha->Popup(), Popup);
    QVERIFY(Popup->isVisible());
    QVERIFY(Page->Alpha->Pinned());
}

void TestNavigation::boardWithoutMenu()
{
    delete Page;
    ShowPage(new TTestPage(false));
    QVERIFY(!Page->Alpha->BoardMenu());
    Page->Alpha->MouseEnter(false);
    TPopupForm* Popup = Page->Alpha->Popup();
    Popup->NextButton->click();
    QVERIFY(Popup->isVisible());
    QVERIFY(!Page->Beta->Popup());
    Popup->DoneButton->click();
    QVERIFY(!Popup->isVisible());
}

void TestNavigation::existingGroupIsUsed()
{
    delete Page;
    auto* Fresh = new TTestPage;
    Fresh->Menu->insertMenu(Fresh->Menu->actions().last(), new QMenu(QStringLiteral("&Settings"), Fresh));
    ShowPage(Fresh);
    QCOMPARE(Captions(Page->Menu->actions()),
             QStringList({"&File", "&Settings", "&Calibration", "&Options", "&Help"}));
    QCOMPARE(Captions(Group(Page->Menu, "&Settings")->actions()),
             QStringList({"&Alpha", "&Beta", "&Linked"}));
}

// Components that a card page deletes at run time: references to them find nothing.
void TestNavigation::deletedComponentsAreMissing()
{
    // The circle behind a menu entry: Next from the circle before it leads nowhere.
    delete Page->Beta;
    Page->Alpha->MouseEnter(false);
    Page->Alpha->Popup()->NextButton->click();
    QVERIFY(!Page->Alpha->Popup()->isVisible());
    Entry(Page->Menu, "&Settings", "&Beta")->trigger();
    Page->Linked0->MouseEnter(false);
    Page->Linked0->Popup()->PreviousButton->click();
    QVERIFY(!Page->Linked0->Popup()->isVisible());

    // The board's first circle: the start message opens nothing.
    delete Page->Alpha;
    QVERIFY(!Page->Board->First());
    TMessageEvent Start(WM_BOARDSTART);
    QVERIFY(QApplication::sendEvent(Page->Board, &Start));

    // The menu bar: circles and board go on without it.
    delete Page->Menu;
    QVERIFY(!Page->Board->Menu());
    QVERIFY(!Page->Linked0->BoardMenu());
    Page->Linked0->MenuEntryClick(nullptr);
    QVERIFY(Page->Linked0->Popup()->isVisible());
    QVERIFY(Page->Linked0->Pinned());
    Page->Linked0->Popup()->NextButton->click();
    QVERIFY(Page->Linked0->Popup()->isVisible());
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
