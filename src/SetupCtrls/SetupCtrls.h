// SPDX-License-Identifier: MIT
// The reusable components of a card page.
#pragma once

#include "TBoardHighlight.h"
#include "TBoardImage.h"
#include "THelpForm.h"
#include "TPopupForm.h"
#include "TPCIForm.h"
#include "TRadioPanel.h"
#include "TSetupSupporter.h"
#include "TTechForm.h"
#include "TTwoJumper.h"
