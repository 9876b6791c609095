// SPDX-License-Identifier: MIT
#pragma once

#include "Layers.h"

#include <QColor>
#include <QPointF>
#include <QString>
#include <QStringList>

// A dual in-line package lying horizontally, pin 1 at the lower left, notch to the left.
void DrawDip(TLayers& Layers, QPointF Center, int Pins, const QStringList& Marking);
// A 44-lead plastic chip carrier with the firmware's paper label on it.
void DrawPlcc(TLayers& Layers, QPointF Center, const QStringList& Label);
// A four-pin optocoupler, upright: LED pins below, transistor pins above.
void DrawOptocoupler(TLayers& Layers, QPointF Center, const QString& Marking);
// An axial resistor between the holes A and B with four colour bands.
void DrawAxialResistor(TLayers& Layers, QPointF A, QPointF B, const QColor (&Bands)[4]);
// A surface-mount chip part (0805), horizontal or vertical.
void DrawChipPart(TLayers& Layers, QPointF Center, bool Vertical, QColor Body, const QString& Code = {});
// A dipped monolithic ceramic capacitor seen from above.
void DrawCeramicCap(TLayers& Layers, QPointF Center, QColor Coating, const QString& Code);
// A radial aluminium electrolytic can seen from above.
void DrawElectrolytic(TLayers& Layers, QPointF Center, qreal Radius);
// A single in-line resistor network, horizontal.
void DrawResistorNetwork(TLayers& Layers, QPointF FirstPin, int Pins, const QString& Marking);
