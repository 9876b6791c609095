// SPDX-License-Identifier: MIT
#include "TBoardHighlight.h"

#include <QCursor>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

#include <cmath>
#if defined(__SSE2__) || defined(_M_X64)
#include <emmintrin.h>
#endif

#include "AsciiChars.h"
#include "ExactClass.h"
#include "Guard.h"
#include "HighlightMenu.h"
#include "Property.h"
#include "Rounding.h"
#include "OuterPlacement.h"
#include "PopupGeometry.h"
#include "Screen.h"
#include "TBoardImage.h"
#include "TPopupForm.h"
#include "TRadioPanel.h"

namespace {

bool IsIdentifierChar(QChar Char)
{
    return IsAsciiLetter(Char) || Char == QLatin1Char('_') || IsAsciiDigit(Char);
}

// The circle whose menu entry this is, watched, as circles may be deleted at run time.
constexpr char EntryCircle[] = "EntryCircle";
using TCircleRef = QPointer<QObject>;

// The ring of one look: its colour and strength, and the blend of one pixel. The vector
// path below takes the same single-precision steps four pixels at a time.
struct TRing {
    float ColorBytes[3]; // blue, green, red
    float Strength;
    bool Emphasised;

    // Pixel lies inside the ellipse, D is its squared distance from the centre.
    QRgb Blend(QRgb Pixel, float D) const
    {
        float K = 0.16f;
        if (D >= 0.5929f) {
            K = 1.0f - 8.0f * std::fabs(std::sqrt(D) - 0.875f);
            if (Emphasised) {
                K *= 2.0f;
                if (K > 1.0f) {
                    Pixel = qRgb(255, 255, 255);
                    K = 2.0f - K;
                }
            }
        }
        K *= Strength;
        const float M = 1.0f - K;
        const auto Byte = [this, K, M](int Value, int Index) {
            return int(RoundHalfEven(float(Value) * M + ColorBytes[Index] * K));
        };
        return qRgb(Byte(qRed(Pixel), 2), Byte(qGreen(Pixel), 1), Byte(qBlue(Pixel), 0));
    }
};

#if defined(__SSE2__) || defined(_M_X64)
__m128 Select(__m128 Mask, __m128 IfSet, __m128 Otherwise)
{
    return _mm_or_ps(_mm_and_ps(Mask, IfSet), _mm_andnot_ps(Mask, Otherwise));
}

// Blends the row in groups of four pixels from its start; returns where the groups end.
// VV is the row's squared vertical coordinate.
int BlendRow4(const TRing& Ring, QRgb* Row, int Width, float ScaleX, float VV)
{
    const __m128 One = _mm_set1_ps(1.0f), Half = _mm_set1_ps(0.5f);
    const __m128 Strength = _mm_set1_ps(Ring.Strength);
    const __m128 Colors[3] = {_mm_set1_ps(Ring.ColorBytes[0]), _mm_set1_ps(Ring.ColorBytes[1]),
                              _mm_set1_ps(Ring.ColorBytes[2])};
    const __m128i ByteMask = _mm_set1_epi32(0xFF), Ones = _mm_set1_epi32(1);
    __m128i Xs = _mm_setr_epi32(0, 1, 2, 3);
    int X = 0;
    for (; X + 4 <= Width; X += 4, Xs = _mm_add_epi32(Xs, _mm_set1_epi32(4))) {
        const __m128 U = _mm_sub_ps(_mm_mul_ps(_mm_cvtepi32_ps(Xs), _mm_set1_ps(ScaleX)), One);
        const __m128 D = _mm_add_ps(_mm_mul_ps(U, U), _mm_set1_ps(VV));
        const __m128 Inside = _mm_cmplt_ps(D, One);
        if (_mm_movemask_ps(Inside) == 0)
            continue;
        const __m128 OnRing = _mm_cmpge_ps(D, _mm_set1_ps(0.5929f));
        const __m128 Off = _mm_sub_ps(_mm_sqrt_ps(D), _mm_set1_ps(0.875f));
        const __m128 Distance = _mm_andnot_ps(_mm_set1_ps(-0.0f), Off);
        __m128 RingK = _mm_sub_ps(One, _mm_mul_ps(_mm_set1_ps(8.0f), Distance));
        __m128 White = _mm_setzero_ps();
        if (Ring.Emphasised) {
            RingK = _mm_mul_ps(RingK, _mm_set1_ps(2.0f));
            White = _mm_and_ps(OnRing, _mm_cmpgt_ps(RingK, One));
            RingK = Select(White, _mm_sub_ps(_mm_set1_ps(2.0f), RingK), RingK);
        }
        const __m128 K = _mm_mul_ps(Select(OnRing, RingK, _mm_set1_ps(0.16f)), Strength);
        const __m128 M = _mm_sub_ps(One, K);

        auto* Address = reinterpret_cast<__m128i*>(Row + X);
        const __m128i Old = _mm_loadu_si128(Address);
        const __m128i Pixels = _mm_or_si128(Old, _mm_castps_si128(White));
        __m128i Blended = _mm_set1_epi32(int(0xFF000000u));
        for (int Byte = 0; Byte < 3; ++Byte) {
            const __m128i Shift = _mm_cvtsi32_si128(8 * Byte);
            const __m128i Channel = _mm_and_si128(_mm_srl_epi32(Pixels, Shift), ByteMask);
            const __m128 Value = _mm_add_ps(_mm_mul_ps(_mm_cvtepi32_ps(Channel), M),
                                            _mm_mul_ps(Colors[Byte], K));
            // Halves to even without the rounding mode: truncate (the value is not
            // negative), then step up past a half, or at a half from an odd number.
            const __m128i Truncated = _mm_cvttps_epi32(Value);
            const __m128 Fraction = _mm_sub_ps(Value, _mm_cvtepi32_ps(Truncated));
            const __m128i Odd = _mm_cmpeq_epi32(_mm_and_si128(Truncated, Ones), Ones);
            const __m128i Up = _mm_or_si128(
                _mm_castps_si128(_mm_cmpgt_ps(Fraction, Half)),
                _mm_and_si128(_mm_castps_si128(_mm_cmpeq_ps(Fraction, Half)), Odd));
            const __m128i Rounded = _mm_and_si128(_mm_sub_epi32(Truncated, Up), ByteMask);
            Blended = _mm_or_si128(Blended, _mm_sll_epi32(Rounded, Shift));
        }
        const __m128i Keep = _mm_castps_si128(Inside);
        _mm_storeu_si128(Address, _mm_or_si128(_mm_and_si128(Keep, Blended), _mm_andnot_si128(Keep, Old)));
    }
    return X;
}
#else
int BlendRow4(const TRing&, QRgb*, int, float, float)
{
    return 0;
}
#endif

} // namespace

