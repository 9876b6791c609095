// SPDX-License-Identifier: MIT
#include "Photo.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// A plane of floats, blurred by three box passes (close to a Gaussian).
struct TPlane {
    int Width = 0;
    int Height = 0;
    std::vector<float> Values;

    TPlane(int W, int H) : Width(W), Height(H), Values(std::size_t(W) * std::size_t(H), 0.0f) {}
    float& At(int X, int Y) { return Values[std::size_t(Y) * std::size_t(Width) + std::size_t(X)]; }
};

void BoxPass(TPlane& Plane, int Radius, bool Horizontal)
{
    const int Lines = Horizontal ? Plane.Height : Plane.Width;
    const int Length = Horizontal ? Plane.Width : Plane.Height;
    std::vector<float> Line(static_cast<std::size_t>(Length));
    for (int L = 0; L < Lines; ++L) {
        auto Cell = [&](int I) -> float& { return Horizontal ? Plane.At(I, L) : Plane.At(L, I); };
        for (int I = 0; I < Length; ++I)
            Line[std::size_t(I)] = Cell(I);
        float Sum = 0;
        for (int I = -Radius; I <= Radius; ++I)
            Sum += Line[std::size_t(std::clamp(I, 0, Length - 1))];
        for (int I = 0; I < Length; ++I) {
            Cell(I) = Sum / float(2 * Radius + 1);
            Sum += Line[std::size_t(std::min(I + Radius + 1, Length - 1))];
            Sum -= Line[std::size_t(std::max(I - Radius, 0))];
        }
    }
}

void Blur(TPlane& Plane, int Radius)
{
    for (int Pass = 0; Pass < 3; ++Pass) {
        BoxPass(Plane, Radius, true);
        BoxPass(Plane, Radius, false);
    }
}

int Clamp255(double Value)
{
    return std::clamp(int(std::lround(Value)), 0, 255);
}

// Scales a pixel's colour channels, adding Lift to each.
QRgb Shade(QRgb Pixel, double Gain, double Lift = 0.0)
{
    return qRgb(Clamp255(qRed(Pixel) * Gain + Lift), Clamp255(qGreen(Pixel) * Gain + Lift),
                Clamp255(qBlue(Pixel) * Gain + Lift));
}

} // namespace

void CastShadowAndCompose(QImage& Board, const QImage& Parts, QPointF Offset, int Blur, double Strength)
{
    TPlane Shadow(Board.width(), Board.height());
    const int DX = int(std::lround(Offset.x()));
    const int DY = int(std::lround(Offset.y()));
    for (int Y = 0; Y < Board.height(); ++Y)
        for (int X = 0; X < Board.width(); ++X) {
            const int SX = X - DX;
            const int SY = Y - DY;
            if (SX >= 0 && SY >= 0 && SX < Parts.width() && SY < Parts.height())
                Shadow.At(X, Y) = float(qAlpha(Parts.pixel(SX, SY))) / 255.0f;
        }
    ::Blur(Shadow, Blur);
    for (int Y = 0; Y < Board.height(); ++Y) {
        QRgb* Line = reinterpret_cast<QRgb*>(Board.scanLine(Y));
        for (int X = 0; X < Board.width(); ++X)
            Line[X] = Shade(Line[X], 1.0 - Strength * Shadow.At(X, Y));
    }
    QPainter Painter(&Board);
    Painter.drawImage(0, 0, Parts);
}

void AddMaskSheen(QImage& Board, TRandom& Random)
{
    TPlane Mottle(Board.width(), Board.height());
    for (float& Value : Mottle.Values)
        Value = float(Random.Gauss());
    Blur(Mottle, 9);
    const QPointF Lamp(400, 170);
    for (int Y = 0; Y < Board.height(); ++Y) {
        QRgb* Line = reinterpret_cast<QRgb*>(Board.scanLine(Y));
        for (int X = 0; X < Board.width(); ++X) {
            const double DX = (X - Lamp.x()) / 360.0;
            const double DY = (Y - Lamp.y()) / 230.0;
            const double Reflection = std::exp(-(DX * DX + DY * DY) * 1.6);
            // The glass weave of the laminate shows faintly through the mask.
            const double Weave = std::sin((X + Y) * 0.95) * std::sin((X - Y) * 0.95);
            const double Gain = 1.0 + 1.8 * Mottle.At(X, Y) + 0.018 * Weave + 0.12 * Reflection;
            Line[X] = Shade(Line[X], Gain, 34.0 * Reflection);
        }
    }
}

