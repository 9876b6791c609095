// SPDX-License-Identifier: MIT
// The reusable components of a card page.
#pragma once

#include "TBoardImage.h"
#include "TRadioPanel.h"
#include "TTwoJumper.h"
