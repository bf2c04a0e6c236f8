#pragma once

#include "perforex/CString.h"
#include "perforex/PerforexReader.h"
#include "perforex/VbCirclePath.h"
#include "perforex/VbCircleShape.h"
#include "perforex/VbPolyarcPath.h"
#include "perforex/VbPolyarcShape.h"
#include "perforex/VbPolylinePath.h"
#include "perforex/VbPolylineShape.h"
#include "perforex/VbRectPath.h"
#include "perforex/VbRectShape.h"
#include "perforex/VbVrtxGeom.h"
