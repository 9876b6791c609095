// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QWidget>

#include "Colors.h"
#include "Events.h"

class QPainter;
class TRadioPanel;

// The drawn picture of a two-pin jumper header, open or with its shunt on. The user clicks
// it to toggle the shunt; it never takes the keyboard focus.
class TTwoJumper : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(bool Closed READ Closed WRITE SetClosed)
    Q_PROPERTY(TColor BaseColor READ BaseColor WRITE SetBaseColor)
    Q_PROPERTY(TColor PinColor READ PinColor WRITE SetPinColor)
    Q_PROPERTY(TColor JumperColor READ JumperColor WRITE SetJumperColor)
    Q_PROPERTY(TOrientationType Orientation READ Orientation WRITE SetOrientation)
    Q_PROPERTY(TBorderStyle BorderStyle READ BorderStyle WRITE SetBorderStyle)

public:
    // otUp and otDown lay the pins side by side, otLeft and otRight one above the other.
    enum TOrientationType : int { otUp, otDown, otLeft, otRight };
    Q_ENUM(TOrientationType)
    enum TBorderStyle : int { bsNone, bsSingle };
    Q_ENUM(TBorderStyle)

    explicit TTwoJumper(QWidget* Parent = nullptr);

    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    bool Closed() const { return FClosed; }
    void SetClosed(bool Value);
    TColor BaseColor() const { return FBaseColor; }
    void SetBaseColor(TColor Value);
    TColor PinColor() const { return FPinColor; }
    void SetPinColor(TColor Value);
    TColor JumperColor() const { return FJumperColor; }
    void SetJumperColor(TColor Value);
    TOrientationType Orientation() const { return FOrientation; }
    void SetOrientation(TOrientationType Value);
    TBorderStyle BorderStyle() const { return FBorderStyle; }
    void SetBorderStyle(TBorderStyle Value);

    // Raised after every click, when Closed already holds its new value.
    TNotifyEvent OnClick;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void mousePressEvent(QMouseEvent* Event) override;
    void mouseReleaseEvent(QMouseEvent* Event) override;
    void mouseDoubleClickEvent(QMouseEvent* Event) override;

private:
    TRadioPanel* ParentPanel() const;
    void Click();
    bool ExchangePendingSize();
    void SizeDrawBitmap();
    void DrawBackground(QPainter& Painter);
    void DrawBody(QPainter& Painter);
    void DrawPins(QPainter& Painter);
    void TurnInto();

    int FTag = 0;
    TOrientationType FOrientation = otUp;
    bool FClosed = false;
    QImage FTurnedBitmap;
    QImage FDrawBitmap;
    bool FSwapPending = false;
    bool FPainted = false;
    TColor FBaseColor = clGray;
    TColor FJumperColor = clMaroon;
    TColor FPinColor = clYellow;
    TBorderStyle FBorderStyle = bsSingle;
    bool FPressed = false;
};
