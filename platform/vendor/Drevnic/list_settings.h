// List settings: defaults and the checks every way of setting them goes through.
#pragma once
#include <stddef.h>

#include "Drevnic.h"

_IIOData IIDefaultSettings();
// True when every field is within its documented range.
bool IIValidSettings(const _IIOData& opt);
// True when n selected items are allowed by the multiple-selection setting.
bool IISelectionFits(const _IIOData& opt, size_t n);
