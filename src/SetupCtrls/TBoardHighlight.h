// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QMenuBar>
#include <QPointer>
#include <QWidget>

#include "Colors.h"
#include "Events.h"
#include "TRadioPanel.h"

class QAction;
class QMenu;
class TPopupForm;

// A highlight circle over a jumper block of the board photograph: it blends a translucent
// ring into the picture, opens its popup when the pointer enters it and pins the popup when
// clicked. Circles on one board image with equal Title and HighlightType act as one.
class TBoardHighlight : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(bool CreatePopup READ CreatePopup WRITE SetCreatePopup)
    Q_PROPERTY(THighlightType HighlightType READ HighlightType WRITE SetHighlightType)
    Q_PROPERTY(QString Title READ Title WRITE SetTitle)

public:
    enum THighlightType : int { htOptions, htSettings, htCalibration };
    Q_ENUM(THighlightType)

    explicit TBoardHighlight(QWidget* Parent = nullptr);

    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    bool CreatePopup() const { return FCreatePopup; }
    void SetCreatePopup(bool Value) { FCreatePopup = Value; }
    THighlightType HighlightType() const { return FHighlightType; }
    void SetHighlightType(THighlightType Value);
    const QString& Title() const { return FTitle; }
    void SetTitle(const QString& Value);
    TRadioPanel* RadioPanel() const { return FRadioPanel; }
    // Refused, silently, when a circle of another title or type already holds the panel.
    void SetRadioPanel(TRadioPanel* Value);

    TColor RingColor() const { return FRingColor; }
    float IdleStrength() const { return FIdleStrength; }
    float LitStrength() const { return FLitStrength; }
    float ActiveStrength() const { return FActiveStrength; }
    const QImage& IdleImage() const { return FIdleImage; }
    const QImage& LitImage() const { return FLitImage; }
    const QImage& ActiveImage() const { return FActiveImage; }
    TPopupForm* Popup() const;
    const QString& PopupCaption() const { return FPopupCaption; }
    const QString& NameStem() const { return FNameStem; }
    QMenuBar* BoardMenu() const { return FBoardMenu; }
    bool Open() const { return FOpen; }
    bool Pinned() const { return FPinned; }
    bool PopupActive() const { return FPopupActive; }
    bool Prepared() const { return FPrepared; }

    // Blends the ring into Image, which holds the background already.
    static void DrawRing(QImage& Image, TColor Color, float Strength, bool Emphasised);
    // Title turned into a component name stem: "&Base Address" gives "BaseAddress".
    static QString MakeIdentifier(const QString& Text);

    // The pointer entered or left the circle; Relayed is set when a linked circle passes
    // the event on, which is then not passed on again.
    void MouseEnter(bool Relayed);
    void MouseLeave(bool Relayed);
    void Click();
    void PinPopup();
    void SetActiveLook(bool Active, bool Relay);
    void ClearOpen();

    void OpenPopup();
    void PopupClose(QObject* Sender);

    void BuildMenuEntry();
    void CheckMenuEntry(bool Checked);
    // The menu entry's action; also run by Previous and Next with a circle as sender.
    void MenuEntryClick(QObject* Sender);
    void PreviousClick(QObject* Sender);
    void NextClick(QObject* Sender);
    void DoneClick(QObject* Sender);

    TNotifyEvent OnClick;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void enterEvent(QEnterEvent* Event) override;
    void leaveEvent(QEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;

private:
    QList<TBoardHighlight*> LinkedCircles() const;
    bool OnBoardImage() const;
    void PrepareImages();
    void BuildPopup();
    // Moves the option panel into the new popup for the rest of the run.
    void HandOverPanel(int MemoHeight);
    // The popup's outer top-left corner by the placement rule, before the screen rule.
    QPoint PopupPlace(QPoint StoredPosition) const;
    QImage Background() const;
    // The circle's entry, looked up by its title, and the group that holds it.
    QAction* MenuEntry(QMenu** Group = nullptr) const;
    void Navigate(int Step);

    int FTag = 0;
    bool FCreatePopup = true;
    THighlightType FHighlightType = htOptions;
    QString FTitle;
    QPointer<TRadioPanel> FRadioPanel;

    TColor FRingColor = clBlue;
    float FIdleStrength = 0.25f;
    float FLitStrength = 0.5f;
    float FActiveStrength = 1.0f;
    QImage FIdleImage;
    QImage FLitImage;
    QImage FActiveImage;
    QPointer<TPopupForm> FPopup;
    QString FPopupCaption;
    QString FNameStem;
    QPointer<QMenuBar> FBoardMenu;
    bool FOpen = false;
    bool FPinned = false;
    bool FPopupActive = false;
    bool FPrepared = false;
    bool FPressed = false;
};
