#pragma once
// Moved to tests/support; kept so that a test written against the old place still builds.
#include "tests/support/RecordingView.h"
