// SPDX-License-Identifier: MIT
#include "Anchors.h"

#include <QEvent>
#include <QPointer>
#include <QWidget>

#include "Guard.h"
#include "Rounding.h"

namespace {

// Follows the parent's size changes on behalf of one anchored control. The parent's last
// known size is kept here because a hidden window reports its resizes only when shown.
class TAnchorKeeper : public QObject {
    Q_OBJECT

public:
    TAnchorKeeper(QWidget* Control, TAnchors Anchors)
        : QObject(Control), FControl(Control), FAnchors(Anchors)
    {
        Control->installEventFilter(this);
        WatchParent();
    }

    TAnchors Anchors() const { return FAnchors; }
    void SetAnchors(TAnchors Anchors)
    {
        FAnchors = Anchors;
        WatchParent();
    }

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override
    {
        Guarded([&] {
            if (Watched == FControl && Event->type() == QEvent::ParentChange)
                WatchParent();
            else if (Watched == FParent && Event->type() == QEvent::Resize)
                FollowParent();
        });
        return false;
    }

private:
    void WatchParent()
    {
        if (FParent)
            FParent->removeEventFilter(this);
        FParent = FControl->parentWidget();
        if (FParent) {
            FParent->installEventFilter(this);
            FParentSize = FParent->size();
        }
    }

    static void Follow(int& Start, int& Extent, bool Low, bool High, int OldSpan, int NewSpan)
    {
        const int Delta = NewSpan - OldSpan;
        if (Low && High)
            Extent += Delta;
        else if (High)
            Start += Delta;
        else if (!Low && OldSpan > 0)
            Start = int(RoundHalfEven((Start + Extent / 2.0) * NewSpan / OldSpan - Extent / 2.0));
    }

    void FollowParent()
    {
        const QSize NewSize = FParent->size();
        if (NewSize == FParentSize)
            return;
        QRect Bounds = FControl->geometry();
        int Left = Bounds.left(), Top = Bounds.top();
        int Width = Bounds.width(), Height = Bounds.height();
        Follow(Left, Width, FAnchors & akLeft, FAnchors & akRight, FParentSize.width(),
               NewSize.width());
        Follow(Top, Height, FAnchors & akTop, FAnchors & akBottom, FParentSize.height(),
               NewSize.height());
        FParentSize = NewSize;
        FControl->setGeometry(Left, Top, qMax(0, Width), qMax(0, Height));
    }

    QWidget* FControl;
    QPointer<QWidget> FParent;
    QSize FParentSize;
    TAnchors FAnchors;
};

TAnchorKeeper* KeeperOf(const QWidget* Control)
{
    return Control->findChild<TAnchorKeeper*>(QString(), Qt::FindDirectChildrenOnly);
}

} // namespace

void SetAnchors(QWidget* Control, TAnchors Anchors)
{
    if (TAnchorKeeper* Keeper = KeeperOf(Control))
        Keeper->SetAnchors(Anchors);
    else if (Anchors != (akLeft | akTop))
        new TAnchorKeeper(Control, Anchors);
}

TAnchors Anchors(const QWidget* Control)
{
    const TAnchorKeeper* Keeper = KeeperOf(Control);
    return Keeper ? Keeper->Anchors() : TAnchors(akLeft | akTop);
}

#include "Anchors.moc"
