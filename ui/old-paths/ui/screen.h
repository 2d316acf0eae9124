#pragma once

// The benchmark names this header by its place before ui/ had folders.
#include "ui/geometry/screen.h"
