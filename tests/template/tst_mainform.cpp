// SPDX-License-Identifier: MIT
// The main window's own commands and its hook for the supporter's start-up work.
#include <QLabel>
#include <QTest>

#include "Application.h"
#include "TSetupSupporter.h"
#include "template.h"
#include "WaitIdle.h"

namespace {

int HelpWindows()
{
    int Count = 0;
    for (QWidget* Window : QApplication::topLevelWidgets())
        Count += qobject_cast<THelpForm*>(Window) != nullptr;
    return Count;
}

} // namespace

class TestMainForm : public QObject {
    Q_OBJECT

private slots:
    void startsAsStored();
    void helpCommandsWaitForTheStartUpWork();
    void exitClosesTheWindow();
    void deletedSupporterIsMissing();
};

void TestMainForm::startsAsStored()
{
    TMainForm Form;
    QCOMPARE(Form.objectName(), QStringLiteral("MainForm"));
    QCOMPARE(Form.windowTitle(), QStringLiteral("Setup"));
    QCOMPARE(Form.geometry(), QRect(390, 173, 979, 746));
    QCOMPARE(Form.font().pixelSize(), 11);
    QCOMPARE(Form.ClientArea->palette().color(QPalette::Window), QColor(Qt::white));
    QCOMPARE(Form.SetSup->CompanyName(), QStringLiteral("Vellor"));
    QCOMPARE(Form.SetSup->Channels(), quint8(0));
    QVERIFY(TApplication::Instance()->OnIdle);
    TApplication::Instance()->OnIdle = nullptr;
}

void TestMainForm::helpCommandsWaitForTheStartUpWork()
{
    TMainForm Form;
    Form.show();
    // Typed ahead of the start-up work: there is no window to show yet.
    Form.Howtousethisprogram1->trigger();
    Form.TechnicalSupport1->trigger();
    QVERIFY(!Form.SetSup->HelpForm());

    WaitIdle(50);
    QVERIFY(!TApplication::Instance()->OnIdle);
    QVERIFY(Form.SetSup->HelpForm());
    QCOMPARE(Form.findChild<QLabel*>(QStringLiteral("HeaderLabel"))->text(),
             QStringLiteral("KX-2400 Series Settings Program"));
    QTRY_VERIFY(Form.SetSup->HelpForm()->isVisible());

    // A visible help window is left as it is.
    THelpForm* Help = Form.SetSup->HelpForm();
    Help->move(30, 40);
    const QPoint Place = Help->pos();
    Form.Howtousethisprogram1->trigger();
    QCOMPARE(Help->pos(), Place);
    QCOMPARE(HelpWindows(), 1);

    Help->hide();
    Form.Howtousethisprogram1->trigger();
    QVERIFY(Help->isVisible());
    QVERIFY(!Form.SetSup->TechForm()->isVisible());
    Form.TechnicalSupport1->trigger();
    QVERIFY(Form.SetSup->TechForm()->isVisible());
}

void TestMainForm::exitClosesTheWindow()
{
    TMainForm Form;
    TApplication::Instance()->OnIdle = nullptr;
    Form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Form));
    Form.Exit2->trigger();
    QVERIFY(!Form.isVisible());
}

// A card page that deletes the supporter before the first idle moment: the start-up work
// and the help commands find nothing to do.
void TestMainForm::deletedSupporterIsMissing()
{
    TMainForm Form;
    Form.show();
    delete Form.SetSup;
    WaitIdle(50);
    Form.Howtousethisprogram1->trigger();
    Form.TechnicalSupport1->trigger();
    QCOMPARE(HelpWindows(), 0);
    QVERIFY(!Form.findChild<QLabel*>(QStringLiteral("HeaderLabel")));
    TApplication::Instance()->OnIdle = nullptr;
}

int main(int Argc, char** Argv)
{
    TApplication Application(Argc, Argv);
    TestMainForm Test;
    return QTest::qExec(&Test, Argc, Argv);
}

#include "tst_mainform.moc"