void AddGloss(QImage& Picture)
{
    // The lamp's reflection: a broad soft patch and a fainter streak below it.
    for (int Y = 0; Y < Picture.height(); ++Y) {
        QRgb* Line = reinterpret_cast<QRgb*>(Picture.scanLine(Y));
        for (int X = 0; X < Picture.width(); ++X) {
            const double PX = (X - 430.0) / 200.0;
            const double PY = (Y - 140.0) / 140.0;
            const double Streak = (X + 0.35 * Y - 520.0) / 60.0;
            const double Lift = 30.0 * std::exp(-(PX * PX + PY * PY)) + 8.0 * std::exp(-Streak * Streak);
            Line[X] = Shade(Line[X], 1.0 + Lift / 400.0, Lift);
        }
    }
}

void ApplyLightFalloff(QImage& Picture)
{
    const double CX = Picture.width() * 0.42;
    const double CY = Picture.height() * 0.38;
    const double Reach = std::hypot(Picture.width(), Picture.height()) * 0.62;
    for (int Y = 0; Y < Picture.height(); ++Y) {
        QRgb* Line = reinterpret_cast<QRgb*>(Picture.scanLine(Y));
        for (int X = 0; X < Picture.width(); ++X) {
            const double R = std::hypot(X - CX, Y - CY) / Reach;
            const double Gain = 1.07 - 0.40 * R * R;
            // Warm light: red kept a little, blue dropped a little.
            const QRgb P = Line[X];
            Line[X] = qRgb(Clamp255(qRed(P) * Gain * 1.02), Clamp255(qGreen(P) * Gain),
                           Clamp255(qBlue(P) * Gain * 0.96));
        }
    }
}

void AddDust(QImage& Picture, TRandom& Random)
{
    QPainter Painter(&Picture);
    Painter.setRenderHint(QPainter::Antialiasing);
    Painter.setPen(Qt::NoPen);
    for (int Mote = 0; Mote < 60; ++Mote) {
        const QPointF Spot(Random.Range(0, Picture.width()), Random.Range(0, Picture.height()));
        Painter.setBrush(QColor(230, 230, 220, 40 + Random.Below(90)));
        Painter.drawEllipse(Spot, Random.Range(0.4, 1.1), Random.Range(0.4, 1.1));
    }
}

void SoftenAndAddGrain(QImage& Picture, TRandom& Random)
{
    // A 3 x 3 kernel at three quarters strength: edges lose the crispness of vector drawing.
    const QImage Sharp = Picture.copy();
    for (int Y = 1; Y + 1 < Picture.height(); ++Y) {
        QRgb* Line = reinterpret_cast<QRgb*>(Picture.scanLine(Y));
        for (int X = 1; X + 1 < Picture.width(); ++X) {
            double Sum[3] = {0, 0, 0};
            for (int KY = -1; KY <= 1; ++KY)
                for (int KX = -1; KX <= 1; ++KX) {
                    const double Weight = (KX == 0 ? 2.0 : 1.0) * (KY == 0 ? 2.0 : 1.0);
                    const QRgb P = Sharp.pixel(X + KX, Y + KY);
                    Sum[0] += Weight * qRed(P);
                    Sum[1] += Weight * qGreen(P);
                    Sum[2] += Weight * qBlue(P);
                }
            const QRgb P = Sharp.pixel(X, Y);
            Line[X] = qRgb(Clamp255(0.25 * qRed(P) + 0.75 * Sum[0] / 16), Clamp255(0.25 * qGreen(P) + 0.75 * Sum[1] / 16),
                           Clamp255(0.25 * qBlue(P) + 0.75 * Sum[2] / 16));
        }
    }
    for (int Y = 0; Y < Picture.height(); ++Y) {
        QRgb* Line = reinterpret_cast<QRgb*>(Picture.scanLine(Y));
        for (int X = 0; X < Picture.width(); ++X) {
            const double Luma = 3.6 * Random.Gauss();
            const QRgb P = Line[X];
            Line[X] = qRgb(Clamp255(qRed(P) + Luma + 0.8 * Random.Gauss()), Clamp255(qGreen(P) + Luma),
                           Clamp255(qBlue(P) + Luma + 0.8 * Random.Gauss()));
        }
    }
}
