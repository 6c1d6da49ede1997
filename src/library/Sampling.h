#pragma once

// The sampling rule lives with the model so that the definition rules can use it without Qt.
#include "model/Sampling.h"
