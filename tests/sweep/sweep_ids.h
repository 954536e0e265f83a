#pragma once
#define IDS_SWEEP_TIP 9101
#define IDS_SWEEP_TABS 9110  // three tab labels
