// SPDX-License-Identifier: MIT
#pragma once

#include <QPointer>
#include <QStringList>
#include <QWidget>

#include "Anchors.h"
#include "Colors.h"
#include "Events.h"

class QPainter;
class TTwoJumper;

using TRadioPanelChangeEvent = TNotifyEvent;

// The option panel: holds one option group's controls and the lines that explain them. It
// starts hidden; its popup takes it over. Its drawn jumpers can behave as radio buttons.
class TRadioPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(bool RadioEnabled READ RadioEnabled WRITE SetRadioEnabled)
    Q_PROPERTY(QStringList Lines READ Lines WRITE SetLines)
    Q_PROPERTY(int MemoHeight READ MemoHeight WRITE SetMemoHeight)
    Q_PROPERTY(TAnchors FinalAnchors READ FinalAnchors WRITE SetFinalAnchors)
    Q_PROPERTY(TBevelCut BevelInner READ BevelInner WRITE SetBevelInner)
    Q_PROPERTY(TBevelCut BevelOuter READ BevelOuter WRITE SetBevelOuter)
    Q_PROPERTY(int BevelWidth READ BevelWidth WRITE SetBevelWidth)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE SetBorderWidth)
    Q_PROPERTY(TColor Color READ Color WRITE SetColor)

public:
    enum TBevelCut : int { bvNone, bvLowered, bvRaised };
    Q_ENUM(TBevelCut)

    explicit TRadioPanel(QWidget* Parent = nullptr);

    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    bool RadioEnabled() const { return FRadioEnabled; }
    void SetRadioEnabled(bool Value) { FRadioEnabled = Value; }
    const QStringList& Lines() const { return FLines; }
    void SetLines(const QStringList& Value) { FLines = Value; }
    int MemoHeight() const { return FMemoHeight; }
    void SetMemoHeight(int Value) { FMemoHeight = Value; }
    TAnchors FinalAnchors() const { return FFinalAnchors; }
    void SetFinalAnchors(TAnchors Value);
    TBevelCut BevelInner() const { return FBevelInner; }
    void SetBevelInner(TBevelCut Value);
    TBevelCut BevelOuter() const { return FBevelOuter; }
    void SetBevelOuter(TBevelCut Value);
    int BevelWidth() const { return FBevelWidth; }
    void SetBevelWidth(int Value);
    int BorderWidth() const { return FBorderWidth; }
    void SetBorderWidth(int Value);
    TColor Color() const { return FColor; }
    void SetColor(TColor Value);

    // Set by the popup that takes the panel over.
    bool InPopup() const { return FInPopup; }
    void SetInPopup() { FInPopup = true; }

    // Closes Clicked and opens every other jumper on the panel.
    void SelectJumper(TTwoJumper* Clicked);

    TRadioPanelChangeEvent OnRadioChange;
    // Handed to the popup window, which fires them; the panel never does.
    TNotifyEvent OnActivate;
    TNotifyEvent OnDeactivate;
    // The keyboard focus has moved into the panel from a control of its window outside it.
    TNotifyEvent OnEnter;

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    void FocusChanged(QWidget* Now);
    bool Holds(const QWidget* Widget) const;
    void DrawBevel(QPainter& Painter, QRect& Box, TBevelCut Bevel) const;

    int FTag = 0;
    bool FRadioEnabled = false;
    QStringList FLines;
    int FMemoHeight = 58;
    TAnchors FFinalAnchors = akLeft | akTop;
    TBevelCut FBevelInner = bvNone;
    TBevelCut FBevelOuter = bvNone;
    int FBevelWidth = 1;
    int FBorderWidth = 0;
    TColor FColor = clBtnFace;
    bool FInPopup = false;
    // The last control of the panel's window that had the focus.
    QPointer<QWidget> FLastFocus;
};