TBoardHighlight::TBoardHighlight(QWidget* Parent) : QWidget(Parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(65, 65);
    SetHighlightType(htSettings);
}

TPopupForm* TBoardHighlight::Popup() const
{
    return FPopup;
}

void TBoardHighlight::SetHighlightType(THighlightType Value)
{
    if (!ChangeProperty(FHighlightType, Value))
        return;
    switch (Value) {
    case htOptions:
        FRingColor = clBlue;
        FIdleStrength = 0.25f;
        FLitStrength = 0.5f;
        FActiveStrength = 1.0f;
        break;
    case htSettings:
        FRingColor = clYellow;
        FIdleStrength = 0.5f;
        FLitStrength = 0.75f;
        FActiveStrength = 1.0f;
        break;
    case htCalibration:
        FRingColor = clRed;
        FIdleStrength = 0.5f;
        FLitStrength = 0.75f;
        FActiveStrength = 1.0f;
        break;
    }
    update();
}

void TBoardHighlight::SetTitle(const QString& Value)
{
    if (!ChangeProperty(FTitle, Value))
        return;
    FPopupCaption = QString(Value).remove(QLatin1Char('&'));
    FNameStem = MakeIdentifier(Value);
}

void TBoardHighlight::SetRadioPanel(TRadioPanel* Value)
{
    if (Value == FRadioPanel)
        return;
    if (Value && parentWidget()) {
        for (const QObject* Sibling : parentWidget()->children()) {
            const auto* Other = ExactCast<TBoardHighlight>(Sibling);
            if (!Other || Other == this || Other->FRadioPanel != Value)
                continue;
            if (Other->FTitle != FTitle || Other->FHighlightType != FHighlightType)
                return;
        }
    }
    FRadioPanel = Value;
}

