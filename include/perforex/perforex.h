#pragma once

#include "perforex/CString.h"
#include "perforex/PerforexReader.h"
