// SPDX-License-Identifier: MIT
#pragma once

#include <QMenuBar>
#include <QPointer>
#include <QWidget>

#include "Picture.h"
#include "TBoardHighlight.h"

// The panel that shows the board photograph and carries the highlight circles. At every
// paint it centres itself in its parent; it remembers where the card page placed it so
// that popups keep their designed places relative to the picture.
class TBoardImage : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Tag READ Tag WRITE SetTag)
    Q_PROPERTY(bool CenterOnForm READ CenterOnForm WRITE SetCenterOnForm)
    Q_PROPERTY(bool Scale READ Scale WRITE SetScale)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE SetAutoSize)
    Q_PROPERTY(bool Center READ Center WRITE SetCenter)
    Q_PROPERTY(bool Stretch READ Stretch WRITE SetStretch)
    Q_PROPERTY(bool Transparent READ Transparent WRITE SetTransparent)

public:
    explicit TBoardImage(QWidget* Parent = nullptr);

    int Tag() const { return FTag; }
    void SetTag(int Value) { FTag = Value; }
    TBoardHighlight* First() const { return FFirst; }
    void SetFirst(TBoardHighlight* Value) { FFirst = Value; }
    QMenuBar* Menu() const { return FMenu; }
    void SetMenu(QMenuBar* Value) { FMenu = Value; }
    bool CenterOnForm() const { return FCenterOnForm; }
    void SetCenterOnForm(bool Value);
    bool Scale() const { return FScale; }
    void SetScale(bool Value);
    bool AutoSize() const { return FAutoSize; }
    void SetAutoSize(bool Value);
    bool Center() const { return FCenter; }
    void SetCenter(bool Value);
    bool Stretch() const { return FStretch; }
    void SetStretch(bool Value);
    bool Transparent() const { return FTransparent; }
    void SetTransparent(bool Value);

    TPicture* Picture() { return &FPicture; }
    void SetPicture(const TPicture& Value) { FPicture.Assign(Value); }

    // Where the picture is drawn, in client coordinates.
    QRect PictureRect() const;
    // The control's Left and Top at its first paint, before any centring.
    int DesignLeft() const { return FDesignLeft; }
    int DesignTop() const { return FDesignTop; }
    double AspectRatio() const { return FAspectRatio; }
    bool Painting() const { return FPainting; }

    // The auto-size answer for a proposed size; always yes.
    bool CanAutoSize(int& NewWidth, int& NewHeight) const;
    // The part of the picture under Region (client coordinates), exactly as it is drawn.
    QImage RenderRegion(const QRect& Region) const;

    QSize sizeHint() const override;

protected:
    bool event(QEvent* Event) override;
    void paintEvent(QPaintEvent* Event) override;

private:
    void HandlePictureChange();
    void CenterInParent();
    void DrawPicture(QPainter& Painter) const;
    void BoardStart();
    QSize ParentOuterSize() const;

    int FTag = 0;
    // Watched: a component deleted at run time is a missing one.
    QPointer<TBoardHighlight> FFirst;
    QPointer<QMenuBar> FMenu;
    bool FCenterOnForm = true;
    bool FScale = true;
    bool FAutoSize = true;
    bool FCenter = false;
    bool FStretch = false;
    bool FTransparent = false;
    TPicture FPicture;

    bool FPainting = false;
    double FAspectRatio = 1.0;
    bool FPositionSaved = false;
    int FDesignLeft = 0;
    int FDesignTop = 0;
};