void TBoardHighlight::DrawRing(QImage& Image, TColor Color, float Strength, bool Emphasised)
{
    const int Width = Image.width(), Height = Image.height();
    // A circle one pixel across has no inside to blend.
    if (Width < 2 || Height < 2)
        return;
    const TRing Ring{{float((Color >> 16) & 0xFF), float((Color >> 8) & 0xFF), float(Color & 0xFF)},
                     Strength, Emphasised};
    const float ScaleX = 2.0f / float(Width - 1);
    const float ScaleY = 2.0f / float(Height - 1);
    for (int Y = 0; Y < Height; ++Y) {
        auto* Row = reinterpret_cast<QRgb*>(Image.scanLine(Y));
        const float V = float(Y) * ScaleY - 1.0f;
        int X = BlendRow4(Ring, Row, Width, ScaleX, V * V);
        for (; X < Width; ++X) {
            const float U = float(X) * ScaleX - 1.0f;
            const float D = U * U + V * V;
            if (D < 1.0f)
                Row[X] = Ring.Blend(Row[X], D);
        }
    }
}

QString TBoardHighlight::MakeIdentifier(const QString& Text)
{
    const auto IsIdentifier = [](const QString& Candidate) {
        if (Candidate.isEmpty()
            || !(IsAsciiLetter(Candidate[0]) || Candidate[0] == QLatin1Char('_')))
            return false;
        return std::all_of(Candidate.begin(), Candidate.end(), IsIdentifierChar);
    };
    if (Text.isEmpty() || IsIdentifier(Text))
        return Text;
    QString Result = Text;
    while (!Result.isEmpty() && !IsAsciiLetter(Result[0]) && Result[0] != QLatin1Char('_'))
        Result.remove(0, 1);
    for (qsizetype Index = Result.size() - 1; Index >= 1; --Index)
        if (!IsIdentifierChar(Result[Index]))
            Result.remove(Index, 1);
    return Result;
}

bool TBoardHighlight::OnBoardImage() const
{
    return ExactCast<TBoardImage>(parentWidget()) != nullptr;
}

QList<TBoardHighlight*> TBoardHighlight::LinkedCircles() const
{
    QList<TBoardHighlight*> Linked;
    if (!OnBoardImage())
        return Linked;
    for (QObject* Sibling : parentWidget()->children()) {
        auto* Other = ExactCast<TBoardHighlight>(Sibling);
        if (Other && Other->FTitle == FTitle
            && Other->FHighlightType == FHighlightType)
            Linked.append(Other);
    }
    return Linked;
}

QImage TBoardHighlight::Background() const
{
    if (const auto* Board = qobject_cast<const TBoardImage*>(parentWidget()))
        return Board->RenderRegion(geometry());
    QImage Plain(size(), QImage::Format_RGB32);
    Plain.fill(parentWidget() ? parentWidget()->palette().color(parentWidget()->backgroundRole())
                              : palette().color(backgroundRole()));
    return Plain;
}

void TBoardHighlight::PrepareImages()
{
    const QImage Under = Background();
    FIdleImage = Under;
    DrawRing(FIdleImage, FRingColor, FIdleStrength, false);
    FActiveImage = Under;
    DrawRing(FActiveImage, FRingColor, FActiveStrength, true);
    FLitImage = Under;
    DrawRing(FLitImage, FRingColor, FLitStrength, false);
}

void TBoardHighlight::paintEvent(QPaintEvent*)
{
    Guarded([this] {
        if (!FPrepared) {
            PrepareImages();
            if (OnBoardImage()) {
                FBoardMenu = static_cast<TBoardImage*>(parentWidget())->Menu();
                BuildMenuEntry();
            } else {
                FBoardMenu = nullptr;
            }
            FPrepared = true;
        }
        const QImage& Look = FOpen && FPopupActive ? FActiveImage
            : FOpen || FPopupActive               ? FLitImage
                                                  : FIdleImage;
        QPainter(this).drawImage(0, 0, Look);
    });
}

void TBoardHighlight::enterEvent(QEnterEvent*)
{
    Guarded([this] { MouseEnter(false); });
}

void TBoardHighlight::leaveEvent(QEvent*)
{
    Guarded([this] { MouseLeave(false); });
}

void TBoardHighlight::mousePressEvent(QMouseEvent* Event)
{
    FPressed = Event->button() == Qt::LeftButton;
}

