#pragma once
#define IDS_SWEEP_TIP 9101
