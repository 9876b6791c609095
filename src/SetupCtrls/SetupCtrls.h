// SPDX-License-Identifier: MIT
// The reusable components of a card page.
#pragma once

#include "TBoardHighlight.h"
#include "TBoardImage.h"
#include "TPopupForm.h"
#include "TRadioPanel.h"
#include "TTwoJumper.h"