void TBoardHighlight::mouseReleaseEvent(QMouseEvent* Event)
{
    const bool WasPressed = FPressed;
    FPressed = false;
    if (WasPressed && Event->button() == Qt::LeftButton && rect().contains(Event->position().toPoint()))
        Guarded([this] { Click(); });
}

void TBoardHighlight::MouseEnter(bool Relayed)
{
    if (FOpen)
        return;
    FOpen = true;
    update();
    if (FCreatePopup)
        OpenPopup();
    if (Relayed)
        return;
    for (TBoardHighlight* Linked : LinkedCircles())
        Linked->MouseEnter(true);
}

void TBoardHighlight::MouseLeave(bool Relayed)
{
    if (!FOpen)
        return;
    if (FPopup && !FPinned) {
        if (FPopup->OuterRect().contains(QCursor::pos())) {
            FPopup->CloseOnLeave = true;
            PinPopup();
        } else {
            FPopup->close();
        }
    }
    if (Relayed)
        return;
    for (TBoardHighlight* Linked : LinkedCircles())
        Linked->MouseLeave(true);
}

void TBoardHighlight::Click()
{
    if (OnClick)
        OnClick(this);
    PinPopup();
}

void TBoardHighlight::PinPopup()
{
    if (FPopup) {
        FPinned = true;
        CheckMenuEntry(true);
    }
    if (!OnBoardImage())
        return;
    for (TBoardHighlight* Linked : LinkedCircles()) {
        if (!Linked->FPopup)
            continue;
        Linked->FPinned = true;
        Linked->CheckMenuEntry(true);
        // Activation gives the focus back to the control of the popup that had it last.
        Linked->FPopup->raise();
        Linked->FPopup->activateWindow();
    }
}

void TBoardHighlight::SetActiveLook(bool Active, bool Relay)
{
    FPopupActive = Active;
    raise();
    update();
    if (!Relay)
        return;
    // Collected first: raising a circle reorders its parent's children.
    for (TBoardHighlight* Linked : LinkedCircles())
        if (Linked != this)
            Linked->SetActiveLook(Active, false);
}

void TBoardHighlight::ClearOpen()
{
    FOpen = false;
    update();
}

void TBoardHighlight::OpenPopup()
{
    if (FPopup) {
        if (FPopup->isHidden())
            FPinned = false;
        FPopup->show();
        FPopup->raise();
        return;
    }
    // A linked circle that owns the shared popup opens it; so does any form like it.
    for (const QWidget* Form : TScreen::Forms())
        if (Form->windowTitle() == FPopupCaption && Form->property("Tag").toInt() == int(FHighlightType))
            return;
    BuildPopup();
}

void TBoardHighlight::BuildPopup()
{
    FPopup = new TPopupForm(this);
    FPinned = false;

    const int MemoHeight = FRadioPanel ? FRadioPanel->MemoHeight() : 58;
    QPoint StoredPosition(0, 0);
    if (FRadioPanel) {
        StoredPosition = FRadioPanel->pos();
        HandOverPanel(MemoHeight);
    }
    // Size, place and screen rules decide the outer rectangle from the frame alone: what the
    // window system reports while it frames the popup must not leak into them.
    const QSize Client = FPopup->size();
    const bool HasPanel = FRadioPanel;
    const QPoint Place = PopupPlace(StoredPosition);
    FPopup->setWindowTitle(FPopupCaption);
    FPopup->SetTag(int(FHighlightType));
    TOuterPlacement::Apply(FPopup, [this, Client, HasPanel, Place](QMargins Frame) {
        const QSize Outer = PopupGeometry::OuterSize(HasPanel, Client, Frame);
        // The user may enlarge the popup but not shrink it below its first size.
        FPopup->setMinimumSize(Outer.shrunkBy(Frame));
        return PopupGeometry::OntoScreen(QRect(Place, Outer), QSize(TScreen::Width(), TScreen::Height()));
    });
    FPopup->BuildControls(MemoHeight, FRadioPanel ? FRadioPanel->Lines() : QStringList());
    FPopup->show();
    FPopup->raise();
    FPopup->activateWindow();
    if (FRadioPanel)
        FRadioPanel->setFocus(Qt::OtherFocusReason);
    else
        FPopup->DoneButton->setFocus(Qt::OtherFocusReason);
}

