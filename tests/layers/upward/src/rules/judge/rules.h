#pragma once
// The rules asking for Qt.
#include <QString>

#include "core/state.h"
