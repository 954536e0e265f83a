// Framework layer: the base header (objects, strings, collections and geometry).
#pragma once
#include "afxdefs.h"
#include "afxobj.h"
#include "afxstr.h"
#include "afxcoll.h"
#include "afxgeo.h"