void TBoardHighlight::HandOverPanel(int MemoHeight)
{
    FPopup->OnActivate = FRadioPanel->OnActivate;
    FPopup->OnDeactivate = FRadioPanel->OnDeactivate;
    FRadioPanel->move(0, 0);
    FPopup->resize(FRadioPanel->width(), FRadioPanel->height() + MemoHeight + 51);
    FRadioPanel->setParent(FPopup);
    FRadioPanel->show();
    SetAnchors(FRadioPanel, FRadioPanel->FinalAnchors());
    FRadioPanel->SetInPopup();
}

QPoint TBoardHighlight::PopupPlace(QPoint StoredPosition) const
{
    const QWidget* Parent = parentWidget();
    if (const auto* Board = ExactCast<TBoardImage>(Parent); FRadioPanel && Board)
        return PopupGeometry::PanelPlace(Board->pos(), QPoint(Board->DesignLeft(), Board->DesignTop()),
                                         StoredPosition);
    if (FRadioPanel)
        return Parent ? Parent->pos() : QPoint();
    return Parent ? PopupGeometry::BelowParent(Parent->geometry()) : QPoint();
}

void TBoardHighlight::PopupClose(QObject*)
{
    CheckMenuEntry(false);
    if (FPopup)
        FPopup->CloseOnLeave = false;
    ClearOpen();
    for (TBoardHighlight* Linked : LinkedCircles())
        Linked->ClearOpen();
}

void TBoardHighlight::BuildMenuEntry()
{
    const QString Caption = HighlightMenu::GroupCaption(FHighlightType);
    if (!FBoardMenu || Caption.isEmpty())
        return;
    QMenu* Group = HighlightMenu::FindGroup(FBoardMenu, Caption);
    if (!Group)
        Group = HighlightMenu::AddGroup(FBoardMenu, FHighlightType);
    else if (HighlightMenu::FindEntry(Group, FTitle))
        return; // made by a circle of the same title and type
    if (FTitle.isEmpty())
        return;
    QObject* Owner = FBoardMenu->window();
    auto* Entry = new QAction(FTitle, Owner);
    Entry->setObjectName(HighlightMenu::FreeName(Owner, FNameStem));
    Entry->setCheckable(true);
    Entry->setProperty(EntryCircle, QVariant::fromValue(TCircleRef(this)));
    connect(Entry, &QAction::triggered, this, GuardedSlot([this, Entry](bool Checked) {
        // The entry shows the pinned state; choosing it must not toggle that by itself.
        Entry->setChecked(!Checked);
        MenuEntryClick(Entry);
    }));
    Group->addAction(Entry);
}

QAction* TBoardHighlight::MenuEntry(QMenu** Group) const
{
    return FBoardMenu ? HighlightMenu::FindEntry(FBoardMenu, FHighlightType, FTitle, Group) : nullptr;
}

void TBoardHighlight::CheckMenuEntry(bool Checked)
{
    if (QAction* Entry = MenuEntry())
        Entry->setChecked(Checked);
}

void TBoardHighlight::MenuEntryClick(QObject* Sender)
{
    const QAction* Item = ExactCast<QAction>(Sender);
    if (Item && Item->isChecked()) {
        if (FPopup) {
            FPopup->close();
        } else {
            for (TBoardHighlight* Linked : LinkedCircles())
                if (Linked->FPopup)
                    Linked->MenuEntryClick(Sender);
        }
        return;
    }
    MouseEnter(false);
    PinPopup();
    MouseLeave(false);
}

void TBoardHighlight::Navigate(int Step)
{
    QMenu* Group = nullptr;
    QAction* Entry = MenuEntry(&Group);
    if (!Entry)
        return;
    const QList<QAction*> Entries = Group->actions();
    const qsizetype Count = Entries.size();
    const qsizetype Target = (Entries.indexOf(Entry) + Step + Count) % Count;
    if (FPopup)
        FPopup->close();
    const TCircleRef Circle = Entries[Target]->property(EntryCircle).value<TCircleRef>();
    if (auto* Next = qobject_cast<TBoardHighlight*>(Circle.data()))
        Next->MenuEntryClick(this);
}

void TBoardHighlight::PreviousClick(QObject*)
{
    Navigate(-1);
}

void TBoardHighlight::NextClick(QObject*)
{
    Navigate(1);
}

void TBoardHighlight::DoneClick(QObject*)
{
    if (FPopup)
        FPopup->close();
}
