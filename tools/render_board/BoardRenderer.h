// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>

// Paints the photograph of the card's component side, 600 x 639 pixels. The same picture
// comes out on every run.
QImage RenderBoard();
