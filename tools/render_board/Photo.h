// SPDX-License-Identifier: MIT
#pragma once

#include "Random.h"

#include <QImage>
#include <QPointF>

// The camera's side of the picture: what turns a clean drawing into a photograph.

// Darkens Board under a soft copy of Parts' outline moved by Offset, then lays Parts on top.
void CastShadowAndCompose(QImage& Board, const QImage& Parts, QPointF Offset, int Blur, double Strength);
// Gives the glossy solder mask its mottled texture and the broad reflection of the lamp.
void AddMaskSheen(QImage& Board, TRandom& Random);
// The lamp's reflection in every glossy surface, parts included.
void AddGloss(QImage& Picture);
// Light falling off towards the lower right and the corners.
void ApplyLightFalloff(QImage& Picture);
// A few motes of dust caught by the light.
void AddDust(QImage& Picture, TRandom& Random);
// A slight softening as by a real lens, then the sensor's grain.
void SoftenAndAddGrain(QImage& Picture, TRandom& Random);
