// SPDX-License-Identifier: MIT
#pragma once

#include "Random.h"

#include <QPainter>

// Copper under the solder mask: it shows through as slightly lighter, yellower green.

// The mask's base colour over bare laminate.
void DrawSolderMask(QPainter& Board);
// Signal traces in parallel bundles, vias and the ground pour on the isolated side.
void DrawCopperTraces(QPainter& Board, TRandom& Random);
