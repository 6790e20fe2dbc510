// Every filter and adjustment algorithm with its work record, for the units
// that call them (the composite textures fill a record, then call).
#pragma once

#include "modules/filters/BufferMoves.h"
#include "modules/filters/ChannelMove.h"
#include "modules/filters/ColorBalance.h"
#include "modules/filters/ColorReplace.h"
#include "modules/filters/ConditionalAverage.h"
#include "modules/filters/Contrast.h"
#include "modules/filters/Foil.h"
#include "modules/filters/Geometry.h"
#include "modules/filters/GradientFill.h"
#include "modules/filters/HueShift.h"
#include "modules/filters/Invert.h"
#include "modules/filters/Levels.h"
#include "modules/filters/MatrixFilter.h"
#include "modules/filters/OffsetEffect.h"
#include "modules/filters/RandomFill.h"
#include "modules/filters/RotationalSampling.h"
#include "modules/filters/Tiles.h"
#include "modules/filters/ValueReplace.h"
