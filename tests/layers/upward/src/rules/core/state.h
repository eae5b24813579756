#pragma once
// The ground reaching up into a module: the fault the layering check exists for.
#include "judge/rules.h"
