// Moved to tests/support, next to the other helpers shared by the test folders.
#pragma once

#include "support/render_recording.h"
