#pragma once
// A drawn control reaching up into a window.
#include "ui/windows/panel.h"
